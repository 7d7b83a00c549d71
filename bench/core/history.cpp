// Undo and redo over a category of 1000 rules, and what 200 steps cost in
// memory.

#include "workspace/Workspace.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

std::unique_ptr<rw::Workspace> LargeWorkspace() {
    auto ws = std::make_unique<rw::Workspace>();
    for (int i = 0; i < 1000; ++i)
        ws->AddRule();
    return ws;
}

void BM_UndoRedoOneStep(benchmark::State& state) {
    auto ws = LargeWorkspace();
    ws->Select(500);
    ws->ChangePanel(rw::PanelControl::BuildingPicker, QStringLiteral("15"));
    for (auto _ : state) {
        ws->Undo();
        ws->Redo();
    }
}
BENCHMARK(BM_UndoRedoOneStep)->Unit(benchmark::kMillisecond);

// Two hundred panel changes, each on another rule of the 1000; the counter
// is the memory they hold in the history.
void BM_TwoHundredSteps(benchmark::State& state) {
    for (auto _ : state) {
        auto ws = LargeWorkspace();
        const double before = ResidentMegabytes();
        for (int i = 0; i < 200; ++i) {
            ws->Select(2 + i * 4);
            ws->ChangePanel(rw::PanelControl::BuildingPicker, QString::number(i % 20));
            ws->ChangePanel(rw::PanelControl::TestMessage, QStringLiteral("1"));
        }
        state.counters["history_MB"] = ResidentMegabytes() - before;
        state.counters["steps"] = ws->History().UndoDepth();
    }
}
BENCHMARK(BM_TwoHundredSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
