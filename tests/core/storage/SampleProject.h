#pragma once

#include "model/Project.h"
#include "storage/NewProject.h"

namespace rw::test {

// A project that exercises every part of the file: groups, root rules,
// unmarked rules, empty and multi-line fields, Japanese text and every slot.
inline Project SampleProject() {
    Project p = InitialProject();
    p.settings.title = QStringLiteral("テストAI \"引用\" \\ ~ 終わり");
    p.settings.author = QStringLiteral("作者\t名前");
    Category& building = p.CategoryAt(1);
    building.entries << NewRuleEntry(1, QStringLiteral("100"), kMarkerRoot);
    RuleEntry group = NewGroupEntry();
    group.title = QStringLiteral("序盤");
    group.groupConditionScript = QStringLiteral("#load-if-defined AZTEC-CIV\r\n");
    building.entries << group;
    RuleEntry unmarked = NewRuleEntry(1, QStringLiteral("100"));
    unmarked.chatText = QStringLiteral("家を建てます");
    unmarked.variableNumber = QStringLiteral("40");
    unmarked.variableValue = QStringLiteral("-7");
    building.entries << unmarked;
    building.entries << NewRuleEntry(1, QStringLiteral("100"), kMarkerGroupRule);
    RuleEntry empty; // every field empty, marker too
    building.entries << empty;
    for (int c = 2; c <= kCategoryCount; ++c)
        p.CategoryAt(c).entries << NewRuleEntry(c, QStringLiteral("55"), kMarkerRoot);
    p.CategoryAt(7).entries[0].scriptText = QStringLiteral("(defrule\r\n  (true)\r\n=>\r\n)\r\n");
    p.RootCaption(6).clear();
    for (int i = 0; i < kRootConditionSlots; ++i) {
        p.settings.rootConditions[i].conditionData = DefaultGroupConditionData();
        p.settings.rootConditions[i].conditionData[2 * i] = QLatin1Char('1');
        p.settings.rootConditions[i].conditionScript =
            QStringLiteral("#load-if-defined SLOT-%1\r\n").arg(i);
    }
    p.settings.startupRules[5] = StartupRule{QStringLiteral("a,b"), QStringLiteral("文\r\n"), -3};
    p.settings.timers[0].name = QStringLiteral("ZERO");
    p.settings.variables[40].description = QStringLiteral("最後の変数");
    return p;
}

} // namespace rw::test
