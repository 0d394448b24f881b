// The effect dialogs (insertion effect 1 and 2, reverb, chorus), opened from
// the host's menu entries for normal, plug-in and drum voices: the form that
// follows from its base number, and the relabelling from the parameter
// memory whenever the effect type changes.

#include <hostfixture.h>

#include <cfader.h>
#include <cpopup.h>
#include <ctextslider.h>

#include <QLabel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One effect dialog as the design gives it.
struct Effect
{
    const char *className;
    int base; // N
    const char *block;      // "NormalCommonInsA"
    const char *shortWord;  // "NrmInsA"
    const char *caption;    // of the open dialog
    const char *pageLabel;
    const char *secondPageLabel; // null: one page
};

const Effect insertionA = { "InsertionEFA", 2495, "NormalCommonInsA", "NrmInsA", "Insertion EF A",
                            "INSERTION EFFECT A", nullptr };
const Effect insertionB = { "InsertionEFB", 2561, "NormalCommonInsB", "NrmInsB", "Insertion EF B",
                            "INSERTION EFFECT B", nullptr };
const Effect reverb = { "Reverb", 2627, "NormalCommonReverb", "NrmRev", "Reverb", "REVERB", "RETURN" };
const Effect chorus = { "Chorus", 2699, "NormalCommonChorus", "NrmCho", "Chorus", "CHORUS", "RETURN" };

// The menu entries: normal, plug-in and drum voices.
struct Entry
{
    int entry;
    int voiceType;
    const Effect *effect;
};

const Entry entries[] = {
    { 5, 1, &insertionA }, { 6, 1, &insertionB }, { 7, 1, &reverb }, { 9, 1, &chorus },
    { 13, 2, &insertionA }, { 14, 2, &insertionB }, { 15, 2, &reverb }, { 17, 2, &chorus },
    { 21, 3, &insertionA }, { 22, 3, &insertionB }, { 23, 3, &reverb }, { 25, 3, &chorus },
};

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

QString address(const Effect &e, const char *parameter)
{
    return QStringLiteral("00k%1/k%2%3").arg(QLatin1String(e.block), QLatin1String(e.shortWord),
                                              QLatin1String(parameter));
}
QString typeAddress(const Effect &e) { return address(e, "Type"); }
QString rowAddress(const Effect &e, int n) { return address(e, "Param") + QString::number(n); }

QString name(const char *prefix, int number)
{
    return QLatin1String(prefix) + QString::number(number);
}

// Row n: column c, line k; the geometry of its four widgets.
int column(int n) { return n <= 8 ? 0 : 1; }
int line(int n) { return (n - 1) % 8; }
QRect numberLabelRect(int n) { return QRect(15 + 175 * column(n), 50 + 32 * line(n), 20, 16); }
QRect nameLabelRect(int n) { return QRect(35 + 175 * column(n), 50 + 32 * line(n), 140, 16); }
QRect valueFieldRect(int n) { return QRect(35 + 175 * column(n), 66 + 32 * line(n), 60, 16); }
QRect faderRect(int n) { return QRect(105 + 175 * column(n), 66 + 32 * line(n), 55, 16); }

template <typename T>
T *child(QObject *parent, const QString &objectName)
{
    return parent->findChild<T *>(objectName);
}

QLabel *nameLabel(QWidget *dialog, const Effect &e, int n)
{
    return child<QLabel>(dialog, name("textLabel", e.base + 49 + n));
}
CTextSlider *valueField(QWidget *dialog, const Effect &e, int n)
{
    return child<CTextSlider>(dialog, name("cTextSlider", e.base + 2 * n - 1));
}
CFader *fader(QWidget *dialog, const Effect &e, int n)
{
    return child<CFader>(dialog, name("cFader", e.base + 2 * n));
}
CPopup *typePullDown(QWidget *dialog, const Effect &e)
{
    return child<CPopup>(dialog, name("cPullDownMenu", e.base));
}

// A second-page widget as the design lists it.
struct SecondPageWidget
{
    const char *objectName;
    const char *className;
    QRect geometry;
    const char *textOrAddress;
};

// Records the dialog's signals in the order they come.
class SignalOrder : public QObject
{
    Q_OBJECT

public:
    QStringList seen;

public slots:
    void registered(const QString &address, bool canFlush)
    {
        seen << QStringLiteral("register %1 %2").arg(address).arg(int(canFlush));
    }
    void initialised() { seen << QStringLiteral("initialise"); }
    void updated() { seen << QStringLiteral("update"); }
};

} // namespace

class TestEffects : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formFollowsItsBase_data();
    void formFollowsItsBase();
    void namedWidgetsStandWhereTheDesignPutsThem_data();
    void namedWidgetsStandWhereTheDesignPutsThem();
    void secondPageMatchesItsTable_data();
    void secondPageMatchesItsTable();
    void openDialogShowsItsCaptionAndPages_data();
    void openDialogShowsItsCaptionAndPages();

    void opensWithTheNamesOfTheCurrentType_data();
    void opensWithTheNamesOfTheCurrentType();
    void typeChangeInTheHostReshapesTheForm_data();
    void typeChangeInTheHostReshapesTheForm();
    void typeChangeInThePullDownReshapesTheForm_data();
    void typeChangeInThePullDownReshapesTheForm();
    void insertionEffect1TypeRefreshesOnlyItsDialog();
    void fixedCaptionsKeepTheirTextsAndFollowTheirControls_data();
    void fixedCaptionsKeepTheirTextsAndFollowTheirControls();
    void pluginReverbEditsThePluginReverbBlock();
    void watchesTheTypeBeforeInitialising_data();
    void watchesTheTypeBeforeInitialising();

private:
    // Checks every row and the type list against the memory's current type.
    void checkShowsCurrentType(QWidget *dialog, const Entry &entry);
    int typeOf(const Entry &entry) const;
    // A type of the block that uses parameter `row`, and one that uses none.
    int typeUsing(const Entry &entry, int row) const;
    int typeUsingNone(const Entry &entry) const;

    HostFixture *m_host = nullptr;
    QList<QPointer<QWidget>> m_dialogs;
};

void TestEffects::init()
{
    m_host = new HostFixture;
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestEffects::cleanup()
{
    for (const QPointer<QWidget> &dialog : m_dialogs)
        delete dialog.data();
    m_dialogs.clear();
    delete m_host;
    m_host = nullptr;
}

// ---- The form ---------------------------------------------------------------

void TestEffects::formFollowsItsBase_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("InsertionEFA") << 5;
    QTest::newRow("InsertionEFB") << 6;
    QTest::newRow("Reverb") << 7;
    QTest::newRow("Chorus") << 9;
}

// Every widget of the first page: name, class, geometry, address or text,
// and the order of creation, from N alone (exceptions are the next test's).
void TestEffects::formFollowsItsBase()
{
    QFETCH(int, entry);
    const Effect &e = *entries[entry == 9 ? 3 : entry - 5].effect;
    QPointer<QWidget> dialog = m_host->create(entry);
    m_dialogs << dialog;
    QVERIFY(dialog);
    // The add-on hands out the dialog class itself (its extension wrapper adds
    // no meta-object), a variant of the one effect form.
    QCOMPARE(dialog->metaObject()->className(), e.className);
    QVERIFY(dialog->inherits("EffectDialog"));
    QCOMPARE(dialog->minimumSize(), QSize(367, 349));
    QCOMPARE(dialog->maximumSize(), QSize(367, 349));
    QCOMPARE(dialog->size(), QSize(367, 349));
    auto *tabs = child<QTabWidget>(dialog, QStringLiteral("tabWidget2"));
    QVERIFY(tabs);
    QCOMPARE(tabs->geometry(), QRect(0, 0, 367, 349));
    QWidget *page = tabs->widget(0);
    QCOMPARE(page->objectName(), QStringLiteral("tab0"));

    struct Expected
    {
        QString name;
        const char *className;
        QRect geometry;
        QString addressOrText;
    };
    std::vector<Expected> expected;
    const int n0 = e.base;
    expected.push_back({ name("cPullDownMenu", n0), "CPopup", QRect(100, 20, 94, 16), typeAddress(e) });
    for (int n = 1; n <= 16; ++n) {
        expected.push_back({ name("cTextSlider", n0 + 2 * n - 1), "CTextSlider", valueFieldRect(n), rowAddress(e, n) });
        expected.push_back({ name("cFader", n0 + 2 * n), "CFader", faderRect(n), rowAddress(e, n) });
    }
    expected.push_back({ name("textLabel", n0 + 33), "QLabel", QRect(50, 20, 40, 16), QStringLiteral("Type") });
    for (int n = 1; n <= 16; ++n)
        expected.push_back({ name("textLabel", n0 + 33 + n), "QLabel", numberLabelRect(n), QStringLiteral("%1.").arg(n) });
    for (int n = 1; n <= 16; ++n)
        expected.push_back({ name("textLabel", n0 + 49 + n), "QLabel", nameLabelRect(n), QStringLiteral("StaticText") });

    const QList<QWidget *> created = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(created.size(), int(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Expected &x = expected[i];
        QWidget *w = created.at(int(i));
        QCOMPARE(w->objectName(), x.name); // creation order
        QCOMPARE(w->metaObject()->className(), x.className);
        const bool exception = (e.base == 2561 && x.name == QLatin1String("textLabel2601"))
                               || (e.base == 2627 && x.name == QLatin1String("cFader2653"));
        if (!exception)
            QVERIFY2(w->geometry() == x.geometry, qPrintable(x.name));
        if (auto *proxy = dynamic_cast<TMemProxy *>(w))
            QCOMPARE(proxy->namedAddress(), x.addressOrText);
        else
            QCOMPARE(static_cast<QLabel *>(w)->text(), x.addressOrText);
    }

    // Standard settings of the controls.
    CPopup *popup = typePullDown(dialog, e);
    QCOMPARE(popup->columnsCount(), 7);
    QCOMPARE(popup->focusPolicy(), Qt::StrongFocus);
    QVERIFY(!popup->grouping());
    QCOMPARE(popup->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(valueField(dialog, e, n)->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        QVERIFY(valueField(dialog, e, n)->useTableId());
        QCOMPARE(fader(dialog, e, n)->orientation(), Qt::Horizontal);
    }
}

void TestEffects::namedWidgetsStandWhereTheDesignPutsThem_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("EFA pull-down") << 5 << "cPullDownMenu2495" << QRect(100, 20, 94, 16);
    QTest::newRow("EFA row 16 value") << 5 << "cTextSlider2526" << QRect(210, 290, 60, 16);
    QTest::newRow("EFA row 16 name") << 5 << "textLabel2560" << QRect(210, 274, 140, 16);
    QTest::newRow("EFB 7.") << 6 << "textLabel2601" << QRect(14, 242, 20, 16);
    QTest::newRow("EFB 8.") << 6 << "textLabel2602" << QRect(15, 274, 20, 16);
    QTest::newRow("EFB Type") << 6 << "textLabel2594" << QRect(50, 20, 40, 16);
    QTest::newRow("Reverb row 13 fader") << 7 << "cFader2653" << QRect(278, 194, 55, 16);
    QTest::newRow("Reverb row 12 fader") << 7 << "cFader2651" << QRect(280, 162, 55, 16);
    QTest::newRow("Reverb row 1 name") << 7 << "textLabel2677" << QRect(35, 50, 140, 16);
    QTest::newRow("Chorus row 9 value") << 9 << "cTextSlider2716" << QRect(210, 66, 60, 16);
    QTest::newRow("Chorus last name") << 9 << "textLabel2764" << QRect(210, 274, 140, 16);
}

void TestEffects::namedWidgetsStandWhereTheDesignPutsThem()
{
    QFETCH(int, entry);
    QFETCH(QString, objectName);
    QFETCH(QRect, geometry);
    QPointer<QWidget> dialog = m_host->create(entry);
    m_dialogs << dialog;
    auto *w = child<QWidget>(dialog, objectName);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), QStringLiteral("tab0"));
    QCOMPARE(w->geometry(), geometry);
}

void TestEffects::secondPageMatchesItsTable_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("widgets");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("textOrAddress");
    const SecondPageWidget reverbPage[] = {
        { "cTextSlider2693", "CTextSlider", QRect(35, 46, 60, 16), "00kNormalCommonReverb/kNrmRevReturn" },
        { "cFader2694", "CFader", QRect(105, 46, 55, 16), "00kNormalCommonReverb/kNrmRevReturn" },
        { "cTextSlider2695", "CTextSlider", QRect(35, 78, 60, 16), "00kNormalCommonReverb/kNrmRevPan" },
        { "cFader2696", "CFader", QRect(105, 78, 55, 16), "00kNormalCommonReverb/kNrmRevPan" },
        { "textLabel2697", "QLabel", QRect(15, 30, 80, 16), "Return" },
        { "textLabel2698", "QLabel", QRect(15, 62, 80, 16), "Pan" },
    };
    const SecondPageWidget chorusPage[] = {
        { "cTextSlider2765", "CTextSlider", QRect(35, 46, 60, 16), "00kNormalCommonChorus/kNrmChoReturn" },
        { "cFader2766", "CFader", QRect(105, 46, 55, 16), "00kNormalCommonChorus/kNrmChoReturn" },
        { "cTextSlider2767", "CTextSlider", QRect(35, 78, 60, 16), "00kNormalCommonChorus/kNrmChoPan" },
        { "cFader2768", "CFader", QRect(105, 78, 55, 16), "00kNormalCommonChorus/kNrmChoPan" },
        { "cTextSlider2769", "CTextSlider", QRect(35, 109, 60, 16), "00kNormalCommonChorus/kNrmChoChoToRev" },
        { "cFader2770", "CFader", QRect(105, 109, 55, 16), "00kNormalCommonChorus/kNrmChoChoToRev" },
        { "textLabel2771", "QLabel", QRect(15, 30, 80, 16), "Return" },
        { "textLabel2772", "QLabel", QRect(15, 62, 80, 16), "Pan" },
        { "textLabel2773", "QLabel", QRect(15, 94, 123, 15), "Send Chorus To Reverb" },
    };
    int i = 0;
    for (const SecondPageWidget &w : reverbPage)
        QTest::addRow("Reverb %s", w.objectName) << 7 << 6 << i++ << w.objectName << w.className
                                                 << w.geometry << w.textOrAddress;
    i = 0;
    for (const SecondPageWidget &w : chorusPage)
        QTest::addRow("Chorus %s", w.objectName) << 9 << 9 << i++ << w.objectName << w.className
                                                 << w.geometry << w.textOrAddress;
}

void TestEffects::secondPageMatchesItsTable()
{
    QFETCH(int, entry);
    QFETCH(int, widgets);
    QFETCH(int, index);
    QFETCH(QString, objectName);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, textOrAddress);
    QPointer<QWidget> dialog = m_host->create(entry);
    m_dialogs << dialog;
    auto *tabs = child<QTabWidget>(dialog, QStringLiteral("tabWidget2"));
    QCOMPARE(tabs->count(), 2);
    QWidget *page = tabs->widget(1);
    QCOMPARE(page->objectName(), QStringLiteral("tab0_2"));
    const QList<QWidget *> created = page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(created.size(), widgets);
    QWidget *w = created.at(index);
    QCOMPARE(w->objectName(), objectName);
    QCOMPARE(QLatin1String(w->metaObject()->className()), className);
    QCOMPARE(w->geometry(), geometry);
    if (auto *proxy = dynamic_cast<TMemProxy *>(w)) {
        QCOMPARE(proxy->namedAddress(), textOrAddress);
        if (auto *slider = qobject_cast<CTextSlider *>(w))
            QCOMPARE(slider->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    } else {
        QCOMPARE(static_cast<QLabel *>(w)->text(), textOrAddress);
    }
}

void TestEffects::openDialogShowsItsCaptionAndPages_data()
{
    QTest::addColumn<int>("entry");
    for (const Entry &e : entries)
        QTest::addRow("%s %s", voiceName(e.voiceType), e.effect->className) << e.entry;
}

void TestEffects::openDialogShowsItsCaptionAndPages()
{
    QFETCH(int, entry);
    const Entry &x = *std::find_if(std::begin(entries), std::end(entries),
                                   [entry](const Entry &e) { return e.entry == entry; });
    QPointer<QWidget> dialog = m_host->open(entry);
    m_dialogs << dialog;
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QLatin1String(x.effect->caption));
    auto *tabs = child<QTabWidget>(dialog, QStringLiteral("tabWidget2"));
    QCOMPARE(tabs->count(), x.effect->secondPageLabel ? 2 : 1);
    QCOMPARE(tabs->tabText(0), QLatin1String(x.effect->pageLabel));
    if (x.effect->secondPageLabel)
        QCOMPARE(tabs->tabText(1), QLatin1String(x.effect->secondPageLabel));
    // Only the chorus has a send level to the reverb.
    const bool hasSend = x.effect == &chorus;
    bool sends = false;
    for (QWidget *w : dialog->findChildren<QWidget *>())
        if (auto *proxy = dynamic_cast<TMemProxy *>(w))
            sends = sends || proxy->namedAddress().endsWith(QLatin1String("ChoToRev"));
    QCOMPARE(sends, hasSend);
}

// ---- Relabelling from the memory -------------------------------------------

int TestEffects::typeOf(const Entry &entry) const
{
    return m_host->memory.value(forVoice(typeAddress(*entry.effect), entry.voiceType));
}

int TestEffects::typeUsing(const Entry &entry, int row) const
{
    TParameterMemory &memory = m_host->memory;
    const QString type = forVoice(typeAddress(*entry.effect), entry.voiceType);
    const QString param = forVoice(rowAddress(*entry.effect, row), entry.voiceType);
    quint16 high = 0, low = 0;
    memory.findParameter(type, &high, &low);
    const int before = memory.value(type);
    int found = -1;
    for (int t = memory.minimum(high, low, 0); t <= memory.maximum(high, low, 0) && found < 0; ++t) {
        memory.setValue(high, low, 0, t);
        if (memory.inUse(param))
            found = t;
    }
    memory.setValue(high, low, 0, before);
    return found;
}

int TestEffects::typeUsingNone(const Entry &entry) const
{
    TParameterMemory &memory = m_host->memory;
    const QString type = forVoice(typeAddress(*entry.effect), entry.voiceType);
    quint16 high = 0, low = 0;
    memory.findParameter(type, &high, &low);
    const int before = memory.value(type);
    int found = -1;
    for (int t = memory.minimum(high, low, 0); t <= memory.maximum(high, low, 0) && found < 0; ++t) {
        memory.setValue(high, low, 0, t);
        bool any = false;
        for (int n = 1; n <= 16; ++n)
            any = any || memory.inUse(forVoice(rowAddress(*entry.effect, n), entry.voiceType));
        if (!any)
            found = t;
    }
    memory.setValue(high, low, 0, before);
    return found;
}

void TestEffects::checkShowsCurrentType(QWidget *dialog, const Entry &entry)
{
    const Effect &e = *entry.effect;
    TParameterMemory &memory = m_host->memory;
    for (int n = 1; n <= 16; ++n) {
        const QString address = forVoice(rowAddress(e, n), entry.voiceType);
        QLabel *label = nameLabel(dialog, e, n);
        const bool used = memory.inUse(address);
        QCOMPARE(valueField(dialog, e, n)->namedAddress(), address);
        QCOMPARE(fader(dialog, e, n)->namedAddress(), address);
        QVERIFY2(valueField(dialog, e, n)->isHidden() == !used, qPrintable(address));
        QVERIFY2(fader(dialog, e, n)->isHidden() == !used, qPrintable(address));
        QVERIFY2(label->isHidden() == !used, qPrintable(address));
        QCOMPARE(label->text(), memory.name(address));
        QCOMPARE(label->toolTip(), memory.name(address));
        if (used)
            QCOMPARE(valueField(dialog, e, n)->value(), memory.value(address));
    }
    // The type list: every value text of the type's range, in value order.
    const QString type = forVoice(typeAddress(e), entry.voiceType);
    quint16 high = 0, low = 0;
    QVERIFY(memory.findParameter(type, &high, &low));
    QStringList list;
    for (int v = memory.minimum(high, low, 0); v <= memory.maximum(high, low, 0); ++v)
        list += memory.valueText(type, 0, v);
    CPopup *popup = typePullDown(dialog, e);
    QCOMPARE(popup->namedAddress(), type);
    QCOMPARE(popup->labels(), list);
    QCOMPARE(popup->value(), memory.value(type));
}

void TestEffects::opensWithTheNamesOfTheCurrentType_data()
{
    openDialogShowsItsCaptionAndPages_data();
}

void TestEffects::opensWithTheNamesOfTheCurrentType()
{
    QFETCH(int, entry);
    const Entry &x = *std::find_if(std::begin(entries), std::end(entries),
                                   [entry](const Entry &e) { return e.entry == entry; });
    QPointer<QWidget> dialog = m_host->open(entry);
    m_dialogs << dialog;
    QVERIFY(dialog);
    // The default type uses some parameters and leaves others out.
    int used = 0;
    for (int n = 1; n <= 16; ++n)
        used += m_host->memory.inUse(forVoice(rowAddress(*x.effect, n), x.voiceType)) ? 1 : 0;
    QVERIFY(used > 0);
    checkShowsCurrentType(dialog, x);
    QVERIFY(nameLabel(dialog, *x.effect, 1)->text() != QLatin1String("StaticText"));
}

void TestEffects::typeChangeInTheHostReshapesTheForm_data()
{
    openDialogShowsItsCaptionAndPages_data();
}

void TestEffects::typeChangeInTheHostReshapesTheForm()
{
    QFETCH(int, entry);
    const Entry &x = *std::find_if(std::begin(entries), std::end(entries),
                                   [entry](const Entry &e) { return e.entry == entry; });
    QPointer<QWidget> dialog = m_host->open(entry);
    m_dialogs << dialog;
    TParameterMemory &memory = m_host->memory;
    const QString type = forVoice(typeAddress(*x.effect), x.voiceType);
    const QString firstName = nameLabel(dialog, *x.effect, 1)->text();

    // A type that uses row 16, one that uses nothing, then every other type.
    const int full = typeUsing(x, 16);
    const int none = typeUsingNone(x);
    QVERIFY(full >= 0);
    QVERIFY(none >= 0);
    memory.setValue(type, 0, full);
    QCOMPARE(memory.value(type), full);
    checkShowsCurrentType(dialog, x);
    QVERIFY(nameLabel(dialog, *x.effect, 16)->isVisibleTo(dialog));
    memory.setValue(type, 0, none);
    QCOMPARE(memory.value(type), none);
    checkShowsCurrentType(dialog, x);
    for (int n = 1; n <= 16; ++n)
        QVERIFY(nameLabel(dialog, *x.effect, n)->isHidden());
    memory.setValue(type, 0, full);
    QCOMPARE(memory.value(type), full);
    checkShowsCurrentType(dialog, x);
    QVERIFY(!nameLabel(dialog, *x.effect, 16)->isHidden());

    quint16 high = 0, low = 0;
    QVERIFY(memory.findParameter(type, &high, &low));
    bool renamed = false;
    for (int t = memory.minimum(high, low, 0); t <= memory.maximum(high, low, 0); ++t) {
        memory.setValue(high, low, 0, t);
        checkShowsCurrentType(dialog, x);
        renamed = renamed || nameLabel(dialog, *x.effect, 1)->text() != firstName;
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(renamed);
}

void TestEffects::typeChangeInThePullDownReshapesTheForm_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("normal InsertionEFA") << 5;
    QTest::newRow("drum InsertionEFB") << 22;
    QTest::newRow("plug-in Reverb") << 15;
    QTest::newRow("normal Chorus") << 9;
}

void TestEffects::typeChangeInThePullDownReshapesTheForm()
{
    QFETCH(int, entry);
    const Entry &x = *std::find_if(std::begin(entries), std::end(entries),
                                   [entry](const Entry &e) { return e.entry == entry; });
    QPointer<QWidget> dialog = m_host->open(entry);
    m_dialogs << dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QString type = forVoice(typeAddress(*x.effect), x.voiceType);
    CPopup *popup = typePullDown(dialog, *x.effect);
    const int before = m_host->memory.value(type);
    const int wanted = typeUsingNone(x) == before ? before + 1 : typeUsingNone(x);
    QVERIFY(wanted != before);

    // Open the choice grid with a click, then click the wanted type's cell.
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, QPoint(popup->width() / 2, popup->height() / 2));
    QWidget *grid = popup->choiceGrid();
    QVERIFY(grid);
    QVERIFY(QTest::qWaitForWindowExposed(grid));
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, popup->choiceRect(wanted).center());
    QCOMPARE(m_host->memory.value(type), wanted);
    checkShowsCurrentType(dialog, x);
}

void TestEffects::insertionEffect1TypeRefreshesOnlyItsDialog()
{
    QPointer<QWidget> a = m_host->open(5);
    QPointer<QWidget> b = m_host->open(6);
    m_dialogs << a << b;
    const Entry &ea = entries[0];
    const Entry &eb = entries[1];
    // Mark one name label of each; a refresh puts the parameter's name back.
    nameLabel(a, insertionA, 1)->setText(QStringLiteral("marked"));
    nameLabel(b, insertionB, 1)->setText(QStringLiteral("marked"));
    const int next = typeOf(ea) == typeUsing(ea, 1) ? typeUsing(ea, 1) + 1 : typeUsing(ea, 1);
    QVERIFY(m_host->memory.setValue(typeAddress(insertionA), 0, next));
    checkShowsCurrentType(a, ea);
    QCOMPARE(nameLabel(b, insertionB, 1)->text(), QStringLiteral("marked"));
    // And insertion effect 2's type the other way round.
    nameLabel(a, insertionA, 1)->setText(QStringLiteral("marked"));
    QVERIFY(m_host->memory.setValue(typeAddress(insertionB), 0, typeOf(eb) + 1));
    checkShowsCurrentType(b, eb);
    QCOMPARE(nameLabel(a, insertionA, 1)->text(), QStringLiteral("marked"));
}

void TestEffects::fixedCaptionsKeepTheirTextsAndFollowTheirControls_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("parameters");
    const QStringList reverbLabels = { "textLabel2697", "textLabel2698" };
    const QStringList reverbControls = { "cTextSlider2693", "cTextSlider2695" };
    const QStringList reverbTexts = { "Return", "Pan" };
    const QStringList chorusLabels = { "textLabel2771", "textLabel2772", "textLabel2773" };
    const QStringList chorusControls = { "cTextSlider2765", "cTextSlider2767", "cTextSlider2769" };
    const QStringList chorusTexts = { "Return", "Pan", "Send Chorus To Reverb" };
    QTest::newRow("normal Reverb") << 7 << reverbLabels << reverbControls << reverbTexts << QStringList{ "NrmRevReturn", "NrmRevPan" };
    QTest::newRow("drum Reverb") << 23 << reverbLabels << reverbControls << reverbTexts << QStringList{ "DrmRevReturn", "DrmRevPan" };
    QTest::newRow("normal Chorus") << 9 << chorusLabels << chorusControls << chorusTexts << QStringList{ "NrmChoReturn", "NrmChoPan", "NrmChoChoToRev" };
    QTest::newRow("plug-in Chorus") << 17 << chorusLabels << chorusControls << chorusTexts << QStringList{ "PlgChoReturn", "PlgChoPan", "PlgChoChoToRev" };
}

// The voice's schema with a made-up rule: type 0 of the reverb and chorus
// blocks leaves their fixed parameters out of use, so that their controls
// hide themselves.
static bool writeSchemaHidingFixedParameters(const QString &path, QString *error)
{
    QFile embedded(QStringLiteral(":/vestra/memapi/schema.json"));
    if (!embedded.open(QIODevice::ReadOnly)) {
        *error = embedded.errorString();
        return false;
    }
    QJsonObject root = QJsonDocument::fromJson(embedded.readAll()).object();
    QJsonArray blocks = root.value(QLatin1String("blocks")).toArray();
    for (int i = 0; i < blocks.size(); ++i) {
        QJsonObject block = blocks.at(i).toObject();
        if (!block.value(QLatin1String("word")).toString().contains(QLatin1String("CommonReverb"))
            && !block.value(QLatin1String("word")).toString().contains(QLatin1String("CommonChorus")))
            continue;
        QJsonArray rules = block.value(QLatin1String("typeRules")).toArray();
        QJsonObject rule = rules.at(0).toObject();
        QJsonObject variants = rule.value(QLatin1String("variants")).toObject();
        QJsonObject none = variants.value(QLatin1String("0")).toObject();
        for (const QJsonValue &p : block.value(QLatin1String("params")).toArray()) {
            const QString word = p.toObject().value(QLatin1String("word")).toString();
            if (word.endsWith(QLatin1String("Return")) || word.endsWith(QLatin1String("Pan"))
                || word.endsWith(QLatin1String("ChoToRev")))
                none.insert(word, QJsonObject{ { QStringLiteral("inUse"), false } });
        }
        variants.insert(QStringLiteral("0"), none);
        rule.insert(QStringLiteral("variants"), variants);
        rules.replace(0, rule);
        block.insert(QStringLiteral("typeRules"), rules);
        blocks.replace(i, block);
    }
    root.insert(QStringLiteral("blocks"), blocks);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    return true;
}

void TestEffects::fixedCaptionsKeepTheirTextsAndFollowTheirControls()
{
    QFETCH(int, entry);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, controls);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, parameters);
    const Entry &x = *std::find_if(std::begin(entries), std::end(entries),
                                   [entry](const Entry &e) { return e.entry == entry; });
    QTemporaryDir dir;
    QString error;
    const QString schema = dir.filePath(QStringLiteral("schema.json"));
    QVERIFY2(writeSchemaHidingFixedParameters(schema, &error), qPrintable(error));
    QVERIFY2(m_host->memory.loadSchema(schema, &error), qPrintable(error));

    QPointer<QWidget> dialog = m_host->open(entry);
    m_dialogs << dialog;
    const QString type = forVoice(typeAddress(*x.effect), x.voiceType);
    auto check = [&](bool shown) {
        for (int i = 0; i < labels.size(); ++i) {
            auto *label = child<QLabel>(dialog, labels.at(i));
            auto *control = child<CTextSlider>(dialog, controls.at(i));
            QCOMPARE(control->namedAddress().section(QLatin1Char('k'), -1), parameters.at(i));
            QCOMPARE(label->text(), texts.at(i));
            QVERIFY(label->toolTip().isEmpty());
            QCOMPARE(control->isHidden(), !shown);
            QCOMPARE(label->isHidden(), !shown);
        }
    };
    QVERIFY(m_host->memory.value(type) != 0);
    check(true);
    QVERIFY(m_host->memory.setValue(type, 0, 0));
    check(false);
    QVERIFY(m_host->memory.setValue(type, 0, 1));
    check(true);
    checkShowsCurrentType(dialog, x);
}

void TestEffects::pluginReverbEditsThePluginReverbBlock()
{
    QPointer<QWidget> dialog = m_host->open(15);
    m_dialogs << dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    TParameterMemory &memory = m_host->memory;
    const Entry &x = entries[6];
    QCOMPARE(x.voiceType, 2);
    const QString pluginType = QStringLiteral("00kPluginCommonReverb/kPlgRevType");
    memory.setValue(pluginType, 0, typeUsing(x, 1));
    QCOMPARE(memory.value(pluginType), typeUsing(x, 1));
    const QString plugin = QStringLiteral("00kPluginCommonReverb/kPlgRevParam1");
    const QString normal = QStringLiteral("00kNormalCommonReverb/kNrmRevParam1");
    quint16 high = 0, low = 0;
    QVERIFY(memory.findParameter(plugin, &high, &low));
    memory.setValue(high, low, 0, memory.minimum(high, low, 0));
    const int normalBefore = memory.value(normal);

    CFader *f = fader(dialog, reverb, 1);
    QCOMPARE(f->namedAddress(), plugin);
    QTest::mouseClick(f, Qt::LeftButton, Qt::NoModifier, QPoint(f->width() - 2, f->height() / 2));
    QVERIFY(memory.value(plugin) > memory.minimum(high, low, 0));
    QCOMPARE(valueField(dialog, reverb, 1)->value(), memory.value(plugin));
    QCOMPARE(memory.value(normal), normalBefore);

    // The return level on the second page too.
    auto *returnFader = child<CFader>(dialog, QStringLiteral("cFader2694"));
    QCOMPARE(returnFader->namedAddress(), QStringLiteral("00kPluginCommonReverb/kPlgRevReturn"));
    const int normalReturn = memory.value(QStringLiteral("00kNormalCommonReverb/kNrmRevReturn"));
    child<QTabWidget>(dialog, QStringLiteral("tabWidget2"))->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    memory.setValue(QStringLiteral("00kPluginCommonReverb/kPlgRevReturn"), 0, 0);
    QTest::mouseClick(returnFader, Qt::LeftButton, Qt::NoModifier,
                      QPoint(returnFader->width() - 2, returnFader->height() / 2));
    QVERIFY(memory.value(QStringLiteral("00kPluginCommonReverb/kPlgRevReturn")) > 0);
    QCOMPARE(memory.value(QStringLiteral("00kNormalCommonReverb/kNrmRevReturn")), normalReturn);
}

void TestEffects::watchesTheTypeBeforeInitialising_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("type");
    QTest::newRow("InsertionEFA") << 5 << "00kNormalCommonInsA/kNrmInsAType";
    QTest::newRow("InsertionEFB") << 14 << "00kNormalCommonInsB/kNrmInsBType";
    QTest::newRow("Reverb") << 23 << "00kNormalCommonReverb/kNrmRevType";
    QTest::newRow("Chorus") << 9 << "00kNormalCommonChorus/kNrmChoType";
}

void TestEffects::watchesTheTypeBeforeInitialising()
{
    QFETCH(int, entry);
    QFETCH(QString, type);
    QPointer<QWidget> dialog = m_host->create(entry);
    m_dialogs << dialog;
    SignalOrder order;
    QObject::connect(dialog, SIGNAL(signalRegisterNotifier(QString,bool)), &order,
                     SLOT(registered(QString,bool)));
    QObject::connect(dialog, SIGNAL(signalInitialise()), &order, SLOT(initialised()));
    QObject::connect(dialog, SIGNAL(signalUpdateTabs()), &order, SLOT(updated()));

    // Without a memory nothing is emitted.
    QMetaObject::invokeMethod(dialog, "connectMemAPI");
    QVERIFY(order.seen.isEmpty());

    // With one: the type's notifier first (never flushable), then the helper.
    m_host->extensionsOf(dialog)->attachMemAPI(&m_host->memory);
    QCOMPARE(order.seen, QStringList({ QStringLiteral("register %1 0").arg(type),
                                          QStringLiteral("initialise") }));
}

QTEST_MAIN(TestEffects)
#include "tst_effects.moc"
