// zinta-form-texts: writes the texts the add-on's forms show, each with the
// context the form translates it in, as QT_TRANSLATE_NOOP lines that lupdate
// reads. The forms keep their captions in tables, out of lupdate's sight;
// building every dialog with a recording translator installed finds them.
//
//   zinta-form-texts ADDON OUTPUT.cpp

#include "recordingtranslator.h"

#include <addon/addonhost.h>
#include <addon/editorvoicedata.h>
#include <tparametermemory.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

namespace {

// Every text the dialog shows as it was built: captions, buttons, pages, title.
QSet<QString> shownTexts(QWidget *dialog)
{
    QSet<QString> texts{ dialog->windowTitle() };
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        texts.insert(label->text());
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
        texts.insert(button->text());
    for (const QGroupBox *box : dialog->findChildren<QGroupBox *>())
        texts.insert(box->title());
    for (const QTabWidget *tabs : dialog->findChildren<QTabWidget *>())
        for (int page = 0; page < tabs->count(); ++page)
            texts.insert(tabs->tabText(page));
    return texts;
}

QString quoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: zinta-form-texts ADDON OUTPUT.cpp\n");
        return 1;
    }
    TParameterMemory memory;
    EditorVoiceData voiceData;
    memory.setVoiceData(&voiceData);
    AddOnHost addOn;
    QString error;
    if (!addOn.load(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "zinta-form-texts: %s\n", qPrintable(error));
        return 1;
    }

    QList<RecordingTranslator::Text> shown;
    for (const AddOnHost::Entry &entry : addOn.entries()) {
        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        QWidget *dialog = addOn.open(entry.index, &memory);
        QCoreApplication::removeTranslator(&recorder);
        if (!dialog)
            continue;
        const QSet<QString> texts = shownTexts(dialog);
        delete dialog;
        for (const RecordingTranslator::Text &text : recorder.texts())
            if (texts.contains(text.second) && !shown.contains(text))
                shown.append(text);
    }
    std::sort(shown.begin(), shown.end());

    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "zinta-form-texts: cannot write %s: %s\n", argv[2],
                     qPrintable(output.errorString()));
        return 1;
    }
    output.write("// The add-on's form texts, found by zinta-form-texts, for lupdate.\n");
    for (const RecordingTranslator::Text &text : std::as_const(shown))
        output.write(QStringLiteral("QT_TRANSLATE_NOOP(%1, %2)\n")
                         .arg(quoted(text.first), quoted(text.second))
                         .toUtf8());
    std::printf("%d form texts written to %s\n", int(shown.size()), argv[2]);
    return 0;
}
