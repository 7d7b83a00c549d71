#include "core/builder/BuilderTestUtil.h"

#include "builder/ScriptCheck.h"
#include "builder/ScriptPreview.h"
#include "builder/ZuzAdidodi.h"
#include "storage/NewProject.h"

#include <benchmark/benchmark.h>

using namespace rw;

namespace {

Project BigProject(int rules) {
    Project p = InitialProject();
    int made = 0;
    for (int k = 1; k <= kCategoryCount && made < rules; ++k) {
        Category& c = p.CategoryAt(k);
        const int here = k == kCategoryCount ? rules - made : rules / kCategoryCount;
        for (int i = 0; i < here; ++i, ++made) {
            if (i % 50 == 0) {
                RuleEntry g;
                g.title = QStringLiteral("グループ");
                g.marker = kMarkerGroup;
                g.groupConditionScript = QStringLiteral("#load-if-defined TINY-MAP\r\n");
                c.entries << g;
            }
            c.entries << test::BigRule(made, kMarkerGroupRule);
        }
    }
    return p;
}

void BM_ZuzAdidodi(benchmark::State& state) {
    const Project p = BigProject(int(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const ScriptBuild b = ZuzAdidodi(p);
        bytes = b.bytes.size();
        benchmark::DoNotOptimize(b.bytes.constData());
    }
    state.counters["scriptBytes"] = double(bytes);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ZuzAdidodi)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The same build with the debug chat added to every rule and no comments.
void BM_ZuzAdidodiDebugChatNoComments(benchmark::State& state) {
    const Project p = BigProject(int(state.range(0)));
    EnvironmentSettings settings;
    settings.comments = false;
    settings.debugChat = true;
    for (auto _ : state) {
        const ScriptBuild b = ZuzAdidodi(p, {}, settings);
        benchmark::DoNotOptimize(b.bytes.constData());
    }
}
BENCHMARK(BM_ZuzAdidodiDebugChatNoComments)->Arg(1000)->Unit(benchmark::kMillisecond);

// The check that runs before every generation, over the same projects.
void BM_CheckScript(benchmark::State& state) {
    const Project p = BigProject(int(state.range(0)));
    for (auto _ : state) {
        const QList<ScriptProblem> problems = CheckScript(p);
        benchmark::DoNotOptimize(problems.constData());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckScript)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ColouredRulePreview(benchmark::State& state) {
    Project p = InitialProject();
    p.CategoryAt(1).entries << test::BigRule(1, kMarkerGroupRule);
    for (auto _ : state) {
        const QString html = ColouredText(ScriptBuilder(PreviewScopeAt(p, 1, 2)));
        benchmark::DoNotOptimize(html.constData());
    }
}
BENCHMARK(BM_ColouredRulePreview)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
