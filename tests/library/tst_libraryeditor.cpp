// The library in the editor's window: opening a library voice (after the
// document's Save/Discard/Cancel question), the title that names it, and
// storing the edited voice back over it or as a new voice.

#include "editorsession.h"
#include "libraryfixture.h"

#include <librarycommandline.h>
#include <librarydock.h>
#include <librarymodel.h>
#include <librarypanel.h>
#include <document/voicedocument.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>

namespace {

// Clicks `button` in the next message box that shows.
class Answer : public QObject
{
public:
    explicit Answer(QMessageBox::StandardButton button)
        : m_button(button)
    {
        startTimer(5);
    }
    bool answered = false;

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || answered)
            return;
        answered = true;
        box->button(m_button)->click();
    }

private:
    QMessageBox::StandardButton m_button;
};

const Edit slowAttack{ "NormalElementAmplitude", "NrmElmAEGAttackTime", 0, 95 };

} // namespace

class TestLibraryEditor : public QObject
{
    Q_OBJECT

private slots:
    void openFromTheLibraryAndStoreBack_data();
    void openFromTheLibraryAndStoreBack();
};

void TestLibraryEditor::openFromTheLibraryAndStoreBack_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("discard the edits") << int(QMessageBox::Discard);
    QTest::newRow("cancel") << int(QMessageBox::Cancel);
}

void TestLibraryEditor::openFromTheLibraryAndStoreBack()
{
    QFETCH(int, answer);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("editor.sqlite"));
    const Voice pad = makeVoice(QStringLiteral("Warm Pad"), { slowAttack },
                                QStringLiteral("Synth Pad"), { QStringLiteral("slow") });
    {
        QString error;
        QVERIFY(LibraryDatabase::open(path, QStringLiteral("fill"), &error));
        VoiceLibrary library(QSqlDatabase::database(QStringLiteral("fill"), false), content());
        qint64 id = 0;
        QCOMPARE(library.add(pad, QString(), &id, &error), VoiceLibrary::Added::New);
    }
    LibraryDatabase::close(QStringLiteral("fill"));
    LibraryCommandLine::useLibrary(path);

    EditorSession session;
    QVERIFY2(session.window, qPrintable(session.error));
    LibraryDock *dock = session.window->library();
    QVERIFY(dock && dock->panel()->isOpen());
    dock->show();
    QTableView *table = dock->panel()->table();
    QCOMPARE(table->model()->rowCount(), 1);

    // An edit not saved: opening asks first.
    const ParameterRef resonance = refOf("NormalElementFilter", "NrmElmFilterResonance", 1);
    QVERIFY(session.memory.setValue(resonance.high, resonance.low, resonance.part, 50));
    QVERIFY(session.window->document()->isModified());
    Answer reply{ QMessageBox::StandardButton(answer) };
    const QPoint cell = table->visualRect(table->model()->index(0, LibraryModel::Type)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    QVERIFY(reply.answered);
    if (answer == QMessageBox::Cancel) {
        QCOMPARE(session.memory.value(resonance.high, resonance.low, resonance.part), 50);
        QCOMPARE(dock->currentVoice(), 0);
        return;
    }
    QCOMPARE(session.memory.voice().values, pad.values);
    QCOMPARE(session.memory.voice().name, QStringLiteral("Warm Pad"));
    QCOMPARE(session.window->windowTitle(), QStringLiteral("Warm Pad - Library[*] - Zinta Editor"));
    QVERIFY(!session.window->document()->isModified());

    // Edited and stored back over the voice it came from.
    QVERIFY(session.memory.setValue(resonance.high, resonance.low, resonance.part, 70));
    QString error;
    QVERIFY2(dock->store(false, QString(), &error), qPrintable(error));
    LibraryEntry stored;
    QVERIFY(dock->panel()->library()->entry(dock->currentVoice(), &stored, &error));
    QCOMPARE(stored.voice.value(resonance), 70);
    QCOMPARE(stored.voice.tags, QStringList{ QStringLiteral("slow") });
    QCOMPARE(dock->panel()->library()->count(), 1);

    // And once more as a new voice of its own name.
    QVERIFY(session.memory.setValue(resonance.high, resonance.low, resonance.part, 90));
    QVERIFY2(dock->store(true, QStringLiteral("Warm Pad Open"), &error), qPrintable(error));
    QCOMPARE(dock->panel()->library()->count(), 2);
    QCOMPARE(dock->panel()->library()->find(QStringLiteral("open resonance>80"), false, nullptr),
             std::vector<qint64>{ dock->currentVoice() });
    // Storing the same voice again is refused: the library has it.
    QVERIFY(!dock->store(true, QStringLiteral("Warm Pad Twice"), &error));
    QVERIFY2(error.contains(QStringLiteral("\"Warm Pad Open\"")), qPrintable(error));
}

QTEST_MAIN(TestLibraryEditor)
#include "tst_libraryeditor.moc"
