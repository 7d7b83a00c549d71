#include "builder/ScriptCheck.h"
#include "builder/ScriptPreview.h"
#include "builder/ZuzAdidodi.h"
#include "storage/NewProject.h"

#include <benchmark/benchmark.h>

using namespace rw;

namespace {

// A rule of 16 commands: 9 condition entries under nested operators and 7
// event lines, with Japanese captions and comments.
RuleEntry BigRule(int n) {
    RuleEntry e;
    e.title = QStringLiteral("ルール%1 町の人を生産").arg(n);
    e.marker = kMarkerGroupRule;
    e.conditions = QStringLiteral("0;町の人が生産できるとき;CannotEdit,can-train villager\r\n"
                                  "0;AND;Sys_And,and\r\n"
                                  "2;OR;Sys_Or,or\r\n"
                                  "3;木が100以上のとき;Res,wood-amount >= 100\r\n"
                                  "3;食料が50以上のとき;Res,food-amount >= 50\r\n"
                                  "2;NOT;Sys_Not,not\r\n"
                                  "6;町の人が%1人未満のとき;Unit,unit-type-count villager < %1\r\n"
                                  "2;1番の変数が0のとき;Goal,goal 1 0\r\n"
                                  "0;タイマー3が鳴ったとき;Timer,timer-triggered 3\r\n")
                       .arg(n % 100);
    QStringList events;
    for (int i = 0; i < 7; ++i)
        events << QStringLiteral("(train villager)     ;町の人を%1人生産する").arg(i + 1);
    e.actions = events.join(QStringLiteral("\r\n"));
    return e;
}

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
            c.entries << BigRule(made);
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
    p.CategoryAt(1).entries << BigRule(1);
    for (auto _ : state) {
        const QString html = ColouredText(ScriptBuilder(PreviewScopeAt(p, 1, 2)));
        benchmark::DoNotOptimize(html.constData());
    }
}
BENCHMARK(BM_ColouredRulePreview)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
