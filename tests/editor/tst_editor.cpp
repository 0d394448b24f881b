#include <addonhost.h>
#include <editorvoicedata.h>
#include <mainwindow.h>
#include <parametermodel.h>
#include <selectionwindow.h>
#include <voicedocument.h>

#include <chotspotlabel.h>
#include <ctextslider.h>

#include <wguid.h>
#include <tparametermemory.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
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
#include <QTest>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString keyLevel = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
const W_GUID group(0x12345678, 0x1234, 0x5678, 1, 2, 3, 4, 5, 6, 7, 8);

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run runEditor(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZINTA_EDITOR_PATH), QStringList{ "--addon", VESTRA_ADDON_PATH } + arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromUtf8(process.readAllStandardOutput()),
             QString::fromUtf8(process.readAllStandardError()) };
}

// The value field of a dialog bound to `address`.
CTextSlider *field(QWidget *dialog, const QString &address)
{
    for (CTextSlider *slider : dialog->findChildren<CTextSlider *>()) {
        if (slider->namedAddress() == address)
            return slider;
    }
    return nullptr;
}

// Answers the modal windows that show next, one reply each in order: a
// message box by clicking the button given, a file dialog by choosing the
// file name given. Keeps what the message boxes said.
class Answers : public QObject
{
public:
    explicit Answers(const QVariantList &replies) : m_replies(replies) { startTimer(5); }
    bool allGiven() const { return m_replies.isEmpty(); }
    QStringList said;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_answered || m_replies.isEmpty())
            return;
        m_answered = modal;
        const QVariant reply = m_replies.takeFirst();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            said.append(box->text());
            QTest::mouseClick(box->button(QMessageBox::StandardButton(reply.toInt())), Qt::LeftButton);
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            files->selectFile(reply.toString());
            QMetaObject::invokeMethod(files, "accept");
        }
    }

private:
    QVariantList m_replies;
    QPointer<QWidget> m_answered;
};

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogsStayOpenWhileThePanelChangesTheDrumKey();
    void choosingAnOpenEntryRaisesIt();
    void menusOfferTheVoiceTypesEntries();
    void openingADrumVoiceSetsThePanel();
    void savingNamesTheVoice_data();
    void savingNamesTheVoice();
    void unsavedChangesAreOfferedForSaving_data();
    void unsavedChangesAreOfferedForSaving();
    void viewFindsAndEditsParameters_data();
    void viewFindsAndEditsParameters();

    void waveSelectionSetsTheElementsWave();
    void drumVoiceSelectionSetsTheKeysVoice();
    void arpeggioSelectionsFollowTheVoiceType_data();
    void arpeggioSelectionsFollowTheVoiceType();
    void selectionsRefuseCompareModeAndOtherCommands();

    void listings_data();
    void listings();
    void rendersADialog();
    void commandLine_data();
    void commandLine();

private:
    bool chooseEntry(int voiceType, const QString &label);
    void command(Qt::Key key);
    void setVoiceType(int type);
    QString writeVoice(const QString &name, int type, int panValue);
    SelectionWindow *selectionWindow() const { return m_window->findChild<SelectionWindow *>(); }

    QTemporaryDir m_settings;
    QTemporaryDir m_files;
    TParameterMemory *m_memory = nullptr;
    EditorVoiceData *m_voiceData = nullptr;
    AddOnHost *m_addOn = nullptr;
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
    m_memory = new TParameterMemory;
    m_voiceData = new EditorVoiceData;
    m_memory->setVoiceData(m_voiceData);
    m_addOn = new AddOnHost;
    QString error;
    QVERIFY2(m_addOn->load(QStringLiteral(VESTRA_ADDON_PATH), &error), qPrintable(error));
    m_window = new MainWindow(m_memory, m_voiceData, m_addOn);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestEditor::cleanup()
{
    delete m_window; // with the dialogs open beside it
    delete m_addOn;
    delete m_memory;
    delete m_voiceData;
}

// Clicks the entry `label` in the Detail menu of `voiceType`.
bool TestEditor::chooseEntry(int voiceType, const QString &label)
{
    auto *menu = m_window->menuBar()->findChild<QMenu *>(QStringLiteral("voiceType%1").arg(voiceType));
    const QList<QAction *> actions = menu ? menu->actions() : QList<QAction *>();
    auto action = std::find_if(actions.begin(), actions.end(), [&](QAction *a) { return a->text() == label; });
    if (action == actions.end())
        return false;
    menu->popup(m_window->pos());
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(*action).center());
    return true;
}

// Ctrl+key in the window.
void TestEditor::command(Qt::Key key)
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, key, Qt::ControlModifier);
}

// The voice type panel, as a user sets it with the keyboard.
void TestEditor::setVoiceType(int type)
{
    auto *box = m_window->findChild<QComboBox *>(QStringLiteral("voiceType"));
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 1; i < type; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

QString TestEditor::writeVoice(const QString &name, int type, int panValue)
{
    TParameterMemory memory;
    memory.setVoiceType(type);
    memory.setValue(pan, 0, panValue);
    const QString path = m_files.filePath(name);
    return memory.saveVoice(path, nullptr) ? path : QString();
}

// The drum key and reverb dialogs of a drum voice stand side by side and take
// edits; the panel moves the drum key dialog to another key.
void TestEditor::dialogsStayOpenWhileThePanelChangesTheDrumKey()
{
    setVoiceType(3);
    m_memory->setValue(keyLevel, 1, 33);
    command(Qt::Key_1);
    QVERIFY(chooseEntry(3, QStringLiteral("Reverb")));
    QWidget *drumKey = m_window->entryDialog(28);
    QWidget *reverb = m_window->entryDialog(23);
    QVERIFY(drumKey && reverb && drumKey->isVisible() && reverb->isVisible());
    QVERIFY(!QApplication::activeModalWidget());

    CTextSlider *level = field(drumKey, keyLevel);
    auto *reverbReturn = reverb->findChild<CTextSlider *>(QStringLiteral("cTextSlider2693"));
    const int levelBefore = m_memory->value(keyLevel, 0);
    const int returnBefore = m_memory->value(reverbReturn->namedAddress());
    QTest::keyClick(level, Qt::Key_Up);
    QTest::keyClick(reverbReturn, Qt::Key_Down);
    QCOMPARE(m_memory->value(keyLevel, 0), levelBefore + 1);
    QCOMPARE(m_memory->value(reverbReturn->namedAddress()), returnBefore - 1);

    auto *key = m_window->findChild<QComboBox *>(QStringLiteral("drumKey"));
    QTest::keyClick(key, Qt::Key_Down);
    QCOMPARE(key->currentText(), QStringLiteral("C#1"));
    QCOMPARE(level->shownText(), m_memory->valueText(keyLevel, 1, 33));
    QTest::keyClick(level, Qt::Key_Up);
    QCOMPARE(m_memory->value(keyLevel, 1), 34);
    // The drum wave selection sets the panel's key too.
    QVERIFY(m_window->openSelection(38));
    QTest::keyClick(selectionWindow()->list(), Qt::Key_End);
    QTest::keyClick(selectionWindow()->list(), Qt::Key_Return);
    QCOMPARE(m_memory->value(QStringLiteral("FEkDrumKey/kDrmKeyWaveNumber"), 1), 8192 + 255);
}

void TestEditor::choosingAnOpenEntryRaisesIt()
{
    command(Qt::Key_2);
    QWidget *element2 = m_window->entryDialog(2);
    QVERIFY(element2);
    QVERIFY(chooseEntry(1, QStringLiteral("Element 3")));
    QTRY_COMPARE(QApplication::activeWindow(), m_window->entryDialog(3));
    QVERIFY(chooseEntry(1, QStringLiteral("Element 2")));
    QTRY_COMPARE(QApplication::activeWindow(), element2);
    QCOMPARE(m_window->entryDialog(2), element2);
    QCOMPARE(m_window->findChildren<QDialog *>(QStringLiteral("Element 2 detail")).size(), 1);
    // Closed, it opens anew.
    element2->close();
    QTRY_VERIFY(!m_window->entryDialog(2));
    command(Qt::Key_2);
    QVERIFY(m_window->entryDialog(2));
}

// A voice type's menu offers its entries; the others' are off, and their
// dialogs close when the voice type changes. The boards go by their models.
void TestEditor::menusOfferTheVoiceTypesEntries()
{
    QVERIFY(chooseEntry(1, QStringLiteral("Portamento")));
    QVERIFY(chooseEntry(3, QStringLiteral("Drum Key")));
    QVERIFY(m_window->entryDialog(12));
    QVERIFY(!m_window->entryDialog(28));
    QString error;
    QVERIFY(!m_window->openEntry(28, &error));
    QVERIFY2(error.contains(QLatin1String("Drum")), qPrintable(error));

    setVoiceType(2);
    QTRY_VERIFY(!m_window->entryDialog(12));
    const QStringList boards = { "XPB900-JQ", "XPB900-JW", "XPB900-JV", "XPB900-JK",
                                 "XPB900-JZ", "XPB900-JY", "XPB900-JX" };
    for (int i = 0; i < boards.size(); ++i) {
        QVERIFY(chooseEntry(2, boards[i]));
        QWidget *dialog = m_window->entryDialog(29 + i);
        QVERIFY2(dialog && dialog->objectName().startsWith(boards[i]), qPrintable(boards[i]));
    }
}

// Open (and --voice) of a drum voice: the panel, the entries, the title and
// the view follow, and a normal voice's dialog closes.
void TestEditor::openingADrumVoiceSetsThePanel()
{
    command(Qt::Key_1);
    QVERIFY(m_window->entryDialog(1));
    const QString path = writeVoice(QStringLiteral("kit.json"), 3, 0);
    QString error;
    QVERIFY(!m_window->openVoice(m_files.filePath(QStringLiteral("missing.json")), &error));
    QVERIFY(error.contains(QLatin1String("missing.json")));
    QVERIFY(m_window->openVoice(path, &error));
    QCOMPARE(m_window->findChild<QComboBox *>(QStringLiteral("voiceType"))->currentText(),
             QStringLiteral("Drum"));
    QVERIFY(m_window->findChild<QComboBox *>(QStringLiteral("drumKey"))->isEnabled());
    QTRY_VERIFY(!m_window->entryDialog(1));
    command(Qt::Key_1);
    QVERIFY(m_window->entryDialog(28));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("kit.json[*] - Zinta Editor"));
    QVERIFY(!m_window->isWindowModified());
    QTest::keyClicks(m_window->filterBox(), QStringLiteral("Key EQ"));
    QCOMPARE(m_window->view()->model()->index(0, ParameterModel::Part).data().toString(), QStringLiteral("C1"));
}

void TestEditor::savingNamesTheVoice_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "pad" << "pad.json";
    QTest::newRow("voice file") << "pad.json" << "pad.json";
    QTest::newRow("another suffix") << "pad.v2" << "pad.v2.json";
}

// An edit marks the title; Save of a new voice asks for a name and clears
// the mark; a save that fails keeps it and says why.
void TestEditor::savingNamesTheVoice()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled[*] - Zinta Editor"));
    command(Qt::Key_1);
    QTest::keyClick(field(m_window->entryDialog(1), pan), Qt::Key_Up);
    QVERIFY(m_window->isWindowModified());

    QTemporaryDir folder;
    Answers answers({ folder.filePath(typed) });
    command(Qt::Key_S);
    QVERIFY(answers.allGiven());
    QVERIFY(QFile::exists(folder.filePath(written)));
    QCOMPARE(m_window->windowTitle(), written + QStringLiteral("[*] - Zinta Editor"));
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(QSettings().value(QStringLiteral("files/lastFolder")).toString(), folder.path());

    folder.remove();
    QTest::keyClick(field(m_window->entryDialog(1), pan), Qt::Key_Up);
    Answers failure({ QMessageBox::Ok });
    command(Qt::Key_S);
    QCOMPARE(failure.said.value(0).left(21), QStringLiteral("Cannot save the voice"));
    QVERIFY(m_window->isWindowModified());
}

void TestEditor::unsavedChangesAreOfferedForSaving_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    for (const auto &[name, key] : { std::pair{ "quit", Qt::Key_Q }, { "open", Qt::Key_O }, { "new", Qt::Key_N } }) {
        QTest::addRow("%s, save", name) << int(key) << int(QMessageBox::Save);
        QTest::addRow("%s, discard", name) << int(key) << int(QMessageBox::Discard);
        QTest::addRow("%s, cancel", name) << int(key) << int(QMessageBox::Cancel);
    }
}

// Quit, Open and New with unsaved changes: Save writes them to the voice's
// file, Discard drops them, Cancel keeps the voice and the window as they were.
void TestEditor::unsavedChangesAreOfferedForSaving()
{
    QFETCH(int, key);
    QFETCH(int, answer);
    const QString other = writeVoice(QStringLiteral("other.json"), 1, -5);
    const QString mine = writeVoice(QStringLiteral("mine.json"), 1, 20);
    QVERIFY(m_window->openVoice(mine));
    m_memory->setValue(pan, 0, 30);
    QVERIFY(m_window->isWindowModified());

    Answers answers({ answer, other });
    command(Qt::Key(key));
    QCOMPARE(answers.said.size(), 1);
    const bool goesOn = answer != QMessageBox::Cancel;
    TParameterMemory file;
    QVERIFY(file.loadVoice(mine, nullptr));
    QCOMPARE(file.value(pan, 0), answer == QMessageBox::Save ? 30 : 20);
    QCOMPARE(m_window->isVisible(), key != Qt::Key_Q || !goesOn);
    if (key == Qt::Key_Q)
        return;
    const int shown = !goesOn ? 30 : key == Qt::Key_O ? -5 : 0;
    QCOMPARE(m_memory->value(pan, 0), shown);
    QCOMPARE(m_window->document()->filePath(), !goesOn ? mine : key == Qt::Key_O ? other : QString());
    QCOMPARE(m_window->isWindowModified(), !goesOn);
}

void TestEditor::viewFindsAndEditsParameters_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("value");
    QTest::newRow("list of texts") << "cutoff" << "Filter Cutoff Freq"
                                   << "FEkNormalElementFilter/kNrmElmFilterCutoffFreq" << "" << 1;
    QTest::newRow("number") << "legato" << "Legato Slope" << "00kNormalCommon/kNrmComLegatoSlope"
                            << "17" << 17;
}

// The filter finds parameters by name; an edit in place, from a list of
// value texts or a number box, reaches the open dialog.
void TestEditor::viewFindsAndEditsParameters()
{
    QFETCH(QString, search);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QString, keys);
    QFETCH(int, value);
    QVERIFY(chooseEntry(1, QStringLiteral("Element 2")));
    QVERIFY(chooseEntry(1, QStringLiteral("Portamento")));
    m_window->findChild<QComboBox *>(QStringLiteral("element"))->setCurrentIndex(1);
    QTest::keyClicks(m_window->filterBox(), search);
    QAbstractItemModel *shown = m_window->view()->model();
    QModelIndex found;
    for (int row = 0; row < shown->rowCount(); ++row) {
        const QString rowName = shown->index(row, ParameterModel::Parameter).data().toString();
        QVERIFY2(rowName.contains(search, Qt::CaseInsensitive), qPrintable(rowName));
        if (rowName == name)
            found = shown->index(row, ParameterModel::Value);
    }
    QVERIFY(found.isValid());
    QCOMPARE(shown->index(found.row(), ParameterModel::Part).data().toString(),
             address.startsWith(QLatin1String("FE")) ? QStringLiteral("Element 2") : QString());

    m_window->view()->setCurrentIndex(found);
    QTest::keyClick(m_window->view(), Qt::Key_F2);
    QWidget *editor = keys.isEmpty() ? static_cast<QWidget *>(m_window->view()->findChild<QComboBox *>())
                                     : m_window->view()->findChild<QSpinBox *>();
    QVERIFY(editor);
    QTest::keyClick(editor, keys.isEmpty() ? Qt::Key_Home : Qt::Key_A, keys.isEmpty() ? Qt::NoModifier : Qt::ControlModifier);
    QTest::keyClicks(editor, keys);
    if (keys.isEmpty())
        QTest::keyClick(editor, Qt::Key_Down);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(m_memory->value(address, 1), value);
    QCOMPARE(found.data().toString(), m_memory->valueText(address, 1, value));
    QWidget *dialog = m_window->entryDialog(address.startsWith(QLatin1String("FE")) ? 2 : 12);
    QVERIFY(field(dialog, address));
    QCOMPARE(field(dialog, address)->shownText(), m_memory->valueText(address, 1, value));
}

// Clicking element 3's wave display opens the editor's wave selection; the
// search narrows it, Return chooses, and the dialog shows the new wave.
void TestEditor::waveSelectionSetsTheElementsWave()
{
    const QString wave = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
    QWidget *dialog = m_window->openEntry(3);
    auto *display = dialog->findChild<CHotspotLabel *>(QStringLiteral("cWaveLabel453"));
    QTest::mouseClick(display, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    SelectionWindow *window = selectionWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->list()->count(), 1860 + 256);
    QCOMPARE(window->list()->currentItem()->data(Qt::UserRole).toInt(), m_memory->value(wave, 2));
    QCOMPARE(m_window->commandLog()->item(0)->text(), QStringLiteral("Host command 44"));

    QTest::keyClicks(window->filter(), QStringLiteral("user 12"));
    // User 12, 112, 120 to 129 and 212: every word of the search, anywhere.
    QCOMPARE(window->shownCount(), 13);
    QTest::keyClick(window->filter(), Qt::Key_Return);
    QCOMPARE(m_memory->value(wave, 2), 8192 + 11);
    QCOMPARE(m_memory->value(wave, 1), m_memory->value(wave, 0));
    QCOMPARE(display->text(), QStringLiteral("User 12"));
    QTRY_VERIFY(!selectionWindow());
}

void TestEditor::drumVoiceSelectionSetsTheKeysVoice()
{
    setVoiceType(3);
    m_window->findChild<QComboBox *>(QStringLiteral("drumKey"))->setCurrentIndex(5);
    m_memory->setValue(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), 5, 1);
    QWidget *dialog = m_window->openEntry(28);
    auto *display = dialog->findChild<CHotspotLabel *>(QStringLiteral("cDrumVoiceSelect2253"));
    QVERIFY(display->isVisible());
    QTest::mouseClick(display, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    SelectionWindow *window = selectionWindow();
    QVERIFY(window);
    QTest::keyClicks(window->filter(), QStringLiteral("PRE2 005"));
    QCOMPARE(window->shownCount(), 1);
    // A double click: its first click, then the second that makes it double.
    const QPoint centre = window->list()->visualItemRect(window->list()->currentItem()).center();
    QTest::mouseClick(window->list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(window->list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(m_memory->value(QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber"), 5), (63 << 16) | (1 << 8) | 4);
    QCOMPARE(display->text(), QStringLiteral("PRE2 005 Pf\nPiano 5"));
}

void TestEditor::arpeggioSelectionsFollowTheVoiceType_data()
{
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("address");
    QTest::newRow("normal type") << 1 << 10 << "00kNormalCommonExtra/kNrmComARPType";
    QTest::newRow("plug-in SF 1") << 2 << 46 << "00kPluginCommonExtra/kPlgComARPSF1";
    QTest::newRow("drum SF 3") << 3 << 48 << "00kDrumCommonExtra/kDrmComARPSF3";
    QTest::newRow("normal SF 5") << 1 << 50 << "00kNormalCommonExtra/kNrmComARPSF5";
}

void TestEditor::arpeggioSelectionsFollowTheVoiceType()
{
    QFETCH(int, voiceType);
    QFETCH(int, command);
    QFETCH(QString, address);
    setVoiceType(voiceType);
    std::uint64_t reply = 0;
    QCOMPARE(m_addOn->executeCommand(nullptr, command, &reply, 0, true), VESTRA_E_INVALIDARG);
    QCOMPARE(m_addOn->executeCommand(&group, command, &reply, 0, true), VESTRA_S_OK);
    QCOMPARE(m_window->commandLog()->count(), 1);
    SelectionWindow *window = selectionWindow();
    QVERIFY(window);
    QCOMPARE(window->list()->count(), 1787 + 256);
    QCOMPARE(window->list()->item(1786)->text(), m_memory->valueText(address, 0, 1786));
    window->list()->setCurrentRow(1786);
    QTest::keyClick(window->list(), Qt::Key_Return);
    QCOMPARE(m_memory->value(address, 0), 1786);
}

void TestEditor::selectionsRefuseCompareModeAndOtherCommands()
{
    QVERIFY(!m_window->openSelection(11));
    QVERIFY(!m_window->openSelection(0));
    QVERIFY(!selectionWindow());
    const QString wave = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
    const int before = m_memory->value(wave, 0);
    SelectionWindow *window = m_window->openSelection(42);
    QVERIFY(window);
    m_memory->storeVoice();
    m_memory->setCompareMode(true);
    window->list()->setCurrentRow(before + 1);
    QTest::keyClick(window->list(), Qt::Key_Return);
    m_memory->setCompareMode(false);
    QCOMPARE(m_memory->value(wave, 0), before);
    QVERIFY(!m_window->isWindowModified());
}

void TestEditor::listings_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("line");
    QTest::newRow("entries") << "--list-entries" << 35 << "28\tDrum Drum Key";
    QTest::newRow("parameters") << "--list-parameters" << int(TParameterMemory().schemaListing().size())
                                << "kNormalElement/kNrmElmPan\tPan\t-63\t63\tL63\tR63";
}

void TestEditor::listings()
{
    QFETCH(QString, option);
    QFETCH(int, count);
    QFETCH(QString, line);
    const Run run = runEditor({ option });
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), count);
    QVERIFY(lines.contains(line));
}

void TestEditor::rendersADialog()
{
    const QString png = m_files.filePath(QStringLiteral("portamento.png"));
    const Run run = runEditor({ QStringLiteral("--render"), QStringLiteral("12"), QStringLiteral("--output"), png });
    QCOMPARE(run.exitCode, 0);
    const QImage image(png);
    QVERIFY(image.width() > 200 && image.height() > 150);
    // The dialog's grey background.
    QCOMPARE(QColor(image.pixel(image.width() - 3, image.height() - 3)), QColor(192, 192, 192));
}

void TestEditor::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString drum = writeVoice(QStringLiteral("drum.json"), 3, 0);
    QTest::newRow("two dialogs") << QStringList{ "--open", "1", "--open", "7", "--quit-after", "100" } << 0 << "";
    QTest::newRow("drum key of a drum voice")
        << QStringList{ "--voice", drum, "--open", "28", "--quit-after", "100" } << 0 << "";
    QTest::newRow("drum key of a normal voice") << QStringList{ "--open", "28" } << 1 << "voice type to Drum";
    QTest::newRow("open what") << QStringList{ "--open", "reverb" } << 1 << "--open needs an entry number";
    QTest::newRow("unknown option") << QStringList{ "--bogus" } << 1 << "Unknown option 'bogus'";
    QTest::newRow("missing add-on") << QStringList{ "--addon", "/nonexistent/addon.so" } << 1 << "Cannot load";
    QTest::newRow("entry outside the menu")
        << QStringList{ "--render", "36", "--output", "/tmp/x.png" } << 1 << "entry 36 has no dialog";
    QTest::newRow("render without output") << QStringList{ "--render", "12" } << 1 << "--output";
    QTest::newRow("unwritable output")
        << QStringList{ "--render", "12", "--output", "/nonexistent/x.png" } << 1 << "cannot write";
    QTest::newRow("bad quit-after") << QStringList{ "--quit-after", "soon" } << 1 << "milliseconds";
    QTest::newRow("unreadable voice") << QStringList{ "--voice", "/nonexistent/v.json" } << 1 << "v.json";
}

void TestEditor::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run run = runEditor(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
