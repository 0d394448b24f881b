#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <cpulldownmenu.h>
#include <ctextslider.h>
#include <tparametermemory.h>

#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
const QString eqType = QStringLiteral("FEkNormalElementEQ/kNrmElmEQType");
const QString eqResonance = QStringLiteral("FEkNormalElementEQ/kNrmElmEQResonance");

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

    void valueFieldAndFaderShowTheSameValue_data();
    void valueFieldAndFaderShowTheSameValue();
    void anotherChannelDoesNotMove();
    void changeMadeElsewhereMovesBoth();
    void compareModeRefusesEdits();
    void faderDirectionFollowsHorDir();

    void popupOffersEveryValueTextAndWritesTheChoice();
    void popupLabelsReplaceTheValueTexts();
    void pullDownMenuWritesTheChosenItem();

    void hotspotClicksWithItsButtonsInsideItsSpot_data();
    void hotspotClicksWithItsButtonsInsideItsSpot();

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

void TestWidgets::valueFieldAndFaderShowTheSameValue_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("drag the value field up") << "drag field";
    QTest::newRow("click the right half of the value field") << "click field up";
    QTest::newRow("click the left half of the value field") << "click field down";
    QTest::newRow("wheel on the value field") << "wheel field";
    QTest::newRow("Up key on the value field") << "key field";
    QTest::newRow("Page Down on the value field") << "page field";
    QTest::newRow("End on the fader") << "end fader";
    QTest::newRow("click near the fader's left end") << "click fader";
    QTest::newRow("drag the fader") << "drag fader";
    QTest::newRow("wheel on the fader") << "wheel fader";
}

void TestWidgets::valueFieldAndFaderShowTheSameValue()
{
    QFETCH(QString, gesture);
    Page page(pan);
    m_memory->assignEditChannel(&page.widget, 1);
    page.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page.widget));
    const int before = m_memory->value(pan, 1);
    QCOMPARE(page.valueField->shownText(), QStringLiteral("C"));

    CTextSlider *field = page.valueField;
    CFader *fader = page.fader;
    const QPoint centre(field->width() / 2, field->height() / 2);
    auto wheel = [](QWidget *w, int delta) {
        QWheelEvent event(QPointF(w->width() / 2, w->height() / 2), QPointF(), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(w, &event);
    };
    int expected = before;
    if (gesture == QLatin1String("drag field")) {
        QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseMove(field, centre - QPoint(0, 20));
        QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, centre - QPoint(0, 20));
        QVERIFY(m_memory->value(pan, 1) > before);
        expected = m_memory->value(pan, 1);
    } else if (gesture == QLatin1String("click field up")) {
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(field->width() - 5, 8));
        expected = before + 1;
    } else if (gesture == QLatin1String("click field down")) {
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
        expected = before - 1;
    } else if (gesture == QLatin1String("wheel field")) {
        wheel(field, 240);
        expected = before + 2;
    } else if (gesture == QLatin1String("key field")) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Up);
        expected = before + 1;
    } else if (gesture == QLatin1String("page field")) {
        QTest::keyClick(field, Qt::Key_PageDown);
        expected = before - 12; // a tenth of the range -63..63
    } else if (gesture == QLatin1String("end fader")) {
        QTest::keyClick(fader, Qt::Key_End);
        expected = 63;
    } else if (gesture == QLatin1String("click fader")) {
        QTest::mouseClick(fader, Qt::LeftButton, Qt::NoModifier, QPoint(1, 8));
        expected = -63;
    } else if (gesture == QLatin1String("drag fader")) {
        QTest::mousePress(fader, Qt::LeftButton, Qt::NoModifier, fader->thumbCentre());
        QTest::mouseMove(fader, QPoint(fader->width() - 1, 8));
        QTest::mouseRelease(fader, Qt::LeftButton, Qt::NoModifier, QPoint(fader->width() - 1, 8));
        expected = 63;
    } else if (gesture == QLatin1String("wheel fader")) {
        wheel(fader, -120);
        expected = before - 1;
    }
    QCOMPARE(m_memory->value(pan, 1), expected);
    QCOMPARE(fader->shownValue(), expected);
    QCOMPARE(field->shownText(), m_memory->valueText(pan, 1, expected));
    QVERIFY(field->shownText() != QStringLiteral("C"));
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

    // Re-targeting the second page to channel 1 makes it follow the first.
    m_memory->assignEditChannel(&second.widget, 1);
    QCOMPARE(second.valueField->shownText(), QStringLiteral("L63"));
    QCOMPARE(second.fader->shownValue(), -63);
}

void TestWidgets::changeMadeElsewhereMovesBoth()
{
    Page page(pan);
    m_memory->assignEditChannel(&page.widget, 0);
    m_memory->setValue(pan, 0, 63);
    QCOMPARE(page.valueField->shownText(), QStringLiteral("R63"));
    QCOMPARE(page.fader->shownValue(), 63);
    double value = 0, minimum = 0, maximum = 0;
    bool valid = false;
    page.fader->getInformation(value, minimum, maximum, valid);
    QVERIFY(valid);
    QCOMPARE(value, 63.0);
    QCOMPARE(minimum, -63.0);
    QCOMPARE(maximum, 63.0);
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
    QCOMPARE(page.fader->shownValue(), 10);
    m_memory->setCompareMode(false);
    QCOMPARE(page.fader->shownValue(), 20);
    QCOMPARE(m_memory->value(pan, 0), 20);
}

void TestWidgets::faderDirectionFollowsHorDir()
{
    Page page(pan);
    m_memory->assignEditChannel(&page.widget, 0);
    page.fader->setHorDir(true);
    QTest::mouseClick(page.fader, Qt::LeftButton, Qt::NoModifier, QPoint(1, 8));
    QCOMPARE(m_memory->value(pan, 0), -63);
    page.fader->setHorDir(false);
    QTest::mouseClick(page.fader, Qt::LeftButton, Qt::NoModifier, QPoint(1, 8));
    QCOMPARE(m_memory->value(pan, 0), 63);
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
}

void TestWidgets::popupLabelsReplaceTheValueTexts()
{
    QWidget page;
    auto *popup = new CPopup(&page, "cPullDownMenu1");
    popup->setNamedAddress(eqType);
    m_memory->assignEditChannel(&page, 0);
    popup->setLabels(QStringLiteral("a;b;c;d;e;f;"));
    QCOMPARE(popup->items(), QStringList({ "a", "b", "c", "d", "e", "f" }));
    m_memory->setValue(eqType, 0, 4);
    QCOMPARE(popup->shownText(), QStringLiteral("e"));
}

void TestWidgets::pullDownMenuWritesTheChosenItem()
{
    QWidget page;
    auto *menu = new CPullDownMenu(&page, "cPullDownMenu1");
    menu->setGeometry(10, 10, 80, 16);
    menu->setNamedAddress(eqType);
    m_memory->assignEditChannel(&page, 0);
    menu->setMenuItemList(QStringLiteral("A;B;C;D;E;F;"));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(menu->text(), QStringLiteral("ABCDEF").mid(m_memory->value(eqType, 0), 1));

    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
    QMenu *open = menu->menu();
    QVERIFY(open);
    QCOMPARE(open->actions().size(), 6);
    open->actions().at(2)->trigger();
    QCOMPARE(m_memory->value(eqType, 0), 2);
    QCOMPARE(menu->text(), QStringLiteral("C"));
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
