// What every form offers its user, over the 35 menu entries: controls that
// neither overlap nor leave their page, and Tab reaching each bound control
// of a page once (the row check, run over every entry elsewhere, finds each
// fader beside its value field); then the keys of the selectors and
// displays, and values typed into a real dialog.

#include <hostfixture.h>

#include <chotspotlabel.h>
#include <cpopup.h>

#include <QTabBar>

namespace {

int voiceTypeOf(int entry)
{
    return entry <= 12 ? 1 : entry <= 20 ? 2 : entry <= 28 ? 3 : 4;
}
const int drumKey = 5;

// Whether the host is in compare mode: not, switched on with the dialog
// open, or on before the dialog opens.
enum Compare { Off, SwitchedOn, OnAtOpening };

void setCompareMode(HostFixture &host, bool on)
{
    host.voiceData.compareMode = on;
    host.memory.setCompareMode(on);
}

// The dialog of an entry opened on a voice of its own type, at drum key 5.
QWidget *openOnItsVoice(HostFixture &host, int entry, Compare compare = Off)
{
    const int voiceType = voiceTypeOf(entry);
    host.memory.setVoiceType(voiceOfBlocks(VoiceType(voiceType)));
    host.voiceData.voiceType =
        QStringList{ "Normal", "Plugin", "Drum", "Plugin" }.at(voiceType - 1);
    host.voiceData.drumKey = drumKey;
    host.memory.setCurrentDrumKey(drumKey);
    if (compare == OnAtOpening)
        setCompareMode(host, true);
    return host.open(entry);
}

int partOfEntry(int entry)
{
    return entry <= 4 ? entry - 1 : entry == 28 ? drumKey : 0;
}

void addEntries()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 35; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

// What a user sees and works on a page: the shown widgets of some size that
// are not mere lines or boxes.
QList<QWidget *> shownControls(QWidget *page)
{
    QList<QWidget *> controls;
    for (QWidget *w : Form::on<QWidget>(page))
        if (!w->isHidden() && !w->size().isEmpty()
            && (qobject_cast<QLabel *>(w) || !qobject_cast<QFrame *>(w)))
            controls << w;
    return controls;
}

QString describe(QWidget *w)
{
    return w->objectName() + QLatin1Char(' ') + Form::addressOf(w);
}

template <typename T>
T *controlOf(QWidget *dialog, const QString &address)
{
    for (T *control : dialog->findChildren<T *>())
        if (Form::addressOf(control) == address)
            return control;
    return nullptr;
}

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandApartInsideTheirPages_data() { addEntries(); }
    void controlsStandApartInsideTheirPages();
    void aFaderAwayFromItsFieldFailsTheRowCheck();
    void tabReachesEveryBoundControlOnce_data() { addEntries(); }
    void tabReachesEveryBoundControlOnce();
    void selectorsWorkByKeyboard_data();
    void selectorsWorkByKeyboard();
    void displaysAskTheHost_data();
    void displaysAskTheHost();
    void typedValuesAreOneEditOfTheirPart_data();
    void typedValuesAreOneEditOfTheirPart();
};

// No two shown controls of a page overlap, and each lies wholly inside it.
void TestForms::controlsStandApartInsideTheirPages()
{
    QFETCH(int, entry);
    HostFixture host;
    QVERIFY2(host.addOn, qPrintable(host.loadError()));
    QWidget *dialog = openOnItsVoice(host, entry);
    QVERIFY(dialog);
    auto *tabs = dialog->findChild<QTabWidget *>();
    QStringList wrong;
    for (QWidget *page : Form::pages(dialog)) {
        tabs->setCurrentWidget(page);
        const QList<QWidget *> controls = shownControls(page);
        for (int i = 0; i < controls.size(); ++i) {
            if (!page->rect().contains(controls[i]->geometry()))
                wrong << describe(controls[i]) + QLatin1String(" leaves its page");
            // Edges may touch by a pixel, as a few rows are drawn.
            for (int j = i + 1; j < controls.size(); ++j) {
                const QRect both = controls[i]->geometry() & controls[j]->geometry();
                if (both.width() > 1 && both.height() > 1)
                    wrong << describe(controls[i]) + QLatin1String(" overlaps ")
                            + describe(controls[j]);
            }
        }
    }
    for (const QString &line : std::as_const(wrong))
        qWarning("%s", qPrintable(line));
    QVERIFY(wrong.isEmpty());
}

// A fader moved off its value field's line is no longer the field's fader,
// and the row check says so.
void TestForms::aFaderAwayFromItsFieldFailsTheRowCheck()
{
    HostFixture host;
    QWidget *dialog = host.open(7);
    QVERIFY(Form::checkRows(host, dialog, 0).isEmpty());
    CFader *fader = nullptr;
    for (CTextSlider *field : dialog->findChildren<CTextSlider *>())
        fader = fader ? fader : (field->isVisible() ? Form::faderBeside(field) : nullptr);
    QVERIFY(fader);
    fader->move(fader->pos() + QPoint(0, 8));
    const QStringList wrong = Form::checkRows(host, dialog, 0);
    QVERIFY2(wrong.join(QLatin1Char('\n')).contains(fader->objectName()),
             qPrintable(wrong.join(QLatin1Char('\n'))));
}

// Page by page, Tab from the tab bar runs round the page and back, meeting
// every shown bound control exactly once.
void TestForms::tabReachesEveryBoundControlOnce()
{
    QFETCH(int, entry);
    HostFixture host;
    QWidget *dialog = openOnItsVoice(host, entry);
    QVERIFY(dialog);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *tabs = dialog->findChild<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(tabs);
    QStringList wrong;
    for (QWidget *page : Form::pages(dialog)) {
        tabs->setCurrentWidget(page);
        tabs->tabBar()->setFocus(Qt::TabFocusReason);
        QWidget *start = QApplication::focusWidget();
        QHash<QWidget *, int> met;
        for (int presses = 0; presses < 300; ++presses) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == start)
                break;
            ++met[QApplication::focusWidget()];
        }
        for (QWidget *w : page->findChildren<QWidget *>()) {
            auto *proxy = dynamic_cast<TMemProxy *>(w);
            if (proxy && proxy->isBound() && w->isVisible() && met.value(w) != 1)
                wrong << describe(w) + QStringLiteral(" met %1 times").arg(met.value(w));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestForms::selectorsWorkByKeyboard_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("openKey");
    QTest::addColumn<QList<int>>("gridKeys"); // the last one ends the grid
    QTest::addColumn<int>("across");          // items the choice lies right of the current one
    QTest::addColumn<int>("down");            // rows the choice lies below it

    using K = QList<int>;
    const QString insA = QStringLiteral("00kNormalCommonInsA/kNrmInsAType");
    const QString reverb = QStringLiteral("00kPluginCommonReverb/kPlgRevType");
    const QString waveType = QStringLiteral("FEkDrumKey/kDrmKeyWaveType");
    const QString lfoWave = QStringLiteral("00kNormalCommonLFO/kNrmComLFOWave");
    QTest::newRow("type menu, Space, Right, Enter")
        << 5 << insA << int(Qt::Key_Space) << K{ Qt::Key_Right, Qt::Key_Return } << 1 << 0;
    QTest::newRow("type menu, Enter, Down, Space")
        << 5 << insA << int(Qt::Key_Return) << K{ Qt::Key_Down, Qt::Key_Space } << 0 << 1;
    QTest::newRow("type menu, F4, Right, Right, Down, Enter")
        << 15 << reverb << int(Qt::Key_F4)
        << K{ Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Enter } << 2 << 1;
    QTest::newRow("type menu, Escape")
        << 5 << insA << int(Qt::Key_F4) << K{ Qt::Key_Right, Qt::Key_Escape } << 0 << 0;
    QTest::newRow("pull-down, Space, Down, Enter")
        << 28 << waveType << int(Qt::Key_Space) << K{ Qt::Key_Down, Qt::Key_Return } << 0 << 1;
    QTest::newRow("pull-down, Enter, Escape")
        << 28 << waveType << int(Qt::Key_Enter) << K{ Qt::Key_Down, Qt::Key_Escape } << 0 << 0;
    QTest::newRow("LFO wave, Enter, Right, Enter")
        << 11 << lfoWave << int(Qt::Key_Return) << K{ Qt::Key_Right, Qt::Key_Return } << 1 << 0;
}

// A selector opens its grid on its key; the arrows move through the grid
// and Enter or Space chooses, which the memory and the selector show;
// Escape closes the grid and changes nothing.
void TestForms::selectorsWorkByKeyboard()
{
    QFETCH(int, entry);
    QFETCH(QString, address);
    QFETCH(int, openKey);
    QFETCH(QList<int>, gridKeys);
    QFETCH(int, across);
    QFETCH(int, down);
    HostFixture host;
    QWidget *dialog = openOnItsVoice(host, entry);
    const int part = Form::partOf(address, partOfEntry(entry));
    host.memory.setValue(address, part, host.minimum(address, part));
    auto *selector = controlOf<CPopup>(dialog, address);
    QVERIFY(selector && selector->isVisible());
    const int before = host.memory.value(address, part);
    QTest::keyClick(selector, Qt::Key(openKey));
    QWidget *grid = selector->choiceGrid();
    QVERIFY(grid && grid->isVisible());
    for (int key : gridKeys)
        QTest::keyClick(grid, Qt::Key(key));
    QTRY_VERIFY(!selector->choiceGrid());
    const int expected = before + across + down * selector->columnsCount();
    QCOMPARE(host.memory.value(address, part), expected);
    QCOMPARE(selector->shownText(), host.memory.valueText(address, part, expected));
}

void TestForms::displaysAskTheHost_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("waveType"); // of the drum key, -1 elsewhere
    QTest::addColumn<int>("key");      // 0: a click
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("command"); // 0: none
    const int none = Qt::NoButton;
    QTest::newRow("element 3 wave, Space")
        << 3 << "cWaveLabel453" << -1 << int(Qt::Key_Space) << none << 44;
    QTest::newRow("element 1 wave, Enter")
        << 1 << "cWaveLabel453" << -1 << int(Qt::Key_Return) << none << 42;
    QTest::newRow("element 4 wave, left click")
        << 4 << "cWaveLabel453" << -1 << 0 << int(Qt::LeftButton) << 45;
    QTest::newRow("element 2 wave, right click")
        << 2 << "cWaveLabel453" << -1 << 0 << int(Qt::RightButton) << 43;
    QTest::newRow("middle click asks nothing")
        << 3 << "cWaveLabel453" << -1 << 0 << int(Qt::MiddleButton) << 0;
    QTest::newRow("other keys ask nothing")
        << 3 << "cWaveLabel453" << -1 << int(Qt::Key_A) << none << 0;
    QTest::newRow("drum wave, Enter")
        << 28 << "cWaveLabel2252" << 0 << int(Qt::Key_Enter) << none << 38;
    QTest::newRow("drum wave, left click")
        << 28 << "cWaveLabel2252" << 2 << 0 << int(Qt::LeftButton) << 38;
    QTest::newRow("drum voice, Space")
        << 28 << "cDrumVoiceSelect2253" << 1 << int(Qt::Key_Space) << none << 17;
    QTest::newRow("drum voice, right click")
        << 28 << "cDrumVoiceSelect2253" << 1 << 0 << int(Qt::RightButton) << 17;
    QTest::newRow("arpeggio type, Enter")
        << 8 << "cWaveLabel2442" << -1 << int(Qt::Key_Return) << none << 10;
    QTest::newRow("plug-in arpeggio type, right click")
        << 16 << "cWaveLabel2442" << -1 << 0 << int(Qt::RightButton) << 10;
    QTest::newRow("plug-in arpeggio SF 2, Space")
        << 16 << "cWaveLabel2449" << -1 << int(Qt::Key_Space) << none << 47;
    QTest::newRow("drum arpeggio SF 5, left click")
        << 24 << "cWaveLabel2452" << -1 << 0 << int(Qt::LeftButton) << 50;
}

// Space or Enter on a shown display, or a click with a button it answers,
// asks the host for its selector: one synchronous command.
void TestForms::displaysAskTheHost()
{
    QFETCH(int, entry);
    QFETCH(QString, display);
    QFETCH(int, waveType);
    QFETCH(int, key);
    QFETCH(int, button);
    QFETCH(int, command);
    HostFixture host;
    if (waveType >= 0)
        host.memory.setValue(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), drumKey, waveType);
    QWidget *dialog = openOnItsVoice(host, entry);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *label = Form::child<CHotspotLabel>(dialog, display);
    QVERIFY(label);
    dialog->findChild<QTabWidget *>()->setCurrentWidget(label->parentWidget());
    QVERIFY(label->isVisible());
    if (key)
        QTest::keyClick(label, Qt::Key(key));
    else
        QTest::mouseClick(label, Qt::MouseButton(button), Qt::NoModifier,
                          (label->hotSpot().isValid() ? label->hotSpot() : label->rect()).center());
    QCOMPARE(host.host.commands, command ? QList<int>{ command } : QList<int>());
    QVERIFY(!host.host.synchronousFlags.contains(false));
}

void TestForms::typedValuesAreOneEditOfTheirPart_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("compare");
    QTest::newRow("element 3") << 3 << "FEkNormalElement/kNrmElmPan" << int(Off);
    QTest::newRow("element 2, level") << 2 << "FEkNormalElementAmplitude/kNrmElmLevel" << int(Off);
    QTest::newRow("plug-in element") << 20 << "00kPluginElement/kPlgElmLFOSpeed" << int(Off);
    QTest::newRow("drum key") << 28 << "FEkDrumKeyAmplitude/kDrmKeyLevel" << int(Off);
    QTest::newRow("element 3, compare mode")
        << 3 << "FEkNormalElement/kNrmElmPan" << int(SwitchedOn);
    QTest::newRow("drum key, compare mode") << 28 << "FEkDrumKey/kDrmKeyPan" << int(SwitchedOn);
    QTest::newRow("element 3, opened in compare mode")
        << 3 << "FEkNormalElement/kNrmElmPan" << int(OnAtOpening);
}

// The text of another value typed into a value field and entered: one edit
// group that writes the dialog's own element or key alone, shown by the
// field and its fader. In compare mode nothing is written: a dialog greyed
// when compare came on takes no key; where the field does take keys (a
// dialog opened in compare mode), it opens no entry for the typed text and
// a step is refused by the memory, as the host hears, the field still
// showing the stored value.
void TestForms::typedValuesAreOneEditOfTheirPart()
{
    QFETCH(int, entry);
    QFETCH(QString, address);
    QFETCH(int, compare);
    HostFixture host;
    QWidget *dialog = openOnItsVoice(host, entry, Compare(compare));
    const int part = Form::partOf(address, partOfEntry(entry));
    quint16 high = 0, low = 0;
    QVERIFY(host.memory.findParameter(address, &high, &low));
    QList<int> everyPart;
    for (int p = 0; p < host.memory.partCount(high); ++p)
        everyPart << host.memory.value(high, low, p);
    auto *field = controlOf<CTextSlider>(dialog, address);
    QVERIFY(field && field->isVisible() && Form::faderBeside(field));
    const int v = host.otherValue(address, part);
    const QString text = host.memory.valueText(address, part, v);
    QVERIFY(!text.isEmpty());
    if (compare == SwitchedOn)
        setCompareMode(host, true);

    QSignalSpy begun(&host.memory, &TParameterMemory::editGroupBegun);
    QSignalSpy ended(&host.memory, &TParameterMemory::editGroupEnded);
    QSignalSpy refused(&host.memory, &TParameterMemory::editRefused);
    QTest::keyClick(field, text.toLatin1().at(0));
    if (compare) {
        QVERIFY(!field->entry());
        QVERIFY(compare == OnAtOpening || !field->isEnabled());
        QTest::keyClick(field, Qt::Key_Up);
        QCOMPARE(refused.count(), field->isEnabled() ? 1 : 0);
        QCOMPARE(field->value(), everyPart[part]);
    } else if (field->entry()) {
        QTest::keyClicks(field->entry(), text.mid(1));
        QTest::keyClick(field->entry(), Qt::Key_Return);
    }
    QVERIFY(!field->entry());
    QCOMPARE(begun.count(), compare ? 0 : 1);
    QCOMPARE(ended.count(), begun.count());
    setCompareMode(host, false);
    if (!compare)
        everyPart[part] = v;
    for (int p = 0; p < everyPart.size(); ++p)
        QCOMPARE(host.memory.value(high, low, p), everyPart[p]);
    QCOMPARE(field->value(), everyPart[part]);
    QCOMPARE(Form::faderBeside(field)->value(), everyPart[part]);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
