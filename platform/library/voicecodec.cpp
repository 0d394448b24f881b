#include "voicecodec.h"

#include <parameterschema.h>
#include <voicefile.h>

#include <QCryptographicHash>
#include <QtEndian>

#include <cstring>

namespace {

// Packed form: the voice type, then one record per differing value.
constexpr int recordSize = 2 + 2 + 2 + 4; // block, part, parameter, value

void put16(QByteArray *out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out->append(b, 2);
}

void put32(QByteArray *out, qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out->append(b, 4);
}

} // namespace

VoiceCodec::VoiceCodec(std::shared_ptr<const ParameterSchema::Schema> schema)
    : m_schema(std::move(schema))
{
    // A file without blocks takes every default, including those that the
    // defaults of type parameters give their blocks.
    const QByteArray empty =
        QStringLiteral("{\"format\": \"%1\", \"version\": 1, \"voiceType\": 1, \"blocks\": {}}")
            .arg(QLatin1String(VoiceFile::formatName))
            .toUtf8();
    Voice voice;
    if (VoiceFile::decode(empty, *m_schema, &voice, nullptr))
        m_defaults = std::move(voice.values);
}

std::vector<std::pair<ParameterRef, int>> VoiceCodec::differences(const Voice &voice) const
{
    std::vector<std::pair<ParameterRef, int>> found;
    for (std::size_t h = 0; h < m_defaults.size() && h < voice.values.size(); ++h) {
        for (std::size_t pt = 0; pt < m_defaults[h].size() && pt < voice.values[h].size(); ++pt) {
            const std::vector<int> &d = m_defaults[h][pt];
            const std::vector<int> &v = voice.values[h][pt];
            for (std::size_t p = 0; p < d.size() && p < v.size(); ++p) {
                if (v[p] != d[p])
                    found.push_back({ ParameterRef{ quint16(h), quint16(p), int(pt) }, v[p] });
            }
        }
    }
    return found;
}

QByteArray VoiceCodec::packed(const Voice &voice) const
{
    const auto diff = differences(voice);
    QByteArray out;
    out.reserve(int(2 + diff.size() * recordSize));
    put16(&out, quint16(voice.type));
    for (const auto &[ref, value] : diff) {
        put16(&out, ref.high);
        put16(&out, quint16(ref.part));
        put16(&out, ref.low);
        put32(&out, value);
    }
    return out;
}

QByteArray VoiceCodec::encode(const Voice &voice) const
{
    return qCompress(packed(voice), 9);
}

bool VoiceCodec::decode(const QByteArray &data, Voice *voice) const
{
    const QByteArray raw = qUncompress(data);
    if (raw.size() < 2 || (raw.size() - 2) % recordSize != 0 || m_defaults.empty())
        return false;
    const char *p = raw.constData();
    const int type = qFromLittleEndian<quint16>(p);
    if (!isVoiceTypeNumber(type))
        return false;
    Values values = m_defaults;
    for (int at = 2; at < raw.size(); at += recordSize) {
        const quint16 high = qFromLittleEndian<quint16>(p + at);
        const quint16 part = qFromLittleEndian<quint16>(p + at + 2);
        const quint16 low = qFromLittleEndian<quint16>(p + at + 4);
        const qint32 value = qFromLittleEndian<qint32>(p + at + 6);
        if (high >= values.size() || part >= values[high].size()
            || low >= values[high][part].size())
            return false;
        values[high][part][low] = value;
    }
    voice->type = VoiceType(type);
    voice->values = std::move(values);
    return true;
}

qint64 VoiceCodec::identity(const Voice &voice) const
{
    const QByteArray digest = QCryptographicHash::hash(packed(voice), QCryptographicHash::Sha256);
    return qint64(qFromLittleEndian<quint64>(digest.constData()) >> 1);
}
