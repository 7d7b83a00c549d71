#include "events/FreeEventList.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

struct Rebuild {
    const char* name;
    std::array<QString, 5> fields;
    QList<FreeEvent> expected;
};

void PrintTo(const Rebuild& row, std::ostream* os) {
    *os << row.name;
}

class RebuildFromPanelFields : public testing::TestWithParam<Rebuild> {};

TEST_P(RebuildFromPanelFields, OneEventPerCaption) {
    const FreeEventList list = FreeEventList::FromPanelFields(GetParam().fields);
    EXPECT_EQ(list.Events(), GetParam().expected);
    EXPECT_EQ(list.Selected(), GetParam().expected.isEmpty() ? -1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    FreeEventList, RebuildFromPanelFields,
    testing::Values(
        Rebuild{"empty", {}, {}},
        Rebuild{"two_events",
                {"城を敵陣に建設する;タイマー(2)を開始(60秒)",
                 "build-forward castle;enable-timer 2 60", "2)16)0)1;12)1)0)60", ";", ";"},
                {{"城を敵陣に建設する", "build-forward castle", "2)16)0)1", "", ""},
                 {"タイマー(2)を開始(60秒)", "enable-timer 2 60", "12)1)0)60", "", ""}}},
        Rebuild{"related_columns",
                {"a;b", "x;y", "1;2", ";Bが存在するとき", ";fact-b"},
                {{"a", "x", "1", "", ""}, {"b", "y", "2", "Bが存在するとき", "fact-b"}}},
        Rebuild{"empty_fields_leave_columns_empty",
                {"a;b", "", "", "", ""},
                {{"a", "", "", "", ""}, {"b", "", "", "", ""}}},
        Rebuild{"missing_pieces_are_empty",
                {"a;b;c", "x", "1;2", "", ""},
                {{"a", "x", "1", "", ""}, {"b", "", "2", "", ""}, {"c", "", "", "", ""}}},
        Rebuild{"extra_pieces_are_dropped",
                {"a", "x;y;z", "1;2", "R;S", "f;g"},
                {{"a", "x", "1", "R", "f"}}},
        Rebuild{"no_captions_no_events", {"", "x;y", "1;2", "", ""}, {}}),
    [](const testing::TestParamInfo<Rebuild>& info) { return std::string(info.param.name); });

TEST(FreeEventList, PanelFieldsRoundTripThroughTheList) {
    const std::array<QString, 5> fields{"a;b;c", "x;y;z", "1)0;2)1;3)2", ";R;", ";f;"};
    EXPECT_EQ(FreeEventList::FromPanelFields(fields).PanelFields(), fields);
    // One event without a related caption stores an empty field, not ";".
    const std::array<QString, 5> one{"a", "x", "1)0", "", ""};
    EXPECT_EQ(FreeEventList::FromPanelFields(one).PanelFields(), one);
}

TEST(FreeEventList, TreeShowsTheRelatedPictureOnlyWithARelatedCaption) {
    const FreeEventList list =
        FreeEventList::FromPanelFields({"a;b", "x;y", "", ";Bのとき", ";fact"});
    const QList<FreeEventNode> tree = list.Tree();
    ASSERT_EQ(tree.size(), 2);
    EXPECT_EQ(tree[0], (FreeEventNode{"a", false}));
    EXPECT_EQ(tree[1], (FreeEventNode{"b", true}));
    EXPECT_EQ(tree[1].Picture(), 3);
    EXPECT_EQ(tree[0].Picture(), 0);
}

TEST(FreeEventList, SelectionStaysInsideTheList) {
    FreeEventList list = FreeEventList::FromPanelFields({"a;b;c", "", "", "", ""});
    list.Select(2);
    list.RemoveAt(2);
    EXPECT_EQ(list.Selected(), 1);
    list.Select(7);
    EXPECT_EQ(list.Selected(), 1);
    list.RemoveAt(0);
    list.RemoveAt(0);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.SelectedEvent(), nullptr);
    list.RemoveAt(0); // nothing left to remove
    list.Append({"d", "attack-now", "6)0)100", "", ""});
    EXPECT_EQ(list.Selected(), 0);
}

} // namespace
} // namespace rw
