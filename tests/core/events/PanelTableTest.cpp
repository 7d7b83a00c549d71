#include "events/PanelTable.h"
#include "events/CommandGenerator.h"
#include "events/PanelBinding.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

// Every control in use, set away from its default, comes back the same from
// the rule's panel fields: no two controls in use share a field.
TEST(PanelTable, EveryControlInUseSurvivesTheRule) {
    PanelState market;
    market.resource.kind = 1;
    PanelState groups;
    groups.attack.kind = 2;
    for (const PanelState& start : {PanelState{}, market, groups}) {
        for (const PanelControlRow& row : PanelControlRows()) {
            if (row.category == kOptionsCategory || !row.field || (row.inUse && !row.inUse(start)))
                continue;
            PanelState panels = start;
            RuleOptions options;
            const bool typed = row.kind == ControlKind::Box || row.kind == ControlKind::Spinner;
            const bool atOne =
                MakePanelView(row.category, start, options, nullptr).At(row.control).value ==
                QLatin1String("1");
            const char* value = typed ? "7" : atOne ? "0" : "1";
            ASSERT_TRUE(ApplyControl(panels, options, row.control, value).changed)
                << int(row.control);
            RuleEntry rule;
            rule.conditions = QStringLiteral("0;(上書きしてください);Overwrite,true\r\n");
            GenerateEvents(row.category, panels, options, rule);
            PanelState read = start;
            ReadControlFields(row.category, rule, read);
            EXPECT_EQ(read, panels) << int(row.control);
        }
    }
}

// A new rule's boxes show what an emptied box takes.
TEST(PanelTable, BoxesStartAtTheirDefaults) {
    const PanelView view = MakePanelView(kBuildingCategory, {}, {}, nullptr);
    for (const PanelControlRow& row : PanelControlRows()) {
        if (row.kind == ControlKind::Box || row.kind == ControlKind::Spinner) {
            EXPECT_EQ(view.At(row.control).value, QLatin1String(row.empty)) << int(row.control);
        }
    }
}

} // namespace
} // namespace rw
