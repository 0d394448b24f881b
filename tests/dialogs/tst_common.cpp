// The voice common dialogs opened from the host's menu entries for normal,
// plug-in and drum voices: the controller-set forms (plain value fields and
// pull-down menus on a grid of inert push buttons) and the arpeggio dialog
// (sixteen rows, the type displays and the host's type selector).

#include <hostfixture.h>

#include <chotspotlabel.h>
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

QTEST_MAIN(TestCommon)
#include "tst_common.moc"
