// Saving and loading a large project: 1000 rules of 16 commands each.
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace rw;

RuleEntry RealisticRule(int category, int n) {
    RuleEntry rule = NewRuleEntry(category, QStringLiteral("100"), kMarkerGroupRule);
    rule.title = QStringLiteral("ルール%1 騎士を生産する").arg(n);
    QString conditions;
    for (int c = 0; c < 8; ++c)
        conditions += QStringLiteral("%1;木が%2以上のとき;ResourceAmount,wood-amount >= %2\r\n")
                          .arg(c == 0 ? 0 : 1)
                          .arg(100 + c * 25);
    rule.conditions = QStringLiteral("0;騎士が生産できるとき;CannotEdit,can-train knight\r\n") +
                      conditions.section(QStringLiteral("\r\n"), 1);
    QStringList actions;
    for (int a = 0; a < 8; ++a)
        actions << QStringLiteral("(set-goal %1 %2)     ;変数%1に%2を代入する").arg(a + 1).arg(n);
    rule.actions = actions.join(QStringLiteral("\r\n"));
    rule.chatText = n % 3 == 0 ? QStringLiteral("騎士を作ります") : QString();
    QString script = QStringLiteral("(defrule\r\n");
    for (int c = 0; c < 8; ++c)
        script += QStringLiteral("  (wood-amount >= %1)              ;木が%1以上のとき\r\n")
                      .arg(100 + c * 25);
    script += QStringLiteral("=>\r\n");
    for (const QString& a : actions)
        script += QStringLiteral("  ") + a + QStringLiteral("\r\n");
    script += QStringLiteral(")\r\n");
    rule.scriptText = script;
    rule.scriptColours = QStringLiteral("0,8,1;12,20,2;40,9,3;64,12,1");
    return rule;
}

Project LargeProject() {
    Project project = InitialProject();
    for (int n = 0; n < 1000; ++n) {
        Category& category = project.CategoryAt(n % kCategoryCount + 1);
        if (category.entries.size() % 20 == 0)
            category.entries << NewGroupEntry();
        category.entries << RealisticRule(n % kCategoryCount + 1, n);
    }
    return project;
}

void BM_SaveProject(benchmark::State& state) {
    const Project project = LargeProject();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.rwp"));
    for (auto _ : state) {
        const SaveResult saved = SaveProjectFile(project, path, false);
        if (!saved.ok)
            state.SkipWithError("save failed");
        benchmark::DoNotOptimize(saved);
    }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.rwp"));
    if (!SaveProjectFile(LargeProject(), path, false).ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        LoadResult loaded = LoadProjectFile(path, false);
        if (!loaded.project)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded);
    }
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

void BM_EncodeProject(benchmark::State& state) {
    const Project project = LargeProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeProject(project, false, 1, 0));
}
BENCHMARK(BM_EncodeProject)->Unit(benchmark::kMillisecond);

void BM_DecodeProject(benchmark::State& state) {
    const QByteArray bytes = EncodeProject(LargeProject(), false, 1, 0);
    state.counters["bytes"] = double(bytes.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeProject(bytes, false));
}
BENCHMARK(BM_DecodeProject)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
