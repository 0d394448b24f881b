// The editor's undo history under load: 10,000 edits pushed onto it, the
// heap the history then holds, and the time of one undo (with its redo
// untimed) at the top of a 10,000-step history.
//
//     build-release/bin/bench_history

#include <history/voicehistory.h>

#include <tparametermemory.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QUndoStack>

#include <chrono>
#include <malloc.h>
#include <memory>

namespace {

constexpr int editCount = 10000;

// 10,000 edits that never merge: each writes another parameter or part
// than the one before.
void pushEdits(TParameterMemory &memory)
{
    quint16 panHigh = 0, panLow = 0, levelHigh = 0, levelLow = 0;
    memory.findParameter(QStringLiteral("kNormalElement/kNrmElmPan"), &panHigh, &panLow);
    memory.findParameter(QStringLiteral("kNormalElementAmplitude/kNrmElmLevel"), &levelHigh,
                         &levelLow);
    for (int i = 0; i < editCount; ++i) {
        const int part = i % TParameterMemory::ElementCount;
        if ((i / TParameterMemory::ElementCount) % 2)
            memory.setValue(levelHigh, levelLow, part, i % 128);
        else
            memory.setValue(panHigh, panLow, part, i % 127 - 63);
    }
}

void pushTenThousand(benchmark::State &state)
{
    std::size_t held = 0;
    int steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto memory = std::make_unique<TParameterMemory>();
        auto history = std::make_unique<VoiceHistory>(memory.get());
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        pushEdits(*memory);
        state.PauseTiming();
        held = mallinfo2().uordblks - before;
        steps = history->stack()->count();
        history.reset();
        memory.reset();
        state.ResumeTiming();
    }
    state.counters["steps"] = steps;
    state.counters["bytes_held"] = double(held);
    state.counters["bytes_per_step"] = steps ? double(held) / steps : 0;
}

void undoOne(benchmark::State &state)
{
    TParameterMemory memory;
    VoiceHistory history(&memory);
    pushEdits(memory);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        history.undo();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        history.redo();
    }
    state.counters["steps"] = history.stack()->count();
}

} // namespace

BENCHMARK(pushTenThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(undoOne)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
