#include "arpeggio.h"

#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <csimplenotifier.h>
#include <ctextslider.h>
#include <imemapi.h>
#include <izintavoicedata.h>
#include <parameteraddress.h>

#include <QPixmap>
#include <QTabWidget>

#include <cstdint>

namespace {

using Form::Kind;
using Form::Row;

// Page "ARPEGGIO": sixteen rows in two columns. Row k (0 to 7) of the left
// column has its caption at (15, 40 + 32k), its value field at (20, 56 + 32k)
// and its fader at (90, 56 + 32k); the right column is 155 px to the right.
constexpr int columnX(int column)
{
    return 20 + 155 * column;
}
constexpr int rowY(int k)
{
    return 56 + 32 * k;
}

// clang-format off
constexpr Row rows[] = {
    // caption                caption label    value field        fader         address                                          x            y
    { "Switch",               "textLabel2426", "cTextSlider2393", "cFader2394", "00kNormalCommonExtra/kNrmComARPSw",            columnX(0), rowY(0) },
    { "Hold",                 "textLabel2427", "cTextSlider2395", "cFader2396", "00kNormalCommonExtra/kNrmComARPHold",          columnX(0), rowY(1) },
    { "Unit Multiply",        "textLabel2428", "cTextSlider2397", "cFader2398", "00kNormalCommonExtra/kNrmComARPUnitMulti",     columnX(0), rowY(2) },
    { "Note Limit Low",       "textLabel2429", "cTextSlider2399", "cFader2400", "00kNormalCommonExtra/kNrmComARPNoteLimitLow",  columnX(0), rowY(3) },
    { "Note Limit High",      "textLabel2430", "cTextSlider2401", "cFader2402", "00kNormalCommonExtra/kNrmComARPNoteLimitHigh", columnX(0), rowY(4) },
    { "Velocity Limit Low",   "textLabel2431", "cTextSlider2403", "cFader2404", "00kNormalCommonExtra/kNrmComARPVeloLimitLow",  columnX(0), rowY(5) },
    { "Velocity Limit High",  "textLabel2432", "cTextSlider2405", "cFader2406", "00kNormalCommonExtra/kNrmComARPVeloLimitHigh", columnX(0), rowY(6) },
    { "Swing",                "textLabel2433", "cTextSlider2407", "cFader2408", "00kNormalCommonExtra/kNrmComARPSwing",         columnX(0), rowY(7) },
    { "Tempo",                "textLabel2434", "cTextSlider2409", "cFader2410", "00kNormalCommonExtra/kNrmComARPTempo",         columnX(1), rowY(0) },
    { "Key Mode",             "textLabel2435", "cTextSlider2411", "cFader2412", "00kNormalCommonExtra/kNrmComARPKeyMode",       columnX(1), rowY(1) },
    { "Vel Mode",             "textLabel2436", "cTextSlider2413", "cFader2414", "00kNormalCommonExtra/kNrmComARPVelMode",       columnX(1), rowY(2) },
    { "Velocity Rate (%)",    "textLabel2437", "cTextSlider2415", "cFader2416", "00kNormalCommonExtra/kNrmComARPVelRate",       columnX(1), rowY(3) },
    { "Gate Time Rate (%)",   "textLabel2438", "cTextSlider2417", "cFader2418", "00kNormalCommonExtra/kNrmComARPGTRate",        columnX(1), rowY(4) },
    { "ChangeTiming",         "textLabel2439", "cTextSlider2419", "cFader2420", "00kNormalCommonExtra/kNrmComARPChangeTiming",  columnX(1), rowY(5) },
    { "Quantize Value",       "textLabel2440", "cTextSlider2421", "cFader2422", "00kNormalCommonExtra/kNrmComARPQauntVal",      columnX(1), rowY(6) },
    { "QuantizeStrength(%)",  "textLabel2441", "cTextSlider2423", "cFader2424", "00kNormalCommonExtra/kNrmComARPQuantStrength", columnX(1), rowY(7) },
};
// clang-format on

// Page "ARPEGGIO", head area. "Type" lies on "Bank" until the dialog is
// connected; then the type display grows to two lines and "Type" moves down
// beside the second.
// clang-format off
constexpr Form::Widget head[] = {
    { Kind::Label, "textLabelBank", 40, 8, 38, 16, "Bank" },
    { Kind::Label, "textLabel2425", 40, 8, 38, 16, "Type" },
    { Kind::HotspotLabel, "cWaveLabel2442", 90, 8, 91, 16 },
    { Kind::Label, "textLabelARPBank", 39, 17, 38, 16, "Bank" },
    { Kind::Popup, "cPullDownMenuARPBank", 209, 7, 91, 21, nullptr, "00kNormalCommonExtra/kNrmComARPTypeBank" },
};
// clang-format on

// Page "SF ASSIGN": slot k + 1 (k = 0 to 4) has its caption at
// (15, 44 + 48k, 90, 16) and its display at (20, 60 + 48k, 91, 32).
constexpr int captionY(int k)
{
    return 44 + 48 * k;
}
constexpr int displayY(int k)
{
    return 60 + 48 * k;
}

// clang-format off
constexpr Form::Widget sfAssign[] = {
    { Kind::Label, "textLabel2443", 15, captionY(0), 90, 16, "SF Assign Type1" },
    { Kind::Label, "textLabel2444", 15, captionY(1), 90, 16, "SF Assign Type2" },
    { Kind::Label, "textLabel2445", 15, captionY(2), 90, 16, "SF Assign Type3" },
    { Kind::Label, "textLabel2446", 15, captionY(3), 90, 16, "SF Assign Type4" },
    { Kind::Label, "textLabel2447", 15, captionY(4), 90, 16, "SF Assign Type5" },
    { Kind::HotspotLabel, "cWaveLabel2448", 20, displayY(0), 91, 32 },
    { Kind::HotspotLabel, "cWaveLabel2449", 20, displayY(1), 91, 32 },
    { Kind::HotspotLabel, "cWaveLabel2450", 20, displayY(2), 91, 32 },
    { Kind::HotspotLabel, "cWaveLabel2451", 20, displayY(3), 91, 32 },
    { Kind::HotspotLabel, "cWaveLabel2452", 20, displayY(4), 91, 32 },
};
// clang-format on

constexpr const char *sfDisplayNames[Arpeggio::SlotCount] = {
    "cWaveLabel2448", "cWaveLabel2449", "cWaveLabel2450", "cWaveLabel2451", "cWaveLabel2452",
};

// The watched type parameters, per voice type, in the order the notifiers
// are created: normal, drum, plug-in; the type, then SF1 to SF5.
struct WatchTable
{
    const char *type;
    const char *sfPrefix; // followed by the slot number
    const char *typeSlot;
    const char *sfSlots[Arpeggio::SlotCount];
};

// clang-format off
constexpr WatchTable watchTables[3] = {
    { "00kNormalCommonExtra/kNrmComARPType", "00kNormalCommonExtra/kNrmComARPSF",
      "1arpChangedNormal(int)",
      { "1sf1AssignChangedNormal(int)", "1sf2AssignChangedNormal(int)", "1sf3AssignChangedNormal(int)",
        "1sf4AssignChangedNormal(int)", "1sf5AssignChangedNormal(int)" } },
    { "00kDrumCommonExtra/kDrmComARPType", "00kDrumCommonExtra/kDrmComARPSF",
      "1arpChangedDrum(int)",
      { "1sf1AssignChangedDrum(int)", "1sf2AssignChangedDrum(int)", "1sf3AssignChangedDrum(int)",
        "1sf4AssignChangedDrum(int)", "1sf5AssignChangedDrum(int)" } },
    { "00kPluginCommonExtra/kPlgComARPType", "00kPluginCommonExtra/kPlgComARPSF",
      "1arpChangedPlugin(int)",
      { "1sf1AssignChangedPlugin(int)", "1sf2AssignChangedPlugin(int)", "1sf3AssignChangedPlugin(int)",
        "1sf4AssignChangedPlugin(int)", "1sf5AssignChangedPlugin(int)" } },
};
// clang-format on

// Type numbers: presets 0 to 1786, user types 8192 to 8447 (User 1 to 256).
constexpr unsigned lastPreset = 1786;
constexpr unsigned firstUser = 8192;
constexpr unsigned lastUser = 8447;

constexpr int formWidth = 327;
constexpr int formHeight = 350;

} // namespace

Arpeggio::Arpeggio(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("Arpeggio"));
    fixSize(formWidth, formHeight);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, formWidth, formHeight);

    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));
    Form::Builder(tab0).widgets(head).rows(rows).build(m_arpeggioPage);
    tabWidget2->addTab(tab0, QString());

    tab1 = new QWidget(tabWidget2);
    tab1->setObjectName(QStringLiteral("tab1"));
    Form::Builder(tab1).widgets(sfAssign).build(m_sfAssignPage);
    tabWidget2->addTab(tab1, QString());

    textLabel2425 = m_arpeggioPage.find<QLabel>("textLabel2425");
    cWaveLabel2442 = m_arpeggioPage.find<CHotspotLabel>("cWaveLabel2442");
    textLabelARPBank = m_arpeggioPage.find<QLabel>("textLabelARPBank");
    cPullDownMenuARPBank = m_arpeggioPage.find<CPopup>("cPullDownMenuARPBank");
    for (int n = 0; n < SlotCount; ++n)
        m_sfDisplays[n] = m_sfAssignPage.find<CHotspotLabel>(sfDisplayNames[n]);

    Form::setUpDisplay(cWaveLabel2442);
    for (CHotspotLabel *display : m_sfDisplays)
        Form::setUpDisplay(display);
    Form::setUpPopup(cPullDownMenuARPBank, QColor(0, 255, 255), Qt::StrongFocus, 1);
    cPullDownMenuARPBank->setCursor(Qt::PointingHandCursor);

    languageChange();
    resizeToForm(formWidth, formHeight);

    connect(cWaveLabel2442, &CHotspotLabel::hotspotClicked, this, &Arpeggio::slotArpTypeClicked);
    connect(m_sfDisplays[0], &CHotspotLabel::hotspotClicked, this, &Arpeggio::slotSFAssign1Clicked);
    connect(m_sfDisplays[1], &CHotspotLabel::hotspotClicked, this, &Arpeggio::slotSFAssign2Clicked);
    connect(m_sfDisplays[2], &CHotspotLabel::hotspotClicked, this, &Arpeggio::slotSFAssign3Clicked);
    connect(m_sfDisplays[3], &CHotspotLabel::hotspotClicked, this, &Arpeggio::slotSFAssign4Clicked);
    connect(m_sfDisplays[4], &CHotspotLabel::hotspotClicked, this, &Arpeggio::slotSFAssign5Clicked);

    // Focus: the tab widget, the type display, each column's rows top to
    // bottom (value field, then fader), then the SF displays.
    QWidget *previous = tabWidget2;
    auto chain = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(cWaveLabel2442);
    for (const Form::RowWidgets &row : m_arpeggioPage.rows) {
        chain(row.valueField);
        chain(row.fader);
    }
    for (CHotspotLabel *display : m_sfDisplays)
        chain(display);

    init();
}

void Arpeggio::init()
{
    for (Watch &watch : m_watch)
        watch.type = nullptr;
    cWaveLabel2442->setHotButtons(3);
    for (CHotspotLabel *display : m_sfDisplays)
        display->setHotButtons(3);
    textLabelARPBank->hide();
    cPullDownMenuARPBank->hide();
    cPullDownMenuARPBank->setNamedAddress(QString());
}

void Arpeggio::connectMemAPI()
{
    if (!memAPI())
        return;
    cWaveLabel2442->resize(91, 32);
    textLabel2425->move(textLabel2425->x(), textLabel2425->y() + 16);
    cWaveLabel2442->setHotSpot(0, 0, 91, 32);
    createNotifiers();
    emit signalRegisterNotifier(QStringLiteral("00kNormalCommonExtra/kNrmComARPType"), false);
    emit signalInitialise();
    emit signalUpdateTabs();
}

// Each notifier is stored before it is set up, as setting up reports the
// current value at once.
void Arpeggio::createNotifiers()
{
    for (int v = 0; v < 3; ++v) {
        m_watch[v].type = new CSimpleNotifier(this, nullptr);
        CSimpleNotifier::Create(memAPI(), this, QLatin1String(watchTables[v].type), 0,
                                watchTables[v].typeSlot, m_watch[v].type, nullptr);
    }
    for (int v = 0; v < 3; ++v) {
        for (int n = 0; n < SlotCount; ++n) {
            m_watch[v].sf[n] = new CSimpleNotifier(this, nullptr);
            CSimpleNotifier::Create(memAPI(), this,
                                    QLatin1String(watchTables[v].sfPrefix) + QString::number(n + 1),
                                    0, watchTables[v].sfSlots[n], m_watch[v].sf[n], nullptr);
        }
    }
}

void Arpeggio::updateTypeDisplay(CSimpleNotifier *value, CSimpleNotifier *type, QLabel *label)
{
    IMemAPI *memory = memAPI();
    if (!memory || !value)
        return;
    const unsigned n = static_cast<unsigned>(value->getValue());
    QString text;
    if (n <= lastPreset) {
        if (!type)
            return;
        QString name;
        QPixmap picture;
        memory->parameterText(type->part, IMemAPI::ValueText, name, picture, static_cast<int>(n), 0,
                              type->high, type->low);
        text = QStringLiteral("Preset\n") + name;
    } else if (n >= firstUser && n <= lastUser) {
        text = QStringLiteral("User\nUser ") + QString::number(n - 8191);
    } else {
        text = tr("No Type");
    }
    IZintaVoiceData *voiceData = ParameterAddress::voiceDataOf(memory);
    if (!voiceData)
        return;
    std::uint64_t word = 0;
    QString voiceType;
    voiceData->voiceTypeText(&word, voiceType);
    if (value->namedAddress().contains(voiceType))
        label->setText(text);
}

void Arpeggio::slotArpTypeClicked()
{
    emit signalArpTypeSelect();
}

void Arpeggio::arpChangedNormal(int)
{
    updateTypeDisplay(m_watch[Normal].type, m_watch[Normal].type, cWaveLabel2442);
}

void Arpeggio::arpChangedDrum(int)
{
    updateTypeDisplay(m_watch[Drum].type, m_watch[Drum].type, cWaveLabel2442);
}

void Arpeggio::arpChangedPlugin(int)
{
    updateTypeDisplay(m_watch[Plugin].type, m_watch[Plugin].type, cWaveLabel2442);
}

void Arpeggio::slotSFAssign1Clicked()
{
    emit signalArpSFAssignTypeSelect(1);
}
void Arpeggio::slotSFAssign2Clicked()
{
    emit signalArpSFAssignTypeSelect(2);
}
void Arpeggio::slotSFAssign3Clicked()
{
    emit signalArpSFAssignTypeSelect(3);
}
void Arpeggio::slotSFAssign4Clicked()
{
    emit signalArpSFAssignTypeSelect(4);
}
void Arpeggio::slotSFAssign5Clicked()
{
    emit signalArpSFAssignTypeSelect(5);
}

void Arpeggio::sfAssignChanged(VoiceIndex voice, int slot)
{
    updateTypeDisplay(m_watch[voice].sf[slot - 1], m_watch[voice].type, m_sfDisplays[slot - 1]);
    emit signalUpdateTabs();
}

void Arpeggio::sf1AssignChangedNormal(int)
{
    sfAssignChanged(Normal, 1);
}
void Arpeggio::sf2AssignChangedNormal(int)
{
    sfAssignChanged(Normal, 2);
}
void Arpeggio::sf3AssignChangedNormal(int)
{
    sfAssignChanged(Normal, 3);
}
void Arpeggio::sf4AssignChangedNormal(int)
{
    sfAssignChanged(Normal, 4);
}
void Arpeggio::sf5AssignChangedNormal(int)
{
    sfAssignChanged(Normal, 5);
}
void Arpeggio::sf1AssignChangedDrum(int)
{
    sfAssignChanged(Drum, 1);
}
void Arpeggio::sf2AssignChangedDrum(int)
{
    sfAssignChanged(Drum, 2);
}
void Arpeggio::sf3AssignChangedDrum(int)
{
    sfAssignChanged(Drum, 3);
}
void Arpeggio::sf4AssignChangedDrum(int)
{
    sfAssignChanged(Drum, 4);
}
void Arpeggio::sf5AssignChangedDrum(int)
{
    sfAssignChanged(Drum, 5);
}
void Arpeggio::sf1AssignChangedPlugin(int)
{
    sfAssignChanged(Plugin, 1);
}
void Arpeggio::sf2AssignChangedPlugin(int)
{
    sfAssignChanged(Plugin, 2);
}
void Arpeggio::sf3AssignChangedPlugin(int)
{
    sfAssignChanged(Plugin, 3);
}
void Arpeggio::sf4AssignChangedPlugin(int)
{
    sfAssignChanged(Plugin, 4);
}
void Arpeggio::sf5AssignChangedPlugin(int)
{
    sfAssignChanged(Plugin, 5);
}

void Arpeggio::languageChange()
{
    setWindowTitle(tr("Arpeggio"));
    Form::applyTexts("Arpeggio", m_arpeggioPage);
    Form::applyTexts("Arpeggio", m_sfAssignPage);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), tr("ARPEGGIO"));
    tabWidget2->setTabText(tabWidget2->indexOf(tab1), tr("SF ASSIGN"));
}
