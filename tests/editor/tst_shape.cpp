// The Shape panel in the editor: its curves follow the voice wherever it
// changes, and its points, dragged or moved with the keys, edit the voice
// as one step of the history each.

#include "editorsession.h"

#include <shape/envelopeview.h>
#include <shape/rangeview.h>
#include <shape/responseview.h>
#include <shape/shapepanel.h>
#include <voicehistory.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QStatusBar>
#include <QUndoStack>

namespace {

const QString attackTime = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGAttackTime");
const QString attackLevel = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGAttackLevel");
const QString decay1Time = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGDecay1Time");
const QString decay1Level = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGDecay1Level");
const QString noteLow = QStringLiteral("FEkNormalElement/kNrmElmNoteLimitLow");
const QString noteHigh = QStringLiteral("FEkNormalElement/kNrmElmNoteLimitHigh");
const QString veloLow = QStringLiteral("FEkNormalElement/kNrmElmVeloLimitLow");
const QString veloHigh = QStringLiteral("FEkNormalElement/kNrmElmVeloLimitHigh");
const QString cutoff = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterCutoffFreq");
const QString resonance = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterResonance");
const QString eqLowFreq = QStringLiteral("FEkNormalElementEQ/kNrmElmEQ1Freq");
const QString eqLowGain = QStringLiteral("FEkNormalElementEQ/kNrmElmEQ1Gain");
constexpr int element2 = 1;

// A time text as milliseconds: "12.5ms", "1.20s".
double milliseconds(const QString &text)
{
    return text.endsWith(QLatin1String("ms")) ? text.chopped(2).toDouble() : text.chopped(1).toDouble() * 1000;
}

// Presses on `point`'s centre, moves by `by` in four steps and lets go.
void drag(ShapeGraph *graph, int point, const QPoint &by)
{
    const QPoint start = graph->handlePixel(point).toPoint();
    QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, start);
    for (int i = 1; i <= 4; ++i)
        QTest::mouseMove(graph, start + by * i / 4);
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, start + by);
}

} // namespace

class TestShape : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_editor.reset(); }

    void aDragEditsItsParameterInOneStep_data();
    void aDragEditsItsParameterInOneStep();
    void aBreakpointDragMovesTimeAndLevelInOneStep();
    void theCurveFollowsEveryChange_data();
    void theCurveFollowsEveryChange();
    void theCurvePassesThroughItsPoints_data();
    void theCurvePassesThroughItsPoints();
    void thePanelFollowsTheElementAndTheDrumKey();
    void theKeysMoveTheSelectedPoint();
    void compareShowsTheStoredVoiceAndRefusesDrags();

private:
    ShapeGraph *graph(const QString &name) const { return m_panel->findChild<ShapeGraph *>(name); }
    ShapeGraph *amplitude() const { return graph(QStringLiteral("amplitudeEnvelope")); }

    std::unique_ptr<EditorSession> m_editor;
    TParameterMemory *m_memory = nullptr;
    MainWindow *m_window = nullptr;
    ShapePanel *m_panel = nullptr;
    QUndoStack *m_stack = nullptr;
};

void TestShape::init()
{
    m_editor = std::make_unique<EditorSession>();
    QVERIFY2(m_editor->window, qPrintable(m_editor->error));
    m_memory = &m_editor->memory;
    m_window = m_editor->window.get();
    m_panel = m_window->findChild<ShapePanel *>();
    QVERIFY(m_panel);
    m_stack = m_window->findChild<VoiceHistory *>()->stack();
    // Element 2, as chosen on the Voice panel.
    m_window->findChild<QComboBox *>(QStringLiteral("element"))->setCurrentIndex(element2);
}

void TestShape::aDragEditsItsParameterInOneStep_data()
{
    QTest::addColumn<QString>("graph");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("grows");
    // The kept parameter's value set first (-1: as it is), and where a drag
    // far past the end stops: the range's end, or the other end of a note
    // or velocity range (-1: not checked).
    QTest::addColumn<int>("keptValue");
    QTest::addColumn<int>("far");
    QTest::newRow("attack time") << "amplitudeEnvelope" << "Attack" << QPoint(60, 0) << attackTime
                                 << attackLevel << true << -1 << -1;
    QTest::newRow("note limit high") << "noteRanges" << "Highest note" << QPoint(-60, 0) << noteHigh
                                     << noteLow << false << 36 << 36;
    QTest::newRow("velocity limit low") << "velocityRanges" << "Lowest velocity" << QPoint(50, 0)
                                        << veloLow << veloHigh << true << 100 << 100;
    QTest::newRow("filter cutoff") << "filterResponse" << "Cutoff" << QPoint(-100, 0) << cutoff
                                   << resonance << false << -1 << 0;
    QTest::newRow("EQ low gain") << "filterResponse" << "EQ low" << QPoint(0, -30) << eqLowGain
                                 << eqLowFreq << true << -1 << 76;
}

// The parameter alone changes, clamped to its range, in one step named as
// the history names every edit; the open dialog of the element shows it.
void TestShape::aDragEditsItsParameterInOneStep()
{
    QFETCH(QString, graph);
    QFETCH(QString, point);
    QFETCH(QPoint, by);
    QFETCH(QString, changed);
    QFETCH(QString, kept);
    QFETCH(bool, grows);
    QFETCH(int, keptValue);
    QFETCH(int, far);
    if (keptValue >= 0) {
        m_memory->setValue(kept, element2, keptValue);
        m_stack->clear();
    }
    QWidget *dialog = m_window->openEntry(2);
    QVERIFY(dialog);
    ShapeGraph *view = this->graph(graph);
    const int index = view->handleIndex(point);
    QVERIFY(index >= 0);
    const int before = m_memory->value(changed, element2);
    const int keptBefore = m_memory->value(kept, element2);

    drag(view, index, by);

    const int after = m_memory->value(changed, element2);
    QVERIFY2(grows ? after > before : after < before, qPrintable(QString::number(after)));
    QCOMPARE(m_memory->value(kept, element2), keptBefore);
    QCOMPARE(m_memory->value(changed, 0), m_memory->value(changed, 2)); // other elements untouched
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->text(0), QStringLiteral("%1, element 2: %2 -> %3")
                                   .arg(m_memory->name(changed, element2),
                                        m_memory->valueText(changed, element2, before),
                                        m_memory->valueText(changed, element2, after)));
    CTextSlider *shown = field(dialog, changed);
    QVERIFY(shown);
    QCOMPARE(shown->shownText(), m_memory->valueText(changed, element2, after));

    m_stack->undo();
    QCOMPARE(m_memory->value(changed, element2), before);
    if (far >= 0) {
        drag(view, index, by * 20);
        QCOMPARE(m_memory->value(changed, element2), far);
    }
}

void TestShape::aBreakpointDragMovesTimeAndLevelInOneStep()
{
    ShapeGraph *view = amplitude();
    const int decay = view->handleIndex(QStringLiteral("Decay 1"));
    m_memory->setValue(decay1Level, element2, 100);
    m_stack->clear();
    drag(view, decay, QPoint(40, 20));
    const int time = m_memory->value(decay1Time, element2);
    const int level = m_memory->value(decay1Level, element2);
    QVERIFY(time > 70);
    QVERIFY(level < 100);
    QCOMPARE(m_stack->count(), 1);
    QVERIFY2(m_stack->text(0).startsWith(QStringLiteral("AEG Decay 1 Time, element 2: ")),
             qPrintable(m_stack->text(0)));
    QVERIFY(m_stack->text(0).contains(QStringLiteral("AEG Decay 1 Level: 100 -> %1").arg(level)));
    m_stack->undo();
    QCOMPARE(m_memory->value(decay1Time, element2), 70);
    QCOMPARE(m_memory->value(decay1Level, element2), 100);
}

void TestShape::theCurveFollowsEveryChange_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("written to the memory") << 0;
    QTest::newRow("a dialog's value field") << 1;
    QTest::newRow("undo") << 2;
}

// The attack point moves right when the attack time grows, wherever that happens.
void TestShape::theCurveFollowsEveryChange()
{
    QFETCH(int, how);
    ShapeGraph *view = amplitude();
    const int attack = view->handleIndex(QStringLiteral("Attack"));
    if (how == 2)
        m_memory->setValue(attackTime, element2, 60);
    const double before = view->handlePixel(attack).x();
    if (how == 0) {
        m_memory->setValue(attackTime, element2, 60);
    } else if (how == 1) {
        QWidget *dialog = m_window->openEntry(2);
        for (int i = 0; i < 60; ++i)
            wheel(field(dialog, attackTime), 120);
    } else {
        m_stack->undo();
    }
    const double after = view->handlePixel(attack).x();
    QVERIFY2(how == 2 ? after < before : after > before, qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
}

void TestShape::theCurvePassesThroughItsPoints_data()
{
    QTest::addColumn<int>("attack");
    QTest::addColumn<int>("peak");
    QTest::addColumn<int>("decay");
    QTest::addColumn<int>("level");
    QTest::newRow("attack 0") << 0 << 100 << 70 << 80;
    QTest::newRow("slow attack") << 90 << 127 << 70 << 60;
    QTest::newRow("long decay") << 0 << 127 << 110 << 30;
}

// Times read as the value texts give them: attack 0 starts at the attack
// level, the decay point sits where the attack and decay times add up.
void TestShape::theCurvePassesThroughItsPoints()
{
    QFETCH(int, attack);
    QFETCH(int, peak);
    QFETCH(int, decay);
    QFETCH(int, level);
    m_memory->setValue(attackTime, element2, attack);
    m_memory->setValue(attackLevel, element2, peak);
    m_memory->setValue(decay1Time, element2, decay);
    m_memory->setValue(decay1Level, element2, level);
    auto *view = static_cast<EnvelopeView *>(amplitude());
    const double attackMs = milliseconds(m_memory->valueText(attackTime, element2, attack));
    const double decayMs = milliseconds(m_memory->valueText(decay1Time, element2, decay));
    if (attack == 0)
        QCOMPARE(view->levelAt(0), double(peak));
    QCOMPARE(view->levelAt(attackMs), double(peak));
    const ShapeHandle &decayPoint = view->handle(view->handleIndex(QStringLiteral("Decay 1")));
    QCOMPARE(decayPoint.at, QPointF(attackMs + decayMs, level));
    QCOMPARE(view->levelAt(attackMs + decayMs), double(level));
    QVERIFY(view->levelAt(attackMs + decayMs / 2) < qMax(peak, level));

    // A longer decay moves the decay point right.
    const double x = view->handlePixel(view->handleIndex(QStringLiteral("Decay 1"))).x();
    m_memory->setValue(decay1Time, element2, decay + 10);
    QVERIFY(view->handlePixel(view->handleIndex(QStringLiteral("Decay 1"))).x() > x);
}

void TestShape::thePanelFollowsTheElementAndTheDrumKey()
{
    const auto partOfAttack = [this] {
        return amplitude()->handle(amplitude()->handleIndex(QStringLiteral("Attack"))).x->part;
    };
    QCOMPARE(partOfAttack(), element2);
    m_window->findChild<QComboBox *>(QStringLiteral("element"))->setCurrentIndex(2);
    QCOMPARE(partOfAttack(), 2);

    // A drum voice shows its current drum key's amplitude envelope, and no other.
    auto *type = m_window->findChild<QComboBox *>(QStringLiteral("voiceType"));
    type->setCurrentIndex(type->findData(3));
    m_window->findChild<QComboBox *>(QStringLiteral("drumKey"))->setCurrentIndex(12);
    QCOMPARE(partOfAttack(), 12);
    QCOMPARE(m_memory->name(amplitude()->handle(1).x->high, amplitude()->handle(1).x->low, 12),
             m_memory->name(QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyAEGAttackTime")));
    QVERIFY(graph(QStringLiteral("filterEnvelope"))->isHidden());
    QVERIFY(graph(QStringLiteral("velocityRanges"))->isHidden());
    m_stack->undo();
    QVERIFY(!graph(QStringLiteral("filterEnvelope"))->isHidden());
}

// Tab goes to the next point, the arrows move it one value, and screen
// readers hear the point with its values.
void TestShape::theKeysMoveTheSelectedPoint()
{
    ShapeGraph *view = amplitude();
    QVERIFY(activate(m_window));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab);
    QCOMPARE(view->selected(), view->handleIndex(QStringLiteral("Attack")));
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(m_memory->value(attackTime, element2), 1);
    QCOMPARE(m_memory->value(attackLevel, element2), 126);
    QCOMPARE(m_stack->count(), 2);
    QVERIFY2(view->accessibleName().contains(QStringLiteral("AEG Attack Time %1")
                                                 .arg(m_memory->valueText(attackTime, element2, 1))),
             qPrintable(view->accessibleName()));
    QVERIFY(view->accessibleDescription().contains(QStringLiteral("AEG Attack Level 126")));
    QAccessibleInterface *graph = QAccessible::queryAccessibleInterface(view);
    QCOMPARE(graph->childCount(), view->handleCount());
    QAccessibleInterface *point = graph->child(view->selected());
    QCOMPARE(point->text(QAccessible::Name), QStringLiteral("Attack, element 2"));
    QCOMPARE(point->text(QAccessible::Value),
             m_memory->valueText(attackTime, element2, 1) + QStringLiteral(", 126"));
}

// The stored voice is drawn and nothing moves.
void TestShape::compareShowsTheStoredVoiceAndRefusesDrags()
{
    ShapeGraph *view = amplitude();
    const int attack = view->handleIndex(QStringLiteral("Attack"));
    m_memory->setValue(attackTime, element2, 60);
    const QPointF edited = view->handlePixel(attack);
    m_window->findChild<QCheckBox *>()->setChecked(true);
    QVERIFY(view->handlePixel(attack).x() < edited.x());
    const int steps = m_stack->count();
    drag(view, attack, QPoint(60, 0));
    QCOMPARE(m_memory->value(attackTime, element2), 0);
    QCOMPARE(m_stack->count(), steps);
    QVERIFY(m_window->statusBar()->currentMessage().contains(QStringLiteral("Compare")));
    m_window->findChild<QCheckBox *>()->setChecked(false);
    QCOMPARE(m_memory->value(attackTime, element2), 60);
    QCOMPARE(view->handlePixel(attack), edited);
}

QTEST_MAIN(TestShape)
#include "tst_shape.moc"
