#include "drumkeydetail.h"

#include <chotspotlabel.h>
#include <cpopup.h>
#include <csimplenotifier.h>
#include <imemapi.h>
#include <izintavoicedata.h>

#include <QLabel>
#include <QPixmap>
#include <QTabWidget>

namespace {

using Form::Kind;
using Form::nameA;
using Form::Row;
using Form::Widget;

// The rows of each page: caption, caption label, value field, fader, address,
// the value field's position, and a row's exception ({ 0, fader offset } or
// { 0, 0, caption offset }).
// clang-format off
constexpr Row oscillatorRows[] = {
    { nameA,              "textLabel2292", "cTextSlider2256", "cFader2257", "FEkDrumKeyEQ/kDrmKeyEQ1Freq",      20,  142 },
    { nameA,              "textLabel2293", "cTextSlider2258", "cFader2259", "FEkDrumKeyEQ/kDrmKeyEQ1Gain",      20,  174 },
    { nameA,              "textLabel2294", "cTextSlider2260", "cFader2261", "FEkDrumKeyEQ/kDrmKeyEQ2Freq",      20,  206 },
    { nameA,              "textLabel2295", "cTextSlider2262", "cFader2263", "FEkDrumKeyEQ/kDrmKeyEQ2Gain",      20,  238, { 0, -1 } },
    { nameA,              "textLabel2296", "cTextSlider2264", "cFader2265", "FEkDrumKeyEQ/kDrmKeyEQResonance",  20,  270 },
    { "Level",            "textLabel2301", "cTextSlider2266", "cFader2267", "FEkDrumKeyAmplitude/kDrmKeyLevel", 175, 36 },
    { "Insertion Effect", "textLabel2302", "cTextSlider2268", "cFader2269", "FEkDrumKey/kDrmKeyInsEffSwitch",   175, 68 },
    { nameA,              "textLabel2297", "cTextSlider2270", "cFader2271", "FEkDrumKey/kDrmKeyPan",            175, 174 },
    { nameA,              "textLabel2298", "cTextSlider2272", "cFader2273", "FEkDrumKey/kDrmKeyAlternatePan",   175, 206 },
    { nameA,              "textLabel2299", "cTextSlider2274", "cFader2275", "FEkDrumKey/kDrmKeyRandomPan",      175, 238 },
    { nameA,              "textLabel2300", "cTextSlider2276", "cFader2277", "FEkDrumKey/kDrmKeyOutputSelect",   175, 270 },
    { nameA,              "textLabel2303", "cTextSlider2278", "cFader2279", "FEkDrumKey/kDrmKeyReverbSend",     330, 36 },
    { nameA,              "textLabel2304", "cTextSlider2280", "cFader2281", "FEkDrumKey/kDrmKeyChorusSend",     330, 68 },
    { nameA,              "textLabel2305", "cTextSlider2282", "cFader2283", "FEkDrumKey/kDrmKeyAssignMode",     329, 174, { 0, 0, -1 } },
    { nameA,              "textLabel2306", "cTextSlider2284", "cFader2285", "FEkDrumKey/kDrmKeyRcvNoteOff",     329, 206 },
    { nameA,              "textLabel2307", "cTextSlider2286", "cFader2287", "FEkDrumKey/kDrmKeyAlternateGroup", 329, 238 },
};
// clang-format on

// clang-format off
constexpr Row parameterRows[] = {
    { "Coarse Tune", "textLabel2342", "cTextSlider2314", "cFader2315", "FEkDrumKeyPitch/kDrmKeyCoarseTune",            20,  46 },
    { "Fine Tune",   "textLabel2343", "cTextSlider2316", "cFader2317", "FEkDrumKeyPitch/kDrmKeyFineTune",              20,  78 },
    { nameA,         "textLabel2344", "cTextSlider2318", "cFader2319", "FEkDrumKeyPitch/kDrmKeyVeloPitchSens",         20,  110 },
    { nameA,         "textLabel2345", "cTextSlider2320", "cFader2321", "FEkDrumKeyAmplitude/kDrmKeyLevelVeloSens",     20,  206, { 0, -1 } },
    { nameA,         "textLabel2346", "cTextSlider2322", "cFader2323", "FEkDrumKeyFilter/kDrmKeyFilterCutoffFreq",     175, 46 },
    { nameA,         "textLabel2347", "cTextSlider2324", "cFader2325", "FEkDrumKeyFilter/kDrmKeyFilterCutoffVeloSens", 175, 78 },
    { nameA,         "textLabel2348", "cTextSlider2326", "cFader2327", "FEkDrumKeyFilter/kDrmKeyFilterResonance",      175, 110 },
    { nameA,         "textLabel2352", "cTextSlider2328", "cFader2329", "FEkDrumKeyFilter/kDrmKeyHPFCutoffFreq",        330, 46 },
    { nameA,         "textLabel2349", "cTextSlider2330", "cFader2331", "FEkDrumKeyAmplitude/kDrmKeyAEGAttackTime",     175, 206 },
    { nameA,         "textLabel2350", "cTextSlider2332", "cFader2333", "FEkDrumKeyAmplitude/kDrmKeyAEGDecay1Time",     175, 238 },
    { nameA,         "textLabel2351", "cTextSlider2334", "cFader2335", "FEkDrumKeyAmplitude/kDrmKeyAEGDecay2Time",     175, 270 },
    { nameA,         "textLabel2353", "cTextSlider2336", "cFader2337", "FEkDrumKeyAmplitude/kDrmKeyAEGDecay1Level",    330, 238 },
};
// clang-format on

// The wave and voice area, and the EQ group.
// clang-format off
constexpr Widget oscillatorWidgets[] = {
    { Kind::Popup,        "cPullDownMenu2250",    44, 15,  72,  16,  nullptr, "FEkDrumKey/kDrmKeyWaveType" },
    { Kind::TextSlider,   "cTextSlider2251",      120, 15, 32,  16,  nullptr, "FEkDrumKey/kDrmKeyAssign" },
    { Kind::HotspotLabel, "cWaveLabel2252",       44, 42,  108, 16 },
    { Kind::HotspotLabel, "cDrumVoiceSelect2253", 44, 65,  108, 32 },
    { Kind::Frame,        "line2254",             8,  105, 147, 195 },
    { Kind::Popup,        "cPullDownMenu2255",    85, 110, 60,  16,  nullptr, "FEkDrumKeyEQ/kDrmKeyEQType" },
    { Kind::Label,        "textLabel2288",        11, 42,  30,  16,  "Wave" },
    { Kind::Label,        "textLabel2289",        11, 71,  30,  16,  "Voice" },
    { Kind::Label,        "textLabel2290",        18, 95,  23,  20,  "EQ" },
    { Kind::Label,        "textLabel2308",        11, 15,  25,  16,  "Type" },
};
// clang-format on

// clang-format off
constexpr Widget parameterWidgets[] = {
    { Kind::Frame, "line2310",      8,   17,  147, 120 },
    { Kind::Frame, "line2311",      160, 17,  306, 120 },
    { Kind::Frame, "line2312",      8,   177, 147, 120 },
    { Kind::Frame, "line2313",      160, 177, 306, 120 },
    { Kind::Label, "textLabel2338", 18,  7,   31,  20, "Pitch" },
    { Kind::Label, "textLabel2339", 170, 7,   32,  20, "Filter" },
    { Kind::Label, "textLabel2340", 18,  167, 55,  20, "Amplitude" },
    { Kind::Label, "textLabel2341", 170, 167, 71,  20, "AmplitudeEG" },
};
// clang-format on

// The parameters whose change reshapes the form, and whether their notifier
// may flush.
constexpr struct
{
    const char *address;
    bool canFlush;
} reshapingParameters[] = {
    { "FEkDrumKey/kDrmKeyInsEffSwitch", true },
    { "FEkDrumKey/kDrmKeyAlternateGroup", true },
    { "FEkDrumKey/kDrmKeyWaveType", true },
    { "FEkDrumKeyEQ/kDrmKeyEQType", false },
};

// The output-select row, which this dialog does not offer.
constexpr const char *outputSelectCaption = "textLabel2300";
constexpr const char *outputSelectControls[] = { "cTextSlider2276", "cFader2277" };

constexpr int voiceWaveType = 1;

IZintaVoiceData *voiceDataOf(IMemAPI *api)
{
    return api ? dynamic_cast<IZintaVoiceData *>(api->voiceData()) : nullptr;
}

} // namespace

DrumKeyDetail::DrumKeyDetail(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("DrumKeyDetail"));
    fixSize(Width, Height);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, Width, Height);
    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));
    Form::Builder(tab0).rows(oscillatorRows).widgets(oscillatorWidgets).build(m_form);
    tabWidget2->addTab(tab0, QString());
    tab0_2 = new QWidget(tabWidget2);
    tab0_2->setObjectName(QStringLiteral("tab0_2"));
    Form::Builder(tab0_2).rows(parameterRows).widgets(parameterWidgets).build(m_form);
    tabWidget2->addTab(tab0_2, QString());

    auto *waveType = m_form.find<CPopup>("cPullDownMenu2250");
    for (CPopup *popup : { waveType, m_form.find<CPopup>("cPullDownMenu2255") })
        Form::setUpPopup(popup, QColor(0, 255, 255), Qt::WheelFocus, 1);
    cWaveLabel2252 = m_form.find<CHotspotLabel>("cWaveLabel2252");
    cDrumVoiceSelect2253 = m_form.find<CHotspotLabel>("cDrumVoiceSelect2253");
    Form::setUpDisplay(cWaveLabel2252);
    Form::setUpDisplay(cDrumVoiceSelect2253);

    languageChange();
    resizeToForm(Width, Height);
    connect(waveType, &CPopup::selectionChanged, this,
            &DrumKeyDetail::cPullDownMenu2250_slotWaveTypeChanged);
    connect(cWaveLabel2252, &CHotspotLabel::hotspotClicked, this,
            &DrumKeyDetail::slotWaveSelectClicked);
    connect(cDrumVoiceSelect2253, &CHotspotLabel::hotspotClicked, this,
            &DrumKeyDetail::slotVoiceSelectClicked);
    init();
}

QWidget *DrumKeyDetail::widget(const char *name) const
{
    return m_form.byName.value(QLatin1String(name));
}

bool DrumKeyDetail::hostInCompareMode() const
{
    IZintaVoiceData *voiceData = voiceDataOf(memAPI());
    return voiceData && voiceData->isCompareMode();
}

void DrumKeyDetail::init()
{
    m_waveNumber = m_waveType = m_voiceNumber = m_eqType = nullptr;
    const int bothButtons = Qt::LeftButton | Qt::RightButton;
    cWaveLabel2252->setHotButtons(bothButtons);
    cDrumVoiceSelect2253->setHotButtons(bothButtons);
    // Emptied, the caption is no address label when the labels are scanned.
    auto *caption = static_cast<QLabel *>(widget(outputSelectCaption));
    caption->hide();
    caption->setText(QString());
    for (const char *name : outputSelectControls) {
        QWidget *control = widget(name);
        control->hide();
        dynamic_cast<TMemProxy *>(control)->setNamedAddress(QString());
    }
}

void DrumKeyDetail::connectMemAPI()
{
    IMemAPI *api = memAPI();
    IZintaVoiceData *voiceData = voiceDataOf(api);
    if (!voiceData)
        return;
    const int key = voiceData->currentDrumKey();
    api->assignEditChannel(this, key);
    for (const auto &parameter : reshapingParameters)
        emit signalRegisterNotifier(QLatin1String(parameter.address), parameter.canFlush);
    emit signalInitialise();

    const struct
    {
        CSimpleNotifier *&slot;
        const char *address;
        const char *member;
    } notifiers[] = {
        { m_waveNumber, "FEkDrumKey/kDrmKeyWaveNumber", "1slotWaveChanged(int)" },
        { m_waveType, "FEkDrumKey/kDrmKeyWaveType", "1slotWaveTypeChanged(int)" },
        { m_voiceNumber, "FEkDrumKey/kDrmKeyVoiceNumber", "1slotVoiceChanged(int)" },
        { m_eqType, "FEkDrumKeyEQ/kDrmKeyEQType", "1slotEQTypeChanged(int)" },
    };
    for (const auto &n : notifiers) {
        n.slot = new CSimpleNotifier(this, nullptr);
        CSimpleNotifier::Create(api, this, QLatin1String(n.address), key, n.member, n.slot,
                                nullptr);
    }
    api->connectSignal("2signalDrumKeyNoteChange(int)", this, "1slotNoteChanged(int)", true);
    api->connectSignal("2enterCompareMode(bool)", this, "1OnEnterCompareMode(bool)", true);
    OnEnterCompareMode(voiceData->isCompareMode());
}

void DrumKeyDetail::slotNoteChanged(int key)
{
    IMemAPI *api = memAPI();
    if (!api)
        return;
    api->assignEditChannel(this, key);
    emit signalUpdateTabs();
    OnEnterCompareMode(hostInCompareMode());
}

void DrumKeyDetail::slotWaveSelectClicked()
{
    emit signalDrumWaveTypeSelect();
}

void DrumKeyDetail::slotVoiceSelectClicked()
{
    emit signalDrumVoiceSelect();
}

void DrumKeyDetail::slotWaveChanged(int)
{
    updateDrumWaveLabel(m_waveNumber, cWaveLabel2252);
}

void DrumKeyDetail::updateDrumWaveLabel(CSimpleNotifier *notifier, CHotspotLabel *label)
{
    IMemAPI *api = memAPI();
    if (!api || !notifier)
        return;
    QString text;
    QPixmap unused;
    api->parameterText(notifier->part, IMemAPI::ValueText, text, unused, notifier->getValue(), 0,
                       notifier->high, notifier->low);
    label->setText(text);
}

// The voice number holds the voice's bank in its high and middle bytes and
// its number in the bank in its low byte.
void DrumKeyDetail::slotVoiceChanged(int)
{
    IMemAPI *api = memAPI();
    if (!api || !m_voiceNumber)
        return;
    IZintaVoiceData *voiceData = voiceDataOf(api);
    if (!voiceData)
        return;
    const auto voice = static_cast<unsigned>(m_voiceNumber->getValue());
    const int high = (voice >> 16) & 0xFF;
    const int middle = (voice >> 8) & 0xFF;
    const int low = voice & 0xFF;
    const QString bank = voiceData->voiceBankText(high, middle);
    const QString number = QString::asprintf("%03d", low + 1);
    QString second;
    const QString name = voiceData->voiceNameText(high, middle, low, second);
    cDrumVoiceSelect2253->setText(bank + QLatin1Char(' ') + number + QLatin1Char(' ') + second
                                  + QLatin1Char('\n') + name);
}

void DrumKeyDetail::slotWaveTypeChanged(int value)
{
    cPullDownMenu2250_slotWaveTypeChanged(value);
}

// Shows the wave display or the voice display, as the key plays a wave or a
// voice.
void DrumKeyDetail::cPullDownMenu2250_slotWaveTypeChanged(int)
{
    if (!m_waveType)
        return;
    const bool voice = m_waveType->getValue() == voiceWaveType;
    IMemAPI *api = memAPI();
    IZintaVoiceData *voiceData = voiceDataOf(api);
    if (!voiceData)
        return;
    const bool enabled = !voiceData->isCompareMode();
    if (voice) {
        widget("textLabel2288")->hide();
        widget("textLabel2289")->show();
        widget("textLabel2308")->show();
        cWaveLabel2252->hide();
        cDrumVoiceSelect2253->show();
        cDrumVoiceSelect2253->setEnabled(enabled);
    } else {
        widget("textLabel2288")->show();
        widget("textLabel2289")->hide();
        cWaveLabel2252->show();
        cWaveLabel2252->setEnabled(enabled);
        cDrumVoiceSelect2253->hide();
    }
    slotWaveChanged(0);
}

void DrumKeyDetail::OnEnterCompareMode(bool on)
{
    if (!memAPI())
        return;
    for (CHotspotLabel *display : findChildren<CHotspotLabel *>())
        display->setEnabled(!on);
}

void DrumKeyDetail::slotEQTypeChanged(int) {}

void DrumKeyDetail::languageChange()
{
    setWindowTitle(tr("DrumKey Detail"));
    Form::applyTexts("DrumKeyDetail", m_form);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), tr("OSCILLATOR"));
    tabWidget2->setTabText(tabWidget2->indexOf(tab0_2), tr("PARAMETER"));
}
