#include "recordingtranslator.h"

QString RecordingTranslator::translate(const char *context, const char *sourceText, const char *,
                                       int) const
{
    if (context && sourceText && *sourceText)
        m_texts.insert({ QString::fromUtf8(context), QString::fromUtf8(sourceText) });
    return QString();
}
