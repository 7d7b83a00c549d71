// Script generation through the dialog and the coloured preview window,
// offscreen, against the builder called directly on the same project.

#include "OffscreenBench.h"
#include "core/builder/BuilderTestUtil.h"

#include "builder/FrmPer.h"
#include "builder/OutputFiles.h"
#include "builder/ScriptPreview.h"
#include "builder/ScriptPreviewWindow.h"
#include "builder/ZuzAdidodi.h"
#include "shell/MainWindow.h"
#include "shell/WineGameSystem.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace rw;
using bench::QuietDialogs;
using test::RootProject;

const Project& Large() {
    static const Project project = RootProject(1000);
    return project;
}

QuietDialogs& Quiet() {
    static QuietDialogs dialogs;
    return dialogs;
}

// Runs the event loop until `done` holds; false after `limitMs`.
template <typename Done> bool WaitFor(Done done, int limitMs = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void BM_BuilderInProcess(benchmark::State& state) {
    QTemporaryDir folder;
    for (auto _ : state) {
        const OutputResult result = WriteAiFiles(Large(), folder.path(), QStringLiteral("mybot"));
        if (!result.Ok())
            state.SkipWithError("build failed");
    }
}
BENCHMARK(BM_BuilderInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// From a click on "開始" to the success message in the status label.
void BM_GenerateThroughDialog(benchmark::State& state) {
    QTemporaryDir folder;
    const Workspace work(Large());
    for (auto _ : state) {
        state.PauseTiming();
        FrmPer dialog(Quiet(), work, folder.path(), {});
        dialog.show();
        QApplication::processEvents();
        state.ResumeTiming();
        dialog.StartButton()->click();
        if (!WaitFor([&] { return !dialog.IsBuilding(); }) ||
            dialog.StatusLabel()->text() != kBuildSucceeded)
            state.SkipWithError("the build did not finish");
    }
}
BENCHMARK(BM_GenerateThroughDialog)->Unit(benchmark::kMillisecond)->UseRealTime();

// From a click on "キャンセル" during a build to the dialog saying so. The
// project is large enough that the build is still running when it comes.
void BM_CancelLatency(benchmark::State& state) {
    const Workspace work(RootProject(5000));
    QTemporaryDir folder;
    for (auto _ : state) {
        state.PauseTiming();
        FrmPer dialog(Quiet(), work, folder.path(), {});
        dialog.show();
        QApplication::processEvents();
        dialog.StartButton()->click();
        QElapsedTimer running;
        running.start();
        WaitFor([&] { return running.elapsed() >= 10; });
        state.ResumeTiming();
        dialog.CancelButton()->click();
        if (!WaitFor([&] { return !dialog.IsBuilding(); }) ||
            dialog.StatusLabel()->text() != kBuildCancelled)
            state.SkipWithError("the build was not cancelled");
    }
}
BENCHMARK(BM_CancelLatency)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the preview command to the window laid out on the screen.
void BM_ColouredPreview(benchmark::State& state) {
    Project project = RootProject(int(state.range(0)));
    // The root node for many rules, the rule itself for one.
    const int position = state.range(0) == 1 ? 2 : 1;
    for (auto _ : state) {
        // Colour afresh each time, as after an edit of the rule.
        project.CategoryAt(1).entries[0].scriptColours.clear();
        const PreviewText text = PreviewCommand(project, 1, position, true);
        auto window = std::make_unique<ScriptPreviewWindow>(text);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->TextArea());
        // Closing the window is not part of opening it.
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ColouredPreview)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The preview as the user asks for it, side by side with the command-line
// build of the same saved project: the main window's command on the root
// node of 1000 rules, from the menu item to the window laid out and painted.
struct SavedLarge {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("large.rwp"));
    SavedLarge() { SaveProjectFile(Large(), path, false); }
};

const SavedLarge& Saved() {
    static const SavedLarge saved;
    return saved;
}

// Shows each dialog and lets it lay out and paint, then closes it.
class ShowingDialogs : public QuietDialogs {
public:
    int Run(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        shown = &dialog;
        benchmark::DoNotOptimize(shown);
        return 0;
    }
    QDialog* shown = nullptr;
};

void BM_PreviewThroughWindow(benchmark::State& state) {
    ShowingDialogs dialogs;
    QTemporaryDir folder, prefix;
    QDir(folder.path()).mkpath(QStringLiteral("Template"));
    MainWindow window(dialogs, folder.path(), std::make_unique<WineGameSystem>(prefix.path()));
    window.Start();
    window.show();
    window.OpenGivenFile(Saved().path);
    window.Work().Select(1);
    QApplication::processEvents();
    QAction* preview = window.Action(QStringLiteral("rule.showScript"));
    QElapsedTimer first;
    first.start();
    bool firstDone = false;
    for (auto _ : state) {
        preview->trigger();
        if (!dialogs.shown)
            state.SkipWithError("no preview shown");
        if (!firstDone) {
            state.counters["firstMs"] = double(first.nsecsElapsed()) / 1e6;
            firstDone = true;
        }
    }
}
BENCHMARK(BM_PreviewThroughWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

// rulewright-cli build of the same project, as a process of its own.
void BM_CliBuildSameProject(benchmark::State& state) {
    QTemporaryDir out;
    for (auto _ : state) {
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        cli.start(QStringLiteral(RW_CLI),
                  {QStringLiteral("build"), Saved().path, QStringLiteral("--out"), out.path()});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
            state.SkipWithError("the build failed");
    }
}
BENCHMARK(BM_CliBuildSameProject)->Unit(benchmark::kMillisecond)->UseRealTime();

// A rule of 5000 nested operators, as only a hand-made file holds one.
void BM_DeepRulePreview(benchmark::State& state) {
    Project project = InitialProject();
    RuleEntry deep;
    deep.title = QStringLiteral("deep");
    deep.marker = kMarkerRoot;
    deep.actions = QStringLiteral("(attack-now);攻撃する");
    for (int i = 0; i < state.range(0); ++i)
        deep.conditions += QStringLiteral("%1;AND;Sys_And,and\r\n").arg(i);
    deep.conditions +=
        QStringLiteral("%1;(上書きしてください);Overwrite,true\r\n").arg(state.range(0));
    project.CategoryAt(1).entries << deep;
    for (auto _ : state) {
        project.CategoryAt(1).entries[0].scriptColours.clear();
        const PreviewText text = PreviewCommand(project, 1, 2, true);
        auto window = std::make_unique<ScriptPreviewWindow>(text);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->TextArea());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DeepRulePreview)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    return rw::bench::RunOffscreen(argc, argv);
}
