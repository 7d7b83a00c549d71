#include "builder/ScriptTextCheck.h"

#include "conditions/ConditionCatalogue.h"
#include "events/CommandGenerator.h"
#include "events/FreeEventEditor.h"
#include "events/PanelPickers.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"
#include "storage/NewProject.h"

#include <QSet>

#include <gtest/gtest.h>

namespace rw {
namespace {

using namespace PanelPickers;

// Every fact and action a picker, panel or free-event page of the program
// can make, each in a rule of its own, passes the check of the script text:
// the game reads whatever the program writes.
class Generated {
public:
    void Fact(const QString& fact) {
        if (!seen_.contains(QLatin1Char('(') + fact + QLatin1Char(')')))
            Add(QStringLiteral("(defrule\r\n(%1)\r\n=>\r\n(do-nothing)\r\n)\r\n").arg(fact),
                QLatin1Char('(') + fact + QLatin1Char(')'));
    }
    void Action(const QString& command) {
        if (!seen_.contains(command))
            Add(QStringLiteral("(defrule\r\n(true)\r\n=>\r\n%1\r\n)\r\n").arg(command),
                command);
    }
    void EventLines(const QStringList& lines) {
        for (const QString& line : lines)
            Action(ReadEventLine(line).command.toString());
    }
    std::string Problems() const {
        std::string text;
        for (const ScriptProblem& p : CheckScriptText(ToCp932(script_)))
            text += p.Line().toStdString() + "\n";
        return text;
    }
    int Count() const { return count_; }

private:
    void Add(const QString& rule, const QString& statement) {
        seen_.insert(statement);
        script_ += rule;
        ++count_;
    }

    QSet<QString> seen_;
    QString script_;
    int count_ = 0;
};

QString N(int n) {
    return QString::number(n);
}

TEST(GeneratedScript, EveryChoiceOfTheEditorsIsReadByTheGame) {
    Generated g;
    // Conditions, kind by kind, over their pickers (out-of-range positions
    // give the error triple and are left out).
    auto compose = [&g](int kind, const QStringList& fields, bool include = false) {
        const ConditionTriple triple = Compose(kind, fields, include);
        if (!triple.IsError())
            g.Fact(triple.script);
    };
    for (int cmp = 0; cmp < 6; ++cmp) {
        for (int r = 0; r < 4; ++r) {
            compose(1, {N(r), "100", N(cmp)});
            compose(11, {N(r), "5", N(cmp)});
        }
        for (int c = 0; c < 9; ++c)
            compose(5, {N(c), "40", N(cmp)});
        for (int v = 0; v <= 40; ++v)
            compose(9, {N(v), "0", N(cmp)});
        for (int clock = 0; clock < 2; ++clock)
            compose(7, {N(clock), "5", "59", "59", N(cmp)});
        for (int player = 0; player < 25; ++player)
            for (int age = 0; age < 4; ++age)
                compose(6, {N(player), N(age), N(cmp)});
    }
    for (int player = 0; player < 25; ++player) {
        for (int b = 0; b < 40; ++b)
            for (bool include : {false, true})
                compose(2, {N(player), N(b), "1", "0"}, include);
        for (int c = 0; c < 20; ++c)
            for (int u = 0; u < 40; ++u)
                compose(3, {N(player), N(c), N(u), "1", "0"}, player % 2 == 0);
    }
    for (int c = 0; c < 16; ++c)
        for (int t = 0; t < 50; ++t)
            for (int state = 0; state < 4; ++state)
                compose(4, {N(c), N(t), N(state)});
    for (int t = 0; t < 10; ++t)
        compose(8, {N(t)});
    for (int c = 0; c < 10; ++c)
        for (int e = 0; e < 20; ++e)
            compose(10, {N(c), N(e), "0", "0"});

    // The event panels with their implied conditions.
    auto panel = [&g](int category, const PanelState& state) {
        const CategoryEvents events = ComposeCategoryEvents(category, state);
        g.EventLines(events.lines);
        if (events.implied)
            g.Fact(events.implied->fact);
    };
    PanelState state;
    for (int b = 1; b <= int(Buildings().size()); ++b)
        for (int kind = 0; kind < 2; ++kind)
            for (bool forward : {false, true}) {
                state.building = BuildingPanel{b, kind, forward && HasFirstPicture(b)};
                panel(kBuildingCategory, state);
            }
    for (int c = 0; c < int(TechnologyCategories().size()); ++c)
        for (int t = 0; t < int(Technologies(c).size()); ++t) {
            state.research = {c, t};
            panel(kResearchCategory, state);
        }
    for (int c = 0; c < int(UnitCategories().size()); ++c)
        for (int u = 0; u < int(Units(c).size()); ++u)
            for (int kind = 0; kind < 2; ++kind) {
                state.unit = {c, u, kind};
                panel(kUnitCategory, state);
            }
    panel(kResourceCategory, state);
    state.resource.kind = 1;
    for (int action = 0; action < 2; ++action)
        for (int r = 0; r < 3; ++r) {
            state.resource.action = action;
            state.resource.resource = r;
            panel(kResourceCategory, state);
        }
    for (int kind = 0; kind < 4; ++kind) {
        state.attack.kind = kind;
        panel(kAttackCategory, state);
    }
    for (int kind = 0; kind < 9; ++kind) {
        state.range.kind = kind;
        panel(kRangeCategory, state);
    }
    RuleEntry rule = NewRuleEntry(kBuildingCategory, QStringLiteral("100"));
    GenerateEvents(kBuildingCategory, state, RuleOptions{40, "10", true, true}, rule);
    g.EventLines(rule.actions.split(QStringLiteral("\r\n")));

    // Every page of the free-event editor, filled as a stored event fills it.
    FreeEventEditor editor;
    editor.ReloadNames(InitialProject());
    auto free = [&](const QStringList& fields) {
        editor.Restore(fields.join(QLatin1Char(')')));
        const FreeEventPreview preview = editor.Preview();
        if (preview.IsValid())
            g.Action(QLatin1Char('(') + preview.command + QLatin1Char(')'));
    };
    for (int a = 0; a < 60; ++a) {
        for (int b = 0; b < 60; ++b) {
            free({"3", N(a), N(b)});
            free({"9", N(a), N(b), "0"});
            for (int c = 0; c < 2; ++c) {
                free({"2", N(a), N(c), N(b % 2)});
                free({"4", N(a), N(b), N(c)});
            }
        }
        free({"1", N(a), "はい"});
        free({"5", N(a), "50"});
        free({"6", N(a), "50"});
        free({"7", N(a), "255"});
        free({"8", N(a), "15", "0"});
        free({"10", N(a), "100"});
        for (int stance = 0; stance < 3; ++stance)
            free({"11", N(a), N(stance)});
        for (int run = 0; run < 2; ++run)
            free({"12", N(a), N(run), "60"});
    }

    EXPECT_GT(g.Count(), 2000);
    EXPECT_EQ(g.Problems(), "");
}

} // namespace
} // namespace rw
