#pragma once

#include <voice.h>

#include <QByteArray>

#include <memory>
#include <utility>
#include <vector>

namespace ParameterSchema {
struct Schema;
}

// How the library keeps a voice: only the values that differ from the
// defaults a voice file without blocks gets, packed and compressed. The
// same differences, in order, give the voice's identity (a hash of its type
// and values) and the rows that parameter conditions query.
//
// The schema is shared and never changed, so a codec may be used from any
// thread.
class VoiceCodec
{
public:
    explicit VoiceCodec(std::shared_ptr<const ParameterSchema::Schema> schema);

    const ParameterSchema::Schema &schema() const { return *m_schema; }
    std::shared_ptr<const ParameterSchema::Schema> sharedSchema() const { return m_schema; }
    // Every value at its default, as a voice file without blocks gives it.
    const Values &defaults() const { return m_defaults; }

    // The values of `voice` that differ from the defaults, in schema order.
    std::vector<std::pair<ParameterRef, int>> differences(const Voice &voice) const;
    // The compressed form of the voice's type and values.
    QByteArray encode(const Voice &voice) const;
    // Sets voice->type and voice->values from encode()'s form; false for a
    // form that is damaged or names parameters the schema does not have.
    bool decode(const QByteArray &data, Voice *voice) const;
    // A 63-bit identity of the type and values: equal voices sound equal.
    qint64 identity(const Voice &voice) const;

    // One number for a value's place (block, part, parameter), as the
    // library's value rows key it; ordered as ParameterRef is.
    static qint64 key(const ParameterRef &ref)
    {
        return (qint64(ref.high) << 24) | (qint64(ref.part) << 12) | qint64(ref.low);
    }
    static ParameterRef refOfKey(qint64 key)
    {
        return { quint16(key >> 24), quint16(key & 0xFFF), int((key >> 12) & 0xFFF) };
    }

private:
    QByteArray packed(const Voice &voice) const;

    std::shared_ptr<const ParameterSchema::Schema> m_schema;
    Values m_defaults;
};
