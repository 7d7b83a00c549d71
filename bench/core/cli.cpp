// The command-line build from outside, as a user runs it, side by side with
// the least any program could do with the same files: start a process, read
// the project, copy the finished script.
//
// Besides the wall-clock times, each benchmark reports the CPU its child
// processes used ("childCpuMs", per iteration) and the build reports its
// peak memory against the script's size ("peakRssPerScript").

#include "core/builder/BuilderTestUtil.h"

#include "storage/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <map>
#include <memory>

namespace {

using namespace rw;

struct Files {
    QTemporaryDir folder;
    QString project;
    QString script;
    qint64 scriptBytes = 0;
};

bool RunChild(const QString& program, const QStringList& args) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    return process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// `rules` big rules in which no caption, fact or event line is met twice:
// nothing a build or check could remember helps.
Project DistinctProject(int rules) {
    Project p = InitialProject();
    for (int i = 0; i < rules; ++i) {
        RuleEntry e = test::BigRule(i, kMarkerRoot);
        e.conditions = QStringLiteral("0;町の人が生産できるとき%1;CannotEdit,can-train villager\r\n"
                                      "0;AND;Sys_And,and\r\n"
                                      "2;木が%1以上のとき;Res,wood-amount >= %1\r\n"
                                      "2;食料が%1以上のとき;Res,food-amount >= %1\r\n"
                                      "2;町の人が%1人未満のとき;Unit,unit-type-count villager < %1\r\n"
                                      "0;1番の変数が%1のとき;Goal,goal 1 %1\r\n")
                           .arg(i);
        QStringList events;
        for (int k = 0; k < 7; ++k)
            events << QStringLiteral("(set-goal %1 %2)     ;変数%1を%2にする").arg(k + 1).arg(i);
        e.actions = events.join(QStringLiteral("\r\n"));
        p.CategoryAt(1).entries << e;
    }
    return p;
}

// A project of `rules` rules saved once, and its script built once. A
// negative count stands for the project of as many distinct rules.
Files& FilesFor(int rules) {
    static std::map<int, std::unique_ptr<Files>> made;
    std::unique_ptr<Files>& files = made[rules];
    if (!files) {
        files = std::make_unique<Files>();
        files->project = files->folder.filePath(QStringLiteral("large.rwp"));
        SaveProjectFile(rules < 0 ? DistinctProject(-rules) : test::RootProject(rules),
                        files->project, false);
        RunChild(QStringLiteral(RW_CLI), {QStringLiteral("build"), files->project,
                                          QStringLiteral("--out"), files->folder.path()});
        files->script = files->folder.filePath(QStringLiteral("mybot.per"));
        files->scriptBytes = QFile(files->script).size();
    }
    return *files;
}

double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The largest resident size of any child so far, in bytes.
double PeakChildBytes() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_maxrss) * 1024;
}

void BM_CliBuild(benchmark::State& state) {
    Files& files = FilesFor(int(state.range(0)));
    const QString out = files.folder.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    const QStringList args = {QStringLiteral("build"), files.project, QStringLiteral("--out"), out};
    const double cpuBefore = ChildCpuSeconds();
    for (auto _ : state)
        if (!RunChild(QStringLiteral(RW_CLI), args))
            state.SkipWithError("the build failed");
    state.counters["childCpuMs"] =
        (ChildCpuSeconds() - cpuBefore) * 1000 / double(state.iterations());
    state.counters["scriptMB"] = double(files.scriptBytes) / 1e6;
    // Every child so far was smaller than the largest build.
    state.counters["peakRssPerScript"] = PeakChildBytes() / double(files.scriptBytes);
}

// Reading the project and copying its script, with one process start.
void BM_ReadAndCopyFloor(benchmark::State& state) {
    Files& files = FilesFor(int(state.range(0)));
    const QString copy = files.folder.filePath(QStringLiteral("copy.per"));
    const double cpuBefore = ChildCpuSeconds();
    for (auto _ : state) {
        QFile project(files.project);
        if (!project.open(QIODevice::ReadOnly))
            state.SkipWithError("no project");
        benchmark::DoNotOptimize(project.readAll().constData());
        if (!RunChild(QStringLiteral("cp"), {files.script, copy}))
            state.SkipWithError("the copy failed");
    }
    state.counters["childCpuMs"] =
        (ChildCpuSeconds() - cpuBefore) * 1000 / double(state.iterations());
}

// -10000: ten thousand rules whose texts all differ (before the larger
// builds, whose peak memory would hide its own).
void Projects(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(-10000)->Arg(10000)->Arg(30000);
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(BM_CliBuild)->Apply(Projects);
BENCHMARK(BM_ReadAndCopyFloor)->Apply(Projects);

} // namespace

BENCHMARK_MAIN();
