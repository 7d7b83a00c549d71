#include "rules/RuleList.h"
#include "Printers.h"
#include "rules/RuleClipboard.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

RuleEntry Entry(const QString& title, const QString& marker) {
    RuleEntry e;
    e.title = title;
    e.marker = marker;
    e.actions = title + "-actions";
    return e;
}

// Root rules r1 r2, group g1 with a b, group g2 empty:
// positions 1 root, 2 r1, 3 r2, 4 g1, 5 a, 6 b, 7 g2.
Category Sample() {
    Category c;
    c.entries = {Entry("r1", kMarkerRoot),     Entry("r2", kMarkerRoot),
                 Entry("g1", kMarkerGroup),    Entry("a", kMarkerGroupRule),
                 Entry("b", kMarkerGroupRule), Entry("g2", kMarkerGroup)};
    return c;
}

QStringList Titles(const Category& c) {
    QStringList titles;
    for (const RuleEntry& e : c.entries)
        titles << e.title + "|" + e.marker;
    return titles;
}

struct InsertCase {
    const char* name;
    int selected;
    int expectedPosition; // tree position of the new node
    const char* expectedMarker;
    int expectedParent;
};

class InsertTest : public testing::TestWithParam<InsertCase> {};

TEST_P(InsertTest, PlacesNewRule) {
    const InsertCase& row = GetParam();
    Category c = Sample();
    const int position = InsertEntry(c, BuildCategoryTree(c, {}), row.selected, Entry("new", "x"));
    EXPECT_EQ(position, row.expectedPosition);
    EXPECT_EQ(c.entries[position - 2].title, "new");
    EXPECT_EQ(c.entries[position - 2].marker, QString::fromUtf8(row.expectedMarker));
    EXPECT_EQ(BuildCategoryTree(c, {}).At(position).parent, row.expectedParent);
}

INSTANTIATE_TEST_SUITE_P(Placement, InsertTest,
                         testing::Values(InsertCase{"RootAfterRootRules", 1, 4, "\\m", 1},
                                         InsertCase{"GroupAtItsEnd", 4, 7, "\\c", 4},
                                         InsertCase{"EmptyLastGroup", 7, 8, "\\c", 7},
                                         InsertCase{"InFrontOfGroupRule", 6, 6, "", 4},
                                         InsertCase{"InFrontOfRootRule", 3, 3, "", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RuleList, AddingFollowsTheHoldingGroup) {
    Category c = Sample();
    const CategoryTree tree = BuildCategoryTree(c, {});
    EXPECT_EQ(HoldingGroup(tree, 5), 4);
    EXPECT_EQ(HoldingGroup(tree, 3), 1);
    EXPECT_EQ(HoldingGroup(tree, 7), 7);
    // an add with "a" selected goes after "b", the end of g1
    EXPECT_EQ(InsertEntry(c, tree, HoldingGroup(tree, 5), Entry("new", "")), 7);
    EXPECT_EQ(Titles(c).mid(3, 3), (QStringList{"a|\\c", "b|\\c", "new|\\c"}));
}

TEST(RuleList, RootRuleAmongGroupRulesKeepsInsertedRuleInTheRoot) {
    // A root rule standing after a group start (possible in files): an
    // unmarked rule in front of it would fall into the group.
    Category c;
    c.entries = {Entry("g", kMarkerGroup), Entry("a", kMarkerGroupRule),
                 Entry("late", kMarkerRoot)};
    const int position = InsertEntry(c, BuildCategoryTree(c, {}), 4, Entry("new", ""));
    EXPECT_EQ(BuildCategoryTree(c, {}).At(position).parent, 1);
}

TEST(RuleList, DeleteGroupTakesItsRulesAndSelectsTheNodeAbove) {
    Category c = Sample();
    const DeleteOutcome out = DeleteNode(c, BuildCategoryTree(c, {}), 4);
    EXPECT_TRUE(out.groupRemoved);
    EXPECT_EQ(out.select, 3);
    EXPECT_EQ(Titles(c), (QStringList{"r1|\\m", "r2|\\m", "g2|\\f"}));
}

TEST(RuleList, DeleteGroupLeavesRootRuleStandingAmongItsRules) {
    Category c;
    c.entries = {Entry("g", kMarkerGroup), Entry("late", kMarkerRoot), Entry("a", kMarkerGroupRule),
                 Entry("h", kMarkerGroup), Entry("z", kMarkerGroupRule)};
    DeleteNode(c, BuildCategoryTree(c, {}), 2);
    EXPECT_EQ(Titles(c), (QStringList{"late|\\m", "h|\\f", "z|\\c"}));
}

TEST(RuleList, CommandStatesFollowTheNode) {
    const Category c = Sample();
    const CategoryTree tree = BuildCategoryTree(c, {});
    const RuleCommandStates root = CommandStatesAt(tree, 1, true);
    EXPECT_FALSE(root.deleteEnabled);
    EXPECT_FALSE(root.copyCutEnabled);
    EXPECT_TRUE(root.pasteEnabled);
    const RuleCommandStates group = CommandStatesAt(tree, 4, false);
    EXPECT_TRUE(group.deleteEnabled);
    EXPECT_FALSE(group.conditionMenuEnabled);
    EXPECT_FALSE(group.moveUpEnabled || group.moveDownEnabled);
    const RuleCommandStates first = CommandStatesAt(tree, 5, false);
    EXPECT_TRUE(first.conditionMenuEnabled && first.copyCutEnabled);
    EXPECT_FALSE(first.moveUpEnabled);
    EXPECT_TRUE(first.moveDownEnabled);
    const RuleCommandStates last = CommandStatesAt(tree, 6, false);
    EXPECT_TRUE(last.moveUpEnabled);
    EXPECT_FALSE(last.moveDownEnabled);
}

TEST(RuleList, MovingSwapsContentsAndKeepsMarkers) {
    Category c;
    c.entries = {Entry("r1", kMarkerRoot), Entry("u", ""), Entry("g", kMarkerGroup),
                 Entry("a", kMarkerGroupRule)};
    const CategoryTree tree = BuildCategoryTree(c, {});
    EXPECT_EQ(MoveRuleDown(c, tree, 2), 3);
    EXPECT_EQ(Titles(c), (QStringList{"u|\\m", "r1|", "g|\\f", "a|\\c"}));
    EXPECT_EQ(c.entries[1].actions, "r1-actions");
    // the last of the root group does not cross into the group
    EXPECT_EQ(MoveRuleDown(c, tree, 3), std::nullopt);
    EXPECT_EQ(MoveRuleUp(c, tree, 2), std::nullopt);
    EXPECT_EQ(MoveRuleUp(c, tree, 5), std::nullopt); // only rule of its group
    EXPECT_EQ(MoveRuleUp(c, tree, 4), std::nullopt); // a group
}

TEST(RuleList, MovingNeverCarriesARuleIntoAnotherGroup) {
    // "late" belongs to the root although it stands after g's rule.
    Category c;
    c.entries = {Entry("r1", kMarkerRoot), Entry("g", kMarkerGroup), Entry("a", kMarkerGroupRule),
                 Entry("late", kMarkerRoot)};
    const CategoryTree tree = BuildCategoryTree(c, {});
    EXPECT_EQ(MoveRuleUp(c, tree, 5), 2);
    EXPECT_EQ(c.entries[0].title, "late");
    EXPECT_EQ(c.entries[2].title, "a");
}

} // namespace
