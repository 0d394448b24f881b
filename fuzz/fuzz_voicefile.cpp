// Fuzzes the voice-file reader with arbitrary bytes: whatever it accepts is a
// voice the memory can hold, written back and read again unchanged, and
// whatever it refuses comes with a reason.

#include <parameterschema.h>
#include <voicefile.h>

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

const ParameterSchema::Schema &schema()
{
    static int argc = 1;
    static char name[] = "fuzz_voicefile";
    static char *argv[] = { name, nullptr };
    static QCoreApplication app(argc, argv);
    static ParameterSchema::Schema theSchema = [] {
        ParameterSchema::Schema s;
        QString error;
        if (!s.load(QStringLiteral(":/vestra/memapi/content"), &error))
            std::abort();
        return s;
    }();
    return theSchema;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ParameterSchema::Schema &s = schema();
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Voice voice;
    voice.type = VoiceType(-1);
    QString why;
    if (!VoiceFile::decode(text, s, &voice, &why)) {
        // Refused: a reason, and nothing handed back.
        check(!why.isEmpty());
        check(int(voice.type) == -1 && voice.values.empty());
        return 0;
    }
    check(isVoiceTypeNumber(int(voice.type)) && voice.name.size() <= Voice::nameLength);
    check(voice.values.size() == s.blocks.size());
    for (std::size_t b = 0; b < s.blocks.size(); ++b) {
        check(voice.values[b].size() == std::size_t(s.blocks[b].parts));
        for (std::size_t pt = 0; pt < voice.values[b].size(); ++pt) {
            const std::vector<int> &part = voice.values[b][pt];
            check(part.size() == s.blocks[b].parameters.size());
            for (std::size_t p = 0; p < part.size(); ++p) {
                const ParameterSchema::Parameter e = s.effective(int(b), int(p), part, int(pt));
                check(part[p] >= e.minimum && part[p] <= e.maximum);
            }
        }
    }
    // What was accepted is written and read back as it was.
    Voice again;
    check(VoiceFile::decode(VoiceFile::encode(s, voice), s, &again, &why));
    check(again.type == voice.type && again.values == voice.values && again.name == voice.name
          && again.category == voice.category && again.comment == voice.comment
          && again.tags == voice.tags);
    return 0;
}
