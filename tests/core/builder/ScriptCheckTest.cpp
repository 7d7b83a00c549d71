#include "builder/ScriptCheck.h"
#include "BuilderTestUtil.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

using test::Group;
using test::Rule;

// The problems as one UTF-8 text, a line each, so that a failure reads.
std::string Lines(const QList<ScriptProblem>& problems) {
    QString text;
    for (const ScriptProblem& p : problems)
        text += p.Line() + QLatin1Char('\n');
    return text.toStdString();
}

std::string Lines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text.toStdString();
}

TEST(ScriptCheck, TheWorkedExampleAndAFreshProjectAreClean) {
    EXPECT_EQ(Lines(CheckScript(test::ExampleProject())), "");
    EXPECT_EQ(Lines(CheckScript(InitialProject())), "");
}

struct RuleCase {
    const char* name;
    const char* actions;
    const char* conditions;
    const char* problem; // the one line expected after "建物/建物/t: "; empty: clean
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class RuleProblems : public testing::TestWithParam<RuleCase> {};

TEST_P(RuleProblems, OneLineEach) {
    const RuleCase& c = GetParam();
    Project p = InitialProject();
    p.CategoryAt(1).entries << Rule("t", QString::fromUtf8(c.actions),
                                    QString::fromUtf8(c.conditions), kMarkerRoot);
    const QStringList expected =
        *c.problem ? QStringList{"建物/" + p.RootCaption(1) + "/t: " + QString::fromUtf8(c.problem)}
                   : QStringList();
    EXPECT_EQ(Lines(CheckScript(p)), Lines(expected));
}

const char kHouse[] = "(build house)        ;家を建設";
const char kCanBuild[] = "0;家が建設できるとき;CannotEdit,can-build house\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, RuleProblems,
    testing::Values(
        RuleCase{"clean", kHouse, kCanBuild, ""},
        RuleCase{"staleTechnology", "(research ri-elite-berserker)    ;x", kCanBuild,
                 "イベント「(research ri-elite-berserker)」の「ri-elite-berserker」はゲームの語に"
                 "ありません"},
        RuleCase{"staleFact", kHouse, "0;a;5\\5\\10\\0,war-boat-count >= 10\r\n",
                 "条件「(war-boat-count >= 10)」の「war-boat-count」はゲームの条件にありません"},
        RuleCase{
            "colonOfAWall", kHouse,
            "0;a;2\\6\\24\\1\\0,players-building-type-count any-enemy :stone-wall-line >= 1\r\n",
            "条件「(players-building-type-count any-enemy :stone-wall-line >= 1)」の"
            "「:stone-wall-line」はゲームの語にありません"},
        RuleCase{"fraction", "(set-strategic-number sn-maximum-town-size 1.5);x", kCanBuild,
                 "イベント「(set-strategic-number sn-maximum-town-size 1.5)」の数値「1.5」を"
                 "ゲームは読めません（読めるのは-2147483648～2147483647の整数です）"},
        RuleCase{"beyond32Bits", kHouse, "0;a;1\\0\\1\\0,wood-amount >= 99999999999\r\n",
                 "条件「(wood-amount >= 99999999999)」の数値「99999999999」をゲームは読めません"
                 "（読めるのは-2147483648～2147483647の整数です）"},
        RuleCase{"plusSign", "(set-goal 3 +3);x", kCanBuild,
                 "イベント「(set-goal 3 +3)」の数値「+3」をゲームは読めません"
                 "（読めるのは-2147483648～2147483647の整数です）"},
        RuleCase{"unknownCommand", "(build-house house);x", kCanBuild,
                 "イベント「(build-house house)」の「build-house」はゲームの命令にありません"},
        RuleCase{"constantName", "(set-goal MEMORY_3 1);x", kCanBuild, ""},
        // Ids, argument counts and ranges as the game takes them.
        RuleCase{"goalOutOfRange", "(set-goal 41 1);x", kCanBuild,
                 "イベント「(set-goal 41 1)」の変数の番号「41」はゲームにありません"
                 "（使えるのは1～40）"},
        RuleCase{"timerOutOfRange", kHouse, "0;a;8\\10,timer-triggered 11\r\n",
                 "条件「(timer-triggered 11)」のタイマーの番号「11」はゲームにありません"
                 "（使えるのは1～10）"},
        RuleCase{"unitOutOfRange", "(train 9999);x", kCanBuild,
                 "イベント「(train 9999)」のユニット「9999」はゲームにありません"
                 "（使えるのは0～899と分類の900～961）"},
        RuleCase{"missingSymbol", "(build )        ;家を建設", kCanBuild,
                 "イベント「(build )」の「build」には引数が1個要ります（0個あります）"},
        RuleCase{"playerOutOfRange", kHouse,
                 "0;a;3\\0\\0\\1\\1\\0,players-unit-type-count 9 villager >= 1\r\n",
                 "条件「(players-unit-type-count 9 villager >= 1)」のプレイヤー「9」はゲームに"
                 "ありません（使えるのは1～8）"},
        RuleCase{"classOfTheUnitTable", kHouse, "0;a;3\\0\\0\\0\\1\\0,unit-type-count 904 >= 1\r\n",
                 ""},
        RuleCase{"emptyConditions", kHouse, "", "条件がありません（(true)として書き出します）"},
        RuleCase{"emptyFact", kHouse, "0;木;1\\0\\1\\0,\r\n",
                 "条件「木」が空です（(true)として書き出します）"},
        RuleCase{"lonelyOperator", kHouse, "0;AND;Sys_And,and\r\n",
                 "演算子「AND」の下に条件がありません"},
        RuleCase{"crowdedNot", kHouse, "0;NOT;Sys_Not,not\r\n1;a;k,true\r\n1;b;k,true\r\n",
                 "演算子「NOT」の下に条件が2個あります（1個だけにしてください）"},
        RuleCase{"unbalancedFact", kHouse, "0;a;k,can-build (house\r\n",
                 "条件「(can-build (house)」の括弧が合っていません"},
        RuleCase{"nestedList", kHouse, "0;a;k,can-build (house)\r\n",
                 "条件「(can-build (house))」の中に括弧があります"},
        RuleCase{"textOutsideChat", "(build \"house\");x", kCanBuild,
                 "イベント「(build \"house\")」に文字列「\"house\"」は書けません"},
        RuleCase{"chatText", "    (chat-to-all \"a;b\")        ;チャット", kCanBuild, ""},
        RuleCase{"openQuote", "(chat-to-all \"a);x", kCanBuild,
                 "イベント「(chat-to-all \"a)」の引用符が閉じていません"},
        RuleCase{"emptyActions", "", kCanBuild, "イベントの行が空です"},
        RuleCase{"noCommand", "build house;x", kCanBuild,
                 "イベントの行「build house;x」に命令がありません"},
        RuleCase{"emptyCommand", "();x", kCanBuild, "イベント「()」に語のない括弧があります"},
        RuleCase{"controlInComment", "(build house);家\x01建設", kCanBuild,
                 "イベントの行「(build house);家␁建設」に制御文字があります"},
        // A lone line break ends an event line, as in the event list.
        RuleCase{"loneLineBreak", "(build house);家\n建設", kCanBuild,
                 "イベントの行「建設」に命令がありません"},
        RuleCase{"lineBreakInCaption", kHouse, "0;家\r;CannotEdit,can-build house\r\n",
                 "条件「家␍」の説明の改行とNULは空白として書き出します"},
        RuleCase{"seventeen", kHouse,
                 "0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n"
                 "0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n"
                 "0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n0;a;k,true\r\n"
                 "0;a;k,true\r\n",
                 "命令が17個あります（1つのルールに16個まで）"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptCheck, LoadConditionsOfGroupsWithRules) {
    Project p = InitialProject();
    p.CategoryAt(2).entries << Group("北欧", "#load-if-defined SCANDINAVIA-MAP\r\n")
                            << Rule("r", "(research ri-loom);x", "0;a;k,true\r\n")
                            << Rule("s", "(research ri-loom);x", "0;a;k,true\r\n")
                            << Group("空", "#load-if-defined NOWHERE\r\n")
                            << Group("壊れ", "load TINY-MAP\r\n")
                            << Rule("u", "(research ri-loom);x", "0;a;k,true\r\n");
    EXPECT_EQ(Lines(CheckScript(p)),
              Lines(QStringList{"研究/北欧: 実行条件「#load-if-defined SCANDINAVIA-MAP」の"
                                "「SCANDINAVIA-MAP」はゲームの記号にありません",
                                "研究/壊れ: 実行条件の行「load TINY-MAP」を読めません"}));
}

TEST(ScriptCheck, SettingsAndInitialisationRules) {
    Project p = InitialProject();
    p.settings.title = "AI\nname";
    p.settings.author = QString::fromUtf8("作者\u00e9"); // code page 932 has no é
    p.settings.variables[3].constName = "my var";
    p.settings.timers[1].name = "MEMORY_1";
    p.settings.startupRules[1].text.replace("sn-maximum-wood-drop-distance 20",
                                            "sn-maximum-wood-drop-distance 2.5");
    EXPECT_EQ(Lines(CheckScript(p)),
              Lines(QStringList{
                  "プロジェクトの設定/ヘッダ: AIのタイトルの改行とNULは空白として書き出します",
                  "プロジェクトの設定/ヘッダ: 作者にShift_JISで書けない文字「é」があります",
                  "プロジェクトの設定/変数/No.1: 名前「MEMORY_1」はタイマー1と同じです。"
                  "変数とタイマーの名前は重ならないようにしてください",
                  "プロジェクトの設定/変数/No.3: "
                  "名前は英字で始め、英字・数字・「-」・「_」だけで付けてください",
                  "プロジェクトの設定/タイマー/No.1: 名前「MEMORY_1」は変数1と同じです。"
                  "変数とタイマーの名前は重ならないようにしてください",
                  "初期化設定/ルール2: 初期化ルールの数値「2.5」をゲームは読めません"
                  "（読めるのは-2147483648～2147483647の整数です）"}));
}

TEST(ScriptCheck, TheQuestionShowsTwentyLinesAndCountsTheRest) {
    QList<ScriptProblem> problems;
    for (int i = 1; i <= 25; ++i)
        problems.append({QStringLiteral("建物/g/r%1").arg(i), QStringLiteral("p")});
    const Notice question = ScriptProblemsQuestion(problems);
    EXPECT_EQ(question.title, "スクリプトの確認");
    EXPECT_EQ(question.icon, Notice::Icon::Warning);
    EXPECT_TRUE(question.text.startsWith("生成するスクリプトに25件の問題があります。"));
    EXPECT_TRUE(question.text.contains("建物/g/r20: p\nほか5件\n"));
    EXPECT_FALSE(question.text.contains("r21"));
    EXPECT_TRUE(question.text.endsWith("\n\nこのまま生成しますか？"));
}

} // namespace
} // namespace rw
