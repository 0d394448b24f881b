#include "librarycontent.h"

LibraryContent::LibraryContent(std::shared_ptr<const ParameterSchema::Schema> schema)
    : m_codec(schema)
    , m_features(schema)
    , m_catalogue(schema)
{
}

const LibraryContent &LibraryContent::embedded()
{
    static const LibraryContent content(ParameterSchema::embedded());
    return content;
}
