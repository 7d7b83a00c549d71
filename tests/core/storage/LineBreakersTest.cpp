#include "core/storage/SampleProject.h"

#include "storage/LineBreakers.h"

#include <functional>

#include <gtest/gtest.h>

namespace rw {
namespace {

struct BreakerRow {
    const char* name;
    std::function<void(Project&)> damage;
    const char* jsonPlace;
    const char* message;
};

void PrintTo(const BreakerRow& row, std::ostream* os) {
    *os << row.name;
}

class LineBreakersTest : public ::testing::TestWithParam<BreakerRow> {};

TEST_P(LineBreakersTest, NamesTheFieldAndTheCharacter) {
    Project p = test::SampleProject();
    ASSERT_TRUE(FindLineBreakers(p).isEmpty());
    GetParam().damage(p);
    const QList<LineBreakerFound> found = FindLineBreakers(p);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].jsonPlace.toStdString(), GetParam().jsonPlace);
    EXPECT_EQ(found[0].Message().toStdString(), GetParam().message);
}

// The sample project's category 1: a root rule, the group 序盤 with an
// unmarked rule, a group rule and an entry with every field empty.
INSTANTIATE_TEST_SUITE_P(
    Fields, LineBreakersTest,
    ::testing::Values(
        BreakerRow{"RuleTitle",
                   [](Project& p) { p.CategoryAt(1).entries[2].title += QStringLiteral("\r\n=>"); },
                   "categories[0].entries[2].title",
                   "建物/序盤/家 =>: タイトルに制御文字(CR)があります"},
        BreakerRow{"RootRuleChat",
                   [](Project& p) { p.CategoryAt(1).entries[0].chatText = QStringLiteral("a\nb"); },
                   "categories[0].entries[0].chatText",
                   "建物/建物グループ/家: テストメッセージに制御文字(LF)があります"},
        BreakerRow{"GroupTitle", [](Project& p) { p.CategoryAt(1).entries[1].title += QChar(0); },
                   "categories[0].entries[1].title",
                   "建物/序盤 : タイトルに制御文字(NUL)があります"},
        BreakerRow{"CaptionInsideAConditionLine",
                   [](Project& p) {
                       p.CategoryAt(2).entries[0].conditions.replace(QStringLiteral("とき"),
                                                                     QStringLiteral("と\nき"));
                   },
                   "categories[1].entries[0].conditions",
                   "研究/研究グループ/領主の時代: 条件に制御文字(LF)があります"},
        BreakerRow{"ConditionFieldWithLoneCrBeforeTheEnd",
                   [](Project& p) { p.CategoryAt(3).entries[0].conditions.insert(0, u'\r'); },
                   "categories[2].entries[0].conditions",
                   "ユニット/ユニットグループ/町の人: 条件に制御文字(CR)があります"},
        BreakerRow{"NulInEventLines",
                   [](Project& p) { p.CategoryAt(5).entries[0].actions += QChar(0); },
                   "categories[4].entries[0].actions",
                   "攻撃/攻撃グループ/陸軍％攻撃: イベントに制御文字(NUL)があります"},
        BreakerRow{"RootCaption", [](Project& p) { p.RootCaption(7) = QStringLiteral("x\r"); },
                   "categories[6].rootCaption", "フリー: ルートグループ名に制御文字(CR)があります"},
        BreakerRow{"VariableName", [](Project& p) { p.settings.variables[3].constName += u'\n'; },
                   "variables[3].constName", "変数3の名前に制御文字(LF)があります"},
        BreakerRow{"TimerHelp", [](Project& p) { p.settings.timers[10].help += u'\n'; },
                   "timers[10].help", "タイマー10の説明に制御文字(LF)があります"},
        BreakerRow{"Author", [](Project& p) { p.settings.author += u'\r'; }, "author",
                   "作者に制御文字(CR)があります"},
        BreakerRow{"StartupOptions",
                   [](Project& p) { p.settings.startupRules[0].options += u'\n'; },
                   "startupRules[0].options", "初期化設定(0番)に制御文字(LF)があります"}),
    [](const auto& info) { return std::string(info.param.name); });

// Line breaks of any kind are at home in multi-line fields.
TEST(LineBreakers, MultiLineFieldsMayHoldAnyLineBreak) {
    Project p = test::SampleProject();
    RuleEntry& rule = p.CategoryAt(5).entries[0];
    rule.actions.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rule.scriptText = QStringLiteral("a\rb\nc");
    p.CategoryAt(1).entries[1].groupConditionScript = QStringLiteral("#load-if-defined X\n");
    p.settings.startupRules[0].text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    p.settings.rootConditions[2].conditionScript = QStringLiteral("\n\n");
    EXPECT_TRUE(FindLineBreakers(p).isEmpty());
    rule.conditions += QStringLiteral("0;a;b,c\n");
    EXPECT_EQ(FindLineBreakers(p).size(), 1);
}

} // namespace
} // namespace rw
