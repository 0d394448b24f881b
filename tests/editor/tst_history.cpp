// Undo, redo, compare and the element tools as a person uses them in the
// editor: real mouse, wheel and key events on open dialogs.

#include <addonhost.h>
#include <editorvoicedata.h>
#include <elementtools.h>
#include <mainwindow.h>
#include <parametermodel.h>
#include <selectionwindow.h>
#include <voicehistory.h>

#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <ctextslider.h>
#include <tparametermemory.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString wave = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
const QString cutoff = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterCutoffFreq");
const QString filterType = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterType");
const QString revParam1 = QStringLiteral("00kNormalCommonReverb/kNrmRevParam1");

void wheel(QWidget *w, int delta)
{
    QWheelEvent event(QPointF(w->width() / 2, w->height() / 2), QPointF(), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void faderDragIsOneStepUndoneFromTheDialog();
    void aGestureOnOneParameterIsOneStep_data();
    void aGestureOnOneParameterIsOneStep();
    void undoingATypeChangeBringsBackTheRowNames();
    void undoingASelectionRestoresTheWave();
    void compareShowsTheStoredVoiceAndRefusesEdits();
    void theViewCanListOnlyWhatDiffers();
    void elementToolsAreOneStepEach();

private:
    QWidget *openDialog(int entry);
    QString panShown() const;

    TParameterMemory *m_memory = nullptr;
    EditorVoiceData *m_voiceData = nullptr;
    AddOnHost *m_addOn = nullptr;
    MainWindow *m_window = nullptr;
    VoiceHistory *m_history = nullptr;
    QUndoStack *m_stack = nullptr;
    QList<QPointer<QWidget>> m_dialogs;
};

void TestHistory::init()
{
    m_memory = new TParameterMemory;
    m_voiceData = new EditorVoiceData;
    m_memory->setVoiceData(m_voiceData);
    m_addOn = new AddOnHost;
    QString error;
    QVERIFY2(m_addOn->load(QStringLiteral(VESTRA_ADDON_PATH), &error), qPrintable(error));
    m_window = new MainWindow(m_memory, m_voiceData, m_addOn);
    m_history = m_window->findChild<VoiceHistory *>();
    QVERIFY(m_history);
    m_stack = m_history->stack();
    m_window->show();
}

void TestHistory::cleanup()
{
    for (const QPointer<QWidget> &dialog : std::as_const(m_dialogs))
        delete dialog.data();
    m_dialogs.clear();
    delete m_window;
    delete m_addOn;
    delete m_memory;
    delete m_voiceData;
}

QWidget *TestHistory::openDialog(int entry)
{
    QWidget *dialog = m_addOn->open(entry, m_memory);
    m_dialogs.append(dialog);
    dialog->show();
    QApplication::setActiveWindow(dialog);
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("dialog %d not active", entry);
    return dialog;
}

QString TestHistory::panShown() const
{
    ParameterModel *model = m_window->model();
    const int row = model->rowOf(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan"));
    return model->index(row, ParameterModel::Value).data().toString();
}

// Element 2's pan: each drag is one step, named after the parameter; the
// undo key in the dialog undoes and the redo key in the main window redoes.
void TestHistory::faderDragIsOneStepUndoneFromTheDialog()
{
    QWidget *dialog = openDialog(2);
    auto *fader = dialog->findChild<CFader *>(QStringLiteral("cFader471"));
    auto *field = dialog->findChild<CTextSlider *>(QStringLiteral("cTextSlider470"));
    auto drag = [fader](int by) {
        const QPoint start = fader->thumbCentre();
        QTest::mousePress(fader, Qt::LeftButton, Qt::NoModifier, start);
        for (int step = 1; step <= 3; ++step)
            QTest::mouseMove(fader, start + QPoint(by * step / 3, 0));
        QTest::mouseRelease(fader, Qt::LeftButton, Qt::NoModifier, start + QPoint(by, 0));
    };
    drag(30);
    const int dragged = m_memory->value(pan, 1);
    QVERIFY(dragged > 0);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->text(0), QStringLiteral("Pan, element 2: C -> %1")
                                   .arg(m_memory->valueText(pan, 1, dragged)));
    drag(-10);
    QCOMPARE(m_stack->count(), 2);

    QTest::keySequence(dialog, QKeySequence::Undo);
    QCOMPARE(m_memory->value(pan, 1), dragged);
    QTest::keySequence(dialog, QKeySequence::Undo);
    QCOMPARE(m_memory->value(pan, 1), 0);
    QCOMPARE(field->shownText(), QStringLiteral("C"));
    QCOMPARE(fader->shownValue(), 0);
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keySequence(m_window, QKeySequence::Redo);
    QCOMPARE(m_memory->value(pan, 1), dragged);
    QCOMPARE(fader->shownValue(), dragged);
}

void TestHistory::aGestureOnOneParameterIsOneStep_data()
{
    QTest::addColumn<bool>("byWheel");
    QTest::newRow("a run of wheel notches") << true;
    QTest::newRow("a held arrow key") << false;
}

void TestHistory::aGestureOnOneParameterIsOneStep()
{
    QFETCH(bool, byWheel);
    QWidget *dialog = openDialog(1);
    auto *field = dialog->findChild<CTextSlider *>(QStringLiteral("cTextSlider470"));
    field->setFocus();
    for (int i = 0; i < 5; ++i) {
        if (byWheel) {
            wheel(field, 120);
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), i > 0);
            QApplication::sendEvent(field, &press);
        }
    }
    QTest::keyRelease(field, Qt::Key_Up);
    QCOMPARE(m_memory->value(pan, 0), 5);
    wheel(field, 120);
    QCOMPARE(m_stack->count(), 2);
    m_history->undo();
    m_history->undo();
    QCOMPARE(m_memory->value(pan, 0), 0);
    QCOMPARE(field->shownText(), QStringLiteral("C"));
}

void TestHistory::undoingATypeChangeBringsBackTheRowNames()
{
    QWidget *dialog = openDialog(7);
    auto *type = dialog->findChild<CPopup *>(QStringLiteral("cPullDownMenu2627"));
    auto *firstRow = dialog->findChild<QLabel *>(QStringLiteral("textLabel2677"));
    // A type whose next type gives the first row another name.
    TParameterMemory scratch;
    const auto firstName = [&](int t) {
        scratch.setValue(type->namedAddress(), 0, t);
        return scratch.name(revParam1, 0);
    };
    int before = 1;
    while (firstName(before) == firstName(before + 1))
        ++before;
    m_memory->setValue(type->namedAddress(), 0, before);
    const QString name = firstRow->text();
    m_memory->setValue(revParam1, 0, m_memory->value(revParam1) + 1);
    const int edited = m_memory->value(revParam1);
    const int steps = m_stack->count();
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);
    QCOMPARE(m_memory->value(type->namedAddress()), before + 1);
    QVERIFY(firstRow->text() != name);
    QCOMPARE(m_stack->count(), steps + 1);

    m_history->undo();
    QCOMPARE(m_memory->value(type->namedAddress()), before);
    QCOMPARE(firstRow->text(), name);
    QCOMPARE(m_memory->value(revParam1), edited);
}

void TestHistory::undoingASelectionRestoresTheWave()
{
    QWidget *dialog = openDialog(3);
    auto *display = dialog->findChild<CHotspotLabel *>(QStringLiteral("cWaveLabel453"));
    const int before = m_memory->value(wave, 2);
    const QString shown = display->text();
    QTest::mouseClick(display, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    auto *window = m_window->findChild<SelectionWindow *>();
    QVERIFY(window);
    QTest::keyClicks(window->filter(), QStringLiteral("user 12"));
    QTest::keyClick(window->filter(), Qt::Key_Return);
    QVERIFY(m_memory->value(wave, 2) != before);
    QVERIFY(display->text() != shown);

    QApplication::setActiveWindow(dialog);
    QTest::keySequence(dialog, QKeySequence::Undo);
    QCOMPARE(m_memory->value(wave, 2), before);
    QCOMPARE(display->text(), shown);
}

// Saving marks the history clean, loading starts it afresh. The stored voice
// is the one loaded; compare shows it everywhere, refuses edits and undo with
// a word why, and leaving it brings the edits back.
void TestHistory::compareShowsTheStoredVoiceAndRefusesEdits()
{
    QTemporaryDir dir;
    m_memory->setValue(pan, 0, -20);
    QString error;
    QVERIFY(m_window->saveVoice(dir.filePath(QStringLiteral("v.json")), &error));
    QVERIFY(m_stack->isClean() && m_stack->count() == 1);
    m_memory->setValue(pan, 0, 30);
    QVERIFY(m_window->openVoice(dir.filePath(QStringLiteral("v.json")), &error));
    QCOMPARE(m_stack->count(), 0);
    QWidget *dialog = openDialog(1);
    auto *field = dialog->findChild<CTextSlider *>(QStringLiteral("cTextSlider470"));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(field->width() - 5, 8));
    QCOMPARE(m_memory->value(pan, 0), -19);

    m_window->findChild<QCheckBox *>()->click();
    QCOMPARE(field->shownText(), QStringLiteral("L20"));
    QCOMPARE(panShown(), QStringLiteral("L20"));
    QVERIFY(m_history->compareIndicator()->isVisible());
    QVERIFY(!m_memory->setValue(pan, 0, 5));
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("Compare")));
    m_window->statusBar()->clearMessage();
    QVERIFY(!m_history->undo());
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("undo")));

    m_window->findChild<QCheckBox *>()->click();
    QVERIFY(!m_history->compareIndicator()->isVisible());
    QCOMPARE(field->shownText(), QStringLiteral("L19"));
    QCOMPARE(panShown(), QStringLiteral("L19"));
    QVERIFY(m_history->undo());
    QCOMPARE(m_memory->value(pan, 0), -20);
    QVERIFY(m_stack->isClean());
}

void TestHistory::theViewCanListOnlyWhatDiffers()
{
    const QAbstractItemModel *view = m_window->findChild<QTableView *>()->model();
    m_memory->setValue(pan, 0, 9);
    m_memory->setValue(cutoff, 0, 40);
    m_memory->setValue(pan, 1, 9); // not the part the view shows
    m_memory->setValue(revParam1, 0, 1);
    m_window->findChild<QAction *>(QStringLiteral("differencesOnly"))->trigger();
    QStringList listed;
    for (int row = 0; row < view->rowCount(); ++row)
        listed << view->index(row, ParameterModel::Parameter).data().toString();
    listed.sort();
    QStringList edited{ m_memory->name(cutoff, 0), m_memory->name(pan, 0), m_memory->name(revParam1, 0) };
    edited.sort();
    QCOMPARE(listed, edited);
    m_history->undo();
    QTRY_COMPARE(view->rowCount(), 2);
    m_history->voiceSaved();
    QTRY_COMPARE(view->rowCount(), 0);
}

void TestHistory::elementToolsAreOneStepEach()
{
    const auto elementOf = [](const TParameterMemory &memory, int part) {
        QList<int> values;
        for (int b = 0; b < memory.blockCount(); ++b) {
            if (memory.partCount(b) == 4 && memory.blockVoiceType(b) == 1)
                for (int p = 0; p < memory.parameterCount(b); ++p)
                    values << memory.value(quint16(b), quint16(p), part);
        }
        return values;
    };
    const auto element = [&](int part) { return elementOf(*m_memory, part); };
    m_memory->setValue(filterType, 0, 3);
    m_memory->setValue(cutoff, 0, 77);
    m_memory->setValue(pan, 0, -40);
    m_memory->setValue(pan, 2, 11);
    const QList<int> third = element(2);
    QVERIFY(element(0) != third);
    const int steps = m_stack->count();
    QMenu *edit = m_window->findChild<QMenu *>(QStringLiteral("editMenu"));
    const QList<QAction *> copies = edit->actions().at(3)->menu()->actions();
    QCOMPARE(copies.at(1)->text(), QStringLiteral("Element 1 to Element 3"));
    copies.at(1)->trigger();
    QCOMPARE(element(2), element(0));
    QCOMPARE(m_stack->count(), steps + 1);
    m_history->undo();
    QCOMPARE(element(2), third);

    const QList<int> first = element(0);
    QVERIFY(m_history->elementTools()->swapElements(0, 2));
    QCOMPARE(element(0), third);
    QCOMPARE(element(2), first);
    // Element 1 as the initial voice has it.
    QVERIFY(m_history->elementTools()->initialiseElement(0));
    QCOMPARE(element(0), elementOf(TParameterMemory(), 0));
    m_history->undo();
    QCOMPARE(element(0), third);

    const QString level = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
    m_memory->setVoiceType(3);
    m_memory->setValue(level, 5, 33);
    QVERIFY(m_history->elementTools()->copyDrumKey(5, 40));
    QCOMPARE(m_memory->value(level, 40), 33);
    QCOMPARE(m_stack->undoText(), QStringLiteral("Copy drum key F0 to key E3"));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
