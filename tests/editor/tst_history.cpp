// Undo, redo, compare and the element tools as a person uses them in the
// editor: real mouse, wheel and key events on open dialogs.

#include "editorsession.h"

#include <history/elementtools.h>
#include <view/parametermodel.h>
#include <dialogs/selectionwindow.h>
#include <history/voicehistory.h>

#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QSpinBox>
#include <QUndoStack>
#include <QUndoView>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString wave = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
const QString cutoff = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterCutoffFreq");
const QString revParam1 = QStringLiteral("00kNormalCommonReverb/kNrmRevParam1");

// Moves element 2's pan away from the centre in one gesture.
struct Gesture
{
    void (*perform)(CTextSlider *field, CFader *fader);
};

// Edits of one value in a dialog (of entry `entry`, by its control bound to
// `address` and `part`), and the steps they leave in the history.
struct Edits
{
    int entry;
    QString address;
    int part;
    void (*perform)(QWidget *control, MainWindow *window);
    int steps;
};

// An edit refused in compare mode, and what the status bar says about it;
// nothing is said where the control shows itself greyed.
struct Refused
{
    void (*perform)(MainWindow *window);
    QString says;
};

// Clicks `label` in `menu`, opened where it would open.
void clickMenuItem(QMenu *menu, const QString &label)
{
    const QList<QAction *> actions = menu->actions();
    auto action = std::find_if(actions.begin(), actions.end(),
                               [&](QAction *a) { return a->text() == label; });
    QVERIFY2(action != actions.end(), qPrintable(label));
    menu->popup(menu->parentWidget()->mapToGlobal(QPoint()));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(*action).center());
}

} // namespace

Q_DECLARE_METATYPE(Gesture)
Q_DECLARE_METATYPE(Edits)
Q_DECLARE_METATYPE(Refused)

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_editor.reset(); }

    void aGestureIsOneStep_data();
    void aGestureIsOneStep();
    void twoParametersAreTwoSteps();
    void whereAStepBeginsAndEnds_data();
    void whereAStepBeginsAndEnds();
    void redoAnswersItsKeysEverywhere_data();
    void redoAnswersItsKeysEverywhere();
    void nameAndCategoryAreOneStepEach_data();
    void nameAndCategoryAreOneStepEach();
    void undoingATypeChangeBringsBackTheRowNames();
    void undoingASelectionRestoresTheWave();
    void compareShowsTheStoredVoiceAndRefusesEdits();
    void compareRefusesEveryWayOfEditing_data();
    void compareRefusesEveryWayOfEditing();
    void openingAVoiceWhileComparingShowsIt();
    void theViewListsEveryDifference();
    void elementToolsAreOneStepEach();

private:
    QWidget *open(int entry);
    QLabel *compareSign() const
    {
        return m_window->findChild<QLabel *>(QStringLiteral("compareIndicator"));
    }

    std::unique_ptr<EditorSession> m_editor;
    TParameterMemory *m_memory = nullptr;
    MainWindow *m_window = nullptr;
    VoiceHistory *m_history = nullptr;
    QUndoStack *m_stack = nullptr;
};

void TestHistory::init()
{
    m_editor = std::make_unique<EditorSession>();
    QVERIFY2(m_editor->window, qPrintable(m_editor->error));
    m_memory = &m_editor->memory;
    m_window = m_editor->window.get();
    m_history = m_window->history();
    m_stack = m_history->stack();
}

QWidget *TestHistory::open(int entry)
{
    QWidget *dialog = m_window->openEntry(entry);
    if (!activate(dialog))
        qWarning("dialog %d not active", entry);
    return dialog;
}

void TestHistory::aGestureIsOneStep_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::newRow("fader drag") << Gesture{ [](CTextSlider *, CFader *fader) {
        const QPoint start = fader->thumbCentre();
        QTest::mousePress(fader, Qt::LeftButton, Qt::NoModifier, start);
        for (int step = 1; step <= 3; ++step)
            QTest::mouseMove(fader, start + QPoint(10 * step, 0));
        QTest::mouseRelease(fader, Qt::LeftButton, Qt::NoModifier, start + QPoint(30, 0));
    } };
    QTest::newRow("run of wheel notches") << Gesture{ [](CTextSlider *field, CFader *) {
        for (int i = 0; i < 5; ++i)
            wheel(field, 120);
        QTest::keyRelease(field, Qt::Key_Shift); // any key released ends the run
    } };
    QTest::newRow("held arrow key") << Gesture{ [](CTextSlider *field, CFader *) {
        for (int i = 0; i < 5; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), i > 0);
            QApplication::sendEvent(field, &press);
        }
        QTest::keyRelease(field, Qt::Key_Up);
    } };
}

// One step named after the parameter, ended with the gesture; the undo key
// in the dialog undoes it and the redo key in the main window redoes it.
void TestHistory::aGestureIsOneStep()
{
    QFETCH(Gesture, gesture);
    QWidget *dialog = open(2);
    auto *fader = dialog->findChild<CFader *>(QStringLiteral("cFader471"));
    auto *field = dialog->findChild<CTextSlider *>(QStringLiteral("cTextSlider470"));
    field->setFocus();
    gesture.perform(field, fader);
    const int moved = m_memory->value(pan, 1);
    QVERIFY(moved > 0);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->text(0),
             QStringLiteral("Pan, element 2: C -> ") + m_memory->valueText(pan, 1, moved));
    wheel(field, -120);
    QCOMPARE(m_stack->count(), 2);

    QTest::keySequence(dialog, QKeySequence::Undo);
    QCOMPARE(m_memory->value(pan, 1), moved);
    QTest::keySequence(dialog, QKeySequence::Undo);
    QCOMPARE(m_memory->value(pan, 1), 0);
    QCOMPARE(field->shownText(), QStringLiteral("C"));
    QCOMPARE(fader->shownValue(), 0);
    QVERIFY(activate(m_window));
    QTest::keySequence(m_window, QKeySequence::Redo);
    QCOMPARE(fader->shownValue(), moved);
}

// Changes of two parameters right after each other, in what could be one
// gesture, are two steps; undo takes back the second only.
void TestHistory::twoParametersAreTwoSteps()
{
    m_memory->setValue(pan, 1, 5);
    m_memory->setValue(cutoff, 1, 40);
    QCOMPARE(m_stack->count(), 2);
    QVERIFY(m_history->undo());
    QCOMPARE(m_memory->value(pan, 1), 5);
}

void TestHistory::whereAStepBeginsAndEnds_data()
{
    QTest::addColumn<Edits>("edits");
    const QString legato = QStringLiteral("00kNormalCommon/kNrmComLegatoSlope");
    const QString lfoWave = QStringLiteral("00kNormalCommonLFO/kNrmComLFOWave");
    QTest::newRow("notches, a pause, notches") << Edits{ 2, pan, 1,
                                                         [](QWidget *control, MainWindow *) {
                                                             wheel(control, 120);
                                                             wheel(control, 120);
                                                             QTest::qWait(1100);
                                                             wheel(control, 120);
                                                         },
                                                         2 };
    QTest::newRow("notches back to the start") << Edits{ 2, pan, 1,
                                                         [](QWidget *control, MainWindow *) {
                                                             wheel(control, 120);
                                                             wheel(control, 120);
                                                             wheel(control, -120);
                                                             wheel(control, -120);
                                                         },
                                                         0 };
    // Each after a notch of the same value, which it does not join.
    QTest::newRow("typed value") << Edits{ 2, pan, 1,
                                           [](QWidget *control, MainWindow *) {
                                               wheel(control, 120);
                                               auto *field = static_cast<CTextSlider *>(control);
                                               QTest::keyClick(field, Qt::Key_L);
                                               QTest::keyClicks(field->entry(),
                                                                QStringLiteral("20"));
                                               QTest::keyClick(field->entry(), Qt::Key_Return);
                                           },
                                           2 };
    QTest::newRow("choice from the pop-up's grid")
        << Edits{ 11, lfoWave, 0,
                  [](QWidget *control, MainWindow *) {
                      wheel(control, 120);
                      auto *popup = static_cast<CPopup *>(control);
                      QTest::mouseClick(popup, Qt::LeftButton);
                      QVERIFY(QTest::qWaitForWindowExposed(popup->choiceGrid()));
                      QTest::mouseClick(popup->choiceGrid(), Qt::LeftButton, Qt::NoModifier,
                                        popup->choiceRect(3).center());
                  },
                  2 };
    QTest::newRow("edit in the view")
        << Edits{ 12, legato, 0,
                  [](QWidget *control, MainWindow *window) {
                      wheel(control, 120);
                      QTest::keyClicks(window->filterBox(), QStringLiteral("Legato"));
                      QTableView *view = window->view();
                      view->setCurrentIndex(view->model()->index(0, ParameterModel::Value));
                      QTest::keyClick(view, Qt::Key_F2);
                      auto *box = view->findChild<QSpinBox *>();
                      QVERIFY(box);
                      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                      QTest::keyClicks(box, QStringLiteral("2"));
                      QTest::keyClick(box, Qt::Key_Return);
                      // The edit is written once the editor closes.
                      QTRY_COMPARE(view->model()->index(0, ParameterModel::Value).data().toString(),
                                   QStringLiteral("2"));
                  },
                  2 };
    QTest::newRow("undo, then another edit")
        << Edits{ 2, pan, 1,
                  [](QWidget *control, MainWindow *) {
                      wheel(control, 120);
                      QTest::keySequence(control->window(), QKeySequence::Undo);
                      wheel(control, -120);
                  },
                  1 };
}

// A run of notches ends with a pause of more than a second; a run back to
// where it began leaves nothing; a typed value, a choice and an edit in the
// view are a step each. A new edit leaves nothing to redo. Undoing the steps
// brings the value back to where it began.
void TestHistory::whereAStepBeginsAndEnds()
{
    QFETCH(Edits, edits);
    QWidget *dialog = open(edits.entry);
    QWidget *control = field(dialog, edits.address);
    for (CPopup *popup : dialog->findChildren<CPopup *>())
        if (!control && popup->namedAddress() == edits.address)
            control = popup;
    QVERIFY(control);
    const int start = m_memory->value(edits.address, edits.part);
    edits.perform(control, m_window);
    QCOMPARE(m_stack->count(), edits.steps);
    auto *redo = m_window->findChild<QAction *>(QStringLiteral("redoAction"));
    QVERIFY(!redo->isEnabled());
    QVERIFY(activate(dialog));
    for (int i = 0; i < edits.steps; ++i) {
        QVERIFY(m_memory->value(edits.address, edits.part) != start);
        QTest::keySequence(dialog, QKeySequence::Undo);
    }
    QCOMPARE(m_memory->value(edits.address, edits.part), start);
}

void TestHistory::redoAnswersItsKeysEverywhere_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<QKeySequence>("keys");
    for (const bool inDialog : { true, false }) {
        const char *where = inDialog ? "dialog" : "window";
        QTest::addRow("%s, Ctrl+Y", where) << inDialog << QKeySequence(Qt::CTRL | Qt::Key_Y);
        QTest::addRow("%s, Ctrl+Shift+Z", where)
            << inDialog << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    }
}

// Ctrl+Y redoes as well as the platform's own keys, in a dialog as in the
// window.
void TestHistory::redoAnswersItsKeysEverywhere()
{
    QFETCH(bool, inDialog);
    QFETCH(QKeySequence, keys);
    QWidget *dialog = open(2);
    CTextSlider *value = field(dialog, pan);
    value->setFocus();
    QTest::keyClick(value, Qt::Key_Up);
    QTest::keySequence(dialog, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(m_memory->value(pan, 1), 0);
    QWidget *target = inDialog ? dialog : static_cast<QWidget *>(m_window);
    QVERIFY(activate(target));
    QTest::keySequence(target, keys);
    QCOMPARE(m_memory->value(pan, 1), 1);
    QCOMPARE(value->shownText(), m_memory->valueText(pan, 1, 1));
}

void TestHistory::nameAndCategoryAreOneStepEach_data()
{
    QTest::addColumn<bool>("name");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("title");
    QTest::newRow("name") << true << "Name: Init Voice -> Warm Pad Layered Wit"
                          << "Warm Pad Layered Wit - Untitled[*] - Zinta Editor";
    QTest::newRow("category") << false << "Category: No Assignment -> Piano"
                              << "Untitled[*] - Zinta Editor";
}

// A name typed (cut to 20 characters) or a category chosen on the panel is
// one step; the title names the voice, and undo takes it back.
void TestHistory::nameAndCategoryAreOneStepEach()
{
    QFETCH(bool, name);
    QFETCH(QString, step);
    QFETCH(QString, title);
    QVERIFY(activate(m_window));
    if (name) {
        auto *field = m_window->findChild<QLineEdit *>(QStringLiteral("voiceName"));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("Warm Pad Layered With Air"));
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        auto *category = m_window->findChild<QComboBox *>(QStringLiteral("voiceCategory"));
        category->setFocus();
        QTest::keyClick(category, Qt::Key_Home);
    }
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->text(0), step);
    QCOMPARE(m_window->windowTitle(), title);
    QVERIFY(m_window->isWindowModified());
    QVERIFY(m_history->undo());
    QVERIFY(m_memory->voiceName().isEmpty() && m_memory->voiceCategory().isEmpty());
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Untitled[*] - Zinta Editor"));
}

void TestHistory::undoingATypeChangeBringsBackTheRowNames()
{
    QWidget *dialog = open(7);
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
    const int edited = m_memory->value(revParam1) + 1;
    m_memory->setValue(revParam1, 0, edited);
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);
    QVERIFY(firstRow->text() != name);

    m_history->undo();
    QCOMPARE(m_memory->value(type->namedAddress()), before);
    QCOMPARE(firstRow->text(), name);
    QCOMPARE(m_memory->value(revParam1), edited);
}

void TestHistory::undoingASelectionRestoresTheWave()
{
    QWidget *dialog = open(3);
    auto *display = dialog->findChild<CHotspotLabel *>(QStringLiteral("cWaveLabel453"));
    const int before = m_memory->value(wave, 2);
    const QString shown = display->text();
    QTest::mouseClick(display, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    auto *window = m_window->findChild<SelectionWindow *>();
    QVERIFY(window);
    QTest::keyClicks(window->filter(), QStringLiteral("user 12"));
    QTest::keyClick(window->filter(), Qt::Key_Return);
    QVERIFY(display->text() != shown);

    QVERIFY(activate(dialog));
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
    const QString path = dir.filePath(QStringLiteral("v.json"));
    QString error;
    m_memory->setValue(pan, 0, -20);
    QVERIFY2(m_window->saveVoice(path, &error), qPrintable(error));
    QVERIFY(m_stack->isClean() && m_stack->count() == 1);
    m_memory->setValue(pan, 0, 30);
    QVERIFY(m_window->openVoice(path, &error));
    QCOMPARE(m_stack->count(), 0);
    CTextSlider *value = field(open(1), pan);
    // The first click focuses the field, the second steps it.
    QTest::mouseClick(value, Qt::LeftButton, Qt::NoModifier, QPoint(value->width() - 5, 8));
    QTest::mouseClick(value, Qt::LeftButton, Qt::NoModifier, QPoint(value->width() - 5, 8));
    const auto shown = [&] {
        ParameterModel *model = m_window->model();
        const int row = model->rowOf(QStringLiteral("NormalElement"), QStringLiteral("NrmElmPan"));
        return QStringList{ value->shownText(),
                            model->index(row, ParameterModel::Value).data().toString() };
    };
    QCOMPARE(shown(), QStringList({ "L19", "L19" }));

    auto *compare = m_window->findChild<QCheckBox *>(QStringLiteral("compare"));
    compare->click();
    QCOMPARE(shown(), QStringList({ "L20", "L20" }));
    QVERIFY(compareSign()->isVisible());
    // A dialog opened now is greyed as the one open already is.
    QVERIFY(!value->isEnabled());
    QVERIFY(!field(open(3), pan)->isEnabled());
    QVERIFY(!m_memory->setValue(pan, 0, 5));
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("Compare")));
    m_window->statusBar()->clearMessage();
    QVERIFY(!m_history->undo());
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("undo")));
    // The view shows the stored voice greyed, and refuses an edit with the reason.
    QTableView *view = m_window->view();
    const QModelIndex panValue =
        view->model()
            ->match(view->model()->index(0, ParameterModel::Parameter), Qt::DisplayRole,
                    QStringLiteral("Pan"), 1, Qt::MatchExactly)
            .value(0)
            .siblingAtColumn(ParameterModel::Value);
    QVERIFY(panValue.data(Qt::ForegroundRole).isValid());
    view->setCurrentIndex(panValue);
    QTest::keyClick(view, Qt::Key_F2);
    QVERIFY(!view->findChild<QComboBox *>());
    QVERIFY(m_window->statusBar()->currentMessage().endsWith(
        QLatin1String("leave Compare to change Pan")));

    compare->click();
    QVERIFY(!compareSign()->isVisible());
    QCOMPARE(shown(), QStringList({ "L19", "L19" }));
    QVERIFY(m_history->undo());
    QCOMPARE(m_memory->value(pan, 0), -20);
    QVERIFY(m_stack->isClean());
}

void TestHistory::compareRefusesEveryWayOfEditing_data()
{
    QTest::addColumn<Refused>("refused");
    QTest::newRow("redo") << Refused{ [](MainWindow *window) {
                                         QVERIFY(activate(window));
                                         QTest::keySequence(window,
                                                            QKeySequence(Qt::CTRL | Qt::Key_Y));
                                     },
                                      "Compare shows the stored voice: leave Compare to redo" };
    QTest::newRow("click in the History")
        << Refused{ [](MainWindow *window) {
                       window->findChild<QDockWidget *>(QStringLiteral("historyDock"))->raise();
                       auto *list = window->findChild<QUndoView *>();
                       QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                         list->visualRect(list->model()->index(0, 0)).center());
                   },
                    QString() };
    QTest::newRow("element tool") << Refused{
        [](MainWindow *window) {
            QMenu *edit = window->findChild<QMenu *>(QStringLiteral("editMenu"));
            clickMenuItem(edit->actions().at(3)->menu(), QStringLiteral("Element 1 to Element 3"));
        },
        "Compare shows the stored voice: leave Compare to change the voice (Copy element 1 to "
        "element 3)"
    };
    // A dialog opened in compare mode is greyed: its wave opens no selection.
    QTest::newRow("dialog's wave")
        << Refused{ [](MainWindow *window) {
                       QWidget *dialog = window->openEntry(3);
                       QTest::mouseClick(
                           dialog->findChild<CHotspotLabel *>(QStringLiteral("cWaveLabel453")),
                           Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
                       QVERIFY(!window->findChild<SelectionWindow *>());
                   },
                    QString() };
    QTest::newRow("selection window")
        << Refused{ [](MainWindow *window) {
                       SelectionWindow *selection = window->openSelection(44);
                       QVERIFY(selection);
                       QTest::keyClicks(selection->filter(), QStringLiteral("user 12"));
                       QTest::keyClick(selection->filter(), Qt::Key_Return);
                   },
                    "Compare shows the stored voice: leave Compare to change Wave" };
}

// In compare mode nothing changes the edit buffer or moves the history; the
// status bar says why, or the control is greyed.
void TestHistory::compareRefusesEveryWayOfEditing()
{
    QFETCH(Refused, refused);
    m_memory->setValue(pan, 0, 5);
    m_memory->setValue(pan, 2, 9);
    m_memory->setValue(cutoff, 0, 40);
    QVERIFY(m_history->undo());
    const Values edited = m_memory->voice().values;
    m_window->findChild<QCheckBox *>(QStringLiteral("compare"))->click();
    m_window->statusBar()->clearMessage();
    refused.perform(m_window);
    QCOMPARE(m_window->statusBar()->currentMessage(), refused.says);
    QCOMPARE(m_stack->index(), 2);
    QVERIFY(m_memory->voice().values == edited);
}

// A voice opened while comparing is the stored voice as well as the edit
// buffer: compare stays on and shows it, and leaving compare shows it too.
void TestHistory::openingAVoiceWhileComparingShowsIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("v.json"));
    QString error;
    m_memory->setValue(pan, 0, -20);
    QVERIFY2(m_window->saveVoice(path, &error), qPrintable(error));
    m_memory->setValue(pan, 0, 30);
    CTextSlider *value = field(open(1), pan);
    auto *compare = m_window->findChild<QCheckBox *>(QStringLiteral("compare"));
    compare->click();
    QCOMPARE(value->shownText(), QStringLiteral("L20"));
    m_memory->storeVoice(); // the stored voice is now the edited one
    QCOMPARE(value->shownText(), QStringLiteral("R30"));
    QVERIFY(m_window->openVoice(path, &error));
    QCOMPARE(compare->isChecked(), m_memory->compareMode());
    QCOMPARE(compareSign()->isVisible(), m_memory->compareMode());
    QCOMPARE(m_editor->voiceData.isCompareMode(), m_memory->compareMode());
    QCOMPARE(value->shownText(), QStringLiteral("L20"));
    compare->click();
    QCOMPARE(value->shownText(), QStringLiteral("L20"));
    QVERIFY(!compareSign()->isVisible() && !m_memory->compareMode());
}

// The differences list every value that differs from the stored voice, in
// every element and drum key, whatever the panel shows; only the voice
// type's own.
void TestHistory::theViewListsEveryDifference()
{
    const QAbstractItemModel *view = m_window->view()->model();
    const auto listed = [view] {
        QStringList rows;
        for (int row = 0; row < view->rowCount(); ++row)
            rows << view->index(row, ParameterModel::Parameter).data().toString() + QLatin1Char('/')
                    + view->index(row, ParameterModel::Part).data().toString();
        rows.sort();
        return rows;
    };
    m_memory->setValue(pan, 0, 9);
    m_memory->setValue(cutoff, 2, 40);
    m_memory->setValue(revParam1, 0, 1);
    m_window->findChild<QAction *>(QStringLiteral("differencesOnly"))->trigger();
    QStringList edited{ m_memory->name(pan, 0) + "/Element 1",
                        m_memory->name(cutoff, 2) + "/Element 3",
                        m_memory->name(revParam1, 0) + "/" };
    edited.sort();
    QCOMPARE(listed(), edited);
    m_history->undo();
    QTRY_COMPARE(view->rowCount(), 2);
    m_memory->storeVoice();
    QTRY_COMPARE(view->rowCount(), 0);

    const QString level = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
    m_window->findChild<QComboBox *>(QStringLiteral("voiceType"))->setCurrentIndex(2);
    m_memory->setValue(level, 40, 33);
    QTRY_COMPARE(listed(), QStringList{ m_memory->name(level, 40) + "/E3" });
}

void TestHistory::elementToolsAreOneStepEach()
{
    // Every parameter of an element of the normal voice.
    const auto elementOf = [](const TParameterMemory &memory, int part) {
        QList<int> values;
        for (int b = 0; b < memory.blockCount(); ++b)
            for (int p = 0; memory.partCount(b) == 4
                 && memory.blockVoiceType(b) == VoiceType::Normal && p < memory.parameterCount(b);
                 ++p)
                values << memory.value(quint16(b), quint16(p), part);
        return values;
    };
    const auto element = [&](int part) { return elementOf(*m_memory, part); };
    m_memory->setValue(cutoff, 0, 77);
    m_memory->setValue(pan, 0, -40);
    m_memory->setValue(pan, 2, 11);
    const QList<int> first = element(0), third = element(2);
    QMenu *copies =
        m_window->findChild<QMenu *>(QStringLiteral("editMenu"))->actions().at(3)->menu();
    QCOMPARE(copies->actions().at(1)->text(), QStringLiteral("Element 1 to Element 3"));
    const int steps = m_stack->count();
    copies->actions().at(1)->trigger();
    QCOMPARE(element(2), first);
    QCOMPARE(m_stack->count(), steps + 1);
    m_history->undo();
    QCOMPARE(element(2), third);

    ElementTools *tools = m_window->elementTools();
    QVERIFY(tools->swapElements(0, 2));
    QCOMPARE(element(0), third);
    QCOMPARE(element(2), first);
    QVERIFY(tools->initialiseElement(0)); // as the initial voice has it
    QCOMPARE(element(0), elementOf(TParameterMemory(), 0));
    m_history->undo();
    QCOMPARE(element(0), third);

    const QString level = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
    m_memory->setVoiceType(VoiceType::Drum);
    m_memory->setValue(level, 5, 33);
    QVERIFY(tools->copyDrumKey(5, 40));
    QCOMPARE(m_memory->value(level, 40), 33);
    QCOMPARE(m_stack->undoText(), QStringLiteral("Copy drum key F0 to key E3"));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
