// The voice's content over the whole schema: every type and value, every
// parameter of the initial voice, value texts, the listings, and the rules
// that expand the content files when they are read.

#include <schemalisting.h>
#include <tparametermemory.h>

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

constexpr int initial = std::numeric_limits<int>::min();

struct Where
{
    quint16 high = 0, low = 0;
};

Where find(const TParameterMemory &memory, const QString &path)
{
    Where w;
    if (!memory.findParameter(path, &w.high, &w.low))
        qWarning("no parameter %s", qPrintable(path));
    return w;
}

// The first fault of parameter (high, low, part) as a dialog would read it.
QString faultOf(const TParameterMemory &m, int high, int low, int part)
{
    const int lo = m.minimum(high, low, part), hi = m.maximum(high, low, part);
    const int v = m.value(high, low, part), d = m.defaultValue(high, low, part);
    const QString low_ = m.valueText(high, low, part, lo), high_ = m.valueText(high, low, part, hi);
    if (lo > hi || d < lo || d > hi || v < lo || v > hi)
        return QStringLiteral("range %1..%2, default %3, value %4").arg(lo).arg(hi).arg(d).arg(v);
    if (low_.trimmed().isEmpty() || high_.trimmed().isEmpty() || (lo < hi && low_ == high_))
        return QStringLiteral("texts \"%1\" and \"%2\" at the ends").arg(low_, high_);
    if (m.name(high, low, part).trimmed().isEmpty())
        return QStringLiteral("no name");
    return QString();
}

} // namespace

class TestMemSchema : public QObject
{
    Q_OBJECT

private slots:
    void resolve_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("part"); // -2: unknown, -1: the dialog's part
        QTest::newRow("FE element") << "FEkNormalElement/kNrmElmPan" << -1;
        QTest::newRow("20 element 3") << "20kNormalElementLFO/kNrmElmLFODepth2" << 2;
        QTest::newRow("00 drum key") << "00kDrumKey/kDrmKeyPan" << 0;
        QTest::newRow("plug-in form") << "FEkPluginElement/kPlgElmWaveNumber" << -1;
        QTest::newRow("drum form") << "FEkDrumElementEQ/kDrmElmEQType" << -1;
        QTest::newRow("board") << "FEkPluginNativeJQ/kPlgNtvJQAC1Depth" << -1;
        QTest::newRow("odd word kept") << "00kDrumCommonExtra/kDrmComARPQauntVal" << 0;
        QTest::newRow("unknown block") << "FEkNormalNothing/kNrmElmPan" << -2;
        QTest::newRow("parameter of another block")
            << "FEkNormalElement/kNrmComPortamentoMode" << -2;
        QTest::newRow("upper-case K") << "FEKNormalElement/kNrmElmPan" << -2;
        QTest::newRow("no part digits") << "kNormalElement/kNrmElmPan" << -2;
        QTest::newRow("trailing text") << "FEkNormalElement/kNrmElmPan x" << -2;
    }
    void resolve()
    {
        QFETCH(QString, address);
        QFETCH(int, part);
        TParameterMemory memory;
        const IMemAPI::TResolvedAddress resolved = memory.resolveAddress(address);
        const QScopedArrayPointer<IMemAPI::TSingleAddress> guard(resolved.addresses);
        QCOMPARE(resolved.count, part == -2 ? 0 : 1);
        if (part == -1)
            QVERIFY(qint16(resolved.addresses[0].part) < 0);
        else if (part >= 0)
            QCOMPARE(int(resolved.addresses[0].part), part);
    }

    void everyTypeValue_data()
    {
        QTest::addColumn<QString>("type");
        TParameterMemory memory;
        QStringList types;
        for (const QString &line : SchemaListing::types(memory.schema()))
            types << line.section(QLatin1Char('\t'), 0, 0);
        types.removeDuplicates();
        // EQ, filter, key-on delay sync, two insertions, reverb and chorus in
        // three voice forms, and the drum keys' EQ.
        QVERIFY(types.size() >= 22);
        for (const QString &type : types)
            QTest::newRow(qPrintable(type)) << type;
    }
    // For each value of the type, the parameters of its block in use have names
    // of their own, and sensible ranges, defaults and texts.
    void everyTypeValue()
    {
        QFETCH(QString, type);
        TParameterMemory memory;
        const Where t = find(memory, type);
        const int part = memory.partCount(t.high) - 1;
        for (int v = memory.minimum(t.high, t.low, part); v <= memory.maximum(t.high, t.low, part);
             ++v) {
            memory.setValue(t.high, t.low, part, v);
            QCOMPARE(memory.value(t.high, t.low, part), v);
            const QString typeText = memory.valueText(t.high, t.low, part, v);
            QSet<QString> names;
            for (int p = 0; p < memory.parameterCount(t.high); ++p) {
                if (!memory.inUse(t.high, quint16(p), part))
                    continue;
                const QString name = memory.name(t.high, quint16(p), part);
                const QString what =
                    typeText + QLatin1String(": ") + memory.parameterPath(t.high, p);
                QVERIFY2(!names.contains(name),
                         qPrintable(what + QLatin1String(" repeats ") + name));
                names.insert(name);
                const QString fault = faultOf(memory, t.high, p, part);
                QVERIFY2(fault.isEmpty(), qPrintable(what + QLatin1Char(' ') + fault));
            }
        }
    }

    void everyParameterOfTheInitialVoice()
    {
        TParameterMemory memory;
        int checked = 0;
        for (int b = 0; b < memory.blockCount(); ++b) {
            for (int p = 0; p < memory.parameterCount(b); ++p) {
                for (int part = 0; part < memory.partCount(b); ++part, ++checked) {
                    const QString fault = faultOf(memory, b, p, part);
                    QVERIFY2(fault.isEmpty(),
                             qPrintable(memory.parameterPath(b, p) + QLatin1Char(' ') + fault));
                    QCOMPARE(memory.value(b, p, part), memory.defaultValue(b, p, part));
                }
            }
        }
        QVERIFY(checked > 3000);
    }

    void valueTexts_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("parts");
        QTest::addColumn<int>("value"); // initial: the initial voice's, in every part
        QTest::addColumn<QString>("text");
        // The initial voice sounds in every form: full key and velocity ranges, full level.
        // clang-format off
        const struct Form { const char *block, *word; } forms[] = {
            { "Normal", "Nrm" }, { "Plugin", "Plg" }, { "Drum", "Drm" } };
        for (const Form &f : forms) {
            auto row = [&f](const char *address, int parts, const char *text) {
                const QString a = QString::fromLatin1(address).arg(QLatin1String(f.block), QLatin1String(f.word));
                QTest::newRow(qPrintable(a)) << a << parts << initial << QString::fromLatin1(text);
            };
            row("FEk%1Element/k%2ElmNoteLimitLow", 4, "C-2");
            row("FEk%1Element/k%2ElmNoteLimitHigh", 4, "G8");
            row("FEk%1Element/k%2ElmVeloLimitLow", 4, "1");
            row("FEk%1Element/k%2ElmVeloLimitHigh", 4, "127");
            row("00k%1ElementAmplitude/k%2ElmLevel", 1, "100");
        }
        QTest::newRow("drum keys play their waves") << "FEkDrumKey/kDrmKeyWaveType" << 73 << initial << "Wave";
        const QString noteLow = QStringLiteral("FEkNormalElement/kNrmElmNoteLimitLow");
        const QString insertion = QStringLiteral("FEkNormalElement/kNrmElmInsEffSwitch");
        QTest::newRow("middle C") << noteLow << 1 << 60 << "C3";
        QTest::newRow("sharp") << noteLow << 1 << 61 << "C#3";
        QTest::newRow("pan right") << "FEkNormalElement/kNrmElmPan" << 1 << 63 << "R63";
        QTest::newRow("switch off") << insertion << 1 << 0 << "Off";
        QTest::newRow("switch on") << insertion << 1 << 1 << "On";
    }
    void valueTexts()
    {
        QFETCH(QString, address);
        QFETCH(int, parts);
        QFETCH(int, value);
        QFETCH(QString, text);
        TParameterMemory memory;
        for (int part = 0; part < parts; ++part)
            QCOMPARE(memory.valueText(address, part, value == initial ? memory.value(address, part) : value), text);
    }

    void aNewEffectTypeTakesItsDefaultsInTheSameCall_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("row");
        QTest::newRow("insertion A") << "00kNormalCommonInsA/kNrmInsAType" << "00kNormalCommonInsA/kNrmInsAParam";
        QTest::newRow("insertion B") << "00kNormalCommonInsB/kNrmInsBType" << "00kNormalCommonInsB/kNrmInsBParam";
        QTest::newRow("reverb") << "00kNormalCommonReverb/kNrmRevType" << "00kNormalCommonReverb/kNrmRevParam";
        QTest::newRow("drum chorus") << "00kDrumCommonChorus/kDrmChoType" << "00kDrumCommonChorus/kDrmChoParam";
    }
    void aNewEffectTypeTakesItsDefaultsInTheSameCall()
    {
        QFETCH(QString, type);
        QFETCH(QString, row);
        TParameterMemory memory;
        const Where t = find(memory, type);
        QSignalSpy changed(&memory, &TParameterMemory::parameterChanged);
        const int first = memory.minimum(t.high, t.low, 0);
        for (int v = first; v <= memory.maximum(t.high, t.low, 0); ++v) {
            if (v == memory.value(t.high, t.low, 0))
                continue;
            // Every row moved off its default first, so that the new type changes it.
            Where rows[16];
            for (int n = 0; n < 16; ++n) {
                rows[n] = find(memory, row + QString::number(n + 1));
                const int now = memory.value(rows[n].high, rows[n].low, 0);
                memory.setValue(rows[n].high, rows[n].low, 0, now == memory.minimum(rows[n].high, rows[n].low, 0) ? now + 1 : now - 1);
            }
            changed.clear();
            QVERIFY(memory.setValue(t.high, t.low, 0, v));
            int inUse = 0;
            for (const Where &r : rows) {
                if (!memory.inUse(r.high, r.low, 0))
                    continue;
                ++inUse;
                const int d = memory.defaultValue(r.high, r.low, 0);
                QCOMPARE(memory.value(r.high, r.low, 0), d);
                const QList<QVariant> heard{ r.high, r.low, 0, d };
                QVERIFY2(changed.contains(heard), qPrintable(QStringLiteral("type %1 row %2").arg(v).arg(r.low)));
            }
            // Only the first type, no effect, has no rows.
            QVERIFY2((inUse == 0) == (v == first), qPrintable(QString::number(v)));
        }
    }

    void listingsReadAsTheMemory()
    {
        TParameterMemory memory;
        for (const QString &line : SchemaListing::parameters(memory.schema())) {
            const QStringList f = line.split(QLatin1Char('\t'));
            QCOMPARE(f.size(), 7);
            const Where w = find(memory, f.at(0));
            QCOMPARE(f.at(1), memory.name(w.high, w.low, 0));
            QCOMPARE(f.at(6), memory.valueText(w.high, w.low, 0, memory.defaultValue(w.high, w.low, 0)));
        }
        int lines = 0;
        for (const QString &line : SchemaListing::types(memory.schema())) {
            const QStringList f = line.split(QLatin1Char('\t'));
            QCOMPARE(f.size(), 8);
            const Where t = find(memory, f.at(0)), w = find(memory, f.at(3));
            memory.setValue(t.high, t.low, 0, f.at(1).toInt());
            QCOMPARE(f.at(2), memory.valueText(t.high, t.low, 0, f.at(1).toInt()));
            QVERIFY2(memory.inUse(w.high, w.low, 0), qPrintable(line));
            QCOMPARE(f.at(4), memory.name(w.high, w.low, 0));
            QCOMPARE(f.at(7), memory.valueText(w.high, w.low, 0, memory.defaultValue(w.high, w.low, 0)));
            ++lines;
        }
        QVERIFY(lines > 1000);
        // A short caption keeps its full name.
        QCOMPARE(memory.fullName(QStringLiteral("FEkNormalElement/kNrmElmVeloLimitHigh")), QStringLiteral("Velocity Limit High"));
    }

    void contentRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("fault"); // a word of the error; empty: the content is good
        const QByteArray good = R"({ "formats": { "pan": { "kind": "pan" } },
            "effects": { "families": { "echo": [ { "name": "Time", "min": 1, "max": 9, "default": 2 } ] },
                         "sets": { "fx": [ { "name": "Off" }, { "name": "Echo", "family": "echo", "defaults": { "Time": 7 } } ] } },
            "blocks": [ { "word": "NormalX", "voiceType": 1, "parts": 2, "forms": true,
                          "effect": { "type": "NrmType", "rows": "NrmRow", "set": "fx" }, "params": [
                { "word": "NrmType", "name": "Type", "default": "Echo" },
                { "word": "NrmRow1", "name": "Row 1" }, { "word": "NrmRow2", "name": "Row 2" },
                { "word": "NrmPan", "name": "Pan", "min": -63, "max": 63, "default": "L5", "format": "pan", "parts": ["C", "R9"] } ] },
              { "word": "DrumKey", "voiceType": 3, "parts": 3, "params": [ { "word": "DrmKeyPan", "name": "Pan", "min": -63, "max": 63, "format": "pan" } ] } ],
            "kit": { "firstKey": "C0", "columns": ["DrumKey/DrmKeyPan"], "keys": [ ["D0", "L7"] ] } })";
        QTest::newRow("good") << good << QString();
        auto bad = [&good](const char *name, const char *from, const char *to, const char *fault) {
            QByteArray content = good;
            content.replace(from, to);
            QVERIFY2(content != good, name);
            QTest::newRow(name) << content << QString::fromLatin1(fault);
        };
        // clang-format on
        bad("unknown format", "\"format\": \"pan\"", "\"format\": \"balance\"", "balance");
        bad("default no value reads", "\"default\": \"L5\"", "\"default\": \"X5\"", "X5");
        bad("part default out of range", "[\"C\", \"R9\"]", "[\"C\", 99]", "NrmPan");
        bad("kit key outside the keys", "[\"D0\", \"L7\"]", "[\"D1\", \"L7\"]", "D1");
        bad("kit names no parameter", "DrumKey/DrmKeyPan\"]", "DrumKey/DrmKeyTune\"]",
            "DrmKeyTune");
        bad("family longer than the rows", "\"default\": 2 }",
            "\"default\": 2 }, { \"name\": \"A\" }, { \"name\": \"B\" }", "more rows");
        bad("default for no row", "{ \"Time\": 7 }", "{ \"Tempo\": 7 }", "Tempo");
        bad("a parameter twice", "\"NrmRow2\"", "\"NrmRow1\"", "NrmRow1");
        bad("form written twice", "\"DrumKey\", \"voiceType\"", "\"DrumX\", \"voiceType\"",
            "DrumX");
        bad("broken JSON", "\"blocks\": [", "\"blocks\": ", "a.json");
        QTest::newRow("no blocks") << QByteArray("{ \"blocks\": [] }") << "blocks";
        QTest::newRow("missing file") << QByteArray() << "none.json";
    }
    void contentRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("a.json")));
        if (!content.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        TParameterMemory memory;
        const int blocks = memory.blockCount();
        const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
        memory.setValue(pan, 0, 4);
        QString error;
        const bool loaded = memory.loadSchema(
            content.isEmpty() ? dir.filePath(QStringLiteral("none.json")) : dir.path(), &error);
        if (!fault.isEmpty()) {
            // Refused whole: the schema and the voice stay as they were.
            QVERIFY(!loaded);
            QVERIFY2(error.contains(fault), qPrintable(error));
            QCOMPARE(memory.blockCount(), blocks);
            QCOMPARE(memory.value(pan, 0), 4);
            QCOMPARE(memory.schemaSource(), QStringLiteral(":/vestra/memapi/content"));
            return;
        }
        QVERIFY2(loaded, qPrintable(error));
        // The plug-in and drum forms, the parts' defaults, the type's rows and the kit.
        QCOMPARE(memory.blockCount(), 4);
        QCOMPARE(memory.valueText(QStringLiteral("FEkPluginX/kPlgPan"), 1,
                                  memory.value(QStringLiteral("FEkPluginX/kPlgPan"), 1)),
                 QStringLiteral("R9"));
        QCOMPARE(memory.value(QStringLiteral("FEkDrumX/kDrmPan"), 0), 0);
        QCOMPARE(memory.name(QStringLiteral("FEkNormalX/kNrmRow1"), 0), QStringLiteral("Time"));
        QCOMPARE(memory.value(QStringLiteral("FEkNormalX/kNrmRow1"), 0), 7);
        QVERIFY(!memory.inUse(QStringLiteral("FEkNormalX/kNrmRow2"), 0));
        QCOMPARE(memory.value(QStringLiteral("FEkDrumKey/kDrmKeyPan"), 2), -7);
        QCOMPARE(memory.value(QStringLiteral("FEkDrumKey/kDrmKeyPan"), 1), 0);
    }
};

QTEST_MAIN(TestMemSchema)
#include "tst_memschema.moc"
