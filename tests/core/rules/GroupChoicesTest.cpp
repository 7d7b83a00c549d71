#include "rules/GroupChoices.h"
#include "Printers.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

QString Zeros(int n) {
    QStringList values(n, "0");
    return values.join(',');
}

TEST(GroupChoices, PopupCommands) {
    GroupChoices choices;
    choices.SetState(GroupSection::MapType, 3, 1);
    choices.SetState(GroupSection::MapType, 7, 1);
    choices.Invert(GroupSection::MapType);
    int ticked = 0;
    for (int i = 0; i < 24; ++i)
        ticked += choices.IsTicked(GroupSection::MapType, i);
    EXPECT_EQ(ticked, 22);
    EXPECT_FALSE(choices.IsTicked(GroupSection::MapType, 3));
    choices.SetState(GroupSection::PopulationCap, 1, 2);
    choices.Invert(GroupSection::PopulationCap); // 0 -> 1, anything else -> 0
    EXPECT_EQ(choices.State(GroupSection::PopulationCap, 1), 0);
    EXPECT_EQ(choices.State(GroupSection::PopulationCap, 0), 1);
    choices.ClearAll(GroupSection::PopulationCap);
    choices.SelectAll(GroupSection::Victory);
    EXPECT_EQ(choices.Data().section('\\', 3, 3), Zeros(8));
    EXPECT_EQ(choices.Data().section('\\', 5), "1,1,1,1,1");
}

TEST(GroupChoices, SectionsAndCaptions) {
    EXPECT_EQ(SectionFromPopupId("Idvic"), GroupSection::Victory);
    EXPECT_EQ(SectionFromPopupId("Idciv"), GroupSection::Civilisation);
    EXPECT_EQ(SectionFromPopupId("nope"), std::nullopt);
    EXPECT_EQ(ChoiceCaptions(GroupSection::Civilisation).value(0), "アステカ");
    EXPECT_EQ(ChoiceCaptions(GroupSection::MapType).size(), 24);
    EXPECT_EQ(ChoiceCaptions(GroupSection::MapType).value(0), "アラビア");
    EXPECT_EQ(ChoiceCaptions(GroupSection::PopulationCap).value(7), "200人");
    EXPECT_EQ(ChoiceCaptions(GroupSection::Victory).value(4), "民族の象徴の防衛");
    EXPECT_EQ(ChoiceCaptions(GroupSection::MapSize).value(5), "特大");
}

TEST(GroupChoices, StoreIntoRootOrGroup) {
    Project project;
    RuleEntry group;
    group.marker = kMarkerGroup;
    group.groupConditionData = DefaultGroupConditionData();
    group.groupConditionScript = "stale";
    project.CategoryAt(2).entries = {group};
    GroupChoices choices;
    choices.SetState(GroupSection::Victory, 0, 1);
    EXPECT_TRUE(StoreGroupChoices(choices, project, 1, 1));
    EXPECT_EQ(project.settings.rootConditions[0].conditionData.section('\\', 5), "1,0,0,0,0");
    EXPECT_EQ(project.settings.rootConditions[0].conditionScript,
              "#load-if-defined DEATH-MATCH\r\n");
    EXPECT_EQ(project.settings.rootConditions[1].conditionData, "");
    EXPECT_FALSE(StoreGroupChoices(choices, project, 1, 1));
    EXPECT_TRUE(StoreGroupChoices(GroupChoices(), project, 2, 2));
    EXPECT_EQ(project.CategoryAt(2).entries[0].groupConditionScript, "");
    EXPECT_EQ(StoredGroupData(project, 2, 2), DefaultGroupConditionData());
    EXPECT_FALSE(StoreGroupChoices(choices, project, 2, 3)); // no such node
}

} // namespace
