// The element dialogs (entries 1 to 4), the drum key dialog (entry 28) and
// the plug-in element dialog (entry 20), opened through the add-on's public
// boundary and checked against the rows they were drawn from.

#include <hostfixture.h>

#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <ctextslider.h>

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr int elementEntry = 1;
constexpr int pluginElementEntry = 20;
constexpr int drumKeyEntry = 28;

const char waveNumber[] = "FEkNormalElement/kNrmElmWaveNumber";

// One row of element_forms.txt.
struct FormRow
{
    QString dialog, page, row, caption, captionLabel, valueField, fader, address;
    int x = 0, y = 0;
};

QList<FormRow> formRows()
{
    QList<FormRow> rows;
    QFile file(QStringLiteral(ELEMENT_FORMS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QStringLiteral(" | "));
        if (f.size() != 9)
            continue;
        const QStringList xy = f.at(8).split(QStringLiteral(", "));
        rows.append({ f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], xy.value(0).toInt(),
                      xy.value(1).toInt() });
    }
    return rows;
}

int entryOf(const QString &dialog)
{
    if (dialog == QLatin1String("ELDetail"))
        return elementEntry;
    if (dialog == QLatin1String("DrumKeyDetail"))
        return drumKeyEntry;
    return pluginElementEntry;
}

// The rows that stand apart from their form's grid.
const QHash<QString, int> captionWidths = {
    { "textLabel572", 145 }, { "textLabel573", 145 }, { "textLabel575", 150 },
    { "textLabel645", 145 }, { "textLabel727", 144 }, { "textLabel729", 100 },
    { "textLabel798", 105 }, { "textLabel799", 95 },
};
const QHash<QString, int> faderYs = {
    { "cFader477", 269 }, { "cFader2263", 237 }, { "cFader2321", 205 }, { "cFader2472", 271 },
};
const QHash<QString, int> captionYs = { { "textLabel2305", 157 } };

int captionWidthOf(const FormRow &row)
{
    if (captionWidths.contains(row.captionLabel))
        return captionWidths.value(row.captionLabel);
    // The LFO page's captions are narrower.
    return row.dialog == QLatin1String("ELDetail") && row.page == QLatin1String("tab0_7") ? 80 : 130;
}

// Widgets that are not parameter rows: class, geometry.
struct Part
{
    const char *dialog;
    const char *name;
    const char *className;
    QRect geometry;
    const char *text;
};

const Part otherWidgets[] = {
    { "ELDetail", "tabWidget2", "QTabWidget", { 0, 0, 500, 350 }, nullptr },
    { "ELDetail", "textLabel495_2", "QLabel", { 15, 10, 130, 15 }, "Type" },
    { "ELDetail", "waveSelect", "CPopup", { 85, 30, 60, 16 }, nullptr },
    { "ELDetail", "textLabel495", "QLabel", { 15, 50, 130, 15 }, "Wave" },
    { "ELDetail", "cWaveLabel453", "CHotspotLabel", { 20, 66, 125, 16 }, nullptr },
    { "ELDetail", "line454", "QFrame", { 8, 105, 147, 195 }, nullptr },
    { "ELDetail", "textLabel502", "QLabel", { 18, 95, 22, 20 }, "EQ" },
    { "ELDetail", "textLabel503", "QLabel", { 50, 110, 30, 16 }, "Type" },
    { "ELDetail", "cPullDownMenu455", "CPopup", { 85, 110, 60, 16 }, nullptr },
    { "ELDetail", "line517", "QFrame", { 160, 17, 306, 282 }, nullptr },
    { "ELDetail", "textLabel574", "QLabel", { 170, 7, 49, 20 }, "Pitch EG" },
    { "ELDetail", "textLabel637", "QLabel", { 15, 30, 130, 16 }, "Filter Type" },
    { "ELDetail", "cPullDownMenu592", "CPopup", { 20, 46, 75, 16 }, nullptr },
    { "ELDetail", "line591", "QFrame", { 160, 17, 306, 282 }, nullptr },
    { "ELDetail", "textLabel644", "QLabel", { 170, 7, 49, 20 }, "Filter EG" },
    { "ELDetail", "line661", "QFrame", { 8, 45, 460, 156 }, nullptr },
    { "ELDetail", "textLabel687", "QLabel", { 18, 35, 136, 20 }, "Cutoff Frequency Scaling" },
    { "ELDetail", "line662", "QFrame", { 160, 213, 308, 60 }, nullptr },
    { "ELDetail", "textLabel694", "QLabel", { 170, 203, 100, 20 }, "EG Time Key Follow" },
    { "ELDetail", "line701", "QFrame", { 160, 16, 306, 282 }, nullptr },
    { "ELDetail", "textLabel726", "QLabel", { 170, 7, 76, 20 }, "Amplitude EG" },
    { "ELDetail", "line739", "QFrame", { 8, 45, 460, 156 }, nullptr },
    { "ELDetail", "textLabel763", "QLabel", { 18, 35, 98, 20 }, "Amplitude Scaling" },
    { "ELDetail", "line740", "QFrame", { 160, 213, 308, 60 }, nullptr },
    { "ELDetail", "textLabel773", "QLabel", { 170, 203, 105, 20 }, "EG Time Key Follow" },
    { "DrumKeyDetail", "tabWidget2", "QTabWidget", { 0, 0, 487, 339 }, nullptr },
    { "DrumKeyDetail", "textLabel2308", "QLabel", { 11, 15, 25, 16 }, "Type" },
    { "DrumKeyDetail", "cPullDownMenu2250", "CPopup", { 44, 15, 72, 16 }, nullptr },
    { "DrumKeyDetail", "cTextSlider2251", "CTextSlider", { 120, 15, 32, 16 }, nullptr },
    { "DrumKeyDetail", "textLabel2288", "QLabel", { 11, 42, 30, 16 }, "Wave" },
    { "DrumKeyDetail", "cWaveLabel2252", "CHotspotLabel", { 44, 42, 108, 16 }, nullptr },
    { "DrumKeyDetail", "textLabel2289", "QLabel", { 11, 71, 30, 16 }, "Voice" },
    { "DrumKeyDetail", "cDrumVoiceSelect2253", "CHotspotLabel", { 44, 65, 108, 32 }, nullptr },
    { "DrumKeyDetail", "line2254", "QFrame", { 8, 105, 147, 195 }, nullptr },
    { "DrumKeyDetail", "textLabel2290", "QLabel", { 18, 95, 23, 20 }, "EQ" },
    { "DrumKeyDetail", "cPullDownMenu2255", "CPopup", { 85, 110, 60, 16 }, nullptr },
    { "DrumKeyDetail", "line2310", "QFrame", { 8, 17, 147, 120 }, nullptr },
    { "DrumKeyDetail", "textLabel2338", "QLabel", { 18, 7, 31, 20 }, "Pitch" },
    { "DrumKeyDetail", "line2311", "QFrame", { 160, 17, 306, 120 }, nullptr },
    { "DrumKeyDetail", "textLabel2339", "QLabel", { 170, 7, 32, 20 }, "Filter" },
    { "DrumKeyDetail", "line2312", "QFrame", { 8, 177, 147, 120 }, nullptr },
    { "DrumKeyDetail", "textLabel2340", "QLabel", { 18, 167, 55, 20 }, "Amplitude" },
    { "DrumKeyDetail", "line2313", "QFrame", { 160, 177, 306, 120 }, nullptr },
    { "DrumKeyDetail", "textLabel2341", "QLabel", { 170, 167, 71, 20 }, "AmplitudeEG" },
    { "PluginElementDetail", "tabWidget2", "QTabWidget", { 0, 0, 487, 339 }, nullptr },
};

template <typename T = QWidget>
T *child(QObject *dialog, const QString &name)
{
    return dialog->findChild<T *>(name);
}

template <typename T = QWidget>
T *child(QObject *dialog, const char *name)
{
    return child<T>(dialog, QLatin1String(name));
}

// The memory's triple for an address, at a part.
struct Parameter
{
    quint16 high = 0;
    quint16 low = 0;
};

} // namespace

class TestElement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsMatchTheirTables_data();
    void rowsMatchTheirTables();
    void otherWidgetsMatchTheirTables_data();
    void otherWidgetsMatchTheirTables();
    void focusRunsThroughTheRowsInTableOrder();

    void elementDialogNamesItsElement_data();
    void elementDialogNamesItsElement();
    void clickingTheWaveDisplaySendsTheElementsCommand_data();
    void clickingTheWaveDisplaySendsTheElementsCommand();
    void waveDisplayFollowsTheWaveNumber_data();
    void waveDisplayFollowsTheWaveNumber();
    void typeChangesRelabelAndHideRows_data();
    void typeChangesRelabelAndHideRows();
    void withdrawnRowsNeverShow();
    void fourElementDialogsEditFourElements();
    void faderAndValueFieldShowOneParameter();

    void drumKeyShowsWaveOrVoiceByWaveType_data();
    void drumKeyShowsWaveOrVoiceByWaveType();
    void drumKeyVoiceDisplayNamesTheVoice();
    void drumKeyFollowsTheHostsKey();
    void drumKeyDisplaysFollowCompareMode();
    void drumKeyDisplaysSendTheirCommands();
    void drumKeyOutputSelectNeverShows();

    void pluginElementEditsThePluginBlock();

private:
    QWidget *open(int entry);
    Parameter parameter(const QString &address);
    // The value of an element parameter as the memory holds it.
    int valueAt(const QString &address, int part);
    void setValueAt(const QString &address, int part, int value);

    std::unique_ptr<HostFixture> m_host;
    QList<QPointer<QWidget>> m_dialogs;
};

void TestElement::init()
{
    m_host = std::make_unique<HostFixture>();
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestElement::cleanup()
{
    for (const QPointer<QWidget> &dialog : m_dialogs)
        delete dialog.data();
    m_dialogs.clear();
    m_host.reset();
}

QWidget *TestElement::open(int entry)
{
    QWidget *dialog = m_host->open(entry);
    m_dialogs.append(dialog);
    return dialog;
}

Parameter TestElement::parameter(const QString &address)
{
    Parameter p;
    m_host->memory.findParameter(address, &p.high, &p.low);
    return p;
}

int TestElement::valueAt(const QString &address, int part)
{
    const Parameter p = parameter(address);
    return m_host->memory.value(p.high, p.low, part);
}

void TestElement::setValueAt(const QString &address, int part, int value)
{
    const Parameter p = parameter(address);
    m_host->memory.setValue(p.high, p.low, part, value);
    QCOMPARE(m_host->memory.value(p.high, p.low, part), value);
}

void TestElement::rowsMatchTheirTables_data()
{
    QTest::addColumn<int>("index");
    const QList<FormRow> rows = formRows();
    QCOMPARE(rows.size(), 110 + 28 + 14);
    for (int i = 0; i < rows.size(); ++i) {
        const FormRow &r = rows.at(i);
        QTest::newRow(qPrintable(r.dialog + QLatin1Char(' ') + r.page + QLatin1Char(' ') + r.row))
            << i;
    }
}

// Read from the built dialog, before it has a memory: every row's widgets,
// their classes, places, captions and addresses.
void TestElement::rowsMatchTheirTables()
{
    QFETCH(int, index);
    const FormRow row = formRows().at(index);
    QWidget *dialog = m_host->create(entryOf(row.dialog));
    m_dialogs.append(dialog);
    QVERIFY(dialog);
    QWidget *page = child(dialog, row.page);
    QVERIFY(page);

    auto *caption = child<QLabel>(page, row.captionLabel);
    auto *value = child<CTextSlider>(page, row.valueField);
    auto *fader = child<CFader>(page, row.fader);
    QVERIFY(caption && value && fader);
    for (QWidget *w : { static_cast<QWidget *>(caption), static_cast<QWidget *>(value),
                        static_cast<QWidget *>(fader) })
        QCOMPARE(w->parentWidget(), page);

    const int captionY = captionYs.value(row.captionLabel, row.y - 16);
    QCOMPARE(caption->geometry(), QRect(row.x - 5, captionY, captionWidthOf(row), 16));
    QCOMPARE(value->geometry(), QRect(row.x, row.y, 60, 16));
    QCOMPARE(fader->geometry(), QRect(row.x + 70, faderYs.value(row.fader, row.y), 55, 16));

    const bool withdrawn = row.valueField == QLatin1String("cTextSlider800")
                           || row.valueField == QLatin1String("cTextSlider802")
                           || row.valueField == QLatin1String("cTextSlider2276");
    const QString address = withdrawn ? QString() : row.address;
    QCOMPARE(value->namedAddress(), address);
    QCOMPARE(fader->namedAddress(), address);

    if (row.valueField == QLatin1String("cTextSlider2276"))
        QCOMPARE(caption->text(), QString());
    else if (row.caption == QLatin1String("name (A)"))
        QCOMPARE(caption->text(), row.address);
    else if (row.caption == QLatin1String("name (P)"))
        QCOMPARE(caption->text(), QStringLiteral("StaticText"));
    else
        QCOMPARE(caption->text(), row.caption);

    QCOMPARE(value->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QCOMPARE(fader->orientation(), Qt::Horizontal);
}

void TestElement::otherWidgetsMatchTheirTables_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(otherWidgets)); ++i)
        QTest::newRow(qPrintable(QString::fromLatin1(otherWidgets[i].dialog) + QLatin1Char(' ')
                                 + QLatin1String(otherWidgets[i].name)))
            << i;
}

void TestElement::otherWidgetsMatchTheirTables()
{
    QFETCH(int, index);
    const Part &part = otherWidgets[index];
    QWidget *dialog = m_host->create(entryOf(QLatin1String(part.dialog)));
    m_dialogs.append(dialog);
    QVERIFY(dialog);
    QWidget *w = child(dialog, part.name);
    QVERIFY(w);
    QCOMPARE(w->metaObject()->className(), part.className);
    QCOMPARE(w->geometry(), part.geometry);
    if (part.text)
        QCOMPARE(qobject_cast<QLabel *>(w)->text(), QLatin1String(part.text));
    if (auto *frame = qobject_cast<QFrame *>(w); frame && !qobject_cast<QLabel *>(w)) {
        QCOMPARE(frame->frameShadow(), QFrame::Sunken);
    }
}

void TestElement::focusRunsThroughTheRowsInTableOrder()
{
    QWidget *dialog = m_host->create(3);
    m_dialogs.append(dialog);
    // The tab widget leads; its own tab bar follows it in the chain.
    const QStringList expected = {
        "waveSelect", "cWaveLabel453", "cPullDownMenu455", "cTextSlider456", "cFader457",
        "cTextSlider458",
    };
    QWidget *w = child(dialog, "waveSelect");
    QWidget *before = w->previousInFocusChain();
    QVERIFY(before == child(dialog, "tabWidget2") || child(dialog, "tabWidget2")->isAncestorOf(before));
    for (int i = 1; i < expected.size(); ++i) {
        w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), expected.at(i));
    }
    // The filter type comes between the pitch page and the filter page.
    QCOMPARE(child(dialog, "cFader565")->nextInFocusChain()->objectName(),
             QStringLiteral("cPullDownMenu592"));
    QCOMPARE(child(dialog, "cPullDownMenu592")->nextInFocusChain()->objectName(),
             QStringLiteral("cTextSlider593"));
    // The withdrawn rows of the amplitude envelope page are left out.
    QCOMPARE(child(dialog, "cFader725")->nextInFocusChain()->objectName(),
             QStringLiteral("cTextSlider741"));
}

void TestElement::elementDialogNamesItsElement_data()
{
    QTest::addColumn<int>("element");
    for (int e = 1; e <= 4; ++e)
        QTest::newRow(qPrintable(QStringLiteral("element %1").arg(e))) << e;
}

void TestElement::elementDialogNamesItsElement()
{
    QFETCH(int, element);
    QWidget *created = m_host->create(element);
    m_dialogs.append(created);
    QCOMPARE(created->objectName(), QStringLiteral("Element %1 detail").arg(element));
    QCOMPARE(created->windowTitle(), QStringLiteral("Element Detail"));
    QVERIFY(child(created, "waveSelect")->isVisibleTo(created));

    QWidget *dialog = open(element);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Element %1 Detail").arg(element));
    QCOMPARE(dialog->minimumSize(), QSize(500, 350));
    QCOMPARE(dialog->maximumSize(), QSize(500, 350));
    QVERIFY(!child(dialog, "waveSelect")->isVisible());
    QVERIFY(!child(dialog, "textLabel495_2")->isVisible());
    QCOMPARE(child<CPopup>(dialog, "waveSelect")->namedAddress(), QString());
    // Its controls address the element's part.
    auto *level = child<CTextSlider>(dialog, "cTextSlider466");
    QVERIFY(level->isBound());
    QCOMPARE(int(level->part), element - 1);
}

void TestElement::clickingTheWaveDisplaySendsTheElementsCommand_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("element 1, left button") << 1 << Qt::LeftButton;
    QTest::newRow("element 3, left button") << 3 << Qt::LeftButton;
    QTest::newRow("element 4, right button") << 4 << Qt::RightButton;
}

void TestElement::clickingTheWaveDisplaySendsTheElementsCommand()
{
    QFETCH(int, element);
    QFETCH(Qt::MouseButton, button);
    QWidget *dialog = open(element);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *display = child<CHotspotLabel>(dialog, "cWaveLabel453");
    QTest::mouseClick(display, button, Qt::NoModifier, QPoint(10, 8));
    QCOMPARE(m_host->host.commands, QList<int>{ 41 + element });
    QTest::mouseClick(display, Qt::MiddleButton, Qt::NoModifier, QPoint(10, 8));
    QCOMPARE(m_host->host.commands.size(), 1);
}

void TestElement::waveDisplayFollowsTheWaveNumber_data()
{
    QTest::addColumn<int>("wave");
    QTest::addColumn<QString>("expected"); // null: as the memory names it
    QTest::newRow("first preset") << 0 << QString();
    QTest::newRow("last preset") << 1859 << QString();
    QTest::newRow("past the presets") << 1860 << QStringLiteral("");
    QTest::newRow("before the user waves") << 8191 << QStringLiteral("");
    QTest::newRow("first user wave") << 8192 << QStringLiteral("User 1");
    QTest::newRow("last user wave") << 8447 << QStringLiteral("User 256");
    QTest::newRow("past the user waves") << 8448 << QStringLiteral("");
}

void TestElement::waveDisplayFollowsTheWaveNumber()
{
    QFETCH(int, wave);
    QFETCH(QString, expected);
    const QString address = QLatin1String(waveNumber);
    setValueAt(address, 2, 100);
    QWidget *dialog = open(3);
    auto *display = child<CHotspotLabel>(dialog, "cWaveLabel453");
    const Parameter p = parameter(address);
    QCOMPARE(display->text(), m_host->memory.valueText(p.high, p.low, 2, 100));

    QSignalSpy refreshes(dialog, SIGNAL(signalUpdateTabs()));
    setValueAt(address, 2, wave);
    if (expected.isNull()) {
        expected = m_host->memory.valueText(p.high, p.low, 2, wave);
        QVERIFY(!expected.isEmpty());
    }
    QCOMPARE(display->text(), expected);
    QCOMPARE(refreshes.count(), 1);
    // Another element's wave is not this dialog's.
    setValueAt(address, 1, 8200);
    QCOMPARE(display->text(), expected);
}

void TestElement::typeChangesRelabelAndHideRows_data()
{
    QTest::addColumn<QString>("typeAddress");
    QTest::addColumn<QStringList>("labels"); // the name labels of the rows it reshapes
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("EQ type") << QStringLiteral("FEkNormalElementEQ/kNrmElmEQType")
                             << QStringList{ "textLabel504", "textLabel505", "textLabel506",
                                             "textLabel507", "textLabel508" }
                             << QStringList{ "cTextSlider456", "cTextSlider458", "cTextSlider460",
                                             "cTextSlider462", "cTextSlider464" };
    QTest::newRow("filter type") << QStringLiteral("FEkNormalElementFilter/kNrmElmFilterType")
                                 << QStringList{ "textLabel638", "textLabel660", "textLabel639",
                                                 "textLabel640", "textLabel641", "textLabel642",
                                                 "textLabel643", "textLabel689" }
                                 << QStringList{ "cTextSlider593", "cTextSlider595",
                                                 "cTextSlider597", "cTextSlider599",
                                                 "cTextSlider601", "cTextSlider603",
                                                 "cTextSlider605", "cTextSlider681" };
    QTest::newRow("tempo sync") << QStringLiteral("FEkNormalElement/kNrmElmKeyOnDelayTempoSync")
                                << QStringList{ "textLabel499", "textLabel500", "textLabel501" }
                                << QStringList{ "cTextSlider480", "cTextSlider482",
                                                "cTextSlider484" };
}

// Every value of the type parameter: each reshaped row is captioned with the
// name the memory now gives its parameter, and shows exactly when the memory
// has the parameter in use.
void TestElement::typeChangesRelabelAndHideRows()
{
    QFETCH(QString, typeAddress);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, fields);
    const int part = 1;
    QWidget *dialog = open(part + 1);
    auto *tabs = child<QTabWidget>(dialog, "tabWidget2");
    const Parameter type = parameter(typeAddress);
    const int first = m_host->memory.minimum(type.high, type.low, part);
    const int last = m_host->memory.maximum(type.high, type.low, part);
    QVERIFY(last > first);
    bool someHidden = false;
    for (int v = first; v <= last; ++v) {
        setValueAt(typeAddress, part, v);
        for (int i = 0; i < fields.size(); ++i) {
            auto *field = child<CTextSlider>(dialog, fields.at(i));
            auto *label = child<QLabel>(dialog, labels.at(i));
            tabs->setCurrentWidget(field->parentWidget());
            const QString address = field->namedAddress();
            const Parameter p = parameter(address);
            const QString context = QStringLiteral("type %1, %2").arg(v).arg(address);
            QVERIFY2(label->text() == m_host->memory.name(p.high, p.low, part), qPrintable(context));
            const bool inUse = m_host->memory.inUse(p.high, p.low, part);
            QVERIFY2(field->isVisible() == inUse, qPrintable(context));
            QVERIFY2(label->isVisible() == inUse, qPrintable(context));
            someHidden = someHidden || !inUse;
        }
    }
    if (typeAddress.endsWith(QLatin1String("TempoSync")) || typeAddress.endsWith(QLatin1String("EQType")))
        QVERIFY2(someHidden, "some value of the type leaves a row out of use");
}

void TestElement::withdrawnRowsNeverShow()
{
    QWidget *dialog = open(1);
    child<QTabWidget>(dialog, "tabWidget2")->setCurrentIndex(4);
    setValueAt(QStringLiteral("FEkNormalElementAmplitude/kNrmElmAEGSustainTime"), 0, 5);
    setValueAt(QStringLiteral("FEkNormalElement/kNrmElmWaveNumber"), 0, 7); // refreshes the form
    for (const char *name : { "textLabel804", "cTextSlider800", "cFader801", "textLabel805",
                              "cTextSlider802", "cFader803" }) {
        QWidget *w = child(dialog, name);
        QVERIFY2(!w->isVisible(), name);
        if (auto *proxy = dynamic_cast<TMemProxy *>(w)) {
            QCOMPARE(proxy->namedAddress(), QString());
            QVERIFY(!proxy->isBound());
        }
    }
    QVERIFY(child(dialog, "cTextSlider702")->isVisible());
}

// Four dialogs side by side: each edit reaches its own element only.
void TestElement::fourElementDialogsEditFourElements()
{
    const QString level = QStringLiteral("FEkNormalElementAmplitude/kNrmElmLevel");
    for (int part = 0; part < 4; ++part)
        setValueAt(level, part, 50);
    QList<QWidget *> dialogs;
    for (int e = 1; e <= 4; ++e)
        dialogs << open(e);
    for (int e = 1; e <= 4; ++e) {
        auto *field = child<CTextSlider>(dialogs.at(e - 1), "cTextSlider466");
        field->setFocus();
        for (int i = 0; i < e; ++i)
            QTest::keyClick(field, Qt::Key_Up);
    }
    for (int part = 0; part < 4; ++part) {
        QCOMPARE(valueAt(level, part), 50 + part + 1);
        QCOMPARE(child<CTextSlider>(dialogs.at(part), "cTextSlider466")->value(), 50 + part + 1);
    }
}

void TestElement::faderAndValueFieldShowOneParameter()
{
    QWidget *dialog = open(2);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *field = child<CTextSlider>(dialog, "cTextSlider470");
    auto *fader = child<CFader>(dialog, "cFader471");
    const QString pan = QStringLiteral("FEkNormalElement/kNrmElmPan");
    QTest::mouseClick(fader, Qt::LeftButton, Qt::NoModifier, QPoint(2, fader->height() / 2));
    const int written = valueAt(pan, 1);
    QCOMPARE(field->value(), written);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Up);
    QCOMPARE(valueAt(pan, 1), written + 1);
    QCOMPARE(fader->value(), written + 1);
    QCOMPARE(valueAt(pan, 0), m_host->memory.defaultValue(parameter(pan).high, parameter(pan).low, 0));
}

void TestElement::drumKeyShowsWaveOrVoiceByWaveType_data()
{
    QTest::addColumn<int>("waveType");
    QTest::addColumn<bool>("voice");
    QTest::newRow("wave") << 0 << false;
    QTest::newRow("voice") << 1 << true;
    QTest::newRow("off") << 2 << false;
}

void TestElement::drumKeyShowsWaveOrVoiceByWaveType()
{
    QFETCH(int, waveType);
    QFETCH(bool, voice);
    m_host->voiceData.drumKey = 12;
    const QString address = QStringLiteral("FEkDrumKey/kDrmKeyWaveType");
    setValueAt(address, 12, waveType == 1 ? 0 : 1);
    QWidget *dialog = open(drumKeyEntry);
    setValueAt(address, 12, waveType);
    QCOMPARE(child(dialog, "cDrumVoiceSelect2253")->isVisible(), voice);
    QCOMPARE(child(dialog, "textLabel2289")->isVisible(), voice);
    QCOMPARE(child(dialog, "cWaveLabel2252")->isVisible(), !voice);
    QCOMPARE(child(dialog, "textLabel2288")->isVisible(), !voice);
    if (voice)
        QVERIFY(child(dialog, "textLabel2308")->isVisible());

    // Choosing from the pop-up by the keyboard switches the displays too.
    auto *popup = child<CPopup>(dialog, "cPullDownMenu2250");
    popup->setFocus();
    QTest::keyClick(popup, voice ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(child(dialog, "cDrumVoiceSelect2253")->isVisible(), valueAt(address, 12) == 1);
}

void TestElement::drumKeyVoiceDisplayNamesTheVoice()
{
    m_host->voiceData.drumKey = 3;
    setValueAt(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), 3, 1);
    setValueAt(QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber"), 3, (63 << 16) | (0 << 8) | 4);
    QWidget *dialog = open(drumKeyEntry);
    auto *display = child<CHotspotLabel>(dialog, "cDrumVoiceSelect2253");
    QCOMPARE(display->text(), QStringLiteral("BANK63-0 005 Cat63\nVoice 63.0.4"));
    setValueAt(QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber"), 3, (1 << 16) | (2 << 8) | 127);
    QCOMPARE(display->text(), QStringLiteral("BANK1-2 128 Cat1\nVoice 1.2.127"));
}

void TestElement::drumKeyFollowsTheHostsKey()
{
    const QString level = QStringLiteral("FEkDrumKeyAmplitude/kDrmKeyLevel");
    const QString wave = QStringLiteral("FEkDrumKey/kDrmKeyWaveNumber");
    setValueAt(level, 10, 20);
    setValueAt(level, 11, 90);
    setValueAt(wave, 10, 5);
    setValueAt(wave, 11, 300);
    m_host->voiceData.drumKey = 10;
    m_host->memory.setCurrentDrumKey(10);
    QWidget *dialog = open(drumKeyEntry);
    auto *field = child<CTextSlider>(dialog, "cTextSlider2266");
    auto *display = child<CHotspotLabel>(dialog, "cWaveLabel2252");
    const Parameter w = parameter(wave);
    QCOMPARE(field->value(), 20);
    QCOMPARE(display->text(), m_host->memory.valueText(w.high, w.low, 10, 5));

    QSignalSpy refreshes(dialog, SIGNAL(signalUpdateTabs()));
    m_host->voiceData.drumKey = 11;
    m_host->memory.setCurrentDrumKey(11);
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(field->value(), 90);
    QCOMPARE(child<CFader>(dialog, "cFader2267")->value(), 90);
    QCOMPARE(display->text(), m_host->memory.valueText(w.high, w.low, 11, 300));
    // Edits now reach the new key.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down);
    QCOMPARE(valueAt(level, 11), 89);
    QCOMPARE(valueAt(level, 10), 20);
    setValueAt(wave, 11, 301);
    QCOMPARE(display->text(), m_host->memory.valueText(w.high, w.low, 11, 301));
}

void TestElement::drumKeyDisplaysFollowCompareMode()
{
    QWidget *dialog = open(drumKeyEntry);
    auto *waveDisplay = child(dialog, "cWaveLabel2252");
    auto *voiceDisplay = child(dialog, "cDrumVoiceSelect2253");
    QVERIFY(waveDisplay->isEnabled());
    m_host->voiceData.compareMode = true;
    m_host->memory.setCompareMode(true);
    QVERIFY(!waveDisplay->isEnabled());
    QVERIFY(!voiceDisplay->isEnabled());
    m_host->voiceData.compareMode = false;
    m_host->memory.setCompareMode(false);
    QVERIFY(waveDisplay->isEnabled());
    QVERIFY(voiceDisplay->isEnabled());

    // A dialog opened in compare mode starts with both displays disabled.
    m_host->voiceData.compareMode = true;
    QWidget *second = open(drumKeyEntry);
    QVERIFY(!child(second, "cWaveLabel2252")->isEnabled());
    QVERIFY(!child(second, "cDrumVoiceSelect2253")->isEnabled());
}

void TestElement::drumKeyDisplaysSendTheirCommands()
{
    setValueAt(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), 0, 0);
    QWidget *dialog = open(drumKeyEntry);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::mouseClick(child(dialog, "cWaveLabel2252"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    setValueAt(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), 0, 1);
    QTest::mouseClick(child(dialog, "cDrumVoiceSelect2253"), Qt::RightButton, Qt::NoModifier,
                      QPoint(5, 20));
    QCOMPARE(m_host->host.commands, (QList<int>{ 38, 17 }));
}

void TestElement::drumKeyOutputSelectNeverShows()
{
    QWidget *dialog = open(drumKeyEntry);
    setValueAt(QStringLiteral("FEkDrumKey/kDrmKeyWaveType"), 0, 2); // refreshes the form
    for (const char *name : { "textLabel2300", "cTextSlider2276", "cFader2277" })
        QVERIFY2(!child(dialog, name)->isVisible(), name);
    QVERIFY(!child<CTextSlider>(dialog, "cTextSlider2276")->isBound());
    QVERIFY(child(dialog, "cTextSlider2274")->isVisible());
}

void TestElement::pluginElementEditsThePluginBlock()
{
    m_host->memory.setVoiceType(2);
    m_host->voiceData.voiceType = QStringLiteral("Plugin");
    QWidget *dialog = open(pluginElementEntry);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Plugin Element Detail"));
    auto *speed = child<CTextSlider>(dialog, "cTextSlider2467");
    QCOMPARE(speed->namedAddress(), QStringLiteral("00kPluginElement/kPlgElmLFOSpeed"));
    QVERIFY(speed->isBound());
    const QString address = QStringLiteral("00kPluginElement/kPlgElmLFOSpeed");
    const int before = valueAt(address, 0);
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Up);
    QCOMPARE(valueAt(address, 0), before + 1);
    QCOMPARE(child<CFader>(dialog, "cFader2468")->value(), before + 1);
    // Nothing is relabelled: every caption keeps its fixed text.
    QCOMPARE(child<QLabel>(dialog, "textLabel2491")->text(), QStringLiteral("EQ Low Frequency (kHz)"));
    QCOMPARE(child<QLabel>(dialog, "textLabel2488")->text(), QStringLiteral("LFO Speed"));
}

QTEST_MAIN(TestElement)
#include "tst_element.moc"
