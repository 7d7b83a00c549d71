// Whatever the editors can make must pass the script check, of the project
// and of the script built from it: a word, id or argument one editor writes
// and the game's command reference does not take would be a false alarm (or
// a script the game refuses), and a misspelling mended in one place but not
// the other shows up here.

#include "builder/ScriptCheck.h"
#include "builder/ScriptTextCheck.h"
#include "builder/ZuzAdidodi.h"
#include "conditions/ConditionCatalogue.h"
#include "events/CommandGenerator.h"
#include "events/FreeEventEditor.h"
#include "events/PanelPickers.h"
#include "model/ConditionLine.h"
#include "storage/NewProject.h"

#include <gtest/gtest.h>

#include <functional>

namespace rw {
namespace {

const QString kTrue = QStringLiteral("0;a;k,true\r\n");

class Collector {
public:
    Collector() : project_(InitialProject()) {}

    void Fact(const ConditionTriple& t) {
        ASSERT_FALSE(t.IsError()) << t.editdat.toStdString();
        Add(QStringLiteral("(do-nothing);x"), WriteConditionLine({0, t.cap, t.editdat, t.script}));
    }

    void Events(int category, const PanelState& panels, const RuleOptions& options = {}) {
        // A locked first entry is where the implied condition goes.
        RuleEntry rule;
        rule.conditions = QStringLiteral("0;x;CannotEdit,true\r\n");
        GenerateEvents(category, panels, options, rule);
        Add(rule.actions, rule.conditions);
    }

    void FreeEvent(const FreeEventEditor& editor) {
        const FreeEventPreview preview = editor.Preview();
        ASSERT_TRUE(preview.IsValid()) << editor.MakeEvent().data.toStdString();
        Add(QLatin1Char('(') + preview.command + QStringLiteral(");") + preview.caption, kTrue);
        if (!preview.relatedFact.isEmpty())
            Add(QStringLiteral("(do-nothing);x"),
                QStringLiteral("0;a;k,") + preview.relatedFact + QStringLiteral("\r\n"));
    }

    QString Problems() const {
        QString text;
        for (const ScriptProblem& p : CheckScript(project_))
            text += p.Line() + QLatin1Char('\n');
        const ScriptBuild build = ZuzAdidodi(project_);
        if (!build.Ok())
            return text + build.notice.text;
        for (const ScriptProblem& p : CheckScriptText(build.bytes))
            text += QStringLiteral("スクリプト/") + p.Line() + QLatin1Char('\n');
        return text;
    }
    int Count() const { return int(project_.CategoryAt(7).entries.size()); }

private:
    void Add(const QString& actions, const QString& conditions) {
        RuleEntry rule;
        rule.title = QString::number(Count() + 1);
        rule.actions = actions;
        rule.conditions = conditions;
        rule.marker = kMarkerRoot;
        project_.CategoryAt(7).entries.append(rule);
    }

    Project project_;
};

TEST(ScriptVocabulary, EveryConditionTheCatalogueComposesChecksClean) {
    Collector c;
    const QString n = QStringLiteral("1");
    for (int res = 0; res < 4; ++res)
        for (int cmp = 0; cmp < 6; ++cmp)
            c.Fact(Compose(1, {QString::number(res), n, QString::number(cmp)}));
    for (int player = 0; player < 25; ++player)
        for (int b = 0; b < BuildingRows().size(); ++b)
            for (bool include : {false, true})
                c.Fact(Compose(2, {QString::number(player), QString::number(b), n, "0"}, include));
    for (int player : {0, 6, 24})
        for (int cat = 0; cat < UnitCategoryRows().size(); ++cat)
            for (int u = 0; u < UnitRows(player, cat).size(); ++u)
                for (bool include : {false, true})
                    c.Fact(Compose(
                        3,
                        {QString::number(player), QString::number(cat), QString::number(u), n, "0"},
                        include));
    for (int cat = 0; cat < TechnologyCategoryRows().size(); ++cat)
        for (int t = 0; t < TechnologyRows(cat).size(); ++t)
            for (int state = 0; state < 4; ++state)
                c.Fact(
                    Compose(4, {QString::number(cat), QString::number(t), QString::number(state)}));
    for (int cat = 0; cat < 9; ++cat)
        c.Fact(Compose(5, {QString::number(cat), n, "0"}));
    for (int player = 0; player < 25; ++player)
        for (int age = 0; age < 4; ++age)
            c.Fact(Compose(6, {QString::number(player), QString::number(age), "2"}));
    for (int clock = 0; clock < 2; ++clock)
        c.Fact(Compose(7, {QString::number(clock), "5", "59", "59", "0"}));
    for (int timer = 0; timer < 10; ++timer)
        c.Fact(Compose(8, {QString::number(timer)}));
    for (int variable = 0; variable <= 40; ++variable)
        c.Fact(Compose(9, {QString::number(variable), "-2147483648", "3"}));
    for (int cat = 0; cat < StrategicNumberCategoryRows().size(); ++cat)
        for (int e = 0; e < StrategicNumberRows(cat).size(); ++e)
            c.Fact(Compose(10, {QString::number(cat), QString::number(e), "-1", "5"}));
    for (int res = 0; res < 4; ++res)
        c.Fact(Compose(11, {QString::number(res), "2147483647", "1"}));
    ASSERT_GT(c.Count(), 2000);
    EXPECT_EQ(c.Problems().toStdString(), "");
}

TEST(ScriptVocabulary, EveryPanelChoiceChecksClean) {
    Collector c;
    PanelState p;
    for (int b = 1; b <= PanelPickers::Buildings().size(); ++b)
        for (int kind = 0; kind < 2; ++kind)
            for (bool forward : {false, true}) {
                p.building = {b, kind, forward};
                c.Events(kBuildingCategory, p, {3, "-7", true, true});
            }
    for (int cat = 0; cat < PanelPickers::TechnologyCategories().size(); ++cat)
        for (int t = 0; t < PanelPickers::Technologies(cat).size(); ++t) {
            p.research = {cat, t};
            c.Events(kResearchCategory, p, {40, "0", true, false});
        }
    for (int cat = 0; cat < PanelPickers::UnitCategories().size(); ++cat)
        for (int u = 0; u < PanelPickers::Units(cat).size(); ++u)
            for (int kind = 0; kind < 2; ++kind) {
                p.unit = {cat, u, kind};
                c.Events(kUnitCategory, p, {0, "10", true, true});
            }
    p.resource.kind = 0;
    c.Events(kResourceCategory, p, {1, "5", true, true});
    p.resource.kind = 1;
    for (int action = 0; action < 2; ++action)
        for (int resource = 0; resource < 3; ++resource) {
            p.resource.action = action;
            p.resource.resource = resource;
            c.Events(kResourceCategory, p, {0, "10", true, false});
        }
    for (int kind = 0; kind < 4; ++kind) {
        p.attack.kind = kind;
        c.Events(kAttackCategory, p, {2, "1", true, true});
    }
    for (int kind = 0; kind < 9; ++kind) {
        p.range = {kind, QStringLiteral("-1")};
        c.Events(kRangeCategory, p, {0, "10", true, true});
    }
    c.Events(kFreeCategory, PanelState{}, {0, "10", false, true});
    EXPECT_EQ(c.Problems().toStdString(), "");
}

TEST(ScriptVocabulary, EveryFreeEventChecksClean) {
    Collector c;
    FreeEventEditor e;
    auto each = [&](int count, const std::function<void(int)>& set) {
        for (int i = 0; i < count; ++i) {
            set(i);
            c.FreeEvent(e);
        }
    };
    FreeEventChat& chat = e.Select<FreeEventChat>();
    chat.SetText(QStringLiteral("攻撃開始"));
    each(FreeEventChat::Targets().size(), [&](int i) { chat.SetTarget(i); });
    FreeEventBuilding& building = e.Select<FreeEventBuilding>();
    for (int action = 0; action < 2; ++action) {
        building.SetAction(action);
        each(PanelPickers::Buildings().size(), [&](int i) {
            building.SetBuilding(i);
            building.SetForward(true);
        });
    }
    FreeEventResearch& research = e.Select<FreeEventResearch>();
    for (int cat = 0; cat < PanelPickers::TechnologyCategories().size(); ++cat) {
        research.SetCategory(cat);
        each(research.Technologies().size(), [&](int i) { research.SetTechnology(i); });
    }
    FreeEventUnit& unit = e.Select<FreeEventUnit>();
    for (int action = 0; action < 2; ++action) {
        unit.SetAction(action);
        for (int cat = 0; cat < PanelPickers::UnitCategories().size() + 1; ++cat) {
            unit.SetCategory(cat);
            each(unit.Units().size(), [&](int i) { unit.SetUnit(i); });
        }
    }
    FreeEventResource& resource = e.Select<FreeEventResource>();
    resource.SetValue(QStringLiteral("100"));
    each(FreeEventResource::Entries().size(), [&](int i) { resource.SetEntry(i); });
    FreeEventAttack& attack = e.Select<FreeEventAttack>();
    attack.SetValue(QStringLiteral("0"));
    each(FreeEventAttack::Entries().size(), [&](int i) { attack.SetEntry(i); });
    FreeEventRange& range = e.Select<FreeEventRange>();
    range.SetDistance(QStringLiteral("255"));
    each(FreeEventRange::Kinds().size(), [&](int i) { range.SetKind(i); });
    FreeEventExplore& explore = e.Select<FreeEventExplore>();
    explore.SetBlotSize(QStringLiteral("3"));
    explore.SetGroups(QStringLiteral("2"));
    each(FreeEventExplore::Entries().size(), [&](int i) { explore.SetEntry(i); });
    explore.SetEntry(1);
    explore.SetReexplore(false);
    c.FreeEvent(e);
    FreeEventStrategicNumber& number = e.Select<FreeEventStrategicNumber>();
    number.SetValue(QStringLiteral("-100"));
    for (int h = 0; h < FreeEventStrategicNumber::Headings().size(); ++h) {
        number.SetHeading(h);
        each(number.Entries().size(), [&](int i) { number.SetEntry(i); });
    }
    FreeEventVariable& variable = e.Select<FreeEventVariable>();
    variable.SetValue(QStringLiteral("100"));
    each(41, [&](int i) { variable.SetEntry(i); });
    FreeEventDiplomacy& diplomacy = e.Select<FreeEventDiplomacy>();
    for (int stance = 0; stance < FreeEventDiplomacy::Stances().size(); ++stance) {
        diplomacy.SetStance(stance);
        each(FreeEventDiplomacy::Players().size(), [&](int i) { diplomacy.SetPlayer(i); });
    }
    FreeEventTimer& timer = e.Select<FreeEventTimer>();
    timer.SetSeconds(QStringLiteral("60"));
    for (int run = 0; run < 2; ++run) {
        timer.SetRun(run);
        each(10, [&](int i) { timer.SetTimer(i); });
    }
    ASSERT_GT(c.Count(), 500);
    EXPECT_EQ(c.Problems().toStdString(), "");
}

} // namespace
} // namespace rw
