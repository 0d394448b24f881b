#include "librarycommandline.h"

#include "librarycontent.h"
#include "librarydatabase.h"
#include "libraryimporter.h"
#include "voiceexport.h"
#include "voicelibrary.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

const QString connection = QStringLiteral("library-command-line");
QString pathInUse;

int fail(const QString &message)
{
    std::fprintf(stderr, "zinta-editor: %s\n", qPrintable(message));
    return 1;
}

void print(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
}

// Runs `work` over the library opened for it; status 1 when it cannot be opened.
template <typename Work>
int withLibrary(const QString &path, Work work)
{
    QString error;
    if (!LibraryDatabase::open(path, connection, &error))
        return fail(error);
    int status = 0;
    {
        VoiceLibrary library(QSqlDatabase::database(connection, false), LibraryContent::embedded());
        status = work(library);
    }
    LibraryDatabase::close(connection);
    return status;
}

} // namespace

LibraryCommandLine::LibraryCommandLine(QCommandLineParser *parser)
    : m_parser(parser)
    , m_library(QStringLiteral("library"),
                QStringLiteral("Use the voice library <file> (default: %1).")
                    .arg(LibraryDatabase::defaultPath()),
                QStringLiteral("file"))
    , m_import(
          QStringLiteral("import"),
          QStringLiteral("Import the voice files and folders <path>... into the library and exit."),
          QStringLiteral("path"))
    , m_find(QStringLiteral("find"),
             QStringLiteral("Print the library's voices that <query> finds and exit."),
             QStringLiteral("query"))
    , m_similar(QStringLiteral("similar"),
                QStringLiteral("Print the ten voices nearest by sound to voice <id> and exit."),
                QStringLiteral("id"))
    , m_export(QStringLiteral("export"),
               QStringLiteral("Write the voices <query> finds to the --output folder and exit."),
               QStringLiteral("query"))
{
    parser->addOptions({ m_library, m_import, m_find, m_similar, m_export });
}

QString LibraryCommandLine::libraryPath()
{
    return pathInUse.isEmpty() ? LibraryDatabase::defaultPath() : pathInUse;
}

void LibraryCommandLine::useLibrary(const QString &path)
{
    pathInUse = path;
}

int LibraryCommandLine::run(const QString &output, bool *done)
{
    *done = true;
    if (m_parser->isSet(m_library))
        pathInUse = m_parser->value(m_library);
    const QString library = libraryPath();
    if (m_parser->isSet(m_import))
        return import(library);
    if (m_parser->isSet(m_find))
        return find(library);
    if (m_parser->isSet(m_similar))
        return similar(library);
    if (m_parser->isSet(m_export))
        return exportVoices(library, output);
    *done = false;
    return 0;
}

int LibraryCommandLine::import(const QString &library)
{
    // --import a b c: the option's value and the arguments after it.
    const QStringList paths = m_parser->values(m_import) + m_parser->positionalArguments();
    LibraryImporter importer(library, paths, LibraryContent::embedded());
    int reported = 0;
    QObject::connect(
        &importer, &LibraryImporter::progress, [&reported](int done, int total, int committed) {
            if (committed > reported) {
                reported = committed;
                std::fprintf(stderr, "zinta-editor: %d of %d files, %d voices stored\n", done,
                             total, committed);
                std::fflush(stderr);
            }
        });
    const LibraryImporter::Result result = importer.run();
    for (const LibraryImporter::Refused &refused : result.refused)
        std::fprintf(stderr, "%s\n", qPrintable(refused.reason));
    if (result.imported + result.same == 0 && result.refused.empty() && result.error.isEmpty())
        return fail(QStringLiteral("no voice files in %1").arg(paths.join(QLatin1String(", "))));
    print(QStringLiteral("imported %1, same as before %2, refused %3")
              .arg(result.imported)
              .arg(result.same)
              .arg(result.refused.size()));
    if (!result.error.isEmpty())
        return fail(QStringLiteral("the import stopped: %1").arg(result.error));
    return result.imported + result.same == 0 ? 1 : 0;
}

int LibraryCommandLine::find(const QString &path)
{
    return withLibrary(path, [this](VoiceLibrary &library) {
        QStringList errors;
        const std::vector<qint64> ids = library.find(m_parser->value(m_find), true, &errors);
        if (!errors.isEmpty())
            return fail(errors.join(QLatin1Char(' ')));
        for (qint64 id : ids) {
            LibraryEntry entry;
            if (library.entry(id, &entry, nullptr))
                print(QStringLiteral("%1\t%2\t%3\t%4")
                          .arg(id)
                          .arg(entry.voice.name, entry.voice.category,
                               voiceTypeName(entry.voice.type)));
        }
        return 0;
    });
}

int LibraryCommandLine::similar(const QString &path)
{
    bool ok = false;
    const qint64 id = m_parser->value(m_similar).toLongLong(&ok);
    if (!ok)
        return fail(QStringLiteral("--similar needs a voice's number, not \"%1\"")
                        .arg(m_parser->value(m_similar)));
    return withLibrary(path, [id](VoiceLibrary &library) {
        QString error;
        const std::vector<VoiceLibrary::Similar> found = library.similar(id, 10, &error);
        if (!error.isEmpty())
            return fail(error);
        for (const VoiceLibrary::Similar &s : found) {
            LibraryEntry entry;
            library.entry(s.id, &entry, nullptr);
            print(QStringLiteral("%1\t%2\t%3\t%4 differing")
                      .arg(s.id)
                      .arg(entry.voice.name)
                      .arg(s.distance, 0, 'f', 4)
                      .arg(s.differing));
        }
        return 0;
    });
}

int LibraryCommandLine::exportVoices(const QString &path, const QString &output)
{
    if (output.isEmpty())
        return fail(QStringLiteral("--export needs --output FOLDER"));
    return withLibrary(path, [this, &output](VoiceLibrary &library) {
        QStringList errors;
        const std::vector<qint64> ids = library.find(m_parser->value(m_export), true, &errors);
        if (!errors.isEmpty())
            return fail(errors.join(QLatin1Char(' ')));
        const int written = VoiceExport::write(library, ids, output, &errors);
        for (const QString &error : std::as_const(errors))
            std::fprintf(stderr, "%s\n", qPrintable(error));
        print(QStringLiteral("exported %1 of %2 voices to %3")
                  .arg(written)
                  .arg(ids.size())
                  .arg(output));
        return errors.isEmpty() ? 0 : 1;
    });
}
