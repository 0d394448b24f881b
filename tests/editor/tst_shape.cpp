// The Shape panel in the editor: its curves follow the voice wherever it
// changes, and its points, dragged or moved with the keys, edit the voice
// as one step of the history each.

#include "editorsession.h"

#include <shape/envelopeview.h>
#include <shape/rangeview.h>
#include <shape/responseview.h>
#include <shape/shapepanel.h>
#include <shape/shapesource.h>
#include <history/voicehistory.h>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
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
const QString eqType = QStringLiteral("FEkNormalElementEQ/kNrmElmEQType");
const QString filterType = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterType");
const QString highPass = QStringLiteral("FEkNormalElementFilter/kNrmElmHPFCutoffFreq");
const QString sustainLevel = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGDecay2Level");
const QString sustainTime = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGSustainTime");
const QString releaseTime = QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGReleaseTime");
const QString filterRelease = QStringLiteral("FEkNormalElementFilter/kNrmElmFEGReleaseTime");
constexpr int element2 = 1;

// A time text as milliseconds: "12.5ms", "1.20s".
double milliseconds(const QString &text)
{
    return text.endsWith(QLatin1String("ms")) ? text.chopped(2).toDouble()
                                              : text.chopped(1).toDouble() * 1000;
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
    void theEnvelopesShareKeyOff();
    void theFilterReadsAsItsType_data();
    void theFilterReadsAsItsType();
    void theKeysMoveTheSelectedPoint();
    void renderWindowWritesTheWindow();
    void compareShowsTheStoredVoiceAndRefusesDrags();
    void aSecondVoiceIsDrawnFaintBehind();
    void aSecondVoiceOfAnotherTypeDrawsNothing();
    void aDragTakesTheVoicesPointNotTheSecondVoices();

private:
    ShapeGraph *graph(const QString &name) const { return m_panel->findChild<ShapeGraph *>(name); }
    ShapeGraph *amplitude() const { return graph(QStringLiteral("amplitudeEnvelope")); }
    // The voice with attack time `attack` on element 2.
    Voice withAttack(int attack) const
    {
        Voice voice = m_memory->voice();
        const ParameterRef ref = *m_memory->resolve(attackTime, element2);
        voice.values[ref.high][std::size_t(ref.part)][ref.low] = attack;
        return voice;
    }

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
    QTest::newRow("attack time") << "amplitudeEnvelope"
                                 << "Attack" << QPoint(60, 0) << attackTime << attackLevel << true
                                 << -1 << -1;
    QTest::newRow("note limit high")
        << "noteRanges"
        << "Highest note" << QPoint(-60, 0) << noteHigh << noteLow << false << 36 << 36;
    QTest::newRow("velocity limit low")
        << "velocityRanges"
        << "Lowest velocity" << QPoint(50, 0) << veloLow << veloHigh << true << 100 << 100;
    QTest::newRow("filter cutoff")
        << "filterResponse"
        << "Cutoff" << QPoint(-100, 0) << cutoff << resonance << false << -1 << 0;
    QTest::newRow("EQ low gain") << "filterResponse"
                                 << "EQ low" << QPoint(0, -30) << eqLowGain << eqLowFreq << true
                                 << -1 << 76;
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
    QCOMPARE(m_stack->text(0),
             QStringLiteral("%1, element 2: %2 -> %3")
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
    QVERIFY2(m_stack->text(0).startsWith(QStringLiteral("AEG Decay1 Time, element 2: ")),
             qPrintable(m_stack->text(0)));
    QVERIFY(m_stack->text(0).contains(QStringLiteral("AEG Decay1 Level: 100 -> %1").arg(level)));
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
    QVERIFY2(how == 2 ? after < before : after > before,
             qPrintable(QStringLiteral("%1 %2").arg(before).arg(after)));
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
    const auto blockOfAttack = [this] {
        return amplitude()->handle(amplitude()->handleIndex(QStringLiteral("Attack"))).x->high;
    };
    const auto block = [this](const QString &address) {
        quint16 high = 0, low = 0;
        m_memory->findParameter(address, &high, &low);
        return high;
    };
    QCOMPARE(partOfAttack(), element2);
    QCOMPARE(blockOfAttack(),
             block(QStringLiteral("kNormalElementAmplitude/kNrmElmAEGAttackTime")));
    m_window->findChild<QComboBox *>(QStringLiteral("element"))->setCurrentIndex(2);
    QCOMPARE(partOfAttack(), 2);

    // A plug-in voice shows its element's.
    auto *type = m_window->findChild<QComboBox *>(QStringLiteral("voiceType"));
    type->setCurrentIndex(type->findData(2));
    QCOMPARE(blockOfAttack(),
             block(QStringLiteral("kPluginElementAmplitude/kPlgElmAEGAttackTime")));
    m_stack->undo();

    // A drum voice shows its current drum key's amplitude envelope, and no other.
    type->setCurrentIndex(type->findData(3));
    m_window->findChild<QComboBox *>(QStringLiteral("drumKey"))->setCurrentIndex(12);
    QCOMPARE(partOfAttack(), 12);
    QCOMPARE(blockOfAttack(), block(QStringLiteral("kDrumKeyAmplitude/kDrmKeyAEGAttackTime")));
    QVERIFY(graph(QStringLiteral("filterEnvelope"))->isHidden());
    QVERIFY(graph(QStringLiteral("velocityRanges"))->isHidden());
    m_stack->undo();
    QVERIFY(!graph(QStringLiteral("filterEnvelope"))->isHidden());
}

// The element's envelopes let the key go at one time, a while after the
// slowest reaches its sustain; the release starts there. A sustain time that
// is not Hold lets the level fall meanwhile.
void TestShape::theEnvelopesShareKeyOff()
{
    auto *amp = static_cast<EnvelopeView *>(amplitude());
    auto *filter = m_panel->envelope(EnvelopeView::Filter);
    m_memory->setValue(QStringLiteral("FEkNormalElementFilter/kNrmElmFEGDecay2Time"), element2,
                       120);
    QCOMPARE(amp->keyOffTime(), filter->keyOffTime());
    QVERIFY(amp->keyOffTime() > milliseconds(m_memory->valueText(decay1Time, element2, 70)) * 2);
    const ShapeHandle &release = amp->handle(amp->handleIndex(QStringLiteral("Release")));
    QCOMPARE(release.at.x(),
             amp->keyOffTime() + milliseconds(m_memory->valueText(releaseTime, element2, 80)));
    QCOMPARE(amp->levelAt(amp->keyOffTime()), double(m_memory->value(sustainLevel, element2)));
    m_memory->setValue(filterRelease, element2, 127);
    QVERIFY(amp->handlePixel(amp->handleIndex(QStringLiteral("Release"))).x()
            < filter->handlePixel(filter->handleIndex(QStringLiteral("Release"))).x());

    m_memory->setValue(sustainTime, element2, 60); // over before key-off
    QCOMPARE(amp->levelAt(amp->keyOffTime()), 0.0);
    m_memory->setValue(sustainTime, element2, 126); // still falling at key-off
    const double atKeyOff = amp->levelAt(amp->keyOffTime());
    QVERIFY2(atKeyOff > 0 && atKeyOff < m_memory->value(sustainLevel, element2),
             qPrintable(QString::number(atKeyOff)));
}

void TestShape::theFilterReadsAsItsType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("resonance");
    QTest::addColumn<double>("below"); // dB an octave and a half under the cutoff
    QTest::addColumn<double>("at");    // at the cutoff
    QTest::addColumn<double>("above"); // an octave and a half over it
    // Each a range: the least and most a musician would accept, in dB.
    QTest::newRow("LPF24 resonant") << "LPF24 Digital" << 100 << 0.0 << 12.0 << -30.0;
    QTest::newRow("LPF12") << "LPF12" << 0 << 0.0 << -6.0 << -15.0;
    QTest::newRow("HPF12") << "HPF12" << 0 << -15.0 << -6.0 << 0.0;
    QTest::newRow("BPF12") << "BPF12 Digital" << 60 << -20.0 << 0.0 << -20.0;
    QTest::newRow("BEF12") << "BEF12" << 20 << 0.0 << -36.0 << 0.0;
    QTest::newRow("Thru") << "Thru" << 0 << 0.0 << 0.0 << 0.0;
}

// Approximate, but as a musician expects of each type at 1 kHz: resonant
// peaks, slopes on the right side, a notch; the EQ's low band boosts the lows.
void TestShape::theFilterReadsAsItsType()
{
    QFETCH(QString, type);
    QFETCH(int, resonance);
    QFETCH(double, below);
    QFETCH(double, at);
    QFETCH(double, above);
    auto *view = m_panel->response();
    int typeValue = -1;
    for (int v = 0; v < 32 && typeValue < 0; ++v)
        if (m_memory->valueText(filterType, element2, v) == type)
            typeValue = v;
    QVERIFY(typeValue >= 0);
    m_memory->setValue(filterType, element2, typeValue);
    m_memory->setValue(cutoff, element2, 40); // 2.00kHz
    m_memory->setValue(::resonance, element2, resonance);
    const double hz = 2000;
    const auto near = [](double measured, double expected) {
        return std::abs(measured - expected) <= 6;
    };
    QVERIFY2(near(view->filterDbAt(hz / 2.83), below),
             qPrintable(QString::number(view->filterDbAt(hz / 2.83))));
    QVERIFY2(at <= -36 ? view->filterDbAt(hz) <= -30 : near(view->filterDbAt(hz), at),
             qPrintable(QString::number(view->filterDbAt(hz))));
    QVERIFY2(above <= -30 ? view->filterDbAt(hz * 2.83) <= above
                          : near(view->filterDbAt(hz * 2.83), above),
             qPrintable(QString::number(view->filterDbAt(hz * 2.83))));

    m_memory->setValue(eqLowGain, element2, 76); // +12dB at 100Hz
    QVERIFY(view->eqDbAt(30) > 9);
    QVERIFY(std::abs(view->eqDbAt(1000)) < 1);
    m_memory->setValue(eqType, element2, 5); // Thru
    QCOMPARE(view->eqDbAt(30), 0.0);
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
    QVERIFY2(
        view->accessibleName().contains(
            QStringLiteral("AEG Attack Time %1").arg(m_memory->valueText(attackTime, element2, 1))),
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
    m_window->findChild<QCheckBox *>(QStringLiteral("compare"))->setChecked(true);
    QVERIFY(view->handlePixel(attack).x() < edited.x());
    const int steps = m_stack->count();
    drag(view, attack, QPoint(60, 0));
    QCOMPARE(m_memory->value(attackTime, element2), 0);
    QCOMPARE(m_stack->count(), steps);
    QVERIFY(m_window->statusBar()->currentMessage().contains(QStringLiteral("Compare")));
    m_window->findChild<QCheckBox *>(QStringLiteral("compare"))->setChecked(false);
    QCOMPARE(m_memory->value(attackTime, element2), 60);
    QCOMPARE(view->handlePixel(attack), edited);
}

// The second voice's attack sits where its own time puts it, drawn, with
// its element following the panel's; the voice's own curve, points and
// what screen readers see of them stay as they were.
void TestShape::aSecondVoiceIsDrawnFaintBehind()
{
    auto *view = static_cast<EnvelopeView *>(amplitude());
    const QPolygonF live = view->curve();
    const int points = QAccessible::queryAccessibleInterface(view)->childCount();
    m_panel->setSecondVoice(withAttack(90));
    const int attack = view->secondPointIndex(QStringLiteral("Attack"));
    QVERIFY(attack >= 0);
    const double attackMs = milliseconds(m_memory->valueText(attackTime, element2, 90));
    QCOMPARE(view->secondPoint(attack).at,
             QPointF(attackMs, m_memory->value(attackLevel, element2)));
    QCOMPARE(view->secondCurve().at(1), view->secondPoint(attack).at);
    QCOMPARE(view->curve(), live);
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->childCount(), points);
    QVERIFY(!m_panel->accessibleDescription().isEmpty());
    // Light blue where the point is: drawn, faint, behind nothing of the voice's own.
    QVERIFY(view->levelAt(attackMs) < view->secondPoint(attack).at.y() - 10);
    const QColor drawn =
        view->grab().toImage().pixelColor(view->secondPointPixel(attack).toPoint());
    QVERIFY2(drawn.blue() - drawn.red() > 30 && drawn.red() > 60, qPrintable(drawn.name()));
    QVERIFY(m_panel->response()->secondPointCount() > 0);
    QCOMPARE(m_panel->noteRanges()->secondPointCount(), 2);

    m_window->findChild<QComboBox *>(QStringLiteral("element"))->setCurrentIndex(2);
    QCOMPARE(view->secondPoint(view->secondPointIndex(QStringLiteral("Attack"))).x->part, 2);

    m_panel->setSecondVoice(std::nullopt);
    QCOMPARE(view->secondPointCount(), 0);
    QVERIFY(view->secondCurve().isEmpty());
    QCOMPARE(m_panel->response()->secondPointCount(), 0);
    QVERIFY(m_panel->accessibleDescription().isEmpty());
}

// A voice of another type has nothing to lay behind; it shows once the
// voice takes its type.
void TestShape::aSecondVoiceOfAnotherTypeDrawsNothing()
{
    m_panel->setSecondVoice(m_memory->initialVoice(VoiceType::Plugin));
    for (ShapeGraph *view : m_panel->findChildren<ShapeGraph *>())
        QCOMPARE(view->secondPointCount(), 0);
    QVERIFY(m_panel->envelope(EnvelopeView::Filter)->secondCurve().isEmpty());
    auto *type = m_window->findChild<QComboBox *>(QStringLiteral("voiceType"));
    type->setCurrentIndex(type->findData(2));
    QVERIFY(amplitude()->secondPointCount() > 0);
}

// Pressed on the second voice's point a few pixels from the voice's own,
// the drag moves the voice's; pressed on it alone, nothing moves.
void TestShape::aDragTakesTheVoicesPointNotTheSecondVoices()
{
    auto *view = static_cast<EnvelopeView *>(amplitude());
    m_memory->setValue(attackTime, element2, 40);
    m_stack->clear();
    const int attack = view->handleIndex(QStringLiteral("Attack"));
    int second = 41;
    for (; second < 127; ++second) {
        m_panel->setSecondVoice(withAttack(second));
        const double apart =
            QLineF(view->handlePixel(attack),
                   view->secondPointPixel(view->secondPointIndex(QStringLiteral("Attack"))))
                .length();
        if (apart >= 4)
            break;
    }
    const QPoint faint =
        view->secondPointPixel(view->secondPointIndex(QStringLiteral("Attack"))).toPoint();
    QVERIFY(QLineF(view->handlePixel(attack), faint).length() < 8);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, faint);
    QTest::mouseMove(view, faint + QPoint(30, 0));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, faint + QPoint(30, 0));
    QVERIFY(m_memory->value(attackTime, element2) > 40);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_panel->secondSource()->voice()->value(*m_memory->resolve(attackTime, element2)),
             second);

    m_panel->setSecondVoice(withAttack(110));
    const QPoint alone =
        view->secondPointPixel(view->secondPointIndex(QStringLiteral("Attack"))).toPoint();
    for (int i = 0; i < view->handleCount(); ++i)
        QVERIFY(QLineF(view->handlePixel(i), alone).length() > 12);
    const int before = m_memory->value(attackTime, element2);
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, alone);
    QTest::mouseMove(view, alone - QPoint(40, 0));
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, alone - QPoint(40, 0));
    QCOMPARE(m_memory->value(attackTime, element2), before);
    QCOMPARE(m_stack->count(), 1);
}

// The program renders its window with the Shape panel, display or not.
void TestShape::renderWindowWritesTheWindow()
{
    QTemporaryDir dir;
    // At scale 2 every pixel of the window on the screen is two in the picture.
    const QString png = dir.filePath(QStringLiteral("window.png"));
    QProcess process;
    process.start(QStringLiteral(ZINTA_EDITOR_PATH),
                  { "--addon", VESTRA_ADDON_PATH, "--render-window", "--output", png, "--scale",
                    "2", "--quit-after", "5000" });
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString said = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch onScreen =
        QRegularExpression(QStringLiteral("rendered the window .* (\\d+)x(\\d+) on the screen"))
            .match(said);
    QVERIFY2(onScreen.hasMatch(), qPrintable(said));
    const QSize window(onScreen.captured(1).toInt(), onScreen.captured(2).toInt());
    QVERIFY(window.width() > 300 && window.height() > 200);
    QCOMPARE(QImage(png).size(), window * 2);
}

QTEST_MAIN(TestShape)
#include "tst_shape.moc"
