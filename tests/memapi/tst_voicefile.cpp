// Voice files as the user meets them: a voice saved loads with its name,
// category, comment, tags and every value; a file holds only what differs
// from the defaults; a file of the older version still opens; a damaged one
// is refused with a message that says where and what, by the memory and by
// `zinta-editor --voice`; and a save that cannot finish leaves the old file
// as it was.

#include <tparametermemory.h>
#include <voicefile.h>
#include <parameterschema.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString drumVoice = QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber");
const QString portamento = QStringLiteral("00kNormalCommon/kNrmComQEDPortamentoTime");

// Every value of the edit buffer and of the stored voice.
QList<int> snapshot(TParameterMemory &memory)
{
    QList<int> values;
    for (bool compare : { false, true }) {
        memory.setCompareMode(compare);
        for (int b = 0; b < memory.blockCount(); ++b)
            for (int pt = 0; pt < memory.partCount(b); ++pt)
                for (int p = 0; p < memory.parameterCount(b); ++p)
                    values << memory.value(quint16(b), quint16(p), pt);
    }
    memory.setCompareMode(false);
    return values;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

QJsonObject blockOf(const QByteArray &voice, const char *word)
{
    return QJsonDocument::fromJson(voice)[QLatin1String("blocks")][QLatin1String(word)].toObject();
}

bool save(const TParameterMemory &memory, const QString &path, QString *error)
{
    return VoiceFile::save(path, memory.schema(), memory.voice(), error);
}

bool load(TParameterMemory &memory, const QString &path, QString *error)
{
    Voice voice;
    if (!VoiceFile::read(path, memory.schema(), &voice, error))
        return false;
    memory.setVoice(voice);
    return true;
}

// The voice as the first version of the format wrote it: every value of
// every part, blocks as lists of parts, no name.
QByteArray firstVersionOf(const TParameterMemory &memory)
{
    QJsonObject blocks;
    for (int b = 0; b < memory.blockCount(); ++b) {
        QJsonArray parts;
        for (int pt = 0; pt < memory.partCount(b); ++pt) {
            QJsonObject values;
            for (int p = 0; p < memory.parameterCount(b); ++p)
                values.insert(memory.parameterWord(b, p), memory.value(quint16(b), quint16(p), pt));
            parts.append(values);
        }
        blocks.insert(memory.blockWord(b), parts);
    }
    return QJsonDocument(QJsonObject{ { QStringLiteral("format"), QStringLiteral("zinta-voice") },
                                      { QStringLiteral("version"), 1 },
                                      { QStringLiteral("voiceType"), int(memory.voiceType()) },
                                      { QStringLiteral("blocks"), blocks } })
        .toJson();
}

// The voice with one block replaced, or removed (`block` undefined).
QByteArray withBlock(const QByteArray &voice, const char *word, const QJsonValue &block)
{
    QJsonObject root = QJsonDocument::fromJson(voice).object();
    QJsonObject blocks = root.value(QLatin1String("blocks")).toObject();
    if (block.isUndefined())
        blocks.remove(QLatin1String(word));
    else
        blocks.insert(QLatin1String(word), block);
    root.insert(QStringLiteral("blocks"), blocks);
    return QJsonDocument(root).toJson();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestVoiceFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Every parameter of every part at a random value, but for a few fixed ones.
        TParameterMemory memory, defaults;
        QRandomGenerator random(20240917);
        for (int b = 0; b < memory.blockCount(); ++b)
            for (int pt = 0; pt < memory.partCount(b); ++pt)
                for (int p = 0; p < memory.parameterCount(b); ++p)
                    memory.setValue(
                        b, p, pt,
                        random.bounded(memory.minimum(b, p, pt), memory.maximum(b, p, pt) + 1));
        memory.setValue(pan, 3, -7);
        memory.setValue(portamento, 0, 99);
        memory.setValue(drumVoice, 72, 0x3F0104);
        memory.setVoiceName(QStringLiteral("Glass \"Pad\" 2"));
        memory.setVoiceCategory(QStringLiteral("Synth Pad"));
        memory.setVoiceComment(QStringLiteral("Slow attack,\nlong release"));
        memory.setVoiceTags({ QStringLiteral("warm"), QStringLiteral("évolving") });
        QString error;
        const QString path = m_dir.filePath(QStringLiteral("saved.json"));
        QVERIFY2(save(memory, path, &error), qPrintable(error));
        m_saved = readAll(path);
        memory.setVoiceType(VoiceType::Drum);
        QVERIFY2(save(memory, path, &error), qPrintable(error));
        m_drum = readAll(path);
        // The file says what it is, then what the voice is, before anything else.
        QVERIFY(m_drum.startsWith("{\n    \"format\": \"zinta-voice\",\n    \"version\": 2,\n"
                                  "    \"voiceType\": 3,\n    \"name\": \"Glass \\\"Pad\\\" 2\",\n"
                                  "    \"category\": \"Synth Pad\",\n"));
        QCOMPARE(m_saved.count("\"NrmElmPan\": -7"), 1);

        // It loads value for value, into the edit buffer and the stored voice.
        TParameterMemory other;
        QSignalSpy loaded(&other, &TParameterMemory::editBufferLoaded);
        QVERIFY2(load(other, path, &error), qPrintable(error));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().at(0).value<short>(), short(3));
        QCOMPARE(other.voiceType(), VoiceType::Drum);
        QCOMPARE(other.voiceName(), QStringLiteral("Glass \"Pad\" 2"));
        QCOMPARE(other.voiceCategory(), QStringLiteral("Synth Pad"));
        QCOMPARE(other.voiceComment(), QStringLiteral("Slow attack,\nlong release"));
        QCOMPARE(other.voiceTags(),
                 QStringList({ QStringLiteral("warm"), QStringLiteral("évolving") }));
        memory.storeVoice();
        const QList<int> values = snapshot(memory), initial = snapshot(defaults);
        QCOMPARE(snapshot(other), values);
        int changed = 0;
        for (int i = 0; i < values.size(); ++i)
            changed += values[i] != initial[i];
        QVERIFY(changed > 4000);
        m_firstVersion = firstVersionOf(memory);
    }

    // A file holds only what makes the voice what it is: the initial voice
    // is its head alone, and one edit is that edit.
    void aFileHoldsWhatDiffersFromTheDefaults()
    {
        TParameterMemory memory;
        const QString path = m_dir.filePath(QStringLiteral("initial.json"));
        QVERIFY(save(memory, path, nullptr));
        const QByteArray initial = readAll(path);
        QVERIFY2(initial.contains("\"blocks\": {\n    }") && initial.size() < 200,
                 initial.constData());
        memory.setValue(pan, 2, 40);
        QVERIFY(save(memory, path, nullptr));
        const QJsonObject blocks =
            QJsonDocument::fromJson(readAll(path))[QLatin1String("blocks")].toObject();
        QCOMPARE(blocks,
                 (QJsonObject{
                     { QStringLiteral("NormalElement"),
                       QJsonObject{ { QStringLiteral("3"),
                                      QJsonObject{ { QStringLiteral("NrmElmPan"), 40 } } } } } }));
    }

    // A file of the first version opens as it did, named after the file.
    void aFirstVersionFileOpensNamedAfterItsFile()
    {
        const QString path = m_dir.filePath(QStringLiteral("Old Bell.json"));
        writeAll(path, m_firstVersion);
        TParameterMemory memory, saved;
        QString error;
        QVERIFY2(load(memory, path, &error), qPrintable(error));
        QVERIFY(load(saved, m_dir.filePath(QStringLiteral("saved.json")), &error));
        QCOMPARE(memory.voiceName(), QStringLiteral("Old Bell"));
        QCOMPARE(memory.voiceType(), VoiceType::Drum);
        QCOMPARE(snapshot(memory), snapshot(saved));
    }

    // A file of exactly the size limit opens (one byte more is the "too
    // large" row below).
    void aFileOfTheSizeLimitOpens()
    {
        const QString padded = m_dir.filePath(QStringLiteral("padded.json"));
        const QString plain = m_dir.filePath(QStringLiteral("plain.json"));
        writeAll(plain, m_saved);
        writeAll(padded, m_saved + QByteArray(VoiceFile::sizeLimit - m_saved.size(), ' '));
        QCOMPARE(QFileInfo(padded).size(), VoiceFile::sizeLimit);
        TParameterMemory memory, expected;
        QString error;
        QVERIFY2(load(memory, padded, &error), qPrintable(error));
        QVERIFY(load(expected, plain, &error));
        QCOMPARE(memory.voiceName(), expected.voiceName());
        QCOMPARE(snapshot(memory), snapshot(expected));
    }

    void missingBlocksAndParametersTakeDefaults()
    {
        QJsonObject elements = blockOf(m_saved, "NormalElement");
        QJsonObject fourth = elements.value(QStringLiteral("4")).toObject();
        fourth.remove(QStringLiteral("NrmElmPan"));
        elements.insert(QStringLiteral("4"), fourth);
        const QString path = m_dir.filePath(QStringLiteral("older.json"));
        writeAll(path,
                 withBlock(withBlock(m_saved, "NormalCommon", QJsonValue::Undefined),
                           "NormalElement", elements));

        TParameterMemory memory;
        memory.setValue(pan, 3, 30);
        memory.setValue(portamento, 0, 50);
        QString error;
        QVERIFY2(load(memory, path, &error), qPrintable(error));
        const TParameterMemory initial;
        QCOMPARE(memory.value(pan, 3), initial.value(pan, 3));
        QCOMPARE(memory.value(portamento), initial.value(portamento));
    }

    void damagedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("file"); // in the scratch folder, or a path of its own
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");

        const QByteArray value("\"NrmElmPan\": -7");
        const QString element = QStringLiteral("Pan, element 4 [NormalElement/NrmElmPan]: ");
        auto withValue = [&](const char *text) {
            return QByteArray(m_saved).replace(value, "\"NrmElmPan\": " + QByteArray(text));
        };
        auto withHead = [&](const char *key, const QJsonValue &v) {
            QJsonObject root = QJsonDocument::fromJson(m_saved).object();
            root.insert(QLatin1String(key), v);
            return QJsonDocument(root).toJson();
        };
        QJsonObject keys = blockOf(m_drum, "DrumKey");
        keys.insert(QStringLiteral("C1"), 5);
        QByteArray noise(4096, '\0');
        QRandomGenerator(18).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        const QString notVoice = QStringLiteral("not a voice file");

        // A value the part's type allows less of than the parameter's widest range.
        TParameterMemory memory;
        const ParameterSchema::Schema &schema = memory.schema();
        QByteArray narrowed;
        QString narrowedMessage;
        for (std::size_t b = 0; b < schema.blocks.size() && narrowed.isEmpty(); ++b) {
            const ParameterSchema::Block &block = schema.blocks[b];
            for (const ParameterSchema::TypeRule &rule : block.typeRules) {
                for (const auto &[type, overrides] : rule.variants) {
                    for (const auto &[low, o] : overrides) {
                        const ParameterSchema::Parameter &base = block.parameters[std::size_t(low)];
                        if (!narrowed.isEmpty() || !o.maximum || *o.maximum >= base.maximum
                            || block.parts != 1
                            || type < schema.blocks[b]
                                          .parameters[std::size_t(rule.typeParameter)]
                                          .minimum)
                            continue;
                        const QJsonObject part{
                            { block.parameters[std::size_t(rule.typeParameter)].word, type },
                            { base.word, *o.maximum + 1 }
                        };
                        narrowed = withBlock(m_saved, block.word.toLatin1().constData(), part);
                        narrowedMessage = QStringLiteral(" [%1/%2]: %3 is outside ")
                                              .arg(block.word, base.word)
                                              .arg(*o.maximum + 1);
                    }
                }
            }
        }
        QVERIFY(!narrowed.isEmpty());

        QTest::newRow("fraction") << "v.json" << withValue("1.5")
                                  << element + "1.5 is not a whole number";
        QTest::newRow("1e300") << "v.json" << withValue("1e300")
                               << element + "1.0000000000000001e+300 is out of range";
        QTest::newRow("-1e300") << "v.json" << withValue("-1e300")
                                << element + "-1.0000000000000001e+300 is out of range";
        QTest::newRow("2^31") << "v.json" << withValue("2147483648")
                              << element + "2147483648 is out of range";
        QTest::newRow("2^40") << "v.json" << withValue("1099511627776")
                              << element + "1099511627776 is out of range";
        QTest::newRow("above the range")
            << "v.json" << withValue("64") << element + "64 is outside L63 to R63";
        QTest::newRow("below the range")
            << "v.json" << withValue("-64") << element + "-64 is outside L63 to R63";
        QTest::newRow("beyond what its type allows") << "v.json" << narrowed << narrowedMessage;
        QTest::newRow("string") << "v.json" << withValue("\"-7\"")
                                << element + "the text \"-7\" is not a number";
        QTest::newRow("true") << "v.json" << withValue("true") << element + "true is not a number";
        QTest::newRow("null") << "v.json" << withValue("null") << element + "null is not a number";
        QTest::newRow("unknown parameter")
            << "v.json" << withValue("1, \"NrmElmNoSuch\": 2")
            << "block \"NormalElement\", element 4 holds the unknown parameter \"NrmElmNoSuch\"";
        QTest::newRow("key that is a number")
            << "v.json" << withBlock(m_drum, "DrumKey", keys)
            << "block \"DrumKey\", key C1 is 5, not an object of parameters";
        QTest::newRow("unknown element")
            << "v.json"
            << withBlock(m_saved, "NormalElement",
                         QJsonObject{ { QStringLiteral("5"), QJsonObject() } })
            << "block \"NormalElement\" has no part \"5\"";
        QTest::newRow("unknown block")
            << "v.json" << withBlock(m_saved, "NoSuchBlock", QJsonObject())
            << "unknown block \"NoSuchBlock\"";
        QTest::newRow("blocks not an object")
            << "v.json" << withHead("blocks", QJsonArray()) << "\"blocks\" is a list";
        QTest::newRow("unknown member")
            << "v.json" << withHead("colour", 3) << "unknown member \"colour\"";
        QTest::newRow("voice type 4")
            << "v.json" << withHead("voiceType", 4) << "voice type 4 is not 1 to 3";
        QTest::newRow("voice type 0")
            << "v.json" << withHead("voiceType", 0) << "voice type 0 is not 1 to 3";
        QTest::newRow("name too long")
            << "v.json" << withHead("name", QStringLiteral("A Name Of Twenty-One!"))
            << "is longer than 20 characters";
        QTest::newRow("unknown category")
            << "v.json" << withHead("category", QStringLiteral("Kazoo"))
            << "\"Kazoo\" is not a category";
        QTest::newRow("tags not a list")
            << "v.json" << withHead("tags", QStringLiteral("warm")) << "the tags are the text";
        QTest::newRow("newer format")
            << "v.json" << QByteArray(m_saved).replace("\"version\": 2", "\"version\": 3")
            << "version 3 of the format";
        QTest::newRow("first version with a name")
            << "v.json"
            << QByteArray(m_firstVersion).replace("\"blocks\"", "\"name\": \"x\", \"blocks\"")
            << "unknown member \"name\"";
        QTest::newRow("truncated") << "v.json" << m_saved.left(m_saved.size() / 2) << notVoice;
        QTest::newRow("trailing garbage") << "v.json" << m_saved + "}x" << notVoice;
        QTest::newRow("empty") << "v.json" << QByteArray() << notVoice;
        QTest::newRow("random bytes") << "v.json" << noise << notVoice;
        QTest::newRow("directory") << "folder" << QByteArray() << "it is a folder";
        QTest::newRow("FIFO") << "fifo" << QByteArray() << "not a regular file";
        QTest::newRow("device") << "/dev/zero" << QByteArray() << "not a regular file";
        QTest::newRow("too large") << "large" << QByteArray() << "a voice file has at most 4194304";
        QTest::newRow("missing") << "none" << QByteArray() << "No such file";
    }
    void damagedFilesChangeNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        const QString path =
            file.startsWith(QLatin1Char('/')) ? file : m_dir.filePath(QTest::currentDataTag());
        if (file == QLatin1String("v.json"))
            writeAll(path, contents);
        else if (file == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (file == QLatin1String("fifo"))
            QVERIFY(QFile::exists(path)
                    || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (file == QLatin1String("large")) {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(VoiceFile::sizeLimit + 1));
        }

        TParameterMemory memory;
        memory.setValue(pan, 1, 9);
        memory.storeVoice();
        memory.setValue(pan, 2, -9);
        memory.setVoiceType(VoiceType::Plugin);
        const QList<int> before = snapshot(memory);
        QSignalSpy loaded(&memory, &TParameterMemory::editBufferLoaded);
        QString error;
        QVERIFY(!load(memory, path, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot load the voice %1: ").arg(path)),
                 qPrintable(error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(memory.voiceType(), VoiceType::Plugin);
        QCOMPARE(snapshot(memory), before);

        // The editor refuses it at start with the same message and status 1.
        QProcess editor;
        editor.start(QStringLiteral(ZINTA_EDITOR_PATH), { QStringLiteral("--voice"), path });
        QVERIFY(editor.waitForFinished(60000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 1);
        QVERIFY(QString::fromUtf8(editor.readAllStandardError()).contains(error));
    }

    void aSaveThatRunsOutOfRoomKeepsTheOldFile()
    {
        // Under a file-size limit of half the new voice the save runs out of room part way.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("voice.json"));
        writeAll(path, m_saved);
        TParameterMemory memory;
        memory.setValue(pan, 0, 21);
        rlimit before{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
        const rlimit limit{ rlim_t(VoiceFile::encode(memory.schema(), memory.voice()).size() / 2),
                            before.rlim_max };
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QString error;
        const bool limited = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        const bool saved = limited && save(memory, path, &error);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        QVERIFY(limited && !saved);
        QVERIFY2(error.startsWith(QStringLiteral("Cannot save the voice %1: ").arg(path)),
                 qPrintable(error));
        QVERIFY2(error.contains(qt_error_string(EFBIG)), qPrintable(error));
        QCOMPARE(readAll(path), m_saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{ QStringLiteral("voice.json") });
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;        // a named normal voice of random values, its pan of element 4 at -7
    QByteArray m_drum;         // the same as a drum voice
    QByteArray m_firstVersion; // the drum voice as the first version of the format wrote it
};

QTEST_MAIN(TestVoiceFile)
#include "tst_voicefile.moc"
