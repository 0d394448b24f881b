#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <cpulldownmenu.h>
#include <ctextslider.h>
#include <tparametermemory.h>

#include <QAccessible>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString note = QStringLiteral("FEkNormalElement/kNrmElmNoteLimitLow");
const QString level = QStringLiteral("FEkNormalElementAmplitude/kNrmElmLevel");
const QString offset = QStringLiteral("FEkNormalElementAmplitude/kNrmElmLevelKeyFollowSens");
const QString eqType = QStringLiteral("FEkNormalElementEQ/kNrmElmEQType");
const QString eqResonance = QStringLiteral("FEkNormalElementEQ/kNrmElmEQResonance");
const QString chorusType = QStringLiteral("00kNormalCommonChorus/kNrmChoType");
const QString chorusParam = QStringLiteral("00kNormalCommonChorus/kNrmChoParam1");

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
enum class Ink { Cyan, Grey };

bool hasInk(const QImage &image, Ink ink)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QColor c(rgb.pixel(x, y));
            if (ink == Ink::Cyan && c.red() == 0 && c.green() > 64 && c.green() == c.blue())
                return true;
            if (ink == Ink::Grey && c.red() > 32 && c.red() == c.green() && c.green() == c.blue())
                return true;
        }
    }
    return false;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyGestureIsOneChangeShownEverywhere_data();
    void everyGestureIsOneChangeShownEverywhere();
    void anotherChannelDoesNotMove();
    void compareModeRefusesEdits();

    void popupOffersEveryValueTextAndWritesTheChoice();

    void hotspotClicksWithItsButtonsInsideItsSpot_data();
    void hotspotClicksWithItsButtonsInsideItsSpot();

    void assistiveToolsFollowTheEffectType();

    void hidesWhenOutOfUseOrUnaddressed();
    void disabledValueFieldGreys();

private:
    std::unique_ptr<TParameterMemory> m_memory;
};

void TestWidgets::init()
{
    m_memory = std::make_unique<TParameterMemory>();
}

void TestWidgets::cleanup()
{
    m_memory.reset();
}

void TestWidgets::everyGestureIsOneChangeShownEverywhere_data()
{
    // Each row starts from the value 10 on channel 0.
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("typed"); // on the value field, before Enter or Escape
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("flashes");
    QTest::newRow("drag the value field up") << pan << "drag field" << "" << 20 << false;
    QTest::newRow("click its right half") << pan << "click field up" << "" << 11 << false;
    QTest::newRow("click its left half") << pan << "click field down" << "" << 9 << false;
    QTest::newRow("wheel on the value field") << pan << "wheel field" << "" << 12 << false;
    QTest::newRow("Up key on the value field") << pan << "key field" << "" << 11 << false;
    QTest::newRow("Page Down: a tenth of -63..63") << pan << "page field" << "" << -2 << false;
    QTest::newRow("End on the fader") << pan << "end fader" << "" << 63 << false;
    QTest::newRow("click near the fader's left end") << pan << "click fader" << "" << -63 << false;
    QTest::newRow("click the reversed fader's left end") << pan << "click fader reversed" << ""
                                                         << 63 << false;
    QTest::newRow("drag the fader") << pan << "drag fader" << "" << 63 << false;
    QTest::newRow("wheel on the fader") << pan << "wheel fader" << "" << 9 << false;
    QTest::newRow("type 90") << level << "enter" << "90" << 90 << false;
    QTest::newRow("type above the range") << level << "enter" << "200" << 127 << true;
    QTest::newRow("type below the range") << level << "enter" << "-5" << 0 << true;
    QTest::newRow("type a note name") << note << "enter" << "c#3" << 61 << false;
    QTest::newRow("type a pan text") << pan << "enter" << "l20" << -20 << false;
    QTest::newRow("type a pan as a number") << pan << "enter" << "-7" << -7 << false;
    QTest::newRow("type a number shown offset") << offset << "enter" << "+10" << 74 << false;
    QTest::newRow("type what no value reads") << level << "enter" << "loud" << 10 << true;
    QTest::newRow("Escape keeps the value") << level << "escape" << "90" << 10 << false;
    QTest::newRow("Delete on the value field") << pan << "delete field" << "" << 0 << false;
    QTest::newRow("Ctrl+click on the value field") << pan << "ctrl field" << "" << 0 << false;
    QTest::newRow("Delete on the fader") << pan << "delete fader" << "" << 0 << false;
    QTest::newRow("Ctrl+click on the fader") << level << "ctrl fader" << "" << 100 << false;
}

void TestWidgets::everyGestureIsOneChangeShownEverywhere()
{
    QFETCH(QString, address);
    QFETCH(QString, gesture);
    QFETCH(QString, typed);
    QFETCH(int, expected);
    QFETCH(bool, flashes);
    Page page(address);
    m_memory->setValue(address, 0, 10);
    m_memory->assignEditChannel(&page.widget, 0);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    QSignalSpy changes(m_memory.get(), &TParameterMemory::parameterChanged);

    CTextSlider *field = page.valueField;
    CFader *fader = page.fader;
    const QPoint centre(field->width() / 2, field->height() / 2);
    auto wheel = [](QWidget *w, int delta) {
        QWheelEvent event(QPointF(w->width() / 2, w->height() / 2), QPointF(), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(w, &event);
    };
    if (!typed.isEmpty()) {
        QTest::keyClick(field, typed.at(0).toLatin1());
        QVERIFY(field->entry());
        QTest::keyClicks(field->entry(), typed.mid(1));
        QTest::keyClick(field->entry(), gesture == QLatin1String("enter") ? Qt::Key_Return
                                                                          : Qt::Key_Escape);
        // What the parameter cannot take leaves the entry open to be corrected.
        QCOMPARE(bool(field->entry()), gesture == QLatin1String("enter") && expected == 10);
    } else if (gesture == QLatin1String("drag field")) {
        QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseMove(field, centre - QPoint(0, 20));
        QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, centre - QPoint(0, 20));
    } else if (gesture.startsWith(QLatin1String("click field"))) {
        const int x = gesture.endsWith(QLatin1String("up")) ? field->width() - 5 : 5;
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(x, 8));
    } else if (gesture == QLatin1String("wheel field")) {
        wheel(field, 240);
    } else if (gesture == QLatin1String("key field")) {
        QTest::keyClick(field, Qt::Key_Up);
    } else if (gesture == QLatin1String("page field")) {
        QTest::keyClick(field, Qt::Key_PageDown);
    } else if (gesture == QLatin1String("end fader")) {
        QTest::keyClick(fader, Qt::Key_End);
    } else if (gesture.startsWith(QLatin1String("click fader"))) {
        fader->setHorDir(!gesture.endsWith(QLatin1String("reversed")));
        QTest::mouseClick(fader, Qt::LeftButton, Qt::NoModifier, QPoint(1, 8));
    } else if (gesture == QLatin1String("drag fader")) {
        QTest::mousePress(fader, Qt::LeftButton, Qt::NoModifier, fader->thumbCentre());
        QTest::mouseMove(fader, QPoint(fader->width() - 1, 8));
        QTest::mouseRelease(fader, Qt::LeftButton, Qt::NoModifier, QPoint(fader->width() - 1, 8));
    } else if (gesture == QLatin1String("wheel fader")) {
        wheel(fader, -120);
    } else {
        QWidget *target = gesture.endsWith(QLatin1String("field")) ? static_cast<QWidget *>(field)
                                                                    : fader;
        if (gesture.startsWith(QLatin1String("delete")))
            QTest::keyClick(target, Qt::Key_Delete);
        else
            QTest::mouseClick(target, Qt::LeftButton, Qt::ControlModifier, QPoint(30, 8));
    }
    QCOMPARE(m_memory->value(address, 0), expected);
    QCOMPARE(changes.count(), expected == 10 ? 0 : 1);
    QCOMPARE(field->isFlashing(), flashes);
    QCOMPARE(fader->shownValue(), expected);
    const QString text = m_memory->valueText(address, 0, expected);
    QCOMPARE(field->shownText(), text);
    QVERIFY(field->toolTip().contains(QStringLiteral("Value: ") + text));
    QVERIFY(fader->toolTip().contains(QStringLiteral("Value: ") + text));
}

void TestWidgets::anotherChannelDoesNotMove()
{
    Page first(pan);
    Page second(pan);
    m_memory->assignEditChannel(&first.widget, 1);
    m_memory->assignEditChannel(&second.widget, 2);
    QTest::keyClick(first.fader, Qt::Key_Home);
    QCOMPARE(first.valueField->shownText(), QStringLiteral("L63"));
    QCOMPARE(second.valueField->shownText(), QStringLiteral("C"));
    QCOMPARE(m_memory->value(pan, 2), 0);

    // Re-targeting the second page to channel 1 makes it follow the first,
    // and a change made elsewhere moves both.
    m_memory->assignEditChannel(&second.widget, 1);
    QCOMPARE(second.valueField->shownText(), QStringLiteral("L63"));
    QCOMPARE(second.fader->shownValue(), -63);
    m_memory->setValue(pan, 1, 63);
    QCOMPARE(first.valueField->shownText(), QStringLiteral("R63"));
    QCOMPARE(second.fader->shownValue(), 63);
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
    QCOMPARE(page.fader->shownValue(), 20);
    QCOMPARE(m_memory->value(pan, 0), 20);
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

    QStringList expected;
    for (int v = 0; v <= 5; ++v)
        expected << m_memory->valueText(eqType, 0, v);
    QCOMPARE(popup->items(), expected);
    QCOMPARE(popup->shownText(), expected.at(m_memory->value(eqType, 0)));

    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
    QWidget *grid = popup->choiceGrid();
    QVERIFY(grid);
    QVERIFY(QTest::qWaitForWindowExposed(grid));
    // Two columns: value 3 is in the second row, right.
    const QRect three = popup->choiceRect(3);
    QVERIFY(three.left() > popup->choiceRect(2).left());
    QCOMPARE(three.top(), popup->choiceRect(2).top());
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, three.center());
    QCOMPARE(m_memory->value(eqType, 0), 3);
    QCOMPARE(popup->shownText(), expected.at(3));
    QTRY_VERIFY(!popup->choiceGrid());

    // Labels given to the popup replace the memory's texts.
    popup->setLabels(QStringLiteral("a;b;c;d;e;f;"));
    QCOMPARE(popup->items(), QStringList({ "a", "b", "c", "d", "e", "f" }));
    QCOMPARE(popup->shownText(), QStringLiteral("d"));
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
    QTest::newRow("left, on the spot's last pixel") << 3 << Qt::LeftButton << QPoint(99, 15) << true;
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
    auto *element = new CFader(&page, "cFader3");
    field->setNamedAddress(chorusParam);
    menu->setNamedAddress(chorusType);
    element->setNamedAddress(pan);
    m_memory->assignEditChannel(&page, 1);
    QAccessibleInterface *fieldAccess = QAccessible::queryAccessibleInterface(field);
    QAccessibleInterface *menuAccess = QAccessible::queryAccessibleInterface(menu);
    QCOMPARE(QAccessible::queryAccessibleInterface(element)->text(QAccessible::Name),
             m_memory->fullName(pan, 1) + QStringLiteral(" (Element 2)"));

    // The type set elsewhere, then chosen from the pull-down's menu: two
    // types that name the row differently.
    TParameterMemory scratch;
    const auto nameUnder = [&](int type) {
        scratch.setValue(chorusType, 0, type);
        return scratch.fullName(chorusParam, 0);
    };
    int other = 2;
    while (nameUnder(other) == nameUnder(1))
        ++other;
    QString before;
    for (int type : { other, 1 }) {
        if (type == other) {
            m_memory->setValue(chorusType, 0, type);
        } else {
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
            QVERIFY(menu->menu());
            menu->menu()->actions().at(type)->trigger();
            QCOMPARE(m_memory->value(chorusType, 0), type);
        }
        const QString name = m_memory->fullName(chorusParam, 0);
        QVERIFY(name != before);
        before = name;
        QCOMPARE(fieldAccess->text(QAccessible::Name), name);
        QVERIFY(field->toolTip().startsWith(name + QLatin1Char('\n')));
        QCOMPARE(fieldAccess->text(QAccessible::Value),
                 m_memory->valueText(chorusParam, 0, m_memory->value(chorusParam, 0)));
        QCOMPARE(fieldAccess->valueInterface()->minimumValue().toInt(), field->minimum());
        QCOMPARE(fieldAccess->valueInterface()->maximumValue().toInt(), field->maximum());
        const QString typeText = m_memory->valueText(chorusType, 0, type);
        QCOMPARE(menuAccess->text(QAccessible::Value), typeText);
        // One item per type the memory knows.
        quint16 high = 0, low = 0;
        QVERIFY(m_memory->findParameter(chorusType, &high, &low));
        QCOMPARE(menuAccess->childCount(), m_memory->maximum(high, low, 0) + 1);
        QCOMPARE(menuAccess->child(type)->text(QAccessible::Name), typeText);
        QVERIFY(menuAccess->child(type)->state().selected);
        QVERIFY(!menuAccess->child(type - 1)->state().selected);
    }
}

void TestWidgets::hidesWhenOutOfUseOrUnaddressed()
{
    QWidget page;
    auto *resonance = new CTextSlider(&page, "cTextSlider1", 0);
    auto *unaddressed = new CFader(&page, "cFader2");
    auto *unknown = new CFader(&page, "cFader3");
    resonance->setNamedAddress(eqResonance);
    unknown->setNamedAddress(QStringLiteral("FEkNormalElementEQ/kNrmElmNoSuchThing"));
    m_memory->setValue(eqType, 0, 0); // this type has no resonance
    m_memory->assignEditChannel(&page, 0);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    for (TMemProxy *proxy : { static_cast<TMemProxy *>(resonance),
                              static_cast<TMemProxy *>(unaddressed),
                              static_cast<TMemProxy *>(unknown) })
        proxy->process(nullptr, 0, 0);
    QVERIFY(resonance->isHidden());
    QVERIFY(unaddressed->isHidden());
    QVERIFY(unknown->isHidden());

    m_memory->setValue(eqType, 0, 1);
    resonance->process(nullptr, 0, 0);
    QVERIFY(!resonance->isHidden());

    // With auto-hide disabled, process() leaves the control as it is.
    resonance->disableAutoHide(true);
    m_memory->setValue(eqType, 0, 0);
    resonance->process(nullptr, 0, 0);
    QVERIFY(!resonance->isHidden());
}

void TestWidgets::disabledValueFieldGreys()
{
    Page page(pan);
    m_memory->assignEditChannel(&page.widget, 0);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    QImage shot = page.valueField->grab().toImage();
    QVERIFY(hasInk(shot, Ink::Cyan));
    QVERIFY(!hasInk(shot, Ink::Grey));

    page.valueField->setEnabled(false);
    shot = page.valueField->grab().toImage();
    QVERIFY(hasInk(shot, Ink::Grey));
    QVERIFY(!hasInk(shot, Ink::Cyan));

    page.valueField->setGreyOnDisable(false);
    QVERIFY(hasInk(page.valueField->grab().toImage(), Ink::Cyan));
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
