#pragma once

#include "parametercatalogue.h"
#include "soundfeatures.h"
#include "voicecodec.h"

#include <memory>

// What the library derives from the voice schema: how voices are stored
// (codec), described for similarity (features) and named in queries
// (catalogue). Built once per process from the embedded schema; never
// changed after, so any thread may use it.
class LibraryContent
{
public:
    explicit LibraryContent(std::shared_ptr<const ParameterSchema::Schema> schema);

    static const LibraryContent &embedded();

    const VoiceCodec &codec() const { return m_codec; }
    const SoundFeatures &features() const { return m_features; }
    const ParameterCatalogue &catalogue() const { return m_catalogue; }
    const ParameterSchema::Schema &schema() const { return m_codec.schema(); }

private:
    VoiceCodec m_codec;
    SoundFeatures m_features;
    ParameterCatalogue m_catalogue;
};
