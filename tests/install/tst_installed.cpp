#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The editor as `cmake --install` lays it out in a fresh prefix, run from
// there with nothing of the build folder on any path.
class TestInstalled : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedEditorRuns_data();
    void installedEditorRuns();
    void desktopEntryOpensAVoiceFile();
    void voiceFilesAreTheirOwnType_data();
    void voiceFilesAreTheirOwnType();
    void loadsNothingFromTheBuild_data();
    void loadsNothingFromTheBuild();

private:
    QProcess *run(const QString &program, const QStringList &arguments);

    QTemporaryDir m_prefix;
    QString m_build = QStringLiteral(VESTRA_BUILD_DIR);
};

QProcess *TestInstalled::run(const QString &program, const QStringList &arguments)
{
    auto *process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    environment.insert(QStringLiteral("PATH"),
                       m_prefix.filePath(QStringLiteral("bin")) + QStringLiteral(":/usr/bin:/bin"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(m_prefix.path());
    process->start(program, arguments);
    process->waitForFinished(120000);
    return process;
}

void TestInstalled::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess *install =
        run(QStringLiteral(VESTRA_CMAKE_COMMAND),
            { QStringLiteral("--install"), m_build, QStringLiteral("--prefix"), m_prefix.path() });
    QVERIFY2(install->exitCode() == 0, install->readAllStandardError().constData());
}

// The options a script uses.
void TestInstalled::installedEditorRuns_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // a line of the output, as a pattern
    QTest::addColumn<QString>("image");    // the PNG it writes, if any

    const QString png = m_prefix.filePath(QStringLiteral("r.png"));

    QTest::newRow("list entries") << QStringList{ QStringLiteral("zinta-editor"),
                                                  QStringLiteral("--list-entries") }
                                  << QStringLiteral("^35\\t") << QString();
    QTest::newRow("render") << QStringList{ QStringLiteral("zinta-editor"),
                                            QStringLiteral("--render"), QStringLiteral("1"),
                                            QStringLiteral("--output"), png }
                            << QStringLiteral("^rendered entry 1 ") << png;
    QTest::newRow("German") // the installed translations are found: nothing said
        << QStringList{ QStringLiteral("zinta-editor"), QStringLiteral("--language"),
                        QStringLiteral("de"), QStringLiteral("--list-entries") }
        << QStringLiteral("^1\\t") << QString();
}

void TestInstalled::installedEditorRuns()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QFETCH(QString, image);
    if (!image.isEmpty())
        QFile::remove(image);
    QCOMPARE(arguments.first(), QStringLiteral("zinta-editor"));
    QProcess *editor = run(m_prefix.filePath(QStringLiteral("bin/zinta-editor")), arguments.mid(1));
    const QString output = QString::fromUtf8(editor->readAllStandardOutput());
    const QString errors = QString::fromUtf8(editor->readAllStandardError());
    QVERIFY2(editor->exitStatus() == QProcess::NormalExit && editor->exitCode() == 0,
             qPrintable(errors));
    QVERIFY2(!errors.contains(QStringLiteral("zinta-editor:")), qPrintable(errors));
    const QRegularExpression line(expected, QRegularExpression::MultilineOption);
    QVERIFY2(line.match(output).hasMatch(), qPrintable(output));
    if (!image.isEmpty())
        QVERIFY(!QImage(image).isNull());
}

// The desktop entry's command line, %f a voice file whose portamento time
// differs from the initial voice's: the portamento dialog shows it.
void TestInstalled::desktopEntryOpensAVoiceFile()
{
    const QSettings desktop(
        m_prefix.filePath(QStringLiteral("share/applications/zinta-editor.desktop")),
        QSettings::IniFormat);
    QStringList exec =
        desktop.value(QStringLiteral("Desktop Entry/Exec")).toString().split(QLatin1Char(' '));
    QCOMPARE(exec.value(0), QStringLiteral("zinta-editor"));
    const QString voice = m_prefix.filePath(QStringLiteral("kit.json"));
    QFile voiceFile(voice);
    QVERIFY(voiceFile.open(QIODevice::WriteOnly));
    voiceFile.write(
        "{\n    \"format\": \"zinta-voice\",\n    \"version\": 1,\n    \"voiceType\": 1,\n"
        "    \"blocks\": { \"NormalCommon\": [ { \"NrmComQEDPortamentoTime\": 100 } ] }\n}\n");
    voiceFile.close();
    exec.replaceInStrings(QStringLiteral("%f"), voice);

    const QStringList render{ QStringLiteral("--render"), QStringLiteral("12"),
                              QStringLiteral("--output") };
    const QString withVoice = m_prefix.filePath(QStringLiteral("voice.png"));
    const QString initial = m_prefix.filePath(QStringLiteral("initial.png"));
    QProcess *editor = run(m_prefix.filePath(QStringLiteral("bin/") + exec.first()),
                           exec.mid(1) + render + QStringList{ withVoice });
    QVERIFY2(editor->exitCode() == 0, editor->readAllStandardError().constData());
    QCOMPARE(
        run(m_prefix.filePath(QStringLiteral("bin/zinta-editor")), render + QStringList{ initial })
            ->exitCode(),
        0);
    QVERIFY(!QImage(withVoice).isNull());
    QVERIFY(QImage(withVoice) != QImage(initial));
}

// With the installed type known, a voice file is told by its format name,
// whatever its name ends in; other JSON stays JSON.
void TestInstalled::voiceFilesAreTheirOwnType_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    const QByteArray voice =
        "{\n    \"format\": \"zinta-voice\",\n    \"version\": 1,\n    \"voiceType\": 1\n}\n";
    QTest::newRow("voice.json") << "voice.json" << voice << "application/x-zinta-voice";
    QTest::newRow("voice, no suffix") << "voice" << voice << "application/x-zinta-voice";
    QTest::newRow("other JSON") << "other.json" << QByteArray("{\n    \"format\": \"other\"\n}\n")
                                << "application/json";
}

void TestInstalled::voiceFilesAreTheirOwnType()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    // One database of the system's types and the installed one, as the
    // package leaves /usr/share/mime.
    static const bool known = [this] {
        const QString share = m_prefix.filePath(QStringLiteral("mimedb"));
        const QString packages = share + QStringLiteral("/mime/packages/");
        return QDir().mkpath(packages)
            && QFile::copy(QStringLiteral("/usr/share/mime/packages/freedesktop.org.xml"),
                           packages + QStringLiteral("freedesktop.org.xml"))
            && QFile::copy(
                   m_prefix.filePath(QStringLiteral("share/mime/packages/zinta-editor.xml")),
                   packages + QStringLiteral("zinta-editor.xml"))
            && run(QStringLiteral("update-mime-database"), { share + QStringLiteral("/mime") })
                   ->exitCode()
            == 0
            && qputenv("XDG_DATA_DIRS", share.toLocal8Bit());
    }();
    QVERIFY(known);
    QFile file(m_prefix.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(QMimeDatabase().mimeTypeForFile(file.fileName()).name(), type);
}

void TestInstalled::loadsNothingFromTheBuild_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("bin/zinta-editor") << m_prefix.filePath(QStringLiteral("bin/zinta-editor"));
    QDirIterator libraries(m_prefix.filePath(QStringLiteral("lib/zinta-editor")),
                           { QStringLiteral("*.so") });
    while (libraries.hasNext()) {
        const QString library = libraries.next();
        QTest::newRow(qPrintable(QDir(m_prefix.path()).relativeFilePath(library))) << library;
    }
    QCOMPARE(
        QDir(m_prefix.filePath(QStringLiteral("lib/zinta-editor"))).entryList(QDir::Files).size(),
        4);
}

// Every library resolves, none from the build, and no run path leads there.
void TestInstalled::loadsNothingFromTheBuild()
{
    QFETCH(QString, file);
    QProcess *ldd = run(QStringLiteral("ldd"), { file });
    const QString libraries = QString::fromUtf8(ldd->readAllStandardOutput());
    QCOMPARE(ldd->exitCode(), 0);
    QVERIFY2(!libraries.contains(QStringLiteral("not found")), qPrintable(libraries));
    QVERIFY2(!libraries.contains(m_build), qPrintable(libraries));
    if (file.endsWith(QStringLiteral("zinta-editor"))) {
        const QRegularExpression memory(
            QStringLiteral("libvestra_ziv21_memapi.so => ")
            + QRegularExpression::escape(m_prefix.path())
            + QStringLiteral("/\\S*lib/zinta-editor/libvestra_ziv21_memapi.so"));
        QVERIFY2(memory.match(libraries).hasMatch(), qPrintable(libraries));
    }
    QProcess *readelf = run(QStringLiteral("readelf"), { QStringLiteral("-d"), file });
    const QString dynamic = QString::fromUtf8(readelf->readAllStandardOutput());
    QVERIFY2(!dynamic.contains(m_build), qPrintable(dynamic));
}

QTEST_GUILESS_MAIN(TestInstalled)
#include "tst_installed.moc"
