// The voice library on real SQLite files: import, queries, storing back,
// delete and restore, similar voices, upgrades, damaged files, two users of
// one library, and the command line (the built editor, run as a script would).

#include "libraryfixture.h"

#include <libraryimporter.h>
#include <libraryquery.h>
#include <voiceexport.h>

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtConcurrent>

#include <csignal>
#include <sys/resource.h>

namespace {

const Edit darkCutoff{ "NormalElementFilter", "NrmElmFilterCutoffFreq", 2,
                       30 }; // 630Hz on element 3
const Edit bandPass{ "NormalElementFilter", "NrmElmFilterType", 1,
                     9 }; // BPF12 Digital on element 2
const Edit slowAttack{ "NormalElementAmplitude", "NrmElmAEGAttackTime", 0, 95 }; // 748ms
const Edit plate{ "NormalCommonReverb", "NrmRevType", 0, 5 };

class Library
{
public:
    explicit Library(const QString &path, const QString &connection = QStringLiteral("test"))
        : m_connection(connection)
    {
        QString error;
        m_open = LibraryDatabase::open(path, connection, &error);
        if (!m_open)
            qWarning("%s", qPrintable(error));
        else
            m_library.emplace(QSqlDatabase::database(connection, false), content());
    }
    ~Library()
    {
        m_library.reset();
        LibraryDatabase::close(m_connection);
    }
    bool isOpen() const { return m_open; }
    VoiceLibrary *operator->() { return &*m_library; }
    VoiceLibrary *get() { return &*m_library; }

private:
    QString m_connection;
    bool m_open = false;
    std::optional<VoiceLibrary> m_library;
};

QStringList namesOf(VoiceLibrary *library, const std::vector<qint64> &ids)
{
    QStringList names;
    for (qint64 id : ids) {
        LibraryEntry entry;
        if (library->entry(id, &entry, nullptr))
            names << entry.voice.name;
    }
    names.sort();
    return names;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run editor(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZINTA_EDITOR_PATH), arguments);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

private slots:
    void importsAFolder();
    void search_data();
    void search();
    void conditionsByVoiceType_data();
    void conditionsByVoiceType();
    void storesBack();
    void removeAndRestore();
    void similarRanksAnEditedCopyFirst();
    void upgradesAnOlderLibrary();
    void upgradeIndexesVoicesByType();
    void refusesWhatIsNoLibrary_data();
    void refusesWhatIsNoLibrary();
    void aSecondUserWaits();
    void findShowsEachChangeAtOnce_data();
    void findShowsEachChangeAtOnce();
    void aFullDiskKeepsTheBatchesDone();
    void exportNamesFilesSafely();
    void commandLine();
    void aKilledImportLeavesAUsableLibrary();

private:
    QTemporaryDir m_dir;
};

void TestLibrary::importsAFolder()
{
    const QString folder = m_dir.filePath(QStringLiteral("import"));
    writeVoiceFile(folder + QStringLiteral("/Dark Bass.json"),
                   makeVoice(QString(), { darkCutoff }));
    writeVoiceFile(folder + QStringLiteral("/pads/Slow Pad.json"),
                   makeVoice(QString(), { slowAttack }));
    writeVoiceFile(folder + QStringLiteral("/pads/deeper/Band.json"),
                   makeVoice(QString(), { bandPass }));
    writeVoiceFile(folder + QStringLiteral("/copy of Band.json"),
                   makeVoice(QString(), { bandPass }));
    writeText(folder + QStringLiteral("/broken.json"), "{ \"format\": \"zinta-voice\", ");
    writeVoiceFile(
        folder + QStringLiteral("/loud.json"),
        makeVoice(QString(), { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 0, 31 } }));
    QByteArray text = contents(folder + QStringLiteral("/loud.json"));
    QVERIFY(text.contains("\"NrmElmFilterCutoffFreq\": 31"));
    text.replace("\"NrmElmFilterCutoffFreq\": 31", "\"NrmElmFilterCutoffFreq\": 99");
    writeText(folder + QStringLiteral("/loud.json"), text);
    writeText(folder + QStringLiteral("/notes.txt"), "not a voice, not looked at");

    const QString path = m_dir.filePath(QStringLiteral("import.sqlite"));
    LibraryImporter importer(path, { folder }, content());
    const LibraryImporter::Result result = importer.run();
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.same, 1);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(int(result.refused.size()), 2);
    for (const LibraryImporter::Refused &refused : result.refused) {
        Voice voice;
        QString expected;
        QVERIFY(!VoiceFile::read(refused.path, content().schema(), &voice, &expected));
        QCOMPARE(refused.reason, expected);
    }
    Library library(path);
    QCOMPARE(library->count(), 3);
    QCOMPARE(namesOf(library.get(), library->find(QString(), true, nullptr)),
             QStringList({ QStringLiteral("Dark Bass"), QStringLiteral("Slow Pad"),
                           QStringLiteral("copy of Band") }));
}

void TestLibrary::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("error");
    const QStringList all{ "Bright Lead", "Dark Bass", "Glass Pad", "Warm Pad" };
    QTest::newRow("nothing") << QString() << all << QString();
    QTest::newRow("word in name") << "pad" << QStringList{ "Glass Pad", "Warm Pad" } << QString();
    QTest::newRow("word start, any case") << "BRI" << QStringList{ "Bright Lead" } << QString();
    QTest::newRow("tag") << "fat" << QStringList{ "Dark Bass" } << QString();
    QTest::newRow("comment") << "sunrise" << QStringList{ "Warm Pad" } << QString();
    QTest::newRow("category") << "lead" << QStringList{ "Bright Lead" } << QString();
    QTest::newRow("two words") << "pad warm" << QStringList{ "Warm Pad" } << QString();
    QTest::newRow("cutoff below") << "cutoff<2kHz" << QStringList{ "Dark Bass" } << QString();
    QTest::newRow("cutoff at or above") << "cutoff>=2kHz" << all << QString();
    QTest::newRow("filter type by the start of its text")
        << "\"filter type\"=BPF12" << QStringList{ "Bright Lead" } << QString();
    QTest::newRow("reverb type, the default")
        << "\"reverb type\"=\"Hall 1\"" << QStringList{ "Bright Lead", "Glass Pad", "Warm Pad" }
        << QString();
    QTest::newRow("reverb type differs")
        << "\"reverb type\"!=\"hall 1\"" << QStringList{ "Dark Bass" } << QString();
    QTest::newRow("attack time") << "\"aeg attack time\">=500ms" << QStringList{ "Warm Pad" }
                                 << QString();
    QTest::newRow("words and condition")
        << "pad attack>300ms" << QStringList{ "Warm Pad" } << QString();
    QTest::newRow("no such parameter")
        << "pad loudness>3" << QStringList() << "No parameter is called \"loudness\".";
    QTest::newRow("no such value")
        << "\"filter type\"=Wobble" << QStringList() << "\"Wobble\" is no value of Filter Type.";
    QTest::newRow("no value given")
        << "cutoff<" << QStringList() << "\"<\" needs a parameter before it and a value after it.";
}

void TestLibrary::search()
{
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    QFETCH(QString, error);
    const QString path = m_dir.filePath(QStringLiteral("search.sqlite"));
    Library library(path);
    if (library->count() == 0) {
        qint64 id = 0;
        QString why;
        // clang-format off
        const Voice voices[] = {
            makeVoice(QStringLiteral("Warm Pad"), { slowAttack }, QStringLiteral("Synth Pad"), { QStringLiteral("warm") }),
            makeVoice(QStringLiteral("Glass Pad"), { { "NormalElementFilter", "NrmElmFilterResonance", 0, 40 } },
                      QStringLiteral("Synth Pad")),
            makeVoice(QStringLiteral("Bright Lead"), { bandPass }, QStringLiteral("Synth Lead")),
            makeVoice(QStringLiteral("Dark Bass"), { darkCutoff, plate }, QStringLiteral("Bass"), { QStringLiteral("fat") }),
        };
        // clang-format on
        for (const Voice &voice : voices)
            QCOMPARE(library->add(voice, QString(), &id, &why), VoiceLibrary::Added::New);
        QVERIFY(library->set(1, VoiceLibrary::Field::Comment, QStringLiteral("Slow like a sunrise"),
                             &why));
    }
    QStringList errors;
    const std::vector<qint64> ids = library->find(query, false, &errors);
    QCOMPARE(errors.join(QLatin1Char(' ')), error);
    QCOMPARE(namesOf(library.get(), ids), found);
}

void TestLibrary::conditionsByVoiceType_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found");
    // Cutoff is the drum keys' and the elements' own; an element's only
    // while its filter type has one (not Thru).
    QTest::newRow("below, on an element or a key")
        << "cutoff<2kHz" << QStringList{ "Dark Kit", "Dark Lead" };
    QTest::newRow("at or above, as the defaults are")
        << "cutoff>=2kHz" << QStringList{ "Bright Kit", "Dark Kit", "Dark Lead", "Plug-in" };
    QTest::newRow("a filter type, only where it is set")
        << "\"filter type\"=Thru" << QStringList{ "Thru Lead" };
}

void TestLibrary::conditionsByVoiceType()
{
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    Library library(m_dir.filePath(QStringLiteral("types.sqlite")));
    if (library->count() == 0) {
        Voice thru = makeVoice(QStringLiteral("Thru Lead"),
                               { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 0, 30 } });
        const ParameterRef type = refOf("NormalElementFilter", "NrmElmFilterType");
        for (std::vector<int> &element : thru.values[type.high])
            element[type.low] = 19; // Thru on every element
        Voice darkKit = makeVoice(QStringLiteral("Dark Kit"),
                                  { { "DrumKeyFilter", "DrmKeyFilterCutoffFreq", 10, 30 } });
        darkKit.type = VoiceType::Drum;
        Voice brightKit = makeVoice(QStringLiteral("Bright Kit"));
        brightKit.type = VoiceType::Drum;
        Voice plugin = makeVoice(QStringLiteral("Plug-in"));
        plugin.type = VoiceType::Plugin;
        qint64 id = 0;
        QString why;
        for (const Voice &voice : { makeVoice(QStringLiteral("Dark Lead"), { darkCutoff }), thru,
                                    darkKit, brightKit, plugin })
            QCOMPARE(library->add(voice, QString(), &id, &why), VoiceLibrary::Added::New);
    }
    QStringList errors;
    const std::vector<qint64> ids = library->find(query, false, &errors);
    QCOMPARE(errors, QStringList());
    QCOMPARE(namesOf(library.get(), ids), found);
}

void TestLibrary::storesBack()
{
    Library library(m_dir.filePath(QStringLiteral("store.sqlite")));
    Voice voice =
        makeVoice(QStringLiteral("Strings  A very long name indeed"), { darkCutoff },
                  QStringLiteral("strings"),
                  { QStringLiteral("soft"), QStringLiteral(" soft "), QStringLiteral("wide") });
    qint64 id = 0;
    QString error;
    QVERIFY2(library->add(voice, QStringLiteral("/voices/a.json"), &id, &error)
                 == VoiceLibrary::Added::New,
             qPrintable(error));
    LibraryEntry entry;
    QVERIFY(library->entry(id, &entry, &error));
    QCOMPARE(entry.voice.values, voice.values);
    QCOMPARE(entry.voice.name, QStringLiteral("Strings A very long"));
    QCOMPARE(entry.voice.category, QStringLiteral("Strings"));
    QCOMPARE(entry.voice.tags, QStringList({ QStringLiteral("soft"), QStringLiteral("wide") }));
    QCOMPARE(entry.source, QStringLiteral("/voices/a.json"));

    // Edited in the editor and stored over the one it came from.
    Voice edited = entry.voice;
    const ParameterRef attack = refOf("NormalElementAmplitude", "NrmElmAEGAttackTime", 3);
    edited.values[attack.high][3][attack.low] = 100;
    edited.name = QStringLiteral("Strings B");
    QVERIFY(library->replace(id, edited, &error));
    QVERIFY(library->entry(id, &entry, &error));
    QCOMPARE(entry.voice.values, edited.values);
    QCOMPARE(entry.voice.name, QStringLiteral("Strings B"));
    QCOMPARE(namesOf(library.get(),
                     library->find(QStringLiteral("\"aeg attack time\">1s"), false, nullptr)),
             QStringList{ QStringLiteral("Strings B") });
    QVERIFY(library->find(QStringLiteral("cutoff>15kHz"), false, nullptr).empty() == false);

    // The unedited voice again is a new one; stored over B it would be a copy of the first.
    qint64 other = 0;
    QCOMPARE(library->add(voice, QString(), &other, &error), VoiceLibrary::Added::New);
    QCOMPARE(library->add(voice, QString(), &other, &error), VoiceLibrary::Added::Same);
    QVERIFY(!library->replace(id, voice, &error));
    QVERIFY2(error.contains(QStringLiteral("holds this voice already")), qPrintable(error));
}

void TestLibrary::removeAndRestore()
{
    Library library(m_dir.filePath(QStringLiteral("remove.sqlite")));
    qint64 id = 0;
    QString error;
    library->add(makeVoice(QStringLiteral("Keep")), QString(), &id, &error);
    QCOMPARE(library->add(makeVoice(QStringLiteral("Gone"), { darkCutoff }, QString(),
                                    { QStringLiteral("dusty") }),
                          QStringLiteral("/x.json"), &id, &error),
             VoiceLibrary::Added::New);
    QVERIFY(library->set(id, VoiceLibrary::Field::Favourite, true, &error));
    LibraryEntry removed;
    QVERIFY(library->remove(id, &removed, &error));
    QCOMPARE(library->count(), 1);
    QVERIFY(library->find(QStringLiteral("dusty"), true, nullptr).empty());
    QVERIFY(library->find(QStringLiteral("cutoff<1kHz"), true, nullptr).empty());
    QVERIFY(library->restore(removed, &error));
    LibraryEntry back;
    QVERIFY(library->entry(id, &back, &error));
    QVERIFY(back.favourite);
    QCOMPARE(back.added, removed.added);
    QCOMPARE(back.voice.values, removed.voice.values);
    QCOMPARE(library->find(QStringLiteral("dusty cutoff<1kHz"), true, nullptr),
             std::vector<qint64>{ id });
}

void TestLibrary::similarRanksAnEditedCopyFirst()
{
    Library library(m_dir.filePath(QStringLiteral("similar.sqlite")));
    QString error;
    qint64 original = 0;
    qint64 copy = 0;
    qint64 id = 0;
    library->add(makeVoice(QStringLiteral("Original"), { darkCutoff, slowAttack, plate }),
                 QString(), &original, &error);
    // Unrelated voices: other filters, waves and effects.
    for (int i = 0; i < 12; ++i) {
        library->add(makeVoice(QStringLiteral("Other %1").arg(i),
                               { { "NormalElementFilter", "NrmElmFilterType", i % 4, 1 + i % 12 },
                                 { "NormalElement", "NrmElmWaveNumber", 0, 10 + i },
                                 { "NormalCommonReverb", "NrmRevType", 0, 1 + i % 3 } }),
                     QString(), &id, &error);
    }
    // The original with two small edits: a touch more cutoff, a touch less attack.
    library->add(makeVoice(QStringLiteral("Edited"),
                           { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 2, 33 },
                             { "NormalElementAmplitude", "NrmElmAEGAttackTime", 0, 90 },
                             plate }),
                 QString(), &copy, &error);
    library->add(makeVoice(QStringLiteral("Drum")), QString(), &id, &error);
    const std::vector<VoiceLibrary::Similar> found = library->similar(original, 10, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(int(found.size()), 10);
    QCOMPARE(found.front().id, copy);
    QCOMPARE(found.front().differing, 2);
    for (std::size_t i = 1; i < found.size(); ++i)
        QVERIFY(found[i - 1].distance <= found[i].distance);
}

void TestLibrary::upgradesAnOlderLibrary()
{
    const QString path = m_dir.filePath(QStringLiteral("old.sqlite"));
    QString error;
    const Voice voice = makeVoice(QStringLiteral("From Before"), { darkCutoff });
    {
        QVERIFY2(LibraryDatabase::open(path, QStringLiteral("old"), &error, 1), qPrintable(error));
        QSqlQuery q(QSqlDatabase::database(QStringLiteral("old")));
        q.prepare(QStringLiteral("INSERT INTO voices(type, name, category, added, identity, data) "
                                 "VALUES (1, ?, 'Bass', ?, ?, ?)"));
        q.addBindValue(voice.name);
        q.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        q.addBindValue(content().codec().identity(voice));
        q.addBindValue(content().codec().encode(voice));
        QVERIFY(q.exec());
        QCOMPARE(LibraryDatabase::version(QSqlDatabase::database(QStringLiteral("old"))), 1);
        LibraryDatabase::close(QStringLiteral("old"));
    }
    Library library(path);
    QVERIFY(library.isOpen());
    QCOMPARE(LibraryDatabase::version(library->database()), LibraryDatabase::currentVersion);
    qint64 id = 0;
    library->add(makeVoice(QStringLiteral("New"),
                           { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 2, 31 } }),
                 QString(), &id, &error);
    // The features the upgrade computed for the older voice find it.
    const auto found = library->similar(id, 10, &error);
    QCOMPARE(int(found.size()), 1);
    QCOMPARE(found.front().differing, 1);
    QVERIFY(library->set(found.front().id, VoiceLibrary::Field::Hidden, true, &error));
    QVERIFY(library->find(QStringLiteral("before"), false, nullptr).empty());
    QCOMPARE(int(library->find(QStringLiteral("before"), true, nullptr).size()), 1);
}

void TestLibrary::upgradeIndexesVoicesByType()
{
    const QString path = m_dir.filePath(QStringLiteral("layout2.sqlite"));
    QString error;
    {
        QVERIFY2(LibraryDatabase::open(path, QStringLiteral("two"), &error, 2), qPrintable(error));
        VoiceLibrary older(QSqlDatabase::database(QStringLiteral("two")), content());
        qint64 id = 0;
        QCOMPARE(older.add(makeVoice(QStringLiteral("Layout Two"), { darkCutoff }), QString(), &id,
                           &error),
                 VoiceLibrary::Added::New);
    }
    LibraryDatabase::close(QStringLiteral("two"));
    Library library(path);
    QVERIFY(library.isOpen());
    QCOMPARE(LibraryDatabase::version(library->database()), LibraryDatabase::currentVersion);
    QCOMPARE(int(library->find(QStringLiteral("cutoff<2kHz"), false, nullptr).size()), 1);
    // A condition that the defaults meet lists the voices of each type from
    // the index, not by reading every voice.
    const LibraryQuery query(QStringLiteral("cutoff>=2kHz"), content().catalogue(),
                             content().codec());
    QSqlQuery plan(library->database());
    QCOMPARE(int(query.selects().size()), 1);
    QVERIFY(plan.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + query.selects().front().sql));
    QStringList steps;
    while (plan.next())
        steps << plan.value(3).toString();
    QVERIFY2(steps.filter(QStringLiteral("INDEX voices_type")).size() >= 3,
             qPrintable(steps.join(QLatin1Char('\n'))));
    QCOMPARE(steps.filter(QStringLiteral("SCAN")), QStringList());
}

void TestLibrary::refusesWhatIsNoLibrary_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("a text file") << "text"
                                 << "it is not a voice library";
    QTest::newRow("another database") << "database"
                                      << "it is a database, but not a voice library";
    QTest::newRow("a damaged library") << "damaged"
                                       << "it is damaged";
    QTest::newRow("a newer library")
        << "newer"
        << "it was made by a newer editor (layout 9; this editor reads up to 4)";
}

void TestLibrary::refusesWhatIsNoLibrary()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(kind + QStringLiteral(".sqlite"));
    if (kind == QLatin1String("text")) {
        writeText(path, "These are my voices:\nWarm Pad\n");
    } else {
        QString error;
        QVERIFY(LibraryDatabase::open(path, QStringLiteral("make"), &error));
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("make"));
        QSqlQuery q(db);
        if (kind == QLatin1String("database")) {
            QVERIFY(q.exec(QStringLiteral("PRAGMA application_id = 7")));
        } else if (kind == QLatin1String("newer")) {
            QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = 9")));
        } else {
            VoiceLibrary library(db, content());
            qint64 id = 0;
            for (int i = 0; i < 200; ++i)
                library.add(
                    makeVoice(QStringLiteral("Voice %1").arg(i),
                              { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 1, i % 60 },
                                { "NormalElementFilter", "NrmElmFilterResonance", 0, i % 120 } }),
                    QString(), &id, &error);
        }
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode = DELETE")));
        q = QSqlQuery();
        db = QSqlDatabase();
        LibraryDatabase::close(QStringLiteral("make"));
        if (kind == QLatin1String("damaged")) {
            // Pages past the first overwritten, as a failing disk would.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.size() > 16 * 4096);
            file.seek(4 * 4096);
            file.write(QByteArray(8 * 4096, '\x5a'));
        }
    }
    const QByteArray before = contents(path);
    QString error;
    QVERIFY(!LibraryDatabase::open(path, QStringLiteral("refused"), &error));
    QVERIFY2(
        error.startsWith(QStringLiteral("Cannot open the voice library %1: %2").arg(path, message)),
        qPrintable(error));
    QVERIFY(!QSqlDatabase::contains(QStringLiteral("refused")));
    QCOMPARE(contents(path), before);
    QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
}

void TestLibrary::aSecondUserWaits()
{
    const QString path = m_dir.filePath(QStringLiteral("shared.sqlite"));
    Library first(path, QStringLiteral("first"));
    QString error;
    QVERIFY(first->begin(&error));
    qint64 id = 0;
    first->add(makeVoice(QStringLiteral("First")), QString(), &id, &error);
    // The second editor writes from its own thread and connection while the
    // first holds its transaction; it waits instead of failing.
    QFuture<QString> second = QtConcurrent::run([path] {
        Library library(path, QStringLiteral("second"));
        qint64 id = 0;
        QString why;
        if (library->add(makeVoice(QStringLiteral("Second"), { darkCutoff }), QString(), &id, &why)
            != VoiceLibrary::Added::New)
            return why.isEmpty() ? QStringLiteral("not added") : why;
        return QString();
    });
    QTest::qWait(700);
    QVERIFY(!second.isFinished());
    QVERIFY(first->commit(&error));
    second.waitForFinished();
    QCOMPARE(second.result(), QString());
    QCOMPARE(first->count(), 2);
}

void TestLibrary::findShowsEachChangeAtOnce_data()
{
    QTest::addColumn<bool>("byAnotherEditor");
    QTest::newRow("made here") << false;
    QTest::newRow("made by another editor") << true;
}

void TestLibrary::findShowsEachChangeAtOnce()
{
    QFETCH(bool, byAnotherEditor);
    const QString path = m_dir.filePath(QStringLiteral("changes-%1.sqlite").arg(byAnotherEditor));
    Library library(path);
    Library other(path, QStringLiteral("other"));
    VoiceLibrary *changer = byAnotherEditor ? other.get() : library.get();
    // The names found, in the order found: by name, case aside.
    auto found = [&](const QString &query = QString()) {
        QStringList names;
        for (qint64 id : library->find(query, false, nullptr)) {
            LibraryEntry entry;
            names << (library->entry(id, &entry, nullptr) ? entry.voice.name : QString());
        }
        return names;
    };
    qint64 alto = 0, bass = 0, cello = 0, apple = 0;
    QString error;
    changer->add(makeVoice(QStringLiteral("Cello"), { darkCutoff }), QString(), &cello, &error);
    changer->add(makeVoice(QStringLiteral("bass b"), { plate }), QString(), &bass, &error);
    changer->add(makeVoice(QStringLiteral("Alto"), { darkCutoff, plate }), QString(), &alto,
                 &error);
    QCOMPARE(found(), QStringList({ "Alto", "bass b", "Cello" }));
    QCOMPARE(found(QStringLiteral("cutoff<1kHz")), QStringList({ "Alto", "Cello" }));
    QVERIFY(changer->set(cello, VoiceLibrary::Field::Name, QStringLiteral("Bright"), &error));
    QCOMPARE(found(QStringLiteral("cutoff<1kHz")), QStringList({ "Alto", "Bright" }));
    QCOMPARE(found(), QStringList({ "Alto", "bass b", "Bright" }));
    // A rename moves the voice among the others, either way.
    QVERIFY(changer->set(alto, VoiceLibrary::Field::Name, QStringLiteral("cor"), &error));
    QCOMPARE(found(), QStringList({ "bass b", "Bright", "cor" }));
    QVERIFY(changer->set(alto, VoiceLibrary::Field::Name, QStringLiteral("Alto"), &error));
    QCOMPARE(found(), QStringList({ "Alto", "bass b", "Bright" }));
    // A new category or star moves the voice in those orders too.
    const auto lastBy = [&](VoiceListing::Order order) {
        VoiceLibrary::Selection selection;
        selection.order = order;
        const std::vector<qint64> ids = library->find(selection, nullptr);
        return ids.empty() ? qint64(0) : ids.back();
    };
    QVERIFY(changer->set(cello, VoiceLibrary::Field::Category, QStringLiteral("Brass"), &error));
    QVERIFY(lastBy(VoiceListing::Order::Category) != cello);
    QVERIFY(changer->set(cello, VoiceLibrary::Field::Category, QStringLiteral("Strings"), &error));
    QCOMPARE(lastBy(VoiceListing::Order::Category), cello);
    QVERIFY(lastBy(VoiceListing::Order::Favourite) != cello);
    QVERIFY(changer->set(cello, VoiceLibrary::Field::Favourite, true, &error));
    QCOMPARE(lastBy(VoiceListing::Order::Favourite), cello);
    QVERIFY(changer->set(alto, VoiceLibrary::Field::Hidden, true, &error));
    QCOMPARE(found(), QStringList({ "bass b", "Bright" }));
    QVERIFY(changer->remove(bass, nullptr, &error));
    QCOMPARE(found(), QStringList({ "Bright" }));
    changer->add(makeVoice(QStringLiteral("apple")), QString(), &apple, &error);
    QCOMPARE(found(), QStringList({ "apple", "Bright" }));
    // A voice added in a transaction undone is gone.
    QVERIFY(changer->begin(&error));
    changer->add(makeVoice(QStringLiteral("Zither"), { plate }), QString(), &apple, &error);
    QCOMPARE(found().size(), byAnotherEditor ? 2 : 3);
    changer->rollback();
    QCOMPARE(found(), QStringList({ "apple", "Bright" }));
}

void TestLibrary::aFullDiskKeepsTheBatchesDone()
{
    const QString folder = m_dir.filePath(QStringLiteral("many"));
    for (int i = 0; i < 1500; ++i)
        writeVoiceFile(
            folder + QStringLiteral("/v%1.json").arg(i, 4, 10, QLatin1Char('0')),
            makeVoice(QString(),
                      { { "NormalElementFilter", "NrmElmFilterCutoffFreq", i % 4, i % 61 },
                        { "NormalElement", "NrmElmWaveNumber", i % 4, 1 + i / 4 } }));
    const QString path = m_dir.filePath(QStringLiteral("full.sqlite"));
    {
        Library created(path);
    }
    // The disk fills up a few hundred kilobytes in.
    rlimit before{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{ rlim_t(600 * 1024), before.rlim_max };
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        QSKIP("the file-size limit cannot be set here");
    LibraryImporter importer(path, { folder }, content());
    const LibraryImporter::Result result = importer.run();
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY2(!result.error.isEmpty(), "the import went on past a full disk");
    QVERIFY(result.imported < 1500);
    Library library(path);
    QVERIFY(library.isOpen());
    QCOMPARE(library->count(), result.imported);
    QCOMPARE(result.imported % LibraryImporter::batchSize, 0);
}

void TestLibrary::exportNamesFilesSafely()
{
    QSet<QString> taken{ QStringLiteral("pad.json") };
    QCOMPARE(VoiceExport::fileName(QStringLiteral("Pad"), &taken), QStringLiteral("Pad (2).json"));
    QCOMPARE(VoiceExport::fileName(QStringLiteral("PAD"), &taken), QStringLiteral("PAD (3).json"));
    QCOMPARE(VoiceExport::fileName(QStringLiteral("a/b\\c:d*e?\"<>|"), &taken),
             QStringLiteral("a_b_c_d_e_____.json"));
    QCOMPARE(VoiceExport::fileName(QStringLiteral("con"), &taken), QStringLiteral("con_.json"));
    QCOMPARE(VoiceExport::fileName(QStringLiteral(" .. "), &taken), QStringLiteral("Voice.json"));
    QCOMPARE(VoiceExport::fileName(QStringLiteral("End."), &taken), QStringLiteral("End.json"));
}

void TestLibrary::commandLine()
{
    const QString folder = m_dir.filePath(QStringLiteral("cli"));
    writeVoiceFile(folder + QStringLiteral("/Dark Bass.json"),
                   makeVoice(QString(), { darkCutoff, plate }));
    writeVoiceFile(
        folder + QStringLiteral("/Dark Bass 2.json"),
        makeVoice(QString(),
                  { { "NormalElementFilter", "NrmElmFilterCutoffFreq", 2, 32 }, plate }));
    writeVoiceFile(folder + QStringLiteral("/Band.json"), makeVoice(QString(), { bandPass }));
    writeText(folder + QStringLiteral("/broken.json"), "[]");
    const QString library = m_dir.filePath(QStringLiteral("cli.sqlite"));
    const QString lone = m_dir.filePath(QStringLiteral("Lone.json"));
    writeVoiceFile(lone, makeVoice(QString(), { slowAttack }));

    Run run =
        editor({ QStringLiteral("--library"), library, QStringLiteral("--import"), folder, lone });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QStringLiteral("imported 4, same as before 0, refused 1\n"));
    QVERIFY2(run.err.contains(
                 QStringLiteral(
                     "Cannot load the voice %1/broken.json: not a voice file: no object at the top")
                     .arg(folder)),
             qPrintable(run.err));

    run = editor({ QStringLiteral("--library"), library, QStringLiteral("--import"), lone });
    QCOMPARE(run.out, QStringLiteral("imported 0, same as before 1, refused 0\n"));
    run = editor({ QStringLiteral("--library"), library, QStringLiteral("--import"),
                   folder + QStringLiteral("/broken.json") });
    QCOMPARE(run.status, 1);

    run = editor({ QStringLiteral("--library"), library, QStringLiteral("--find"),
                   QStringLiteral("dark cutoff<1kHz") });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out,
             QStringLiteral(
                 "3\tDark Bass\tNo Assignment\tNormal\n2\tDark Bass 2\tNo Assignment\tNormal\n"));
    run = editor({ QStringLiteral("--library"), library, QStringLiteral("--find"),
                   QStringLiteral("loudness>3") });
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains(QStringLiteral("No parameter is called \"loudness\".")));

    run = editor(
        { QStringLiteral("--library"), library, QStringLiteral("--similar"), QStringLiteral("3") });
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.first().startsWith(QStringLiteral("2\tDark Bass 2\t")), qPrintable(run.out));

    const QString out = m_dir.filePath(QStringLiteral("exported"));
    run = editor({ QStringLiteral("--library"), library, QStringLiteral("--export"),
                   QStringLiteral("dark"), QStringLiteral("--output"), out });
    QCOMPARE(run.status, 0);
    QCOMPARE(QDir(out).entryList(QDir::Files),
             QStringList({ QStringLiteral("Dark Bass 2.json"), QStringLiteral("Dark Bass.json") }));
    Voice back;
    QString error;
    QVERIFY(VoiceFile::read(out + QStringLiteral("/Dark Bass.json"), content().schema(), &back,
                            &error));
    QCOMPARE(back.values, makeVoice(QString(), { darkCutoff, plate }).values);
}

void TestLibrary::aKilledImportLeavesAUsableLibrary()
{
    const QString folder = m_dir.filePath(QStringLiteral("many"));
    if (!QFile::exists(folder + QStringLiteral("/v0000.json")))
        QSKIP("needs the folder of aFullDiskKeepsTheBatchesDone");
    const QString library = m_dir.filePath(QStringLiteral("killed.sqlite"));
    QProcess process;
    process.start(QStringLiteral(ZINTA_EDITOR_PATH),
                  { QStringLiteral("--library"), library, QStringLiteral("--import"), folder });
    // Killed as soon as the first batch is stored.
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardError()).contains("voices stored"),
                             60000);
    process.kill();
    QVERIFY(process.waitForFinished());
    Library opened(library);
    QVERIFY(opened.isOpen());
    const int count = opened->count();
    QVERIFY2(count >= LibraryImporter::batchSize && count < 1500,
             qPrintable(QString::number(count)));
    QCOMPARE(count % LibraryImporter::batchSize, 0);
    QCOMPARE(int(opened->find(QStringLiteral("v0"), true, nullptr).size()), count);
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
