// The voice common dialogs opened from the host's menu entries for normal,
// plug-in and drum voices: the controller-set forms (plain value fields and
// pull-down menus on a grid of inert push buttons) and the arpeggio dialog
// (sixteen rows, the type displays and the host's type selector).

#include <hostfixture.h>

#include <cfader.h>
#include <chotspotlabel.h>
#include <csimplenotifier.h>
#include <cpopup.h>
#include <ctextslider.h>
#include <tmemproxy.h>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <tuple>

namespace {

const char *voiceName(int voiceType)
{
    return voiceType == 1 ? "normal" : voiceType == 2 ? "plug-in" : "drum";
}

// The address a voice type edits for a normal-voice address.
QString forVoice(QString address, int voiceType)
{
    if (voiceType == 2)
        return address.replace(QLatin1String("Normal"), QLatin1String("Plugin"))
            .replace(QLatin1String("Nrm"), QLatin1String("Plg"));
    if (voiceType == 3)
        return address.replace(QLatin1String("Normal"), QLatin1String("Drum"))
            .replace(QLatin1String("Nrm"), QLatin1String("Drm"));
    return address;
}

template <typename T>
T *child(QObject *parent, const QString &objectName)
{
    return parent->findChild<T *>(objectName);
}

QString numbered(const char *prefix, int number)
{
    return QLatin1String(prefix) + QString::number(number);
}

// ---- The controller-set forms as the design draws them.

// A control bound to a parameter. `otherX` is a second x the design allows
// (it gives "x = 342 or 343"); 0 when it gives one.
struct Control
{
    QString name;
    const char *className;
    QRect geometry;
    QString address;
    int otherX = 0;
};

// A push button: named, or (where the design does not name it) null.
struct Button
{
    QString name;
    QRect geometry;
    const char *text;
};

struct PlainForm
{
    const char *title;      // of the test rows
    int entries[3];         // normal, plug-in, drum
    const char *objectName; // as the catalogue names it
    const char *caption;
    const char *pageLabel;
    QSize size;
    QList<Control> controls;
    QList<Button> buttons;
};

const char *const ctrlSetClass = "CTextSlider";
const char *const popupClass = "CPopup";

QString common(const char *parameter)
{
    return QLatin1String("00kNormalCommonController/kNrmComCtrl") + QLatin1String(parameter);
}
QString element(const char *parameter)
{
    return QLatin1String("00kNormalElement/kNrmElm") + QLatin1String(parameter);
}

PlainForm ctrlSetForm()
{
    PlainForm f{ "CtrlSet", { 10, 18, 26 }, "Controller Set", "CtrlSet", "Sheet1", QSize(565, 300), {}, {} };
    // Controller-set rows 1 and 2 (y 42 and 72).
    const int rowY[] = { 42, 72 };
    for (int n = 1; n <= 2; ++n) {
        const int y = rowY[n - 1];
        const int field = 2375 + 2 * (n - 1);
        f.controls << Control{ numbered("cTextSlider", field), ctrlSetClass, QRect(280, y, 24, 13),
                               common("Depth") + QString::number(n) }
                   << Control{ numbered("cPullDownMenu", field + 1), popupClass, QRect(342, y, 72, 13),
                               common("Dest") + QString::number(n) };
        for (int k = 0; k < 10; ++k) {
            const QString name = numbered("pushButton", field) + (k ? QStringLiteral("_%1").arg(k + 1) : QString());
            f.buttons << Button{ name, QRect(30 + 24 * k, y, 23, 13), "4" };
        }
        f.buttons << Button{ numbered("pushButton", field + 1), QRect(309, y - 8, 26, 26), "203" };
    }
    // The element controller grid, each field followed by a "203" button.
    struct Cell { int number; int x; int y; const char *parameter; };
    const Cell grid[] = {
        { 2379, 207, 151, "MWFilterCtrl" }, { 2380, 298, 151, "MWPM" }, { 2381, 389, 151, "MWFM" },
        { 2382, 480, 151, "MWAM" },
        { 2383, 116, 184, "ATPitch" }, { 2384, 207, 184, "ATCutoff" }, { 2385, 298, 184, "ATPM" },
        { 2386, 389, 184, "ATFM" }, { 2387, 480, 184, "ATAM" },
        { 2388, 207, 217, "AC1Cutoff" }, { 2389, 298, 217, "AC1PM" }, { 2390, 389, 217, "AC1FM" },
        { 2391, 480, 217, "AC1AM" },
    };
    for (const Cell &c : grid) {
        f.controls << Control{ numbered("cTextSlider", c.number), ctrlSetClass, QRect(c.x, c.y, 24, 13),
                               element(c.parameter) };
        f.buttons << Button{ numbered("pushButton", c.number + 1), QRect(c.x + 33, c.y - 7, 26, 26), "203" };
    }
    f.controls << Control{ QStringLiteral("cPullDownMenu2392"), popupClass, QRect(108, 220, 74, 13),
                           element("AC1CtrlNo") };
    return f;
}

QString commonLFO(const char *parameter)
{
    return QLatin1String("00kNormalCommonLFO/kNrmComLFO") + QLatin1String(parameter);
}
// The element LFO parameter of element e (0 to 3), by its prefix.
QString elementLFO(int e, const char *parameter)
{
    return QStringLiteral("%1kNormalElementLFO/kNrmElmLFO").arg(e * 10, 2, 10, QLatin1Char('0'))
        + QLatin1String(parameter);
}

PlainForm ctrlSetComLFOForm()
{
    PlainForm f{ "CtrlSetComLFO", { 11, 19, 27 }, "Controller Set Common LFO", "CtrlSet/ComLFO",
                 "CTRL SET", QSize(585, 450), {}, {} };
    // Controller-set rows n = 1 to 6.
    for (int n = 1; n <= 6; ++n) {
        const int y = 42 + 30 * (n - 1);
        f.controls << Control{ numbered("cTextSlider", 105 + 2 * (n - 1)), ctrlSetClass,
                               QRect(282, y, 21, 12), common("Depth") + QString::number(n) }
                   << Control{ numbered("cPullDownMenu", 106 + 2 * (n - 1)), popupClass,
                               QRect(342, y, 72, 13), common("Dest") + QString::number(n), 343 };
        for (int k = 0; k < 10; ++k)
            f.buttons << Button{ QString(), QRect(30 + 24 * k, y, 23, 13), "4" };
        f.buttons << Button{ QString(), QRect(309, y - 8, 26, 26), "203" };
        for (int k = 0; k < 4; ++k)
            f.buttons << Button{ QString(), QRect(424 + 38 * k, y - 1, 35, 13), "4" };
    }
    // The common LFO column.
    struct Lfo { const char *name; const char *className; const char *parameter; };
    const Lfo column[] = {
        { "cPullDownMenu117", popupClass, "Wave" },
        { "cTextSlider118", ctrlSetClass, "Speed" },
        { "cPullDownMenu119", popupClass, "Phase" },
        { "cPullDownMenu120", popupClass, "KeyOnReset" },
        { "cPullDownMenu121", popupClass, "TempoSync" },
        { "cTextSlider122", ctrlSetClass, "TempoSpeed" },
        { "cTextSlider123", ctrlSetClass, "RandomSpeedDepth" },
    };
    for (int k = 0; k < 7; ++k)
        f.controls << Control{ QLatin1String(column[k].name), column[k].className,
                               QRect(51, 259 + 22 * k, 41, 13), commonLFO(column[k].parameter), 52 };
    f.buttons << Button{ QStringLiteral("pushButton124"), QRect(101, 257, 57, 16), "0" };
    // Element LFO phase offsets.
    for (int e = 0; e < 4; ++e)
        f.controls << Control{ numbered("cTextSlider", 124 + e), ctrlSetClass,
                               QRect(431 + 38 * e, 260, 22, 12), elementLFO(e, "PhaseOffset") };
    // Common LFO depth slots.
    const int slotY[] = { 291, 333, 375 };
    for (int m = 1; m <= 3; ++m) {
        const int y = slotY[m - 1];
        const int depth = 128 + 6 * (m - 1);
        const QByteArray number = QByteArray::number(m);
        f.controls << Control{ numbered("cTextSlider", depth), ctrlSetClass, QRect(282, y, 21, 12),
                               commonLFO("Depth") + QString::number(m) }
                   << Control{ numbered("cPullDownMenu", depth + 1), popupClass, QRect(341, y, 72, 13),
                               commonLFO("Dest") + QString::number(m) };
        f.buttons << Button{ QString(), QRect(309, y - 8, 26, 26), "203" };
        for (int e = 0; e < 4; ++e) {
            f.controls << Control{ numbered("cTextSlider", depth + 2 + e), ctrlSetClass,
                                   QRect(431 + 38 * e, y + 17, 22, 12),
                                   elementLFO(e, ("Depth" + number).constData()) };
            f.buttons << Button{ QString(), QRect(424 + 38 * e, y - 1, 35, 13), "4" };
        }
    }
    f.buttons << Button{ QStringLiteral("pushButton146"), QRect(), "0" };
    return f;
}

const QList<PlainForm> &plainForms()
{
    static const QList<PlainForm> forms = { ctrlSetForm(), ctrlSetComLFOForm() };
    return forms;
}

TMemProxy *proxyOf(QWidget *widget)
{
    return dynamic_cast<TMemProxy *>(widget);
}

// Every widget of the page that carries a parameter address.
QList<QWidget *> boundControls(QWidget *page)
{
    QList<QWidget *> controls;
    for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (proxyOf(w))
            controls << w;
    }
    return controls;
}

QWidget *pageOf(QWidget *dialog, int index = 0)
{
    auto *tabs = child<QTabWidget>(dialog, QStringLiteral("tabWidget2"));
    return tabs ? tabs->widget(index) : nullptr;
}

// A value of the parameter other than `current`, inside its range.
int anotherValue(TParameterMemory &memory, const QString &address, int current)
{
    quint16 high = 0, low = 0;
    if (!memory.findParameter(address, &high, &low))
        return current;
    const int minimum = memory.minimum(high, low, 0);
    const int maximum = memory.maximum(high, low, 0);
    const int middle = minimum + (maximum - minimum) / 2;
    return middle != current ? middle : middle + 1 <= maximum ? middle + 1 : minimum;
}

// ---- The arpeggio dialog as the design draws it.

struct ArpRow
{
    const char *caption;
    const char *captionLabel;
    const char *valueField;
    const char *fader;
    const char *parameter; // after "00kNormalCommonExtra/kNrmCom"
};

const ArpRow arpRows[] = {
    { "Switch", "textLabel2426", "cTextSlider2393", "cFader2394", "ARPSw" },
    { "Hold", "textLabel2427", "cTextSlider2395", "cFader2396", "ARPHold" },
    { "Unit Multiply", "textLabel2428", "cTextSlider2397", "cFader2398", "ARPUnitMulti" },
    { "Note Limit Low", "textLabel2429", "cTextSlider2399", "cFader2400", "ARPNoteLimitLow" },
    { "Note Limit High", "textLabel2430", "cTextSlider2401", "cFader2402", "ARPNoteLimitHigh" },
    { "Velocity Limit Low", "textLabel2431", "cTextSlider2403", "cFader2404", "ARPVeloLimitLow" },
    { "Velocity Limit High", "textLabel2432", "cTextSlider2405", "cFader2406", "ARPVeloLimitHigh" },
    { "Swing", "textLabel2433", "cTextSlider2407", "cFader2408", "ARPSwing" },
    { "Tempo", "textLabel2434", "cTextSlider2409", "cFader2410", "ARPTempo" },
    { "Key Mode", "textLabel2435", "cTextSlider2411", "cFader2412", "ARPKeyMode" },
    { "Vel Mode", "textLabel2436", "cTextSlider2413", "cFader2414", "ARPVelMode" },
    { "Velocity Rate (%)", "textLabel2437", "cTextSlider2415", "cFader2416", "ARPVelRate" },
    { "Gate Time Rate (%)", "textLabel2438", "cTextSlider2417", "cFader2418", "ARPGTRate" },
    { "ChangeTiming", "textLabel2439", "cTextSlider2419", "cFader2420", "ARPChangeTiming" },
    { "Quantize Value", "textLabel2440", "cTextSlider2421", "cFader2422", "ARPQauntVal" },
    { "QuantizeStrength(%)", "textLabel2441", "cTextSlider2423", "cFader2424", "ARPQuantStrength" },
};

QString extra(const char *parameter, int voiceType = 1)
{
    return forVoice(QLatin1String("00kNormalCommonExtra/kNrmCom") + QLatin1String(parameter), voiceType);
}
QString typeAddress(int voiceType) { return extra("ARPType", voiceType); }
QString sfAddress(int slot, int voiceType)
{
    return extra("ARPSF", voiceType) + QString::number(slot);
}

const int arpEntries[] = { 8, 16, 24 };          // normal, plug-in, drum
const char *const voiceWords[] = { "Normal", "Plugin", "Drum" };

const char *const sfDisplays[] = { "cWaveLabel2448", "cWaveLabel2449", "cWaveLabel2450",
                                   "cWaveLabel2451", "cWaveLabel2452" };

CHotspotLabel *typeDisplay(QWidget *dialog)
{
    return child<CHotspotLabel>(dialog, QStringLiteral("cWaveLabel2442"));
}
CHotspotLabel *sfDisplay(QWidget *dialog, int slot)
{
    return child<CHotspotLabel>(dialog, QLatin1String(sfDisplays[slot - 1]));
}

} // namespace

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // The controller-set forms.
    void plainFormDialog_data();
    void plainFormDialog();
    void plainFormControlsMatchTheirTable_data();
    void plainFormControlsMatchTheirTable();
    void plainFormButtonsMatchTheirTable_data();
    void plainFormButtonsMatchTheirTable();
    void plainFormControlsFollowTheirParameters_data();
    void plainFormControlsFollowTheirParameters();
    void pressingAPushButtonChangesNothing_data();
    void pressingAPushButtonChangesNothing();
    void thePopulationHelperLeavesPlainFormsAlone_data();
    void thePopulationHelperLeavesPlainFormsAlone();
    void theZeroSizeButtonNeverShows_data();
    void theZeroSizeButtonNeverShows();

    // The arpeggio dialog.
    void arpeggioDialog();
    void arpeggioRowsMatchTheirTable_data();
    void arpeggioRowsMatchTheirTable();
    void arpeggioHeadAndSlotsMatchTheirTables_data();
    void arpeggioHeadAndSlotsMatchTheirTables();
    void arpeggioRowsEditTheVoiceTypesBlock_data();
    void arpeggioRowsEditTheVoiceTypesBlock();
    void typeDisplayNamesTheNumber_data();
    void typeDisplayNamesTheNumber();
    void sfDisplaysNameTheirNumbersFromTheSameTable_data();
    void sfDisplaysNameTheirNumbersFromTheSameTable();
    void anotherVoiceTypesChangeLeavesTheDisplaysAlone_data();
    void anotherVoiceTypesChangeLeavesTheDisplaysAlone();
    void clickingADisplayAsksForTheTypeSelector_data();
    void clickingADisplayAsksForTheTypeSelector();
    void theTypeDisplayGrowsWhenConnected();
    void theBankPopupNeverShowsAndIsBoundToNothing_data();
    void theBankPopupNeverShowsAndIsBoundToNothing();
    void theDialogWatchesAllEighteenTypeParameters();
    void focusMovesThroughTheFormInItsOrder();

private:
    void addPlainFormRows();

    HostFixture *m_host = nullptr;
    QPointer<QWidget> m_dialog;
};

void TestCommon::init()
{
    m_host = new HostFixture;
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestCommon::cleanup()
{
    delete m_dialog.data();
    delete m_host;
    m_host = nullptr;
}

// ---- Controller-set forms.

// One row per form and voice type: the form's index and the entry.
void TestCommon::addPlainFormRows()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("voiceType");
    for (int i = 0; i < plainForms().size(); ++i) {
        const PlainForm &f = plainForms().at(i);
        for (int t = 1; t <= 3; ++t)
            QTest::addRow("%s/%s", f.title, voiceName(t)) << i << f.entries[t - 1] << t;
    }
}

void TestCommon::plainFormDialog_data()
{
    addPlainFormRows();
}

void TestCommon::plainFormDialog()
{
    QFETCH(int, form);
    QFETCH(int, entry);
    const PlainForm &f = plainForms().at(form);
    m_dialog = m_host->create(entry);
    QVERIFY(m_dialog);
    QCOMPARE(m_dialog->objectName(), QLatin1String(f.objectName));
    QCOMPARE(m_dialog->windowTitle(), QLatin1String(f.caption));
    QCOMPARE(m_dialog->minimumSize(), f.size);
    QCOMPARE(m_dialog->maximumSize(), f.size);
    QCOMPARE(m_dialog->size(), f.size);
    auto *tabs = child<QTabWidget>(m_dialog, QStringLiteral("tabWidget2"));
    QVERIFY(tabs);
    QCOMPARE(tabs->parentWidget(), m_dialog.data());
    QCOMPARE(tabs->geometry(), QRect(QPoint(0, 0), f.size));
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab0"));
    QCOMPARE(tabs->tabText(0), QLatin1String(f.pageLabel));
    // Nothing but the table's controls carries an address; no captions.
    QCOMPARE(boundControls(tabs->widget(0)).size(), f.controls.size());
    QCOMPARE(tabs->widget(0)->findChildren<QLabel *>().size(), 0);
}

void TestCommon::plainFormControlsMatchTheirTable_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("control");
    for (int i = 0; i < plainForms().size(); ++i) {
        const PlainForm &f = plainForms().at(i);
        for (int c = 0; c < f.controls.size(); ++c)
            QTest::addRow("%s/%s", f.title, qPrintable(f.controls.at(c).name)) << i << c;
    }
}

void TestCommon::plainFormControlsMatchTheirTable()
{
    QFETCH(int, form);
    QFETCH(int, control);
    const PlainForm &f = plainForms().at(form);
    const Control &expected = f.controls.at(control);
    m_dialog = m_host->create(f.entries[0]);
    QWidget *page = pageOf(m_dialog);
    QVERIFY(page);
    auto *w = child<QWidget>(page, expected.name);
    QVERIFY2(w, qPrintable(expected.name));
    QCOMPARE(w->parentWidget(), page);
    QCOMPARE(w->metaObject()->className(), expected.className);
    QRect geometry = w->geometry();
    if (expected.otherX && geometry.x() == expected.otherX)
        geometry.moveLeft(expected.geometry.x());
    QCOMPARE(geometry, expected.geometry);
    QCOMPARE(proxyOf(w)->namedAddress(), expected.address);
    // Cyan on black, as every value field and pull-down menu of these forms.
    QCOMPARE(w->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 0));
    if (auto *popup = qobject_cast<CPopup *>(w)) {
        QCOMPARE(popup->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(popup->columnsCount(), 1);
        QCOMPARE(popup->buttonTextColor(), QColor(0, 255, 255));
        QCOMPARE(popup->focusColor(), QColor(155, 255, 255));
        QVERIFY(!popup->grouping());
        QVERIFY(popup->labelSizeToContents());
        QVERIFY(popup->greyOnDisable());
        QVERIFY(popup->enableFocusRect());
    } else {
        auto *field = qobject_cast<CTextSlider *>(w);
        QVERIFY(field->useTableId());
        QCOMPARE(field->tableId(), 0);
        QVERIFY(field->clickStepping());
        QVERIFY(field->enableFocusRect());
    }
}

void TestCommon::plainFormButtonsMatchTheirTable_data()
{
    QTest::addColumn<int>("form");
    for (int i = 0; i < plainForms().size(); ++i)
        QTest::newRow(plainForms().at(i).title) << i;
}

void TestCommon::plainFormButtonsMatchTheirTable()
{
    QFETCH(int, form);
    const PlainForm &f = plainForms().at(form);
    m_dialog = m_host->create(f.entries[0]);
    QWidget *page = pageOf(m_dialog);
    QVERIFY(page);
    using Shape = std::tuple<int, int, int, int, QString>;
    // A button of no size has no place worth comparing.
    auto shape = [](const QRect &r, const QString &text) {
        return r.isEmpty() ? Shape(0, 0, 0, 0, text) : Shape(r.y(), r.x(), r.width(), r.height(), text);
    };
    QList<Shape> built;
    const auto buttons = page->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly);
    for (QPushButton *b : buttons)
        built << shape(b->geometry(), b->text());
    QList<Shape> expected;
    for (const Button &b : f.buttons) {
        expected << shape(b.geometry, QLatin1String(b.text));
        if (b.name.isEmpty())
            continue;
        auto *named = child<QPushButton>(page, b.name);
        QVERIFY2(named, qPrintable(b.name));
        if (b.geometry.isEmpty())
            QVERIFY(named->size().isEmpty());
        else
            QCOMPARE(named->geometry(), b.geometry);
        QCOMPARE(named->text(), QLatin1String(b.text));
    }
    std::sort(built.begin(), built.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(built, expected);
}

void TestCommon::plainFormControlsFollowTheirParameters_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    for (const PlainForm &f : plainForms()) {
        for (int t = 1; t <= 3; ++t) {
            for (const Control &c : f.controls)
                QTest::addRow("%s/%s/%s", f.title, voiceName(t), qPrintable(c.name))
                    << f.entries[t - 1] << t << c.name << c.address;
        }
    }
}

void TestCommon::plainFormControlsFollowTheirParameters()
{
    QFETCH(int, entry);
    QFETCH(int, voiceType);
    QFETCH(QString, name);
    QFETCH(QString, address);
    TParameterMemory &memory = m_host->memory;
    m_dialog = m_host->open(entry);
    auto *w = child<QWidget>(m_dialog, name);
    QVERIFY(w);
    TMemProxy *proxy = proxyOf(w);
    const QString edited = forVoice(address, voiceType);
    QCOMPARE(proxy->namedAddress(), edited);
    QVERIFY2(proxy->isBound(), qPrintable(edited));
    QVERIFY(w->isVisible());
    // The prefix keeps its element: "00" the first, "10" the second ...
    QCOMPARE(proxy->boundPart(), address.left(2).toInt(nullptr, 16) / 16);

    // A change in the host shows.
    const int v = anotherValue(memory, edited, memory.value(edited));
    QVERIFY(memory.setValue(edited, 0, v));
    QCOMPARE(proxy->value(), v);
    if (auto *field = qobject_cast<CTextSlider *>(w))
        QCOMPARE(field->shownText(), memory.valueText(edited, 0, v));
    else
        QCOMPARE(qobject_cast<CPopup *>(w)->shownText(), memory.valueText(edited, 0, v));

    // Another element's value does not.
    if (address.contains(QLatin1String("Element"))) {
        const QString neighbour = (address.startsWith(QLatin1String("00")) ? QStringLiteral("10")
                                                                           : QStringLiteral("00"))
            + edited.mid(2);
        memory.setValue(neighbour, 0, anotherValue(memory, neighbour, v));
        QCOMPARE(proxy->value(), v);
    }

    // An edit from the keyboard goes to the voice type's block, not the
    // normal voice's.
    const int normalBefore = memory.value(address);
    const bool down = v > proxy->minimum();
    QTest::keyClick(w, down ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(memory.value(edited), down ? v - 1 : v + 1);
    QCOMPARE(proxy->value(), memory.value(edited));
    if (voiceType != 1)
        QCOMPARE(memory.value(address), normalBefore);
}

void TestCommon::pressingAPushButtonChangesNothing_data()
{
    addPlainFormRows();
}

void TestCommon::pressingAPushButtonChangesNothing()
{
    QFETCH(int, form);
    QFETCH(int, entry);
    QFETCH(int, voiceType);
    const PlainForm &f = plainForms().at(form);
    TParameterMemory &memory = m_host->memory;
    m_dialog = m_host->open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    QWidget *page = pageOf(m_dialog);
    // Every parameter away from its default, so that a reset would show.
    QList<int> before;
    for (const Control &c : f.controls) {
        const QString edited = forVoice(c.address, voiceType);
        memory.setValue(edited, 0, anotherValue(memory, edited, memory.value(edited)));
        before << memory.value(edited);
    }
    int pressed = 0;
    for (QPushButton *b : page->findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (b->size().isEmpty())
            continue;
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        QTest::mouseClick(b, Qt::RightButton, Qt::NoModifier, b->rect().center());
        QTest::keyClick(b, Qt::Key_Space);
        ++pressed;
    }
    QCOMPARE(pressed, int(std::count_if(f.buttons.begin(), f.buttons.end(),
                                        [](const Button &b) { return !b.geometry.isEmpty(); })));
    for (int i = 0; i < f.controls.size(); ++i) {
        const QString edited = forVoice(f.controls.at(i).address, voiceType);
        QCOMPARE(memory.value(edited), before.at(i));
        QCOMPARE(proxyOf(child<QWidget>(page, f.controls.at(i).name))->value(), before.at(i));
    }
    QVERIFY(m_host->host.commands.isEmpty());
    QVERIFY(m_dialog && m_dialog->isVisible());
}

void TestCommon::thePopulationHelperLeavesPlainFormsAlone_data()
{
    addPlainFormRows();
}

void TestCommon::thePopulationHelperLeavesPlainFormsAlone()
{
    QFETCH(int, form);
    QFETCH(int, entry);
    QFETCH(int, voiceType);
    const PlainForm &f = plainForms().at(form);
    m_dialog = m_host->open(entry);
    QWidget *page = pageOf(m_dialog);
    // The pull-down menus get no item list from the helper: they offer the
    // parameter memory's own value texts.
    for (const Control &c : f.controls) {
        auto *popup = child<CPopup>(page, c.name);
        if (!popup)
            continue;
        QVERIFY2(popup->labels().isEmpty(), qPrintable(c.name));
        const QString edited = forVoice(c.address, voiceType);
        quint16 high = 0, low = 0;
        QVERIFY(m_host->memory.findParameter(edited, &high, &low));
        QStringList texts;
        for (int v = m_host->memory.minimum(high, low, 0); v <= m_host->memory.maximum(high, low, 0); ++v)
            texts << m_host->memory.valueText(high, low, 0, v);
        QCOMPARE(popup->items(), texts);
    }
    // Compare mode is not applied to the form: nothing is disabled.
    m_host->memory.setCompareMode(true);
    for (QWidget *w : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    m_host->memory.setCompareMode(false);
    // An edit-buffer load neither relabels nor fills the lists.
    m_host->memory.resetToDefaults();
    for (CPopup *popup : page->findChildren<CPopup *>())
        QVERIFY(popup->labels().isEmpty());
}

void TestCommon::theZeroSizeButtonNeverShows_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("normal") << 11;
    QTest::newRow("plug-in") << 19;
    QTest::newRow("drum") << 27;
}

void TestCommon::theZeroSizeButtonNeverShows()
{
    QFETCH(int, entry);
    m_dialog = m_host->open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    auto *button = child<QPushButton>(m_dialog, QStringLiteral("pushButton146"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("0"));
    QVERIFY(button->size().isEmpty());
    QVERIFY(button->visibleRegion().isEmpty());
    // No point of the page is the button's.
    QWidget *page = pageOf(m_dialog);
    for (int y = 0; y < page->height(); y += 3) {
        for (int x = 0; x < page->width(); x += 3)
            QVERIFY(page->childAt(x, y) != button);
    }
}

// ---- Arpeggio.

void TestCommon::arpeggioDialog()
{
    m_dialog = m_host->create(8);
    QVERIFY(m_dialog);
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Arpeggio"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Arpeggio"));
    QCOMPARE(m_dialog->minimumSize(), QSize(327, 350));
    QCOMPARE(m_dialog->maximumSize(), QSize(327, 350));
    QCOMPARE(m_dialog->size(), QSize(327, 350));
    auto *tabs = child<QTabWidget>(m_dialog, QStringLiteral("tabWidget2"));
    QVERIFY(tabs);
    QCOMPARE(tabs->geometry(), QRect(0, 0, 327, 350));
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab0"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("ARPEGGIO"));
    QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("tab1"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("SF ASSIGN"));
    // Sixteen rows of two controls, and the bank popup: nothing else is bound.
    QCOMPARE(boundControls(tabs->widget(0)).size(), 33);
    QCOMPARE(boundControls(tabs->widget(1)).size(), 0);
}

void TestCommon::arpeggioRowsMatchTheirTable_data()
{
    QTest::addColumn<int>("row");
    for (int r = 0; r < 16; ++r)
        QTest::newRow(arpRows[r].caption) << r;
}

void TestCommon::arpeggioRowsMatchTheirTable()
{
    QFETCH(int, row);
    const ArpRow &r = arpRows[row];
    const int column = row / 8;
    const int k = row % 8;
    m_dialog = m_host->create(8);
    QWidget *page = pageOf(m_dialog);
    auto *caption = child<QLabel>(page, QLatin1String(r.captionLabel));
    auto *value = child<CTextSlider>(page, QLatin1String(r.valueField));
    auto *fader = child<CFader>(page, QLatin1String(r.fader));
    QVERIFY(caption && value && fader);
    QCOMPARE(caption->parentWidget(), page);
    QCOMPARE(value->parentWidget(), page);
    QCOMPARE(fader->parentWidget(), page);
    QCOMPARE(caption->metaObject()->className(), "QLabel");
    QCOMPARE(caption->text(), QLatin1String(r.caption));
    QCOMPARE(caption->pos(), QPoint(column ? 170 : 15, 40 + 32 * k));
    QCOMPARE(value->geometry(), QRect(column ? 175 : 20, 56 + 32 * k, 60, 16));
    QCOMPARE(fader->geometry(), QRect(column ? 245 : 90, 56 + 32 * k, 55, 16));
    QCOMPARE(value->namedAddress(), extra(r.parameter));
    QCOMPARE(fader->namedAddress(), extra(r.parameter));
    QCOMPARE(value->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QVERIFY(value->clickStepping());
    QVERIFY(value->useTableId());
    QCOMPARE(fader->focusColor(), QColor(155, 255, 255));
}

void TestCommon::arpeggioHeadAndSlotsMatchTheirTables_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    auto add = [](int page, const char *name, const char *className, QRect geometry, const char *text) {
        QTest::newRow(name) << page << QString::fromLatin1(name) << QString::fromLatin1(className)
                            << geometry << QString::fromLatin1(text);
    };
    add(0, "textLabelBank", "QLabel", QRect(40, 8, 38, 16), "Bank");
    add(0, "textLabel2425", "QLabel", QRect(40, 8, 38, 16), "Type");
    add(0, "cWaveLabel2442", "CHotspotLabel", QRect(90, 8, 91, 16), "");
    add(0, "textLabelARPBank", "QLabel", QRect(39, 17, 38, 16), "Bank");
    add(0, "cPullDownMenuARPBank", "CPopup", QRect(209, 7, 91, 21), nullptr);
    for (int k = 0; k < 5; ++k) {
        const QByteArray caption = "SF Assign Type" + QByteArray::number(k + 1);
        static QByteArray names[5];
        names[k] = "textLabel" + QByteArray::number(2443 + k);
        add(1, names[k].constData(), "QLabel", QRect(15, 44 + 48 * k, 90, 16), caption.constData());
        add(1, sfDisplays[k], "CHotspotLabel", QRect(20, 60 + 48 * k, 91, 32), "");
    }
}

void TestCommon::arpeggioHeadAndSlotsMatchTheirTables()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    m_dialog = m_host->create(8);
    QWidget *p = pageOf(m_dialog, page);
    auto *w = child<QWidget>(p, name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), p);
    QCOMPARE(QLatin1String(w->metaObject()->className()), className);
    QCOMPARE(w->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
    if (auto *display = qobject_cast<CHotspotLabel *>(w)) {
        QCOMPARE(display->hotSpot(), QRect(QPoint(0, 0), geometry.size()));
        QCOMPARE(display->hotButtons(), 3);
        QCOMPARE(display->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        QCOMPARE(display->palette().color(QPalette::Window), QColor(0, 0, 0));
        QCOMPARE(display->focusColor(), QColor(155, 255, 255));
        QVERIFY(display->inverseColorOnFocus());
        QVERIFY(display->greyOnDisable());
        QCOMPARE(display->cursor().shape(), Qt::ArrowCursor);
    }
    if (auto *popup = qobject_cast<CPopup *>(w)) {
        QCOMPARE(popup->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(popup->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(popup->columnsCount(), 1);
    }
}

void TestCommon::arpeggioRowsEditTheVoiceTypesBlock_data()
{
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<int>("row");
    for (int t = 1; t <= 3; ++t) {
        for (int r = 0; r < 16; ++r)
            QTest::addRow("%s/%s", voiceName(t), arpRows[r].caption) << t << r;
    }
}

void TestCommon::arpeggioRowsEditTheVoiceTypesBlock()
{
    QFETCH(int, voiceType);
    QFETCH(int, row);
    const ArpRow &r = arpRows[row];
    TParameterMemory &memory = m_host->memory;
    m_dialog = m_host->open(arpEntries[voiceType - 1]);
    auto *value = child<CTextSlider>(m_dialog, QLatin1String(r.valueField));
    auto *fader = child<CFader>(m_dialog, QLatin1String(r.fader));
    const QString edited = extra(r.parameter, voiceType);
    QCOMPARE(value->namedAddress(), edited);
    QCOMPARE(fader->namedAddress(), edited);
    QVERIFY(value->isBound() && fader->isBound());
    QVERIFY(value->isVisible() && fader->isVisible());
    QVERIFY(child<QLabel>(m_dialog, QLatin1String(r.captionLabel))->isVisible());

    const int v = anotherValue(memory, edited, memory.value(edited));
    QVERIFY(memory.setValue(edited, 0, v));
    QCOMPARE(value->value(), v);
    QCOMPARE(fader->value(), v);
    const int normalBefore = memory.value(extra(r.parameter));
    const bool up = v < value->maximum();
    QTest::keyClick(value, up ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(memory.value(edited), up ? v + 1 : v - 1);
    QCOMPARE(fader->value(), memory.value(edited));
    if (voiceType != 1)
        QCOMPARE(memory.value(extra(r.parameter)), normalBefore);
}

void TestCommon::typeDisplayNamesTheNumber_data()
{
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("firstLine"); // "Preset": the memory's name follows
    QTest::addColumn<QString>("secondLine");
    for (int t = 1; t <= 3; ++t) {
        auto row = [t](const char *what, int number, const char *first, const char *second) {
            QTest::addRow("%s/%s %d", voiceName(t), what, number)
                << t << number << QString::fromLatin1(first) << QString::fromLatin1(second);
        };
        row("first preset", 0, "Preset", nullptr);
        row("last preset", 1786, "Preset", nullptr);
        row("after the presets", 1787, "No Type", nullptr);
        row("before the user types", 8191, "No Type", nullptr);
        row("first user type", 8192, "User", "User 1");
        row("last user type", 8447, "User", "User 256");
        row("after the user types", 8448, "No Type", nullptr);
    }
}

void TestCommon::typeDisplayNamesTheNumber()
{
    QFETCH(int, voiceType);
    QFETCH(int, number);
    QFETCH(QString, firstLine);
    QFETCH(QString, secondLine);
    TParameterMemory &memory = m_host->memory;
    m_host->voiceData.voiceType = QLatin1String(voiceWords[voiceType - 1]);
    m_dialog = m_host->open(arpEntries[voiceType - 1]);
    const QString address = typeAddress(voiceType);
    // From another number, so that the change reaches the display.
    memory.setValue(address, 0, number == 100 ? 101 : 100);
    QVERIFY(memory.setValue(address, 0, number));
    QCOMPARE(memory.value(address), number);
    QString expected = firstLine;
    if (firstLine == QLatin1String("Preset")) {
        const QString name = memory.valueText(address, 0, number);
        QVERIFY(!name.isEmpty());
        expected += QLatin1Char('\n') + name;
    } else if (!secondLine.isEmpty()) {
        expected += QLatin1Char('\n') + secondLine;
    }
    QCOMPARE(typeDisplay(m_dialog)->text(), expected);
}

void TestCommon::sfDisplaysNameTheirNumbersFromTheSameTable_data()
{
    QTest::addColumn<int>("voiceType");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("number");
    for (int t = 1; t <= 3; ++t) {
        for (int slot = 1; slot <= 5; ++slot) {
            for (int number : { 1786, 1787, 8192, 8447, 8448 })
                QTest::addRow("%s/SF%d/%d", voiceName(t), slot, number) << t << slot << number;
        }
    }
}

void TestCommon::sfDisplaysNameTheirNumbersFromTheSameTable()
{
    QFETCH(int, voiceType);
    QFETCH(int, slot);
    QFETCH(int, number);
    TParameterMemory &memory = m_host->memory;
    const QString address = sfAddress(slot, voiceType);
    quint16 high = 0, low = 0;
    if (!memory.findParameter(address, &high, &low))
        QSKIP(qPrintable(QStringLiteral("the parameter memory has no %1").arg(address)));
    m_host->voiceData.voiceType = QLatin1String(voiceWords[voiceType - 1]);
    m_dialog = m_host->open(arpEntries[voiceType - 1]);
    const QString type = typeAddress(voiceType);
    memory.setValue(type, 0, 8447); // the type's own number is not the slot's
    memory.setValue(address, 0, number == 100 ? 101 : 100);
    QVERIFY(memory.setValue(address, 0, number));
    QString expected;
    if (number <= 1786)
        expected = QStringLiteral("Preset\n") + memory.valueText(type, 0, number);
    else if (number >= 8192 && number <= 8447)
        expected = QStringLiteral("User\nUser %1").arg(number - 8191);
    else
        expected = QStringLiteral("No Type");
    QCOMPARE(sfDisplay(m_dialog, slot)->text(), expected);
    QCOMPARE(typeDisplay(m_dialog)->text(), QStringLiteral("User\nUser 256"));
}

void TestCommon::anotherVoiceTypesChangeLeavesTheDisplaysAlone_data()
{
    QTest::addColumn<int>("edited");  // the voice type the host edits, and its dialog's
    QTest::addColumn<int>("changed"); // the voice type whose parameters change
    for (int e = 1; e <= 3; ++e) {
        for (int c = 1; c <= 3; ++c) {
            if (c != e)
                QTest::addRow("%s voice, %s type", voiceName(e), voiceName(c)) << e << c;
        }
    }
}

void TestCommon::anotherVoiceTypesChangeLeavesTheDisplaysAlone()
{
    QFETCH(int, edited);
    QFETCH(int, changed);
    TParameterMemory &memory = m_host->memory;
    m_host->voiceData.voiceType = QLatin1String(voiceWords[edited - 1]);
    memory.setValue(typeAddress(edited), 0, 8192);
    memory.setValue(sfAddress(1, edited), 0, 8193);
    m_dialog = m_host->open(arpEntries[edited - 1]);
    QCOMPARE(typeDisplay(m_dialog)->text(), QStringLiteral("User\nUser 1"));
    QCOMPARE(sfDisplay(m_dialog, 1)->text(), QStringLiteral("User\nUser 2"));

    const QString fifthBefore = sfDisplay(m_dialog, 5)->text();
    QVERIFY(memory.setValue(typeAddress(changed), 0, 8447));
    QVERIFY(memory.setValue(sfAddress(1, changed), 0, 8300));
    QVERIFY(memory.setValue(sfAddress(5, changed), 0, 8300));
    QCOMPARE(typeDisplay(m_dialog)->text(), QStringLiteral("User\nUser 1"));
    QCOMPARE(sfDisplay(m_dialog, 1)->text(), QStringLiteral("User\nUser 2"));
    QCOMPARE(sfDisplay(m_dialog, 5)->text(), fifthBefore);

    // The edited voice's own change still shows.
    QVERIFY(memory.setValue(typeAddress(edited), 0, 8448));
    QCOMPARE(typeDisplay(m_dialog)->text(), QStringLiteral("No Type"));
}

void TestCommon::clickingADisplayAsksForTheTypeSelector_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("slot"); // 0: the type display
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("command");
    for (int t = 1; t <= 3; ++t) {
        QTest::addRow("%s/type", voiceName(t)) << arpEntries[t - 1] << 0 << int(Qt::LeftButton) << 10;
        QTest::addRow("%s/type, right button", voiceName(t))
            << arpEntries[t - 1] << 0 << int(Qt::RightButton) << 10;
        for (int slot = 1; slot <= 5; ++slot)
            QTest::addRow("%s/SF%d", voiceName(t), slot)
                << arpEntries[t - 1] << slot << int(Qt::LeftButton) << 45 + slot;
    }
}

void TestCommon::clickingADisplayAsksForTheTypeSelector()
{
    QFETCH(int, entry);
    QFETCH(int, slot);
    QFETCH(int, button);
    QFETCH(int, command);
    m_dialog = m_host->open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    auto *tabs = child<QTabWidget>(m_dialog, QStringLiteral("tabWidget2"));
    tabs->setCurrentIndex(slot ? 1 : 0);
    CHotspotLabel *display = slot ? sfDisplay(m_dialog, slot) : typeDisplay(m_dialog);
    QVERIFY(display->isVisible());
    // The lower half: the connected type display is two lines high.
    QTest::mouseClick(display, Qt::MouseButton(button), Qt::NoModifier, QPoint(45, 24));
    QCOMPARE(m_host->host.commands, QList<int>{ command });
    QVERIFY(m_host->host.replyWasZero.value(0));
    QCOMPARE(m_host->host.synchronousFlags.value(0), true);
}

void TestCommon::theTypeDisplayGrowsWhenConnected()
{
    m_dialog = m_host->create(8);
    auto *bank = child<QLabel>(m_dialog, QStringLiteral("textLabelBank"));
    auto *type = child<QLabel>(m_dialog, QStringLiteral("textLabel2425"));
    CHotspotLabel *display = typeDisplay(m_dialog);
    // Before: "Type" on "Bank", a one-line display.
    QCOMPARE(type->geometry(), bank->geometry());
    QCOMPARE(display->geometry(), QRect(90, 8, 91, 16));
    QCOMPARE(display->text(), QString());

    m_host->extensionsOf(m_dialog)->attachMemAPI(&m_host->memory);
    QCOMPARE(bank->geometry(), QRect(40, 8, 38, 16));
    QCOMPARE(type->geometry(), QRect(40, 24, 38, 16));
    QCOMPARE(display->geometry(), QRect(90, 8, 91, 32));
    QCOMPARE(display->hotSpot(), QRect(0, 0, 91, 32));
    // The first line beside "Bank", the second beside "Type".
    QCOMPARE(display->text().count(QLatin1Char('\n')), 1);
}

void TestCommon::theBankPopupNeverShowsAndIsBoundToNothing_data()
{
    QTest::addColumn<int>("voiceType");
    for (int t = 1; t <= 3; ++t)
        QTest::newRow(voiceName(t)) << t;
}

void TestCommon::theBankPopupNeverShowsAndIsBoundToNothing()
{
    QFETCH(int, voiceType);
    TParameterMemory &memory = m_host->memory;
    m_dialog = m_host->create(arpEntries[voiceType - 1]);
    auto *popup = child<CPopup>(m_dialog, QStringLiteral("cPullDownMenuARPBank"));
    auto *label = child<QLabel>(m_dialog, QStringLiteral("textLabelARPBank"));
    QVERIFY(popup && label);
    QVERIFY(popup->isHidden());
    QVERIFY(label->isHidden());
    QCOMPARE(popup->namedAddress(), QString());

    m_host->extensionsOf(m_dialog)->attachMemAPI(&m_host->memory);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    QVERIFY(!popup->isVisible());
    QVERIFY(!label->isVisible());
    QCOMPARE(popup->namedAddress(), QString());
    QVERIFY(!popup->isBound());
    // Neither a type change (which refreshes the form), a change of the bank
    // parameter nor a load shows it.
    memory.setValue(typeAddress(voiceType), 0, 8200);
    memory.setValue(extra("ARPTypeBank", voiceType), 0, 5);
    memory.resetToDefaults();
    QVERIFY(!popup->isVisible());
    QVERIFY(!label->isVisible());
    QVERIFY(!popup->isBound());
    // Clicking where it would be sends nothing.
    QTest::mouseClick(pageOf(m_dialog), Qt::LeftButton, Qt::NoModifier, QPoint(250, 17));
    QVERIFY(m_host->host.commands.isEmpty());
}

void TestCommon::theDialogWatchesAllEighteenTypeParameters()
{
    m_dialog = m_host->create(8);
    QCOMPARE(m_dialog->findChildren<CSimpleNotifier *>().size(), 0);
    m_host->extensionsOf(m_dialog)->attachMemAPI(&m_host->memory);
    QStringList watched;
    for (CSimpleNotifier *n : m_dialog->findChildren<CSimpleNotifier *>(QString(), Qt::FindDirectChildrenOnly))
        watched << n->namedAddress();
    for (int t = 1; t <= 3; ++t) {
        QVERIFY2(watched.removeOne(typeAddress(t)), qPrintable(typeAddress(t)));
        for (int slot = 1; slot <= 5; ++slot)
            QVERIFY2(watched.removeOne(sfAddress(slot, t)), qPrintable(sfAddress(slot, t)));
    }
    // What remains is the population helper's watch on the edited type.
    QCOMPARE(watched, QStringList{ typeAddress(1) });
}

void TestCommon::focusMovesThroughTheFormInItsOrder()
{
    m_dialog = m_host->create(8);
    QStringList expected{ QStringLiteral("tabWidget2"), QStringLiteral("cWaveLabel2442") };
    for (const ArpRow &r : arpRows)
        expected << QLatin1String(r.valueField) << QLatin1String(r.fader);
    for (const char *display : sfDisplays)
        expected << QLatin1String(display);
    QStringList chain;
    QWidget *start = child<QWidget>(m_dialog, QStringLiteral("tabWidget2"));
    QWidget *w = start;
    do {
        if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != start);
    QCOMPARE(chain, expected);
}

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
