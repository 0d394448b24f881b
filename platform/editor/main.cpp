// zinta-editor: the host editor. It loads the detail dialogs add-on, offers
// its entries in menus and shows the voice being edited.

#include "addon/addonhost.h"
#include "addon/editorvoicedata.h"
#include "mainwindow.h"

#include <editortranslations.h>
#include <librarycommandline.h>

#include <schemalisting.h>
#include <toolscommandline.h>
#include <tparametermemory.h>
#include <voicefile.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {

const char *const addOnFileName = "libvestra_ziv21_editor_detail_dialogs_addon.so";

int fail(const QString &message)
{
    std::fprintf(stderr, "zinta-editor: %s\n", qPrintable(message));
    return 1;
}

// Without a display the editor runs on the offscreen platform, so that the
// listings and renders work on a headless machine.
bool chooseOffscreenWhenHeadless()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

// --scale sets the device pixels per pixel, which Qt reads when the
// application starts: it is taken from the arguments before that.
void applyScale(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + 8);
    }
}

// The add-on beside the editor (a build), else in the editor's private
// library folder (an installed editor: bin/ and lib/zinta-editor/).
QString defaultAddOnPath()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(QLatin1String(addOnFileName));
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(programFolder.filePath(
        QStringLiteral("../lib/zinta-editor/") + QLatin1String(addOnFileName)));
    return QFileInfo::exists(installed) ? installed : beside;
}

int render(AddOnHost &addOn, TParameterMemory &memory, const QString &entryText,
           const QString &output)
{
    bool ok = false;
    const int entry = entryText.toInt(&ok);
    if (!ok)
        return fail(QStringLiteral("--render needs an entry number, not \"%1\"").arg(entryText));
    if (output.isEmpty())
        return fail(QStringLiteral("--render needs --output FILE.png"));
    QWidget *dialog = addOn.open(entry, &memory);
    if (!dialog)
        return fail(QStringLiteral("entry %1 has no dialog").arg(entry));
    dialog->show();
    QCoreApplication::processEvents();
    const QImage image = dialog->grab().toImage();
    delete dialog;
    if (image.isNull() || !image.save(output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(output));
    std::printf("rendered entry %d (%dx%d) to %s\n", entry, image.width(), image.height(),
                qPrintable(output));
    return 0;
}

// The main window with its docks and panels as a person would see it.
int renderWindow(MainWindow &window, const QString &output)
{
    if (output.isEmpty())
        return fail(QStringLiteral("--render-window needs --output FILE.png"));
    window.show();
    QCoreApplication::processEvents();
    const QImage image = window.grab().toImage();
    if (image.isNull() || !image.save(output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(output));
    std::printf("rendered the window (%dx%d pixels, %dx%d on the screen) to %s\n", image.width(),
                image.height(), window.width(), window.height(), qPrintable(output));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool offscreen = chooseOffscreenWhenHeadless();
    applyScale(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zinta-editor"));
    QApplication::setOrganizationName(QStringLiteral("Vestra"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The Zinta voice editor with its detail dialogs."));
    parser.addHelpOption();
    const QCommandLineOption addOnOption(
        QStringLiteral("addon"),
        QStringLiteral("Load the add-on from <path> (default: beside the editor, else in "
                       "../lib/zinta-editor/)."),
        QStringLiteral("path"));
    const QCommandLineOption listEntries(
        QStringLiteral("list-entries"),
        QStringLiteral("Print the add-on's menu entries and exit."));
    const QCommandLineOption listParameters(
        QStringLiteral("list-parameters"),
        QStringLiteral("Print every parameter of the voice schema and exit."));
    const QCommandLineOption listTypes(
        QStringLiteral("list-types"),
        QStringLiteral("Print what every type value of every type parameter offers and exit."));
    const QCommandLineOption renderOption(
        QStringLiteral("render"),
        QStringLiteral("Render menu entry <entry>'s dialog to the --output file and exit."),
        QStringLiteral("entry"));
    const QCommandLineOption renderWindowOption(
        QStringLiteral("render-window"),
        QStringLiteral("Render the main window with its panels to the --output file and exit."));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        QStringLiteral("The PNG file --render or --render-window writes."), QStringLiteral("file"));
    const QCommandLineOption voiceOption(
        QStringLiteral("voice"),
        QStringLiteral("Load the voice file <file> at start, as File > Open does."),
        QStringLiteral("file"));
    const QCommandLineOption openOption(
        QStringLiteral("open"),
        QStringLiteral("Open menu entry <entry>'s dialog beside the window at start (repeatable)."),
        QStringLiteral("entry"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Quit after <ms> milliseconds."),
                                       QStringLiteral("ms"));
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"),
        QStringLiteral("Show and render at <factor> device pixels per pixel (2: twice the size)."),
        QStringLiteral("factor"));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Show the editor in <language> (de, en); default: the system's locale."),
        QStringLiteral("language"));
    parser.addOptions({ addOnOption, listEntries, listParameters, listTypes, renderOption,
                        renderWindowOption, outputOption, voiceOption, openOption, quitAfter,
                        scaleOption, languageOption });
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A voice file to load at start, the same as --voice <file>."),
        QStringLiteral("[file]"));
    parser.addOptions(ToolsCommandLine::options());
    LibraryCommandLine library(&parser);
    // Unknown options and missing values end the program with a message and status 1.
    parser.process(app);
    // The library's commands (--import, --find, --similar, --export) take the rest.
    bool libraryCommand = false;
    const int libraryStatus = library.run(parser.value(outputOption), &libraryCommand);
    if (libraryCommand)
        return libraryStatus;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1 || (!positional.isEmpty() && parser.isSet(voiceOption)))
        return fail(QStringLiteral("unexpected argument \"%1\": give one voice file")
                        .arg(positional.last()));
    const QString voiceFile = positional.isEmpty() ? parser.value(voiceOption) : positional.first();

    const QLocale locale =
        parser.isSet(languageOption) ? QLocale(parser.value(languageOption)) : QLocale::system();
    if (parser.isSet(languageOption) && locale.language() == QLocale::C)
        return fail(QStringLiteral("--language needs a language code such as de or en, not \"%1\"")
                        .arg(parser.value(languageOption)));
    const QStringList translations =
        EditorTranslations::install(locale, EditorTranslations::folder());
    if (parser.isSet(languageOption) && locale.language() != QLocale::English
        && translations.filter(QStringLiteral("zinta-editor_")).isEmpty())
        std::fprintf(
            stderr, "zinta-editor: no translation for \"%s\" in %s; the texts stay English\n",
            qPrintable(parser.value(languageOption)), qPrintable(EditorTranslations::folder()));

    if (parser.isSet(scaleOption) && !(parser.value(scaleOption).toDouble() > 0))
        return fail(QStringLiteral("--scale needs a factor above 0, such as 2"));

    int quitAfterMs = -1;
    if (parser.isSet(quitAfter)) {
        bool ok = false;
        quitAfterMs = parser.value(quitAfter).toInt(&ok);
        if (!ok || quitAfterMs < 0)
            return fail(QStringLiteral("--quit-after needs a number of milliseconds"));
    }

    TParameterMemory memory;
    EditorVoiceData voiceData;
    memory.setVoiceData(&voiceData);

    // Randomise, Mutate and Morph for scripts: a voice file in, one out.
    if (ToolsCommandLine::isWanted(parser))
        return ToolsCommandLine::run(parser, memory);

    if (parser.isSet(listParameters) || parser.isSet(listTypes)) {
        const QStringList lines = parser.isSet(listTypes)
            ? SchemaListing::types(memory.schema())
            : SchemaListing::parameters(memory.schema());
        for (const QString &line : lines)
            std::printf("%s\n", line.toUtf8().constData());
        return 0;
    }

    AddOnHost addOn;
    const QString addOnPath =
        parser.isSet(addOnOption) ? parser.value(addOnOption) : defaultAddOnPath();
    QString error;
    if (!addOn.load(addOnPath, &error))
        return fail(error);

    if (parser.isSet(listEntries)) {
        for (const AddOnHost::Entry &entry : addOn.entries())
            std::printf("%d\t%s\n", entry.index, entry.title.toUtf8().constData());
        return 0;
    }

    if (parser.isSet(renderOption)) {
        if (!voiceFile.isEmpty()) {
            Voice voice;
            if (!VoiceFile::read(voiceFile, memory.schema(), &voice, &error))
                return fail(error);
            memory.setVoice(voice);
        }
        return render(addOn, memory, parser.value(renderOption), parser.value(outputOption));
    }

    MainWindow window(&memory, &voiceData, &addOn);
    if (!voiceFile.isEmpty() && !window.openVoice(voiceFile, &error))
        return fail(error);
    if (parser.isSet(renderWindowOption))
        return renderWindow(window, parser.value(outputOption));
    window.show();
    // The dialogs go beside the window, so they open once it is shown.
    for (const QString &entryText : parser.values(openOption)) {
        bool ok = false;
        const int entry = entryText.toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--open needs an entry number, not \"%1\"").arg(entryText));
        if (!window.openEntry(entry, &error))
            return fail(error);
    }
    if (offscreen) {
        std::fprintf(stderr, "zinta-editor: no display: running offscreen with %d menu entries\n",
                     int(addOn.entries().size()));
        if (quitAfterMs < 0)
            quitAfterMs = 2000;
    }
    if (quitAfterMs >= 0)
        QTimer::singleShot(quitAfterMs, &app, &QCoreApplication::quit);
    return app.exec();
}
