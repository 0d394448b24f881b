#include "toolscommandline.h"

#include "seededrandom.h"
#include "toollocks.h"
#include "voicevariation.h"

#include <tparametermemory.h>
#include <voicefile.h>

#include <QCommandLineParser>
#include <QRandomGenerator>

#include <cstdio>
#include <optional>

namespace ToolsCommandLine {

namespace {

const QString randomiseName = QStringLiteral("randomise");
const QString mutateName = QStringLiteral("mutate");
const QString typesAboveName = QStringLiteral("types-above");
const QString morphName = QStringLiteral("morph");
const QString amountName = QStringLiteral("amount");
const QString seedName = QStringLiteral("seed");
const QString lockName = QStringLiteral("lock");
const QString saveName = QStringLiteral("save");

int fail(const QString &message)
{
    std::fprintf(stderr, "zinta-editor: %s\n", qPrintable(message));
    return 1;
}

// A percentage from `low` to 100, or nothing.
std::optional<int> percent(const QString &text, int low)
{
    bool ok = false;
    const int value = QString(text).remove(QLatin1Char('%')).trimmed().toInt(&ok);
    if (!ok || value < low || value > 100)
        return std::nullopt;
    return value;
}

} // namespace

QList<QCommandLineOption> options()
{
    return {
        { randomiseName,
          QStringLiteral("Give <percent> % of the unlocked values of the --voice a random value "
                         "(100: all), write --save and exit."),
          QStringLiteral("percent") },
        { mutateName,
          QStringLiteral("Move the unlocked values of the --voice by up to <percent> % of their "
                         "range, write --save and exit."),
          QStringLiteral("percent") },
        { typesAboveName,
          QStringLiteral("With --mutate: change types (filter, EQ, effect types) only when the "
                         "amount is above <percent> (default 50)."),
          QStringLiteral("percent") },
        { morphName,
          QStringLiteral("Set the unlocked values of the --voice between it and the voice <file> "
                         "by --amount, write --save and exit."),
          QStringLiteral("file") },
        { amountName, QStringLiteral("With --morph: how far towards the other voice, 0 to 100 %."),
          QStringLiteral("percent") },
        { seedName,
          QStringLiteral("With --randomise and --mutate: the seed <n>; the same seed and voice "
                         "give the same result."),
          QStringLiteral("n") },
        { lockName,
          QStringLiteral("Leave alone the values whose name, block or part matches <pattern> ('*' "
                         "for any text; repeatable)."),
          QStringLiteral("pattern") },
        { saveName, QStringLiteral("The voice file the tool writes."), QStringLiteral("file") },
    };
}

bool isWanted(const QCommandLineParser &parser)
{
    return parser.isSet(randomiseName) || parser.isSet(mutateName) || parser.isSet(morphName);
}

int run(const QCommandLineParser &parser, TParameterMemory &memory)
{
    const int tools = int(parser.isSet(randomiseName)) + int(parser.isSet(mutateName))
        + int(parser.isSet(morphName));
    if (tools > 1)
        return fail(QStringLiteral("choose one of --randomise, --mutate and --morph"));
    if (!parser.isSet(QStringLiteral("voice")))
        return fail(QStringLiteral("the tools need a voice to start from: --voice FILE"));
    if (!parser.isSet(saveName))
        return fail(QStringLiteral("the tools need a file to write: --save FILE"));

    const QString inPath = parser.value(QStringLiteral("voice"));
    const QString outPath = parser.value(saveName);
    Voice voice;
    QString error;
    if (!VoiceFile::read(inPath, memory.schema(), &voice, &error))
        return fail(error);
    memory.setVoice(voice);

    ToolLocks locks;
    for (const QString &pattern : parser.values(lockName)) {
        if (pattern.trimmed().isEmpty())
            return fail(
                QStringLiteral("--lock needs a pattern, such as \"Filter*\" or \"element 2\""));
        locks.add(ToolLocks::pattern(pattern));
    }
    const VoiceVariation::Locked locked = VoiceVariation::lockedBy(memory, &locks);

    quint64 seed = 0;
    if (parser.isSet(seedName)) {
        bool ok = false;
        seed = parser.value(seedName).toULongLong(&ok);
        if (!ok)
            return fail(
                QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615"));
    } else {
        seed = QRandomGenerator::global()->generate64();
    }
    SeededRandom random(seed);

    QString done;
    if (parser.isSet(randomiseName)) {
        const std::optional<int> pct = percent(parser.value(randomiseName), 1);
        if (!pct)
            return fail(QStringLiteral("--randomise needs a percentage from 1 to 100"));
        const int n = VoiceVariation::randomise(memory, locked, random, *pct);
        done = QStringLiteral("randomised %1 values (seed %2)").arg(n).arg(seed);
    } else if (parser.isSet(mutateName)) {
        const std::optional<int> pct = percent(parser.value(mutateName), 1);
        if (!pct)
            return fail(QStringLiteral("--mutate needs a percentage from 1 to 100"));
        std::optional<int> typesAbove = 50;
        if (parser.isSet(typesAboveName))
            typesAbove = percent(parser.value(typesAboveName), 0);
        if (!typesAbove)
            return fail(QStringLiteral("--types-above needs a percentage from 0 to 100"));
        const int n = VoiceVariation::mutate(memory, locked, random, *pct, *typesAbove);
        done =
            QStringLiteral("mutated %1 values by up to %2 % (seed %3)").arg(n).arg(*pct).arg(seed);
    } else {
        const std::optional<int> amount = percent(parser.value(amountName), 0);
        if (!parser.isSet(amountName) || !amount)
            return fail(QStringLiteral("--morph needs --amount, a percentage from 0 to 100"));
        Voice other;
        if (!VoiceFile::read(parser.value(morphName), memory.schema(), &other, &error))
            return fail(error);
        if (other.type != voice.type)
            return fail(
                QStringLiteral(
                    "%1 is a %2 voice and %3 a %4 voice: morph needs two voices of one type")
                    .arg(parser.value(morphName), voiceTypeName(other.type), inPath,
                         voiceTypeName(voice.type)));
        VoiceVariation::morph(memory, locked, voice.values, other.values, *amount / 100.0);
        done = QStringLiteral("morphed %1 % towards %2").arg(*amount).arg(parser.value(morphName));
    }

    const Voice result = memory.voice();
    if (!VoiceFile::save(outPath, memory.schema(), result, &error))
        return fail(error);
    // What was written must load again.
    Voice check;
    if (!VoiceFile::read(outPath, memory.schema(), &check, &error))
        return fail(error);
    std::printf("%s of %s with %d lock(s); wrote %s\n", qPrintable(done), qPrintable(inPath),
                int(locks.locks().size()), qPrintable(outPath));
    return 0;
}

} // namespace ToolsCommandLine
