#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <cpopupgrid.h>
#include <cpulldownmenu.h>
#include <ctextslider.h>
#include <tparametermemory.h>

#include <QAccessible>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString note = QStringLiteral("FEkNormalElement/kNrmElmNoteLimitLow");
const QString level = QStringLiteral("FEkNormalElementAmplitude/kNrmElmLevel");
const QString offset = QStringLiteral("FEkNormalElementFilter/kNrmElmFilterCutoffVeloSens");
const QString halfDamper = QStringLiteral("FEkNormalElement/kNrmElmHalfDamperSw");
const QString eqType = QStringLiteral("FEkNormalElementEQ/kNrmElmEQType");
const QString eqResonance = QStringLiteral("FEkNormalElementEQ/kNrmElmEQResonance");
const QString chorusType = QStringLiteral("00kNormalCommonChorus/kNrmChoType");
const QString chorusParam = QStringLiteral("00kNormalCommonChorus/kNrmChoParam1");
const QString insertionType = QStringLiteral("00kNormalCommonInsA/kNrmInsAType");

// A page of controls as a form makes them: value field cyan on black.
struct Page
{
    QWidget widget;
    CTextSlider *valueField = nullptr;
    CFader *fader = nullptr;

    explicit Page(const QString &address)
    {
        widget.resize(200, 60);
        valueField = new CTextSlider(&widget, "cTextSlider1", 0);
        valueField->setGeometry(10, 10, 60, 16);
        QPalette palette = valueField->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 255, 255));
        palette.setColor(QPalette::Window, QColor(0, 0, 0));
        valueField->setPalette(palette);
        valueField->setClickStepping(true);
        valueField->setEnableFocusRect(true);
        fader = new CFader(&widget, "cFader2");
        fader->setGeometry(80, 10, 55, 16);
        fader->setOrientation(Qt::Horizontal);
        valueField->setNamedAddress(address);
        fader->setNamedAddress(address);
    }
};

// Text is drawn antialiased on black, so its pixels are the text colour
// scaled down: cyan gives (0, a, a), grey (a, a, a).
bool hasInk(QWidget *w, bool cyan)
{
    const QImage rgb = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QColor c(rgb.pixel(x, y));
            if (c.green() == c.blue()
                && (cyan ? c.red() == 0 && c.green() > 64 : c.red() > 32 && c.red() == c.green()))
                return true;
        }
    }
    return false;
}

void wheel(QWidget *w, int delta)
{
    QWheelEvent event(QPointF(w->width() / 2, w->height() / 2), QPointF(), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// Clicks that first give the field the focus, then click where asked.
void clickFocused(QWidget *w, QPoint at)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
    QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

void drag(QWidget *w, QPoint from, QPoint to)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
}

// One gesture on the value field or the fader of a page; none for a value
// typed into the field.
struct Gesture
{
    void (*on)(CTextSlider *field, CFader *fader);
};

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_memory = std::make_unique<TParameterMemory>(); }

    void everyGestureIsOneChangeShownEverywhere_data();
    void everyGestureIsOneChangeShownEverywhere();
    void compareModeRefusesEdits();

    void popupOffersEveryValueTextAndWritesTheChoice();
    void gridOpensWhollyOnTheScreen_data();
    void gridOpensWhollyOnTheScreen();
    void wideGridWrapsAndScrollsOnTheScreen();
    void tallGridScrolls();

    void hotspotClicksWithItsButtonsInsideItsSpot_data();
    void hotspotClicksWithItsButtonsInsideItsSpot();

    void assistiveToolsFollowTheEffectType();

    void hidesWhenOutOfUseOrUnaddressed();
    void disabledValueFieldGreys();

private:
    std::unique_ptr<TParameterMemory> m_memory;
};

void TestWidgets::everyGestureIsOneChangeShownEverywhere_data()
{
    // Each row starts from the value 10 on channel 0 (from the minimum where
    // the range ends below 10).
    QTest::addColumn<QString>("address");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<QString>("typed"); // on the value field, then Enter (Escape with no gesture)
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("flashes");
    using F = CTextSlider *;
    using D = CFader *;
    QTest::newRow("drag the value field up") << pan << Gesture{ [](F f, D) {
        drag(f, { 30, 8 }, { 30, -12 });
    } } << "" << 20 << false;
    QTest::newRow("a click into the field only focuses it") << pan << Gesture{ [](F f, D) {
        QTest::mouseClick(f, Qt::LeftButton, {}, { 55, 8 });
    } } << "" << 10 << false;
    QTest::newRow("click its right half") << pan << Gesture{ [](F f, D) {
        clickFocused(f, { 55, 8 });
    } } << "" << 11 << false;
    QTest::newRow("click its left half") << pan << Gesture{ [](F f, D) {
        clickFocused(f, { 5, 8 });
    } } << "" << 9 << false;
    QTest::newRow("click into the field and type") << level << Gesture{ [](F f, D) {
        QTest::mouseClick(f, Qt::LeftButton, {}, { 55, 8 });
        QTest::keyClick(f, '9');
        QTest::keyClick(f->entry(), '0');
        QTest::keyClick(f->entry(), Qt::Key_Return);
    } } << "" << 90 << false;
    QTest::newRow("wheel on the value field")
        << pan << Gesture{ [](F f, D) { wheel(f, 240); } } << "" << 12 << false;
    QTest::newRow("Up key on the value field")
        << pan << Gesture{ [](F f, D) { QTest::keyClick(f, Qt::Key_Up); } } << "" << 11 << false;
    QTest::newRow("Page Down: a tenth of -63..63")
        << pan << Gesture{ [](F f, D) { QTest::keyClick(f, Qt::Key_PageDown); } } << "" << -2
        << false;
    QTest::newRow("End on the fader")
        << pan << Gesture{ [](F, D d) { QTest::keyClick(d, Qt::Key_End); } } << "" << 63 << false;
    QTest::newRow("click near the fader's left end") << pan << Gesture{ [](F, D d) {
        QTest::mouseClick(d, Qt::LeftButton, {}, { 1, 8 });
    } } << "" << -63 << false;
    QTest::newRow("click the reversed fader's left end") << pan << Gesture{ [](F, D d) {
        d->setHorDir(false);
        QTest::mouseClick(d, Qt::LeftButton, {}, { 1, 8 });
    } } << "" << 63 << false;
    QTest::newRow("drag the fader") << pan << Gesture{ [](F, D d) {
        drag(d, d->thumbCentre(), { d->width() - 1, 8 });
    } } << "" << 63 << false;
    QTest::newRow("wheel on the fader")
        << pan << Gesture{ [](F, D d) { wheel(d, -120); } } << "" << 9 << false;
    QTest::newRow("Delete on the value field")
        << pan << Gesture{ [](F f, D) { QTest::keyClick(f, Qt::Key_Delete); } } << "" << 0 << false;
    QTest::newRow("Ctrl+click on the value field") << pan << Gesture{ [](F f, D) {
        QTest::mouseClick(f, Qt::LeftButton, Qt::ControlModifier, { 30, 8 });
    } } << "" << 0 << false;
    QTest::newRow("Delete on the fader")
        << pan << Gesture{ [](F, D d) { QTest::keyClick(d, Qt::Key_Delete); } } << "" << 0 << false;
    QTest::newRow("Ctrl+click on the fader") << level << Gesture{ [](F, D d) {
        QTest::mouseClick(d, Qt::LeftButton, Qt::ControlModifier, { 30, 8 });
    } } << "" << 100 << false;
    const Gesture escape{ [](F f, D) { QTest::keyClick(f->entry(), Qt::Key_Escape); } };
    QTest::newRow("type 90") << level << Gesture{} << "90" << 90 << false;
    QTest::newRow("type above the range") << level << Gesture{} << "200" << 127 << true;
    QTest::newRow("type below the range") << level << Gesture{} << "-5" << 0 << true;
    QTest::newRow("type a note name") << note << Gesture{} << "c#3" << 61 << false;
    QTest::newRow("type the last item of a list") << halfDamper << Gesture{} << "on" << 1 << false;
    QTest::newRow("type a pan text") << pan << Gesture{} << "l20" << -20 << false;
    QTest::newRow("type a pan as a number") << pan << Gesture{} << "-7" << -7 << false;
    QTest::newRow("type a number shown offset") << offset << Gesture{} << "+10" << 74 << false;
    QTest::newRow("type what no value reads") << level << Gesture{} << "loud" << 10 << true;
    QTest::newRow("Escape keeps the value") << level << escape << "90" << 10 << false;
}

void TestWidgets::everyGestureIsOneChangeShownEverywhere()
{
    QFETCH(QString, address);
    QFETCH(Gesture, gesture);
    QFETCH(QString, typed);
    QFETCH(int, expected);
    QFETCH(bool, flashes);
    Page page(address);
    quint16 high = 0, low = 0;
    QVERIFY(m_memory->findParameter(address, &high, &low));
    const int start = m_memory->maximum(high, low, 0) >= 10 ? 10 : m_memory->minimum(high, low, 0);
    m_memory->setValue(address, 0, start);
    m_memory->assignEditChannel(&page.widget, 0);
    page.widget.show();
    QApplication::setActiveWindow(&page.widget);
    QVERIFY(QTest::qWaitForWindowActive(&page.widget));
    // The focus is elsewhere, as a user left it.
    page.fader->setFocus(Qt::TabFocusReason);
    QVERIFY(!page.valueField->hasFocus());
    QSignalSpy changes(m_memory.get(), &TParameterMemory::parameterChanged);
    CTextSlider *field = page.valueField;
    if (!typed.isEmpty()) {
        QTest::keyClick(field, typed.at(0).toLatin1());
        QVERIFY(field->entry());
        QTest::keyClicks(field->entry(), typed.mid(1));
        if (gesture.on)
            gesture.on(field, page.fader);
        else
            QTest::keyClick(field->entry(), Qt::Key_Return);
        // What the parameter cannot take leaves the entry open to be corrected.
        QCOMPARE(bool(field->entry()), !gesture.on && expected == start);
    } else {
        gesture.on(field, page.fader);
    }
    QCOMPARE(m_memory->value(address, 0), expected);
    QCOMPARE(changes.count(), expected == start ? 0 : 1);
    QCOMPARE(field->isFlashing(), flashes);
    QCOMPARE(page.fader->shownValue(), expected);
    const QString text = m_memory->valueText(address, 0, expected);
    QCOMPARE(field->shownText(), text);
    QVERIFY(field->toolTip().contains(QStringLiteral("Value: ") + text));
    QVERIFY(page.fader->toolTip().contains(QStringLiteral("Value: ") + text));
}

void TestWidgets::compareModeRefusesEdits()
{
    Page page(pan);
    m_memory->assignEditChannel(&page.widget, 0);
    m_memory->setValue(pan, 0, 10);
    m_memory->storeVoice();
    m_memory->setValue(pan, 0, 20);
    m_memory->setCompareMode(true);
    QCOMPARE(page.fader->shownValue(), 10);
    QTest::keyClick(page.valueField, Qt::Key_Up);
    QTest::keyClick(page.fader, Qt::Key_Delete);
    QTest::keyClick(page.valueField, '5');
    QVERIFY(!page.valueField->entry());
    QCOMPARE(page.fader->shownValue(), 10);
    m_memory->setCompareMode(false);
    QCOMPARE(m_memory->value(pan, 0), 20);
    QCOMPARE(page.fader->shownValue(), 20);
}

void TestWidgets::popupOffersEveryValueTextAndWritesTheChoice()
{
    QWidget page;
    auto *popup = new CPopup(&page, "cPullDownMenu1");
    popup->setGeometry(10, 10, 60, 16);
    popup->setColumnsCount(2);
    popup->setNamedAddress(eqType);
    m_memory->assignEditChannel(&page, 0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QStringList texts;
    for (int v = 0; v <= 5; ++v)
        texts << m_memory->valueText(eqType, 0, v);
    QCOMPARE(popup->items(), texts);

    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    QVERIFY(popup->choiceGrid() && QTest::qWaitForWindowExposed(popup->choiceGrid()));
    // Two columns: value 3 is in the second row, right.
    const QRect three = popup->choiceRect(3);
    QVERIFY(three.left() > popup->choiceRect(2).left()
            && three.top() == popup->choiceRect(2).top());
    QTest::mouseClick(popup->choiceGrid(), Qt::LeftButton, Qt::NoModifier, three.center());
    QCOMPARE(m_memory->value(eqType, 0), 3);
    QCOMPARE(popup->shownText(), texts.at(3));
    QTRY_VERIFY(!popup->choiceGrid());

    // Labels given to the popup replace the memory's texts.
    popup->setLabels(QStringLiteral("a;b;c;d;e;f;"));
    QCOMPARE(popup->items(), QStringList({ "a", "b", "c", "d", "e", "f" }));
    QCOMPARE(popup->shownText(), QStringLiteral("d"));
}

void TestWidgets::gridOpensWhollyOnTheScreen_data()
{
    // A 1280 x 800 screen, and the same at two device pixels per pixel.
    const QRect screen(0, 0, 1280, 800), scaled(0, 0, 640, 400);
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("selector");
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("below its selector")
        << screen << QRect(100, 100, 60, 16) << QSize(300, 200) << QPoint(100, 116);
    QTest::newRow("near the right edge: moved left")
        << screen << QRect(1200, 100, 60, 16) << QSize(300, 200) << QPoint(980, 116);
    QTest::newRow("no room below: above it")
        << screen << QRect(100, 700, 60, 16) << QSize(300, 200) << QPoint(100, 500);
    QTest::newRow("scaled, bottom right: above, moved left")
        << scaled << QRect(600, 300, 60, 16) << QSize(400, 250) << QPoint(240, 50);
    QTest::newRow("scaled, no room above or below: kept on the screen")
        << scaled << QRect(300, 150, 60, 16) << QSize(600, 380) << QPoint(40, 20);
    QTest::newRow("a screen beside the first")
        << screen.translated(1280, 0) << QRect(2500, 10, 60, 16) << QSize(300, 200)
        << QPoint(2260, 26);
}

void TestWidgets::gridOpensWhollyOnTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QRect, selector);
    QFETCH(QSize, grid);
    QFETCH(QPoint, expected);
    const QRect place = CPopupGrid::placement(grid, selector, available);
    QCOMPARE(place.topLeft(), expected);
    QVERIFY(available.contains(place));
}

// The effect type grid, wider than the screen, opened by a click on a
// selector at the screen's bottom right corner: it lies on the screen, and
// its last item can be reached with the keys and chosen.
void TestWidgets::wideGridWrapsAndScrollsOnTheScreen()
{
    QWidget page;
    auto *popup = new CPopup(&page, "cPopup1");
    popup->setGeometry(0, 0, 80, 16);
    popup->setColumnsCount(8);
    popup->setLabelSizeToContents(true);
    popup->setNamedAddress(insertionType);
    m_memory->assignEditChannel(&page, 0);
    const QRect available = page.screen()->availableGeometry();
    page.setWindowFlags(Qt::FramelessWindowHint);
    page.setGeometry(QRect(available.bottomRight() - QPoint(80, 16), QSize(80, 16)));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    auto *grid = qobject_cast<CPopupGrid *>(popup->choiceGrid());
    QVERIFY(grid && QTest::qWaitForWindowExposed(grid));
    QVERIFY2(available.contains(grid->frameGeometry()),
             qPrintable(QStringLiteral("%1 x %2 at %3, %4; page %5 %6, screen %7 %8")
                            .arg(grid->width())
                            .arg(grid->height())
                            .arg(grid->x())
                            .arg(grid->y())
                            .arg(page.x())
                            .arg(page.y())
                            .arg(available.width())
                            .arg(available.height())));
    quint16 high = 0, low = 0;
    QVERIFY(m_memory->findParameter(insertionType, &high, &low));
    const int last = m_memory->maximum(high, low, 0);
    QTest::keyClick(grid, Qt::Key_Right);
    while (grid->highlighted() + grid->columns() < grid->itemCount())
        QTest::keyClick(grid, Qt::Key_Down);
    while (grid->highlighted() < grid->itemCount() - 1)
        QTest::keyClick(grid, Qt::Key_Right);
    QVERIFY(grid->rect().contains(popup->choiceRect(last)));
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, popup->choiceRect(last).center());
    QCOMPARE(m_memory->value(insertionType, 0), last);
}

// A grid taller than the screen shows the rows that fit; the keys and the
// wheel bring the others into view.
void TestWidgets::tallGridScrolls()
{
    QWidget owner;
    QStringList items;
    for (int i = 0; i < 200; ++i)
        items << QString::number(i);
    CPopupGrid grid(&owner, items, 4, 0, Qt::cyan, Qt::white, 40);
    grid.fitInto(QSize(640, 400));
    QVERIFY(grid.height() <= 400 && grid.visibleRows() < 50);
    QVERIFY(grid.cellRect(199).isNull());
    for (int row = 0; row < 49; ++row)
        QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.highlighted(), 196);
    QVERIFY(grid.rect().contains(grid.cellRect(199)));
    wheel(&grid, 120 * 50);
    QCOMPARE(grid.firstRow(), 0);
    QVERIFY(grid.rect().contains(grid.cellRect(0)));
}

void TestWidgets::hotspotClicksWithItsButtonsInsideItsSpot_data()
{
    QTest::addColumn<int>("hotButtons");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("clicked");
    QTest::newRow("left, inside") << 1 << Qt::LeftButton << QPoint(10, 8) << true;
    QTest::newRow("right when only left is hot") << 1 << Qt::RightButton << QPoint(10, 8) << false;
    QTest::newRow("right when both are hot") << 3 << Qt::RightButton << QPoint(10, 8) << true;
    QTest::newRow("left when only right is hot") << 2 << Qt::LeftButton << QPoint(10, 8) << false;
    QTest::newRow("left, outside the spot") << 3 << Qt::LeftButton << QPoint(110, 8) << false;
    QTest::newRow("left, on the spot's last pixel")
        << 3 << Qt::LeftButton << QPoint(99, 15) << true;
}

void TestWidgets::hotspotClicksWithItsButtonsInsideItsSpot()
{
    QFETCH(int, hotButtons);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(bool, clicked);
    CHotspotLabel label(nullptr, "cWaveLabel1");
    label.resize(125, 16);
    label.setHotSpot(QRect(0, 0, 100, 16));
    label.setHotButtons(hotButtons);
    QSignalSpy spy(&label, &CHotspotLabel::hotspotClicked);
    QTest::mouseClick(&label, button, Qt::NoModifier, at);
    QCOMPARE(spy.count(), clicked ? 1 : 0);
}

void TestWidgets::assistiveToolsFollowTheEffectType()
{
    QWidget page;
    auto *field = new CTextSlider(&page, "cTextSlider1", 0);
    auto *menu = new CPullDownMenu(&page, "cPullDownMenu2");
    auto *fader = new CFader(&page, "cFader3");
    field->setNamedAddress(chorusParam);
    menu->setNamedAddress(chorusType);
    fader->setNamedAddress(pan);
    m_memory->assignEditChannel(&page, 1);
    QCOMPARE(QAccessible::queryAccessibleInterface(fader)->text(QAccessible::Name),
             m_memory->fullName(pan, 1) + QStringLiteral(" (Element 2)"));
    QAccessibleInterface *fieldAccess = QAccessible::queryAccessibleInterface(field);
    QAccessibleInterface *menuAccess = QAccessible::queryAccessibleInterface(menu);

    // Two types that name the row differently: the first set elsewhere, the
    // second chosen from the pull-down's menu.
    TParameterMemory scratch;
    const auto nameUnder = [&](int type) {
        scratch.setValue(chorusType, 0, type);
        return scratch.fullName(chorusParam, 0);
    };
    int other = 2;
    while (nameUnder(other) == nameUnder(1))
        ++other;
    quint16 high = 0, low = 0;
    QVERIFY(m_memory->findParameter(chorusType, &high, &low));
    for (int type : { other, 1 }) {
        if (type == other) {
            m_memory->setValue(chorusType, 0, type);
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
            QVERIFY(menu->menu());
            menu->menu()->actions().at(type)->trigger();
        }
        const QString name = nameUnder(type);
        QCOMPARE(fieldAccess->text(QAccessible::Name), name);
        QVERIFY(field->toolTip().startsWith(name + QLatin1Char('\n')));
        QCOMPARE(fieldAccess->text(QAccessible::Value),
                 m_memory->valueText(chorusParam, 0, m_memory->value(chorusParam, 0)));
        QCOMPARE(fieldAccess->valueInterface()->maximumValue().toInt(), field->maximum());
        // One item per type the memory knows, the type's selected.
        const QString typeText = m_memory->valueText(chorusType, 0, type);
        QCOMPARE(menuAccess->text(QAccessible::Value), typeText);
        QCOMPARE(menuAccess->childCount(), m_memory->maximum(high, low, 0) + 1);
        QCOMPARE(menuAccess->child(type)->text(QAccessible::Name), typeText);
        QVERIFY(menuAccess->child(type)->state().selected
                && !menuAccess->child(type - 1)->state().selected);
    }
}

// A control hides while its parameter is out of use, or when it has no
// parameter, unless auto-hide is off.
void TestWidgets::hidesWhenOutOfUseOrUnaddressed()
{
    QWidget page;
    auto *resonance = new CTextSlider(&page, "cTextSlider1", 0);
    auto *unaddressed = new CFader(&page, "cFader2");
    auto *unknown = new CFader(&page, "cFader3");
    resonance->setNamedAddress(eqResonance);
    unknown->setNamedAddress(QStringLiteral("FEkNormalElementEQ/kNrmElmNoSuchThing"));
    m_memory->assignEditChannel(&page, 0);
    const auto hiddenUnder = [&](int type) {
        m_memory->setValue(eqType, 0, type);
        for (TMemProxy *proxy :
             std::initializer_list<TMemProxy *>{ resonance, unaddressed, unknown })
            proxy->process(nullptr, 0, 0);
        return QList<bool>{ resonance->isHidden(), unaddressed->isHidden(), unknown->isHidden() };
    };
    QCOMPARE(hiddenUnder(0), QList<bool>({ true, true, true })); // type 0 has no resonance
    QCOMPARE(hiddenUnder(1), QList<bool>({ false, true, true }));
    resonance->disableAutoHide(true);
    QCOMPARE(hiddenUnder(0), QList<bool>({ false, true, true }));
}

void TestWidgets::disabledValueFieldGreys()
{
    Page page(pan);
    m_memory->assignEditChannel(&page.widget, 0);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    QVERIFY(hasInk(page.valueField, true) && !hasInk(page.valueField, false));
    page.valueField->setEnabled(false);
    QVERIFY(hasInk(page.valueField, false) && !hasInk(page.valueField, true));
    page.valueField->setGreyOnDisable(false);
    QVERIFY(hasInk(page.valueField, true));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
