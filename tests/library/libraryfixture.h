#pragma once

// Voices and voice files for the library suites, made from the embedded
// schema by parameter words, the way a sound designer's edits make them.

#include <librarycontent.h>
#include <librarydatabase.h>
#include <voicefile.h>
#include <voicelibrary.h>

#include <QDir>
#include <QFile>
#include <QtTest>

inline const LibraryContent &content()
{
    return LibraryContent::embedded();
}

inline ParameterRef refOf(const char *block, const char *parameter, int part = 0)
{
    const ParameterSchema::Schema &schema = content().schema();
    const int high = schema.index.value(QLatin1String(block), -1);
    const int low =
        high < 0 ? -1 : schema.blocks[std::size_t(high)].index.value(QLatin1String(parameter), -1);
    if (low < 0)
        qFatal("no parameter %s/%s", block, parameter);
    return { quint16(high), quint16(low), part };
}

// A normal voice at its defaults with `edits` (block, parameter, part, value) made.
struct Edit
{
    const char *block;
    const char *parameter;
    int part;
    int value;
};

inline Voice makeVoice(const QString &name, std::initializer_list<Edit> edits = {},
                       const QString &category = QString(), const QStringList &tags = {})
{
    Voice voice;
    voice.type = VoiceType::Normal;
    voice.values = content().codec().defaults();
    voice.name = name;
    voice.category = category;
    voice.tags = tags;
    for (const Edit &e : edits) {
        const ParameterRef ref = refOf(e.block, e.parameter, e.part);
        voice.values[ref.high][std::size_t(ref.part)][ref.low] = e.value;
    }
    return voice;
}

inline void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Written plainly, without the editor's safe save (which waits for the disk
// each time): suites write thousands.
inline void writeVoiceFile(const QString &path, const Voice &voice)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeText(path, VoiceFile::encode(content().schema(), voice));
}
