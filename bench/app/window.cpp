// The window's response times over a category of 1000 rules, offscreen.

#include "OffscreenBench.h"

#include "events/EventPanels.h"
#include "rules/RuleTree.h"
#include "shell/MainWindow.h"
#include "shell/WineGameSystem.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Fixture {
    QTemporaryDir folder;
    QTemporaryDir prefix;
    rw::bench::QuietDialogs dialogs;
    std::unique_ptr<rw::MainWindow> window;

    std::unique_ptr<rw::MainWindow> MakeWindow() {
        QDir(folder.path()).mkpath(QStringLiteral("Template"));
        auto made = std::make_unique<rw::MainWindow>(
            dialogs, folder.path(), std::make_unique<rw::WineGameSystem>(prefix.path()));
        made->Start();
        made->show();
        QApplication::processEvents();
        return made;
    }

    // Category 1 with 1000 rules in its root group and ten groups.
    rw::MainWindow& Large() {
        if (!window) {
            window = MakeWindow();
            QAction* newRule = window->Action(QStringLiteral("ruleTool.newRule"));
            QAction* newGroup = window->Action(QStringLiteral("ruleTool.newGroup"));
            for (int g = 0; g < 10; ++g) {
                window->Work().Select(1);
                newGroup->trigger();
                for (int r = 0; r < 100; ++r)
                    newRule->trigger();
            }
            QApplication::processEvents();
        }
        return *window;
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        auto window = Shared().MakeWindow();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(10);

// A new window's first rule: the rule page is made then, and painted.
void BM_FirstRuleShown(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = Shared().MakeWindow();
        QAction* newRule = window->Action(QStringLiteral("ruleTool.newRule"));
        state.ResumeTiming();
        newRule->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstRuleShown)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SwitchToLargeTab(benchmark::State& state) {
    rw::MainWindow& window = Shared().Large();
    for (auto _ : state) {
        state.PauseTiming();
        window.Tabs()->setCurrentIndex(1);
        QApplication::processEvents();
        state.ResumeTiming();
        window.Tabs()->setCurrentIndex(0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchToLargeTab)->Unit(benchmark::kMillisecond);

void BM_SelectRule(benchmark::State& state) {
    rw::MainWindow& window = Shared().Large();
    window.Tabs()->setCurrentIndex(0);
    int position = 500;
    for (auto _ : state) {
        window.Rules()->setCurrentItem(window.Rules()->ItemAt(position));
        QApplication::processEvents();
        position = position == 500 ? 700 : 500;
    }
}
BENCHMARK(BM_SelectRule)->Unit(benchmark::kMillisecond);

void BM_AddRule(benchmark::State& state) {
    rw::MainWindow& window = Shared().Large();
    window.Tabs()->setCurrentIndex(0);
    window.Rules()->setCurrentItem(window.Rules()->ItemAt(600));
    QAction* newRule = window.Action(QStringLiteral("ruleTool.newRule"));
    for (auto _ : state) {
        newRule->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AddRule)->Unit(benchmark::kMillisecond)->Iterations(100);

// A choice in the building picker: the rule regenerated, the panel, the
// conditions, the event list and the tree shown again.
void BM_PanelChange(benchmark::State& state) {
    rw::MainWindow& window = Shared().Large();
    window.Tabs()->setCurrentIndex(0);
    window.Rules()->setCurrentItem(window.Rules()->ItemAt(500));
    QApplication::processEvents();
    auto* picker =
        qobject_cast<QComboBox*>(window.Panels()->Control(rw::PanelControl::BuildingPicker));
    int index = 3;
    for (auto _ : state) {
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        QApplication::processEvents();
        index = index == 3 ? 5 : 3;
    }
}
BENCHMARK(BM_PanelChange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return rw::bench::RunOffscreen(argc, argv, [] { Shared().window.reset(); });
}
