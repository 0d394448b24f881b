// Randomise, Mutate and Morph on the command line, as a script runs them:
// the same seed gives the same file, locks hold, and every file written
// loads again.

#include <parameterschema.h>
#include <voicefile.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status;
    QString errors;
};

Run editor(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZINTA_EDITOR_PATH), arguments);
    if (!process.waitForFinished(60000))
        return { -1, QStringLiteral("did not finish") };
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromUtf8(process.readAllStandardError()) };
}

Voice load(const QString &path)
{
    Voice voice;
    QString error;
    if (!VoiceFile::read(path, *ParameterSchema::embedded(), &voice, &error))
        qWarning("%s", qPrintable(error));
    return voice;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestToolsCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void theSameSeedGivesTheSameFile_data();
    void theSameSeedGivesTheSameFile();
    void locksHold_data();
    void locksHold();
    void morphEndsAreTheTwoVoices();
    void badArgumentsFailPlainly_data();
    void badArgumentsFailPlainly();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_start;
};

void TestToolsCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_start = path(QStringLiteral("start.json"));
    QString error;
    Voice voice;
    voice.type = VoiceType::Normal;
    voice.values = ParameterSchema::embedded()->initialValues();
    voice.name = QStringLiteral("Start");
    QVERIFY2(VoiceFile::save(m_start, *ParameterSchema::embedded(), voice, &error),
             qPrintable(error));
}

void TestToolsCommandLine::theSameSeedGivesTheSameFile_data()
{
    QTest::addColumn<QStringList>("tool");
    QTest::newRow("randomise") << QStringList{ QStringLiteral("--randomise"),
                                               QStringLiteral("100") };
    QTest::newRow("randomise a third")
        << QStringList{ QStringLiteral("--randomise"), QStringLiteral("33") };
    QTest::newRow("mutate") << QStringList{ QStringLiteral("--mutate"), QStringLiteral("40") };
    QTest::newRow("mutate with types")
        << QStringList{ QStringLiteral("--mutate"), QStringLiteral("90"),
                        QStringLiteral("--types-above"), QStringLiteral("10") };
}

void TestToolsCommandLine::theSameSeedGivesTheSameFile()
{
    QFETCH(QStringList, tool);
    const QStringList seed7 = QStringList{ QStringLiteral("--voice"), m_start,
                                           QStringLiteral("--seed"), QStringLiteral("7") }
        + tool;
    const QStringList seed8 = QStringList{ QStringLiteral("--voice"), m_start,
                                           QStringLiteral("--seed"), QStringLiteral("8") }
        + tool;
    for (const auto &[arguments, file] : { std::pair{ seed7, QStringLiteral("a.json") },
                                           std::pair{ seed7, QStringLiteral("b.json") },
                                           std::pair{ seed8, QStringLiteral("c.json") } }) {
        const Run run = editor(arguments + QStringList{ QStringLiteral("--save"), path(file) });
        QVERIFY2(run.status == 0, qPrintable(run.errors));
        QVERIFY(!load(path(file)).values.empty());
    }
    QCOMPARE(contents(path(QStringLiteral("a.json"))), contents(path(QStringLiteral("b.json"))));
    QVERIFY(contents(path(QStringLiteral("a.json"))) != contents(path(QStringLiteral("c.json"))));
    QVERIFY(contents(path(QStringLiteral("a.json"))) != contents(m_start));
}

void TestToolsCommandLine::locksHold_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("part");
    // Blocks by name (the filter and its envelope share a schema block),
    // an element, and an effect.
    QTest::newRow("Filter*") << "Filter*"
                             << "NormalElementFilter" << 2;
    QTest::newRow("element 2") << "element 2"
                               << "NormalElementAmplitude" << 1;
    QTest::newRow("Reverb*") << "Reverb*"
                             << "NormalCommonReverb" << 0;
}

void TestToolsCommandLine::locksHold()
{
    QFETCH(QString, pattern);
    QFETCH(QString, block);
    QFETCH(int, part);
    const ParameterSchema::Schema &schema = *ParameterSchema::embedded();
    const QString out = path(QStringLiteral("locked.json"));
    const Run run = editor({ QStringLiteral("--voice"), m_start, QStringLiteral("--randomise"),
                             QStringLiteral("100"), QStringLiteral("--seed"), QStringLiteral("11"),
                             QStringLiteral("--lock"), pattern, QStringLiteral("--save"), out });
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    const Voice before = load(m_start);
    const Voice after = load(out);
    QVERIFY(!after.values.empty());
    const int high = schema.index.value(block, -1);
    QVERIFY(high >= 0);
    QCOMPARE(after.values[std::size_t(high)][std::size_t(part)],
             before.values[std::size_t(high)][std::size_t(part)]);
    // Element 1 of the same block changed: the lock is not the whole voice.
    if (pattern == QLatin1String("element 2"))
        QVERIFY(after.values[std::size_t(high)][0] != before.values[std::size_t(high)][0]);
}

void TestToolsCommandLine::morphEndsAreTheTwoVoices()
{
    const QString other = path(QStringLiteral("other.json"));
    QCOMPARE(editor({ QStringLiteral("--voice"), m_start, QStringLiteral("--randomise"),
                      QStringLiteral("100"), QStringLiteral("--seed"), QStringLiteral("5"),
                      QStringLiteral("--save"), other })
                 .status,
             0);
    for (const QString &amount : { QStringLiteral("0"), QStringLiteral("100") }) {
        const QString out = path(QStringLiteral("morph%1.json").arg(amount));
        const Run run =
            editor({ QStringLiteral("--voice"), m_start, QStringLiteral("--morph"), other,
                     QStringLiteral("--amount"), amount, QStringLiteral("--save"), out });
        QVERIFY2(run.status == 0, qPrintable(run.errors));
        QCOMPARE(load(out).values, load(amount == QLatin1String("0") ? m_start : other).values);
    }
}

void TestToolsCommandLine::badArgumentsFailPlainly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no amount") << QStringList{ QStringLiteral("--randomise"), QStringLiteral("0") }
                               << "percentage";
    QTest::newRow("two tools") << QStringList{ QStringLiteral("--randomise"), QStringLiteral("10"),
                                               QStringLiteral("--mutate"), QStringLiteral("10") }
                               << "choose one";
    QTest::newRow("morph without amount")
        << QStringList{ QStringLiteral("--morph"), QStringLiteral("x.json") } << "--amount";
    QTest::newRow("bad seed") << QStringList{ QStringLiteral("--mutate"), QStringLiteral("10"),
                                              QStringLiteral("--seed"), QStringLiteral("-3") }
                              << "--seed";
}

void TestToolsCommandLine::badArgumentsFailPlainly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString out = path(QStringLiteral("never.json"));
    const Run run =
        editor(QStringList{ QStringLiteral("--voice"), m_start, QStringLiteral("--save"), out }
               + arguments);
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(out));
}

QTEST_GUILESS_MAIN(TestToolsCommandLine)
#include "tst_toolscommandline.moc"
