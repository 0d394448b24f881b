// Voice files as the user meets them: a voice of random values saved loads
// value for value, a damaged one is refused with a message that says where
// and what, by the memory and by `zinta-editor --voice`, and a save that
// cannot finish leaves the old file as it was.

#include <tparametermemory.h>
#include <voicefile.h>

#include <QFile>
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

QJsonArray blockOf(const QByteArray &voice, const char *word)
{
    return QJsonDocument::fromJson(voice)[QLatin1String("blocks")][QLatin1String(word)].toArray();
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
                    memory.setValue(b, p, pt, random.bounded(memory.minimum(b, p, pt), memory.maximum(b, p, pt) + 1));
        memory.setValue(pan, 3, -7);
        memory.setValue(portamento, 0, 99);
        memory.setValue(drumVoice, 72, 0x3F0104);
        QString error;
        const QString path = m_dir.filePath(QStringLiteral("saved.json"));
        QVERIFY2(memory.saveVoice(path, &error), qPrintable(error));
        m_saved = readAll(path);
        memory.setVoiceType(3);
        QVERIFY2(memory.saveVoice(path, &error), qPrintable(error));
        m_drum = readAll(path);
        // The file says what it is before anything else.
        QVERIFY(m_saved.startsWith("{\n    \"format\": \"zinta-voice\",\n    \"version\": 1,\n"));
        QCOMPARE(m_saved.count("\"NrmElmPan\": -7"), 1);

        // It loads value for value, into the edit buffer and the stored voice.
        TParameterMemory other;
        QSignalSpy loaded(&other, &TParameterMemory::editBufferLoaded);
        QVERIFY2(other.loadVoice(path, &error), qPrintable(error));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().at(0).value<short>(), short(3));
        QCOMPARE(other.voiceType(), 3);
        memory.storeVoice();
        const QList<int> values = snapshot(memory), initial = snapshot(defaults);
        QCOMPARE(snapshot(other), values);
        int changed = 0;
        for (int i = 0; i < values.size(); ++i)
            changed += values[i] != initial[i];
        QVERIFY(changed > 4000);
    }

    void missingBlocksAndParametersTakeDefaults()
    {
        QJsonArray elements = blockOf(m_saved, "NormalElement");
        QJsonObject fourth = elements.at(3).toObject();
        fourth.remove(QStringLiteral("NrmElmPan"));
        elements.replace(3, fourth);
        const QString path = m_dir.filePath(QStringLiteral("older.json"));
        writeAll(path, withBlock(withBlock(m_saved, "NormalCommon", QJsonValue::Undefined), "NormalElement", elements));

        TParameterMemory memory;
        memory.setValue(pan, 3, 30);
        memory.setValue(portamento, 0, 50);
        QString error;
        QVERIFY2(memory.loadVoice(path, &error), qPrintable(error));
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
        const QString element = QStringLiteral("block \"NormalElement\", element 4, parameter \"NrmElmPan\": ");
        auto withValue = [&](const char *text) { return QByteArray(m_saved).replace(value, "\"NrmElmPan\": " + QByteArray(text)); };
        const QJsonArray elements = blockOf(m_saved, "NormalElement");
        QJsonArray keys = blockOf(m_drum, "DrumKey");
        keys.replace(12, 5);
        QByteArray noise(4096, '\0');
        QRandomGenerator(18).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        const QString notVoice = QStringLiteral("not a voice file");

        QTest::newRow("fraction") << "v.json" << withValue("1.5") << element + "1.5 is not a whole number";
        QTest::newRow("1e300") << "v.json" << withValue("1e300") << element + "1.0000000000000001e+300 is out of range";
        QTest::newRow("-1e300") << "v.json" << withValue("-1e300") << element + "-1.0000000000000001e+300 is out of range";
        QTest::newRow("2^31") << "v.json" << withValue("2147483648") << element + "2147483648 is out of range";
        QTest::newRow("2^40") << "v.json" << withValue("1099511627776") << element + "1099511627776 is out of range";
        QTest::newRow("beyond the range") << "v.json" << withValue("64") << element + "64 is outside -63 to 63";
        QTest::newRow("string") << "v.json" << withValue("\"-7\"") << element + "the text \"-7\" is not a number";
        QTest::newRow("true") << "v.json" << withValue("true") << element + "true is not a number";
        QTest::newRow("null") << "v.json" << withValue("null") << element + "null is not a number";
        QTest::newRow("key that is a number") << "v.json" << withBlock(m_drum, "DrumKey", keys)
                                              << "block \"DrumKey\", key C1 is 5, not an object of parameters";
        QTest::newRow("unknown block") << "v.json" << withBlock(m_saved, "NoSuchBlock", QJsonArray())
                                       << "unknown block \"NoSuchBlock\"";
        QTest::newRow("wrong part count") << "v.json" << withBlock(m_saved, "NormalElement", QJsonArray{ elements[0], elements[1], elements[2] })
                                          << "block \"NormalElement\" has 3 parts, not 4";
        QTest::newRow("newer format") << "v.json" << QByteArray(m_saved).replace("\"version\": 1", "\"version\": 2")
                                      << "version 2 of the format";
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
        const QString path = file.startsWith(QLatin1Char('/')) ? file : m_dir.filePath(QTest::currentDataTag());
        if (file == QLatin1String("v.json"))
            writeAll(path, contents);
        else if (file == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (file == QLatin1String("fifo"))
            QVERIFY(QFile::exists(path) || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (file == QLatin1String("large")) {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(VoiceFile::sizeLimit + 1));
        }

        TParameterMemory memory;
        memory.setValue(pan, 1, 9);
        memory.storeVoice();
        memory.setValue(pan, 2, -9);
        memory.setVoiceType(2);
        const QList<int> before = snapshot(memory);
        QSignalSpy loaded(&memory, &TParameterMemory::editBufferLoaded);
        QString error;
        QVERIFY(!memory.loadVoice(path, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Cannot load the voice %1: ").arg(path)), qPrintable(error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(memory.voiceType(), 2);
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
        // Under a file-size limit of half a voice the save runs out of room part way.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("voice.json"));
        writeAll(path, m_saved);
        TParameterMemory memory;
        memory.setValue(pan, 0, 21);
        rlimit before{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
        const rlimit limit{ rlim_t(m_saved.size() / 2), before.rlim_max };
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QString error;
        const bool limited = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        const bool saved = limited && memory.saveVoice(path, &error);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
        QVERIFY(limited && !saved);
        QVERIFY2(error.startsWith(QStringLiteral("Cannot save the voice %1: ").arg(path)), qPrintable(error));
        QVERIFY2(error.contains(qt_error_string(EFBIG)), qPrintable(error));
        QCOMPARE(readAll(path), m_saved);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{ QStringLiteral("voice.json") });
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved; // a normal voice of random values, its pan of element 4 at -7
    QByteArray m_drum;  // a drum voice
};

QTEST_MAIN(TestVoiceFile)
#include "tst_voicefile.moc"
