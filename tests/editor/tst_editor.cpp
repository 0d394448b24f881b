#include <addonhost.h>
#include <editorvoicedata.h>
#include <mainwindow.h>
#include <parametermodel.h>
#include <selectionwindow.h>

#include <chotspotlabel.h>
#include <ctextslider.h>

#include <wguid.h>
#include <tparametermemory.h>

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSpinBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");

struct Run
{
    int exitCode;
    QString out;
    QString err;
};

Run runEditor(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(ZINTA_EDITOR_PATH), arguments);
    process.waitForFinished(60000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromUtf8(process.readAllStandardOutput()),
             QString::fromUtf8(process.readAllStandardError()) };
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void viewListsEveryParameterAndFollowsChanges();
    void loadedVoiceShowsInTheView();
    void damagedVoiceFileChangesNothing();
    void hostCommandsAreShown();
    void waveSelectionSetsTheElementsWave();
    void drumVoiceSelectionSetsTheKeysVoice();
    void drumKeyChangesReachAnOpenDialog();
    void arpeggioSelectionsFollowTheVoiceType_data();
    void arpeggioSelectionsFollowTheVoiceType();
    void selectionsRefuseCompareModeAndOtherCommands();

    void listsItsEntries();
    void listsTheSchema();
    void rendersADialog();
    void startsHeadlessAndQuitsWhenAsked();
    void commandLineErrors_data();
    void commandLineErrors();

private:
    QWidget *openDialog(int entry);
    SelectionWindow *selectionWindow() const;
    QString valueShown(const QString &block, const QString &parameter) const;

    TParameterMemory *m_memory = nullptr;
    EditorVoiceData *m_voiceData = nullptr;
    AddOnHost *m_addOn = nullptr;
    MainWindow *m_window = nullptr;
    QList<QPointer<QWidget>> m_dialogs;
};

void TestEditor::init()
{
    m_memory = new TParameterMemory;
    m_voiceData = new EditorVoiceData;
    m_memory->setVoiceData(m_voiceData);
    m_addOn = new AddOnHost;
    QString error;
    QVERIFY2(m_addOn->load(QStringLiteral(VESTRA_ADDON_PATH), &error), qPrintable(error));
    m_window = new MainWindow(m_memory, m_voiceData, m_addOn);
}

void TestEditor::cleanup()
{
    for (const QPointer<QWidget> &dialog : m_dialogs)
        delete dialog.data();
    m_dialogs.clear();
    delete m_window;
    delete m_addOn;
    delete m_memory;
    delete m_voiceData;
}

QWidget *TestEditor::openDialog(int entry)
{
    QWidget *dialog = m_addOn->open(entry, m_memory);
    m_dialogs.append(dialog);
    if (dialog) {
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            qWarning("dialog %d not exposed", entry);
    }
    return dialog;
}

SelectionWindow *TestEditor::selectionWindow() const
{
    return m_window->findChild<SelectionWindow *>();
}

QString TestEditor::valueShown(const QString &block, const QString &parameter) const
{
    ParameterModel *model = m_window->model();
    const int row = model->rowOf(block, parameter);
    return model->index(row, ParameterModel::Value).data().toString();
}

void TestEditor::viewListsEveryParameterAndFollowsChanges()
{
    ParameterModel *model = m_window->model();
    QCOMPARE(model->rowCount(), int(m_memory->schemaListing().size()));
    const int row = model->rowOf(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan"));
    QVERIFY(row >= 0);
    QCOMPARE(valueShown(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan")),
             QStringLiteral("C"));

    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    m_memory->setValue(pan, 0, -63);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), row);
    QCOMPARE(valueShown(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan")),
             QStringLiteral("L63"));

    // Another part does not show in the view while it shows part 0.
    changed.clear();
    m_memory->setValue(pan, 2, 63);
    QCOMPARE(changed.count(), 0);
    model->setPart(2);
    QCOMPARE(valueShown(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan")),
             QStringLiteral("R63"));
}

void TestEditor::loadedVoiceShowsInTheView()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("voice.json"));
    m_memory->setValue(pan, 0, 20);
    QVERIFY(m_window->saveVoice(path, true));
    m_memory->setValue(pan, 0, -5);
    QVERIFY(m_window->openVoice(path, true));
    QCOMPARE(m_memory->value(pan, 0), 20);
    QCOMPARE(valueShown(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan")),
             m_memory->valueText(pan, 0, 20));
}

void TestEditor::damagedVoiceFileChangesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{ \"values\": [ 1, 2");
    file.close();
    m_memory->setValue(pan, 0, 7);
    const QString before = valueShown(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan"));
    QVERIFY(!m_window->openVoice(path, true));
    QVERIFY(!m_window->openVoice(dir.filePath(QStringLiteral("missing.json")), true));
    QCOMPARE(m_memory->value(pan, 0), 7);
    QCOMPARE(valueShown(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan")), before);
}

void TestEditor::hostCommandsAreShown()
{
    std::uint64_t reply = 0;
    const W_GUID group(0x12345678, 0x1234, 0x5678, 1, 2, 3, 4, 5, 6, 7, 8);
    QCOMPARE(m_addOn->executeCommand(&group, 45, &reply, 0, true),
             VESTRA_S_OK);
    QCOMPARE(m_window->commandLog()->count(), 1);
    QVERIFY(m_window->commandLog()->item(0)->text().contains(QLatin1String("45")));
    QCOMPARE(m_addOn->executeCommand(nullptr, 46, &reply, 0, true), VESTRA_E_INVALIDARG);
    QCOMPARE(m_window->commandLog()->count(), 1);
}

// Clicking element 3's wave display opens the editor's wave selection; the
// search narrows it, Return chooses, and the dialog shows the new wave.
void TestEditor::waveSelectionSetsTheElementsWave()
{
    const QString wave = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
    QWidget *dialog = openDialog(3);
    QVERIFY(dialog);
    auto *display = dialog->findChild<CHotspotLabel *>(QStringLiteral("cWaveLabel453"));
    QTest::mouseClick(display, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    SelectionWindow *window = selectionWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->list()->count(), 1860 + 256);
    QCOMPARE(window->list()->currentItem()->data(Qt::UserRole).toInt(), m_memory->value(wave, 2));

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
    const QString voice = QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber");
    m_memory->setVoiceType(3);
    m_voiceData->setVoiceType(3);
    m_voiceData->setCurrentDrumKey(5);
    m_memory->setCurrentDrumKey(5);
    m_memory->setValue(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), 5, 1);
    QWidget *dialog = openDialog(28);
    QVERIFY(dialog);
    auto *display = dialog->findChild<CHotspotLabel *>(QStringLiteral("cDrumVoiceSelect2253"));
    QVERIFY(display->isVisible());
    QTest::mouseClick(display, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    SelectionWindow *window = selectionWindow();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::keyClicks(window->filter(), QStringLiteral("PRE2 005"));
    QCOMPARE(window->shownCount(), 1);
    QListWidgetItem *item = window->list()->currentItem();
    // A double click: its first click, then the second that makes it double.
    const QPoint centre = window->list()->visualItemRect(item).center();
    QTest::mouseClick(window->list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(window->list()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(m_memory->value(voice, 5), (63 << 16) | (1 << 8) | 4);
    QCOMPARE(display->text(), QStringLiteral("PRE2 005 Pf\nPiano 5"));
}

void TestEditor::drumKeyChangesReachAnOpenDialog()
{
    const QString level = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
    m_memory->setVoiceType(3);
    m_voiceData->setVoiceType(3);
    m_memory->setValue(level, 40, 33);
    QWidget *dialog = openDialog(28);
    auto *field = dialog->findChild<CTextSlider *>(QStringLiteral("cTextSlider2266"));
    auto *key = m_window->findChild<QSpinBox *>(QStringLiteral("drumKey"));
    QVERIFY(key);
    key->setValue(40);
    QCOMPARE(field->value(), 33);
    // The drum wave selection now sets key 40's wave.
    QVERIFY(m_window->openSelection(38));
    SelectionWindow *window = selectionWindow();
    window->list()->setFocus();
    QTest::keyClick(window->list(), Qt::Key_End);
    QTest::keyClick(window->list(), Qt::Key_Return);
    QCOMPARE(m_memory->value(QStringLiteral("FEkDrumKey/kDrmKeyWaveNumber"), 40), 8192 + 255);
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
    m_memory->setVoiceType(voiceType);
    m_voiceData->setVoiceType(voiceType);
    const W_GUID group(0x12345678, 0x1234, 0x5678, 1, 2, 3, 4, 5, 6, 7, 8);
    std::uint64_t reply = 0;
    m_addOn->executeCommand(&group, command, &reply, 0, true);
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
    QCOMPARE(m_memory->value(wave, 0), before);
    m_memory->setCompareMode(false);
    QCOMPARE(m_memory->value(wave, 0), before);
}

void TestEditor::listsItsEntries()
{
    const Run run = runEditor({ QStringLiteral("--addon"), QStringLiteral(VESTRA_ADDON_PATH),
                                QStringLiteral("--list-entries") });
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 35);
    QCOMPARE(lines.at(3), QStringLiteral("4\tElement 4 detail"));
    QVERIFY(lines.contains(QStringLiteral("28\tDrum Drum Key")));
}

void TestEditor::listsTheSchema()
{
    const Run run = runEditor({ QStringLiteral("--list-parameters") });
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), int(TParameterMemory().schemaListing().size()));
    QVERIFY(lines.contains(QStringLiteral("kNormalElement/kNrmElmPan\tPan\t-63\t63\tL63\tR63\tC")));
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 7);
        QVERIFY2(fields.at(0).startsWith(QLatin1Char('k')) && fields.at(0).contains(QLatin1String("/k")),
                 qPrintable(line));
        QVERIFY2(!fields.at(1).isEmpty(), qPrintable(line));
    }
}

void TestEditor::rendersADialog()
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("portamento.png"));
    const Run run = runEditor({ QStringLiteral("--addon"), QStringLiteral(VESTRA_ADDON_PATH),
                                QStringLiteral("--render"), QStringLiteral("12"),
                                QStringLiteral("--output"), png });
    QCOMPARE(run.exitCode, 0);
    const QImage image(png);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() > 200 && image.height() > 150);
    // The dialog's grey background.
    QCOMPARE(QColor(image.pixel(image.width() - 3, image.height() - 3)), QColor(192, 192, 192));
}

void TestEditor::startsHeadlessAndQuitsWhenAsked()
{
    const Run run = runEditor({ QStringLiteral("--addon"), QStringLiteral(VESTRA_ADDON_PATH),
                                QStringLiteral("--quit-after"), QStringLiteral("200") });
    QCOMPARE(run.exitCode, 0);
}

void TestEditor::commandLineErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString addOn = QStringLiteral(VESTRA_ADDON_PATH);
    QTest::newRow("unknown option") << QStringList{ "--bogus" } << "Unknown option 'bogus'";
    QTest::newRow("missing add-on")
        << QStringList{ "--addon", "/nonexistent/addon.so", "--list-entries" } << "Cannot load";
    QTest::newRow("entry outside the menu")
        << QStringList{ "--addon", addOn, "--render", "36", "--output", "/tmp/x.png" }
        << "entry 36 has no dialog";
    QTest::newRow("render without output")
        << QStringList{ "--addon", addOn, "--render", "12" } << "--output";
    QTest::newRow("unwritable output")
        << QStringList{ "--addon", addOn, "--render", "12", "--output", "/nonexistent/x.png" }
        << "cannot write";
    QTest::newRow("bad quit-after") << QStringList{ "--quit-after", "soon" } << "milliseconds";
    QTest::newRow("unreadable voice")
        << QStringList{ "--addon", addOn, "--voice", "/nonexistent/v.json" } << "v.json";
}

void TestEditor::commandLineErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runEditor(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
