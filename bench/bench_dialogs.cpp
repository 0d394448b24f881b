// Open-to-ready and refresh costs of the detail dialogs, each beside the
// floor measured in the same run: the same form constructed bare, with no
// parameter memory and no binding. Prints the ratios at the end.
//
//     build/bin/bench_dialogs [--benchmark_filter=Portamento]

#include <detaildialogsieditorextensions.h>
#include <mimesourcefactory.h>
#include <arpeggio.h>
#include <chorus.h>
#include <ctrlset.h>
#include <ctrlsetcomlfo.h>
#include <drumkeydetail.h>
#include <addon/editorvoicedata.h>
#include <eldetail.h>
#include <insertionefa.h>
#include <insertionefb.h>
#include <pluginelementdetail.h>
#include <portamentodetail.h>
#include <reverb.h>
#include <tparametermemory.h>
#include <xpb900jk.h>
#include <xpb900jq.h>
#include <xpb900jv.h>
#include <xpb900jw.h>
#include <xpb900jx.h>
#include <xpb900jy.h>
#include <xpb900jz.h>

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

TParameterMemory *theMemory = nullptr;
EditorVoiceData *theVoiceData = nullptr;

// One dialog under measurement: how to build it bare and wrapped, and a
// parameter whose change refreshes it: a type that renames, re-ranges or
// hides rows of the dialog where its block has one, otherwise a parameter
// whose value text changes.
struct Subject
{
    const char *name;
    QWidget *(*bare)();
    QWidget *(*wrapped)(int voiceType);
    DetailDialogsPopulationHelper *(*helperOf)(QWidget *wrapped);
    int voiceType;
    const char *changedAddress;
};

template <class T>
QWidget *bareDialog()
{
    return new T(nullptr, nullptr, false, Qt::WindowFlags());
}

template <class T>
QWidget *wrappedDialog(int voiceType)
{
    return new DetailDialogsIEditorExtensions<T>(nullptr, nullptr, voiceType, nullptr, nullptr,
                                                 QString());
}

template <class T>
DetailDialogsPopulationHelper *helperOf(QWidget *wrapped)
{
    return static_cast<DetailDialogsIEditorExtensions<T> *>(wrapped)->populationHelper();
}

template <class T>
constexpr Subject subject(const char *name, int voiceType, const char *changedAddress)
{
    return { name, bareDialog<T>, wrappedDialog<T>, helperOf<T>, voiceType, changedAddress };
}

// clang-format off
const Subject subjects[] = {
    subject<ELDetail>("ELDetail", 1, "FEkNormalElementEQ/kNrmElmEQType"),
    subject<DrumKeyDetail>("DrumKeyDetail", 3, "FEkDrumKeyEQ/kDrmKeyEQType"),
    subject<PluginElementDetail>("PluginElementDetail", 2, "00kPluginElement/kPlgElmEQLowFreq"),
    subject<PortamentoDetail>("Portamento", 1, "00kNormalCommon/kNrmComQEDPortamentoMode"),
    subject<InsertionEFA>("InsertionEFA", 1, "00kNormalCommonInsA/kNrmInsAType"),
    subject<InsertionEFB>("InsertionEFB", 1, "00kNormalCommonInsB/kNrmInsBType"),
    subject<Reverb>("Reverb", 1, "00kNormalCommonReverb/kNrmRevType"),
    subject<Chorus>("Chorus", 1, "00kNormalCommonChorus/kNrmChoType"),
    subject<Arpeggio>("Arpeggio", 1, "00kNormalCommonExtra/kNrmComARPType"),
    subject<CtrlSet>("CtrlSet", 1, "00kNormalCommonController/kNrmComCtrlDest1"),
    subject<CtrlSetComLFO>("CtrlSetComLFO", 1, "00kNormalCommonLFO/kNrmComLFOWave"),
    subject<XPB900JQ>("XPB900JQ", 4, "FEkPluginNativeJQ/kPlgNtvJQTempo"),
    subject<XPB900JW>("XPB900JW", 4, "FEkPluginNativeJW/kPlgNtvJWRevSend"),
    subject<XPB900JV>("XPB900JV", 4, "FEkPluginNativeJV/kPlgNtvJVNoteSel1"),
    subject<XPB900JK>("XPB900JK", 4, "FEkPluginNativeJK/kPlgNtvJKFeedBack"),
    subject<XPB900JZ>("XPB900JZ", 4, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1"),
    subject<XPB900JY>("XPB900JY", 4, "FEkPluginNativeJY/kPlgNtvJYMode"),
    subject<XPB900JX>("XPB900JX", 4, "FEkPluginNativeJX/kPlgNtvJXBreathMode"),
};
// clang-format on

void bareFloor(benchmark::State &state, const Subject *subject)
{
    for (auto _ : state) {
        QWidget *dialog = subject->bare();
        benchmark::DoNotOptimize(dialog);
        delete dialog;
    }
}

// The voice type the host gives the dialog (a board belongs to a plug-in voice).
void setVoiceType(const Subject *subject)
{
    theVoiceData->setVoiceType(subject->voiceType == 4 ? 2 : subject->voiceType);
}

void openToReady(benchmark::State &state, const Subject *subject)
{
    setVoiceType(subject);
    for (auto _ : state) {
        QWidget *dialog = subject->wrapped(subject->voiceType);
        dynamic_cast<IEditorExtensions *>(dialog)->attachMemAPI(theMemory);
        benchmark::DoNotOptimize(dialog);
        delete dialog;
    }
}

void refresh(benchmark::State &state, const Subject *subject)
{
    setVoiceType(subject);
    QWidget *dialog = subject->wrapped(subject->voiceType);
    auto *extensions = dynamic_cast<IEditorExtensions *>(dialog);
    extensions->attachMemAPI(theMemory);
    quint16 high = 0, low = 0;
    theMemory->findParameter(QLatin1String(subject->changedAddress), &high, &low);
    const int minimum = theMemory->minimum(high, low, 0);
    const int maximum = theMemory->maximum(high, low, 0);
    DetailDialogsPopulationHelper *helper = subject->helperOf(dialog);
    int v = minimum;
    for (auto _ : state) {
        v = v >= maximum ? minimum : v + 1;
        theMemory->setValue(high, low, 0, v);
        helper->slotUpdateTabs();
    }
    delete dialog;
}

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::install();
    TParameterMemory memory;
    EditorVoiceData voiceData;
    memory.setVoiceData(&voiceData);
    theMemory = &memory;
    theVoiceData = &voiceData;

    for (const Subject &s : subjects) {
        benchmark::RegisterBenchmark((std::string(s.name) + "/floor").c_str(), bareFloor, &s);
        benchmark::RegisterBenchmark((std::string(s.name) + "/open").c_str(), openToReady, &s);
        benchmark::RegisterBenchmark((std::string(s.name) + "/refresh").c_str(), refresh, &s);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-28s %14s %14s\n", "dialog", "open / floor", "refresh / floor");
    for (const Subject &s : subjects) {
        const std::string name(s.name);
        const double floorTime = reporter.times[name + "/floor"];
        if (floorTime <= 0)
            continue;
        std::printf("%-28s %14.2f %14.2f\n", s.name, reporter.times[name + "/open"] / floorTime,
                    reporter.times[name + "/refresh"] / floorTime);
    }
    MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::uninstall();
    return 0;
}
