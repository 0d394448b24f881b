#include "editorsession.h"

#include <view/parametermodel.h>
#include <dialogs/selectionwindow.h>
#include <document/voicedocument.h>
#include <voicefile.h>

#include <wguid.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString keyLevel = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");

// Answers the modal windows that show next, one reply each in order: a
// message box by clicking the button given, a file dialog by choosing the
// file given (one that no file awaits is cancelled). Keeps what the message
// boxes said.
class Answers : public QObject
{
public:
    explicit Answers(const QVariantList &replies)
        : m_replies(replies)
    {
        startTimer(5);
    }
    QStringList said;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *modal = QApplication::activeModalWidget();
        auto *files = qobject_cast<QFileDialog *>(modal);
        if (!modal || modal == m_answered || (m_replies.isEmpty() && !files))
            return;
        m_answered = modal;
        if (files) {
            // A file dialog that no reply awaits is cancelled, not left open.
            const bool awaited =
                !m_replies.isEmpty() && m_replies.constFirst().typeId() == QMetaType::QString;
            if (awaited)
                files->selectFile(m_replies.takeFirst().toString());
            QMetaObject::invokeMethod(files, awaited ? "accept" : "reject");
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            said.append(box->text());
            QTest::mouseClick(
                box->button(QMessageBox::StandardButton(m_replies.takeFirst().toInt())),
                Qt::LeftButton);
        }
    }

private:
    QVariantList m_replies;
    QPointer<QWidget> m_answered;
};

struct ViewEdit
{
    QString search, address;
    int entry;    // the dialog open
    QString part; // shown for the parameter; empty for a number box
    QTestEventList keys;
    int value;
};

struct Selection
{
    int voiceType, command;
    QString title, address;
    int part;
    QString search;
    int shown, value;
    bool doubleClick = false;
};

} // namespace

Q_DECLARE_METATYPE(ViewEdit)
Q_DECLARE_METATYPE(Selection)

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_editor.reset(); }

    void drumVoiceDialogsFollowThePanel();
    void menusOpenOneDialogPerEntry();
    void panelAndViewFollowTheVoiceType_data();
    void panelAndViewFollowTheVoiceType();
    void savingNamesTheVoice_data();
    void savingNamesTheVoice();
    void unsavedChangesAreOfferedForSaving_data();
    void unsavedChangesAreOfferedForSaving();
    void failedOpensKeepTheVoiceAndRevertDropsIt_data();
    void failedOpensKeepTheVoiceAndRevertDropsIt();
    void viewFindsAndEditsParameters_data();
    void viewFindsAndEditsParameters();
    void selectionsAnswerCommands_data();
    void selectionsAnswerCommands();
    void commandLine_data();
    void commandLine();

private:
    bool chooseEntry(int voiceType, const QString &label);
    bool chooseFileCommand(const QString &label, const QString &inSubmenu = QString());
    void command(Qt::Key key);
    QComboBox *panel(const char *name) const
    {
        return m_window->findChild<QComboBox *>(QLatin1String(name));
    }
    SelectionWindow *selectionWindow() const { return m_window->findChild<SelectionWindow *>(); }
    QString writeVoice(const QString &name, int type, int panValue);
    QTemporaryDir m_settings;
    QTemporaryDir m_files;
    std::unique_ptr<EditorSession> m_editor;
    TParameterMemory *m_memory = nullptr;
    MainWindow *m_window = nullptr;
};

void TestEditor::initTestCase()
{
    // Settings in a folder of the test's own, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("tst_editor"));
}

void TestEditor::init()
{
    QSettings().clear();
    m_editor = std::make_unique<EditorSession>();
    QVERIFY2(m_editor->window, qPrintable(m_editor->error));
    m_memory = &m_editor->memory;
    m_window = m_editor->window.get();
}

// Clicks the item `label` in `menu`, opened (and filled) where it opens.
static bool clickMenuItem(QMenu *menu, const QString &label, const QPoint &at)
{
    menu->popup(at);
    const QList<QAction *> actions = menu->actions();
    auto action = std::find_if(actions.begin(), actions.end(),
                               [&](QAction *a) { return a->text() == label; });
    if (action == actions.end())
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(*action).center());
    return true;
}

// Clicks the entry `label` in the Detail menu of `voiceType`.
bool TestEditor::chooseEntry(int voiceType, const QString &label)
{
    return clickMenuItem(
        m_window->menuBar()->findChild<QMenu *>(QStringLiteral("voiceType%1").arg(voiceType)),
        label, m_window->pos());
}

// Clicks `label` in the File menu, or in its submenu `inSubmenu`.
bool TestEditor::chooseFileCommand(const QString &label, const QString &inSubmenu)
{
    QMenu *menu = m_window->menuBar()->actions().constFirst()->menu();
    if (!inSubmenu.isEmpty()) {
        for (QAction *action : menu->actions())
            if (action->text() == inSubmenu)
                return clickMenuItem(action->menu(), label, m_window->pos());
        return false;
    }
    return clickMenuItem(menu, label, m_window->pos());
}

// Ctrl+key in the window.
void TestEditor::command(Qt::Key key)
{
    QVERIFY(activate(m_window));
    QTest::keyClick(m_window, key, Qt::ControlModifier);
}

QString TestEditor::writeVoice(const QString &name, int type, int panValue)
{
    TParameterMemory memory;
    memory.setVoiceType(VoiceType(type));
    memory.setValue(pan, 0, panValue);
    const QString path = m_files.filePath(name);
    return VoiceFile::save(path, memory.schema(), memory.voice(), nullptr) ? path : QString();
}

// Opening a drum voice sets the panel and closes the normal voice's dialog;
// its drum key and reverb dialogs stand side by side and take edits while
// the panel moves the drum key dialog and the view to another key.
void TestEditor::drumVoiceDialogsFollowThePanel()
{
    command(Qt::Key_1);
    const QPointer<QWidget> element1 = m_window->entryDialog(1);
    QVERIFY(element1 && m_window->openVoice(writeVoice(QStringLiteral("kit.json"), 3, 0)));
    QCOMPARE(panel("voiceType")->currentText(), QStringLiteral("Drum"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("kit - kit.json[*] - Zinta Editor"));
    QTRY_VERIFY(!element1);
    m_memory->setValue(keyLevel, 1, 33);
    command(Qt::Key_1);
    QVERIFY(chooseEntry(3, QStringLiteral("Reverb")));
    QWidget *drumKey = m_window->entryDialog(28), *reverb = m_window->entryDialog(23);
    QVERIFY(drumKey && reverb && drumKey->isVisible() && reverb->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    auto *reverbReturn = reverb->findChild<CTextSlider *>(QStringLiteral("cTextSlider2693"));
    const int returnBefore = m_memory->value(reverbReturn->namedAddress());
    QTest::keyClick(reverbReturn, Qt::Key_Down);
    QCOMPARE(m_memory->value(reverbReturn->namedAddress()), returnBefore - 1);
    CTextSlider *level = field(drumKey, keyLevel);
    QTest::keyClick(panel("drumKey"), Qt::Key_Down);
    QCOMPARE(level->shownText(), m_memory->valueText(keyLevel, 1, 33));
    QTest::keyClick(level, Qt::Key_Up);
    QCOMPARE(m_memory->value(keyLevel, 1), 34);
    QTest::keyClicks(m_window->filterBox(), QStringLiteral("Key EQ"));
    QCOMPARE(m_window->view()->model()->index(0, ParameterModel::Part).data().toString(),
             QStringLiteral("C#0"));
}

// Choosing an open entry raises its dialog. A voice type's menu offers its
// entries, the others' are off; the boards go by their models.
void TestEditor::menusOpenOneDialogPerEntry()
{
    command(Qt::Key_2);
    QWidget *element2 = m_window->entryDialog(2);
    QVERIFY(element2 && chooseEntry(1, QStringLiteral("Element 3")));
    QTRY_COMPARE(QApplication::activeWindow(), m_window->entryDialog(3));
    QVERIFY(chooseEntry(1, QStringLiteral("Element 2")));
    QTRY_COMPARE(QApplication::activeWindow(), element2);
    QCOMPARE(m_window->entryDialog(2), element2);
    QCOMPARE(m_window->findChildren<QDialog *>(QStringLiteral("Element 2 detail")).size(), 1);
    element2->close();
    QTRY_VERIFY(!m_window->entryDialog(2));
    command(Qt::Key_2);
    const QPointer<QWidget> reopened = m_window->entryDialog(2);
    QVERIFY(reopened);
    QVERIFY(chooseEntry(3, QStringLiteral("Drum Key")));
    QVERIFY(!m_window->entryDialog(28));
    panel("voiceType")->setCurrentIndex(1);
    QTRY_VERIFY(!reopened);
    const QStringList boards = { "XPB900-JQ", "XPB900-JW", "XPB900-JV", "XPB900-JK",
                                 "XPB900-JZ", "XPB900-JY", "XPB900-JX" };
    for (int i = 0; i < boards.size(); ++i) {
        QVERIFY(chooseEntry(2, boards[i]));
        QWidget *dialog = m_window->entryDialog(29 + i);
        QVERIFY2(dialog && dialog->objectName().startsWith(boards[i]), qPrintable(boards[i]));
    }
}

void TestEditor::panelAndViewFollowTheVoiceType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("elementShown");
    QTest::addColumn<bool>("drumKey");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("normal") << 1 << true << false << QStringList{ "", "Element 3" };
    QTest::newRow("plug-in: one element") << 2 << false << false << QStringList{ "", "Element 1" };
    QTest::newRow("drum: keys, no elements") << 3 << false << true << QStringList{ "", "C0" };
}

// The panel's controls that nothing follows for the voice type are off, and
// the view lists the voice type's own parameters in the parts it has.
void TestEditor::panelAndViewFollowTheVoiceType()
{
    QFETCH(int, type);
    QFETCH(bool, elementShown);
    QFETCH(bool, drumKey);
    QFETCH(QStringList, parts);
    panel("element")->setCurrentIndex(2);
    panel("voiceType")->setCurrentIndex(type - 1);
    QCOMPARE(panel("element")->isEnabled(), elementShown);
    QCOMPARE(panel("drumKey")->isEnabled(), drumKey);
    const QAbstractItemModel *rows = m_window->view()->model();
    QStringList listed;
    for (int row = 0; row < rows->rowCount(); ++row)
        listed << rows->index(row, ParameterModel::Part).data().toString();
    listed.removeDuplicates();
    listed.sort();
    QCOMPARE(listed, parts);
}

void TestEditor::savingNamesTheVoice_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("replace"); // the answer when `written` is there already
    QTest::newRow("no suffix") << "pad"
                               << "pad.json" << 0;
    QTest::newRow("voice file") << "pad.json"
                                << "pad.json" << 0;
    QTest::newRow("another suffix") << "pad.v2"
                                    << "pad.v2.json" << 0;
    QTest::newRow("another suffix, replacing") << "pad.v2"
                                               << "pad.v2.json" << int(QMessageBox::Yes);
    QTest::newRow("another suffix, not replacing") << "pad.v2"
                                                   << "pad.v2.json" << int(QMessageBox::No);
}

// An edit marks the title; Save of a new voice asks for a name and clears
// the mark, asking before it replaces a file the name chosen did not name;
// a save that fails keeps the mark and says why.
void TestEditor::savingNamesTheVoice()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(int, replace);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled[*] - Zinta Editor"));
    command(Qt::Key_1);
    QTest::keyClick(field(m_window->entryDialog(1), pan), Qt::Key_Up);
    QVERIFY(m_window->isWindowModified());
    QTemporaryDir folder;
    QFile there(folder.filePath(written));
    QVariantList replies{ folder.filePath(typed) };
    if (replace) {
        QVERIFY(there.open(QIODevice::WriteOnly) && there.write("old") == 3);
        there.close();
        replies << replace;
    }
    Answers answers(replies);
    command(Qt::Key_S);
    QCOMPARE(answers.said,
             replace ? QStringList{ written + " already exists. Replace it?" } : QStringList());
    QVERIFY(there.open(QIODevice::ReadOnly));
    const bool kept = there.readAll() == "old";
    there.close();
    QCOMPARE(kept, replace == QMessageBox::No);
    QCOMPARE(m_window->isWindowModified(), kept);
    if (kept)
        return;
    QCOMPARE(m_window->windowTitle(), written + QStringLiteral("[*] - Zinta Editor"));
    QCOMPARE(QSettings().value(QStringLiteral("files/lastFolder")).toString(), folder.path());
    folder.remove();
    QTest::keyClick(field(m_window->entryDialog(1), pan), Qt::Key_Up);
    Answers failure({ QMessageBox::Ok });
    command(Qt::Key_S);
    QVERIFY(failure.said.value(0).startsWith(QLatin1String("Cannot save the voice")));
    QVERIFY(m_window->isWindowModified());
}

void TestEditor::unsavedChangesAreOfferedForSaving_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveFails");
    for (const auto &[name, key] :
         { std::pair{ "quit", Qt::Key_Q }, { "open", Qt::Key_O }, { "new", Qt::Key_N } }) {
        for (const auto &[word, answer] : { std::pair{ "save", QMessageBox::Save },
                                            { "discard", QMessageBox::Discard },
                                            { "cancel", QMessageBox::Cancel } })
            QTest::addRow("%s, %s", name, word) << int(key) << int(answer) << false;
        // The voice's folder is gone.
        QTest::addRow("%s, save that fails", name) << int(key) << int(QMessageBox::Save) << true;
    }
}

// Quit, Open and New with unsaved changes: Save writes them to the voice's
// file, Discard drops them, Cancel, or a save that fails, keeps the voice and
// the window as they were.
void TestEditor::unsavedChangesAreOfferedForSaving()
{
    QFETCH(int, key);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    const QString other = writeVoice(QStringLiteral("other.json"), 1, -5);
    QVERIFY(QDir(m_files.path()).mkpath(QStringLiteral("folder")));
    const QString mine = writeVoice(QStringLiteral("folder/mine.json"), 1, 20);
    QVERIFY(m_window->openVoice(mine));
    m_memory->setValue(pan, 0, 30);
    QVERIFY(m_window->isWindowModified());
    if (saveFails)
        QVERIFY(QDir(m_files.filePath(QStringLiteral("folder"))).removeRecursively());
    // After a save that fails, a file dialog (that should not open) would open `other`.
    QVariantList replies{ answer };
    if (saveFails)
        replies << QMessageBox::Ok;
    Answers answers(replies << other);
    command(Qt::Key(key));
    QCOMPARE(answers.said.size(), saveFails ? 2 : 1);
    const bool goesOn = answer != QMessageBox::Cancel && !saveFails;
    TParameterMemory file;
    Voice saved;
    QCOMPARE(VoiceFile::read(mine, file.schema(), &saved, nullptr), !saveFails);
    file.setVoice(saved);
    QCOMPARE(file.value(pan, 0), saveFails ? 0 : answer == QMessageBox::Save ? 30 : 20);
    QCOMPARE(m_window->isVisible(), key != Qt::Key_Q || !goesOn);
    if (key == Qt::Key_Q)
        return;
    QCOMPARE(m_memory->value(pan, 0), !goesOn ? 30 : key == Qt::Key_O ? -5 : 0);
    QCOMPARE(m_window->document()->filePath(),
             !goesOn                ? mine
                 : key == Qt::Key_O ? other
                                    : QString());
    QCOMPARE(m_window->isWindowModified(), !goesOn);
}

void TestEditor::failedOpensKeepTheVoiceAndRevertDropsIt_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("inSubmenu");
    QTest::addColumn<QVariantList>("replies"); // a file name is in the test's folder
    QTest::addColumn<bool>("dropped");
    const QString revert = QStringLiteral("Re&vert to Saved");
    QTest::newRow("revert") << revert << QString() << QVariantList{ QMessageBox::Yes } << true;
    QTest::newRow("revert, no") << revert << QString() << QVariantList{ QMessageBox::No } << false;
    QTest::newRow("open a damaged file")
        << "&Open..." << QString()
        << QVariantList{ QMessageBox::Discard, "damaged.json", QMessageBox::Ok } << false;
    QTest::newRow("open a recent file that is gone")
        << "gone.json"
        << "Open &Recent" << QVariantList{ QMessageBox::Discard, QMessageBox::Ok } << false;
}

// Revert to Saved drops the changes; a file that cannot be opened leaves the
// voice, its name and its modified mark as they were, and a recent file
// that cannot be opened leaves the list.
void TestEditor::failedOpensKeepTheVoiceAndRevertDropsIt()
{
    QFETCH(QString, item);
    QFETCH(QString, inSubmenu);
    QFETCH(QVariantList, replies);
    QFETCH(bool, dropped);
    QFile damaged(m_files.filePath(QStringLiteral("damaged.json")));
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{ \"values\": [") > 0);
    damaged.close();
    const QString mine = writeVoice(QStringLiteral("mine.json"), 1, 20);
    QVERIFY(m_window->openVoice(mine));
    const QString recentKey = QStringLiteral("files/recent");
    const QStringList recent{ m_files.filePath(QStringLiteral("gone.json")), mine };
    QSettings().setValue(recentKey, recent);
    m_memory->setValue(pan, 0, 30);
    for (QVariant &reply : replies)
        if (reply.typeId() == QMetaType::QString)
            reply = m_files.filePath(reply.toString());
    Answers answers(replies);
    QVERIFY(chooseFileCommand(item, inSubmenu));
    QTRY_COMPARE(answers.said.size(), replies.size() - (item == "&Open..." ? 1 : 0));
    QCOMPARE(m_memory->value(pan, 0), dropped ? 20 : 30);
    QCOMPARE(m_window->isWindowModified(), !dropped);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("mine - mine.json[*] - Zinta Editor"));
    QCOMPARE(QSettings().value(recentKey).toStringList(),
             item == QLatin1String("gone.json") ? QStringList{ mine } : recent);
}

void TestEditor::viewFindsAndEditsParameters_data()
{
    QTest::addColumn<ViewEdit>("edit");
    QTestEventList secondText, number;
    secondText.addKeyClick(Qt::Key_Home);
    secondText.addKeyClick(Qt::Key_Down);
    number.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    number.addKeyClicks(QStringLiteral("5"));
    QTest::newRow("list of texts") << ViewEdit{
        "Cutoff", "FEkNormalElementFilter/kNrmElmFilterCutoffFreq", 2, "Element 2", secondText, 1
    };
    QTest::newRow("number") << ViewEdit{ "legato", "00kNormalCommon/kNrmComLegatoSlope",
                                         12,       "",
                                         number,   5 };
}

// The filter finds parameters by name; an edit in place, from a list of
// value texts or a number box, reaches the open dialog.
void TestEditor::viewFindsAndEditsParameters()
{
    QFETCH(ViewEdit, edit);
    QWidget *dialog = m_window->openEntry(edit.entry);
    panel("element")->setCurrentIndex(1);
    QTest::keyClicks(m_window->filterBox(), edit.search);
    QAbstractItemModel *shown = m_window->view()->model();
    const QModelIndex names = shown->index(0, ParameterModel::Parameter);
    QCOMPARE(shown->match(names, Qt::DisplayRole, edit.search, -1, Qt::MatchContains).size(),
             shown->rowCount());
    const QModelIndexList hits =
        shown->match(names, Qt::DisplayRole, m_memory->name(edit.address, 1), -1, Qt::MatchExactly);
    QCOMPARE(hits.size(), 1);
    const QModelIndex found = hits.first().siblingAtColumn(ParameterModel::Value);
    QCOMPARE(found.siblingAtColumn(ParameterModel::Part).data().toString(), edit.part);
    m_window->view()->setCurrentIndex(found);
    QTest::keyClick(m_window->view(), Qt::Key_F2);
    QWidget *editor = m_window->view()->findChild<QComboBox *>();
    QCOMPARE(!editor, edit.part.isEmpty());
    if (!editor)
        editor = m_window->view()->findChild<QSpinBox *>();
    edit.keys.simulate(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_memory->value(edit.address, 1), edit.value);
    const QString text = m_memory->valueText(edit.address, 1, edit.value);
    QCOMPARE(found.data().toString(), text);
    QCOMPARE(field(dialog, edit.address)->shownText(), text);
}

void TestEditor::selectionsAnswerCommands_data()
{
    QTest::addColumn<Selection>("selection");
    const char *const wave = "FEkNormalElement/kNrmElmWaveNumber";
    // "user 12": User 12, 112, 120 to 129 and 212, every word anywhere.
    QTest::newRow("wave of element 3")
        << Selection{ 1, 44, "Wave of element 3", wave, 2, "user 12", 13, 8192 + 11 };
    QTest::newRow("drum voice, double click") << Selection{ 3,
                                                            17,
                                                            "Voice of drum key F0",
                                                            "FEkDrumKey/kDrmKeyVoiceNumber",
                                                            5,
                                                            "PRE2 005",
                                                            1,
                                                            (63 << 16) | (1 << 8) | 4,
                                                            true };
    QTest::newRow("drum wave") << Selection{
        3, 38, "Wave of drum key E3", "FEkDrumKey/kDrmKeyWaveNumber", 40, "user 256", 1, 8192 + 255
    };
    QTest::newRow("arpeggio type")
        << Selection{ 1,          10, "Arpeggio type", "00kNormalCommonExtra/kNrmComARPType", 0,
                      "user 200", 1,  8192 + 199 };
    QTest::newRow("plug-in SF 1") << Selection{
        2, 46,        "SF 1 arpeggio type", "00kPluginCommonExtra/kPlgComARPSF1", 0, "user 250",
        1, 8192 + 249
    };
    QTest::newRow("drum SF 3") << Selection{
        3, 48, "SF 3 arpeggio type", "00kDrumCommonExtra/kDrmComARPSF3", 0, "user 100", 1, 8192 + 99
    };
    QTest::newRow("normal SF 5") << Selection{
        1, 50,        "SF 5 arpeggio type", "00kNormalCommonExtra/kNrmComARPSF5", 0, "user 230",
        1, 8192 + 229
    };
}

// A command from a dialog is logged by name and opens its selection of the
// memory's texts at the current value, for the voice type, element and drum
// key (named by note) being edited; the search narrows it and choosing
// writes the value.
void TestEditor::selectionsAnswerCommands()
{
    QFETCH(Selection, selection);
    panel("voiceType")->setCurrentIndex(selection.voiceType - 1);
    if (selection.voiceType == 3)
        panel("drumKey")->setCurrentIndex(selection.part);
    const W_GUID group(0x12345678, 0x1234, 0x5678, 1, 2, 3, 4, 5, 6, 7, 8);
    std::uint64_t reply = 0;
    QVERIFY(!m_window->openSelection(11) && !selectionWindow());
    QCOMPARE(m_editor->addOn.executeCommand(&group, selection.command, &reply, 0, true),
             VESTRA_S_OK);
    QCOMPARE(m_window->commandLog()->count(), 1);
    const QString logged = m_window->commandLog()->item(0)->text();
    QVERIFY2(logged.endsWith(QStringLiteral(" (%1)").arg(selection.command))
                 && logged.at(0).isLetter() && !logged.startsWith(QLatin1String("Unknown")),
             qPrintable(logged));
    SelectionWindow *window = selectionWindow();
    QCOMPARE(window->windowTitle(), selection.title);
    QListWidget *list = window->list();
    if (selection.command != 17) // voices are named by the voice data
        QCOMPARE(list->item(1)->text(), m_memory->valueText(selection.address, selection.part, 1));
    QCOMPARE(list->currentItem()->data(Qt::UserRole).toInt(),
             m_memory->value(selection.address, selection.part));
    QTest::keyClicks(window->filter(), selection.search);
    QCOMPARE(window->shownCount(), selection.shown);
    if (selection.doubleClick) {
        // Its first click, then the second that makes it double.
        const QPoint centre = list->visualItemRect(list->currentItem()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    } else {
        QTest::keyClick(window->filter(), Qt::Key_Return);
    }
    QCOMPARE(m_memory->value(selection.address, selection.part), selection.value);
    QTRY_VERIFY(!selectionWindow());
}

void TestEditor::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    const QString drum = writeVoice(QStringLiteral("drum.json"), 3, 0);
    QTest::newRow("entries") << QStringList{ "--list-entries" } << 0
                             << "35\tPlugin Native Parameter\n";
    QTest::newRow("schema") << QStringList{ "--list-parameters" } << 0
                            << "kNormalElement/kNrmElmPan\tPan\t-63\t63\tL63\tR63\tC\n";
    QTest::newRow("render") << QStringList{ "--render", "12", "--output",
                                            m_files.filePath("p.png") }
                            << 0 << "rendered entry 12 (327x244)";
    // Without a display the editor says so once the dialogs are open.
    const QString running = QStringLiteral("no display: running offscreen with 35 menu entries");
    QTest::newRow("two dialogs") << QStringList{
        "--open", "1", "--open", "7", "--quit-after", "100"
    } << 0 << running;
    QTest::newRow("drum key of a drum voice")
        << QStringList{ "--voice", drum, "--open", "28", "--quit-after", "100" } << 0 << running;
    QTest::newRow("drum key of a normal voice")
        << QStringList{ "--open", "28" } << 1 << "voice type to Drum";
    QTest::newRow("open what") << QStringList{ "--open", "reverb" } << 1
                               << "--open needs an entry number";
    QTest::newRow("unknown option") << QStringList{ "--bogus" } << 1 << "Unknown option 'bogus'";
    QTest::newRow("missing add-on")
        << QStringList{ "--addon", "/nonexistent/addon.so" } << 1 << "Cannot load";
    QTest::newRow("entry outside the menu")
        << QStringList{ "--render", "36", "--output", "/tmp/x.png" } << 1
        << "entry 36 has no dialog";
    QTest::newRow("render without output") << QStringList{ "--render", "12" } << 1 << "--output";
    QTest::newRow("unwritable output")
        << QStringList{ "--render", "12", "--output", "/nonexistent/x.png" } << 1 << "cannot write";
    QTest::newRow("bad quit-after") << QStringList{ "--quit-after", "soon" } << 1 << "milliseconds";
    QTest::newRow("unreadable voice")
        << QStringList{ "--voice", "/nonexistent/v.json" } << 1 << "v.json";
}

void TestEditor::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *display : { "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY" })
        headless.remove(QLatin1String(display));
    process.setProcessEnvironment(headless);
    process.start(QStringLiteral(ZINTA_EDITOR_PATH),
                  QStringList{ "--addon", VESTRA_ADDON_PATH } + arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, exitCode);
    const QString said = QString::fromUtf8(process.readAll());
    QVERIFY2(said.contains(output), qPrintable(said.left(300)));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
