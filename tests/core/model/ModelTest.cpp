#include "model/CategoryTree.h"
#include "model/ConditionLine.h"
#include "model/Numeric.h"

#include <gtest/gtest.h>

#include <limits>

using namespace rw;

namespace {

RuleEntry Entry(const QString& title, const QString& marker) {
    RuleEntry e;
    e.title = title;
    e.marker = marker;
    return e;
}

} // namespace

TEST(CategoryTree, PlacesEntriesByMarker) {
    Category c;
    c.entries = {Entry("r1", kMarkerRoot),        Entry("u0", ""),
                 Entry("g1", kMarkerGroup),       Entry("a", kMarkerGroupRule),
                 Entry("late-root", kMarkerRoot), Entry("u1", "x"),
                 Entry("g2", kMarkerGroup)};
    const CategoryTree tree = BuildCategoryTree(c, "建物グループ");
    ASSERT_EQ(tree.Size(), 8);
    EXPECT_EQ(tree.At(1).kind, NodeKind::Root);
    EXPECT_EQ(tree.At(1).caption, "建物グループ");
    // an unmarked rule before any group belongs to the root group
    EXPECT_EQ(tree.At(3).parent, 1);
    EXPECT_EQ(tree.At(4).kind, NodeKind::Group);
    EXPECT_EQ(tree.At(4).parent, 0);
    EXPECT_EQ(tree.At(5).parent, 4);
    // a root rule after a group start still hangs under the root, at its own position
    EXPECT_EQ(tree.At(6).parent, 1);
    EXPECT_EQ(tree.At(6).position, 6);
    EXPECT_EQ(tree.At(7).parent, 4); // any other marker: group rule
    EXPECT_EQ(tree.At(1).children, (QList<int>{2, 3, 6}));
    EXPECT_EQ(tree.At(4).children, (QList<int>{5, 7}));
}

TEST(CategoryTree, EntryAtAndGroupEnd) {
    Category c;
    EXPECT_EQ(GroupEndPosition(c, 1), 1);
    EXPECT_EQ(EntryAt(c, 1), nullptr);
    EXPECT_EQ(EntryAt(c, 2), nullptr);
    c.entries = {Entry("r1", kMarkerRoot), Entry("r2", kMarkerRoot)};
    EXPECT_EQ(GroupEndPosition(c, 1), 3);
    EXPECT_EQ(EntryAt(c, 3)->title, "r2");
    EXPECT_EQ(EntryAt(c, 4), nullptr);
    c.entries << Entry("g", kMarkerGroup) << Entry("a", "\\c") << Entry("h", kMarkerGroup);
    EXPECT_EQ(GroupEndPosition(c, 1), 3);
    EXPECT_EQ(GroupEndPosition(c, 4), 5);
    EXPECT_EQ(GroupEndPosition(c, 6), 6);  // after the last group start: append
    EXPECT_EQ(GroupEndPosition(c, 40), 6); // beyond the list: append
}

TEST(CategoryTree, CountRulesSkipsGroupStarts) {
    Project p;
    p.CategoryAt(1).entries = {Entry("a", kMarkerRoot), Entry("g", kMarkerGroup)};
    p.CategoryAt(7).entries = {Entry("b", "")};
    EXPECT_EQ(CountRules(p), 2);
}

TEST(ConditionLines, ReadsTheStoredForm) {
    EXPECT_EQ(SplitConditionLines(""), QStringList{""});
    EXPECT_EQ(SplitConditionLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(SplitConditionLines("a\r\nb"), (QStringList{"a", "b"})); // unterminated last line
    const ConditionLine line =
        ReadConditionLine("0;家が*建設*できるとき;CannotEdit,can-build house");
    EXPECT_EQ(line, (ConditionLine{0, "家が建設できるとき", "CannotEdit", "can-build house"}));
    // two commas: the text after the second is lost; a third ";" part is dropped
    EXPECT_EQ(ReadConditionLine("3;x;k,a,b;rest"), (ConditionLine{3, "x", "k", "a"}));
    EXPECT_EQ(ReadConditionLine(";x;k"), (ConditionLine{0, "x", "k", ""}));
    EXPECT_EQ(ReadPw("abc"), 0);
}

TEST(ConditionLines, WriteThenReadIsIdentity) {
    const QList<ConditionLine> lines = {{0, "A", "Sys_And", ""},
                                        {1, "木", "1", "wood-amount >= 100"}};
    const QString text = WriteConditionLines(lines);
    EXPECT_EQ(text, "0;A;Sys_And,\r\n1;木;1,wood-amount >= 100\r\n");
    EXPECT_EQ(ReadConditionLines(text), lines);
    EXPECT_TRUE(ReadConditionLines("").isEmpty());
}

TEST(Numeric, OneTestForTheWholeProgram) {
    for (const char* yes : {"0", "12", " 12 ", "-3", "+4", "1.5", "\t-0.25 "})
        EXPECT_TRUE(IsNumber(QString(yes))) << yes;
    for (const char* no :
         {"", " ", "1,000", "1e3", "12*", ".5", "5.", "1.2.3", "--1", "a", "1 2", "1;"})
        EXPECT_FALSE(IsNumber(QString(no))) << no;
    EXPECT_EQ(FloorNumber(u"2.9"), 2);
    EXPECT_EQ(FloorNumber(u"-2.5"), -3);
    EXPECT_EQ(FloorNumber(u"x"), std::nullopt);
    EXPECT_EQ(FloorNumberOr(u"99999999999999", 7), 7);
    EXPECT_EQ(FloorNumberOr(u" 15 ", 0), 15);
}

namespace {

struct ScriptNumberCase {
    const char* text;
    const char* stored; // nullptr: refused
};

void PrintTo(const ScriptNumberCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ScriptNumbers : public testing::TestWithParam<ScriptNumberCase> {};

} // namespace

TEST_P(ScriptNumbers, WholeNumbersInThirtyTwoBitsOnly) {
    const std::optional<QString> stored = ScriptNumber(QString::fromUtf8(GetParam().text));
    if (GetParam().stored)
        EXPECT_EQ(stored, QString::fromUtf8(GetParam().stored));
    else
        EXPECT_EQ(stored, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScriptNumbers,
    testing::Values(ScriptNumberCase{"0", "0"}, ScriptNumberCase{"-0", "-0"},
                    ScriptNumberCase{" 5 ", "5"}, ScriptNumberCase{"\t12", "12"},
                    ScriptNumberCase{"\u3000"
                                     "7",
                                     "7"},
                    ScriptNumberCase{"007", "007"}, ScriptNumberCase{"-15", "-15"},
                    ScriptNumberCase{"2147483647", "2147483647"},
                    ScriptNumberCase{"-2147483648", "-2147483648"},
                    ScriptNumberCase{"2147483648", nullptr},
                    ScriptNumberCase{"-2147483649", nullptr},
                    ScriptNumberCase{"99999999999999999999999", nullptr},
                    ScriptNumberCase{"+3", nullptr}, ScriptNumberCase{"1.5", nullptr},
                    ScriptNumberCase{"50.0", nullptr}, ScriptNumberCase{"1e3", nullptr},
                    ScriptNumberCase{"", nullptr}, ScriptNumberCase{" ", nullptr},
                    ScriptNumberCase{"-", nullptr}, ScriptNumberCase{"--1", nullptr},
                    ScriptNumberCase{"1 2", nullptr}, ScriptNumberCase{"1,000", nullptr},
                    ScriptNumberCase{"\xef\xbc\x95", nullptr} /* full-width 5 */,
                    ScriptNumberCase{"abc", nullptr}));

TEST(Numeric, ScriptNumberWithinNarrowerRanges) {
    EXPECT_EQ(ScriptNumber(u" 100", 0, 100), QStringLiteral("100"));
    EXPECT_EQ(ScriptNumber(u"-0", 0, 100), QStringLiteral("-0"));
    EXPECT_EQ(ScriptNumber(u"101", 0, 100), std::nullopt);
    EXPECT_EQ(ScriptNumber(u"-1", 0, 100), std::nullopt);
    EXPECT_EQ(ScriptNumberHint(0, 100), QString::fromUtf8("0～100の整数を入力してください"));
    EXPECT_EQ(ScriptNumberHint(),
              QString::fromUtf8("-2147483648～2147483647の整数を入力してください"));
}

// Values at and beyond what a whole number holds are refused, not converted.
TEST(Numeric, HugeValuesAreNotNumbersOfTheProgram) {
    EXPECT_EQ(FloorNumber(u"9223372036854775808"), std::nullopt);
    EXPECT_EQ(FloorNumber(u"9223372036854775807"), std::nullopt); // 2^63 as a double
    EXPECT_EQ(FloorNumber(u"9223372036854774784"), 9223372036854774784LL);
    EXPECT_EQ(FloorNumber(u"-9223372036854775808"), std::numeric_limits<long long>::min());
    EXPECT_EQ(FloorNumber(u"-9223372036854777856"), std::nullopt);
    EXPECT_EQ(FloorNumber(QString(400, QLatin1Char('9'))), std::nullopt);
    EXPECT_EQ(FloorNumberOr(u"9223372036854775808", 3), 3);
}
