#include "builder/ScriptTextCheck.h"
#include "BuilderTestUtil.h"
#include "builder/InitSettings.h"
#include "builder/ZuzAdidodi.h"

#include "model/Cp932.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

std::string Lines(const QList<ScriptProblem>& problems) {
    QString text;
    for (const ScriptProblem& p : problems)
        text += p.Line() + QLatin1Char('\n');
    return text.toStdString();
}

std::string Check(const QString& script) {
    return Lines(CheckScriptText(ToCp932(script)));
}

TEST(ScriptTextCheck, WhatTheBuilderWritesIsClean) {
    for (const EnvironmentSettings settings :
         {EnvironmentSettings{}, EnvironmentSettings{false, false, true}}) {
        const ScriptBuild build = ZuzAdidodi(test::ExampleProject(), {}, settings);
        ASSERT_TRUE(build.Ok());
        EXPECT_EQ(Lines(CheckScriptText(build.bytes)), "");
    }
}

// The initialisation rules always write strategic numbers and wall
// placements of their own, whatever the dialog holds.
TEST(ScriptTextCheck, TheInitialisationRulesAsConfirmedAreClean) {
    Project project = test::ExampleProject();
    InitSettings settings = LoadInitSettings(project);
    settings.narrowWall = settings.wideWall = true;
    ApplyInitSettings(project, settings);
    const ScriptBuild build = ZuzAdidodi(project);
    ASSERT_TRUE(build.Ok());
    ASSERT_TRUE(build.Text().contains("(enable-wall-placement 2)"));
    EXPECT_EQ(Lines(CheckScriptText(build.bytes)), "");
}

struct StatementCase {
    const char* name;
    const char* fact;    // goes into the rule's condition part
    const char* action;  // goes into its action part
    const char* problem; // what line 3 or 5 says; empty: clean
};

void PrintTo(const StatementCase& c, std::ostream* os) {
    *os << c.name;
}

class Statements : public testing::TestWithParam<StatementCase> {};

// One rule around the fact and the action; a problem is reported at the line
// of the statement it is found in.
TEST_P(Statements, AgainstTheReference) {
    const StatementCase& c = GetParam();
    const QString script =
        QStringLiteral("(defconst G41 41)\r\n(defrule\r\n  %1\r\n=>\r\n  %2\r\n)\r\n")
            .arg(QString::fromUtf8(c.fact), QString::fromUtf8(c.action));
    EXPECT_EQ(Check(script), c.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Statements,
    testing::Values(
        StatementCase{"clean", "(players-current-age any-enemy >= castle-age)",
                      "(chat-to-player 2 \"hi\")", ""},
        StatementCase{"classAndLongForms", "(unit-type-count 904 greater-or-equal 1)",
                      "(set-escrow-percentage wood 100)", ""},
        StatementCase{"goal", "(true)", "(set-goal 41 1)",
                      "行5: 命令「(set-goal 41 1)」の変数の番号「41」はゲームにありません"
                      "（使えるのは1～40）\n"},
        StatementCase{"goalThroughAConstant", "(goal G41 1)", "(do-nothing)",
                      "行3: 条件「(goal G41 1)」の変数の番号「G41」はゲームにありません"
                      "（使えるのは1～40）\n"},
        StatementCase{"timer", "(timer-triggered 3)", "(enable-timer 11 60)",
                      "行5: 命令「(enable-timer 11 60)」のタイマーの番号「11」はゲームにありません"
                      "（使えるのは1～10）\n"},
        StatementCase{"unitId", "(true)", "(train 9999)",
                      "行5: 命令「(train 9999)」のユニット「9999」はゲームにありません"
                      "（使えるのは0～899と分類の900～961）\n"},
        StatementCase{"storedIdleVillager", "(unit-type-count 993 > 0)", "(do-nothing)",
                      "行3: 条件「(unit-type-count 993 > 0)」のユニット「993」はゲームにありません"
                      "（使えるのは0～899と分類の900～961）\n"},
        StatementCase{"tooFew", "(true)", "(build)",
                      "行5: 命令「(build)」の「build」には引数が1個要ります（0個あります）\n"},
        StatementCase{
            "tooMany", "(can-build house house)", "(attack-now 1)",
            "行3: 条件「(can-build house house)」の「can-build」には引数が1個要ります"
            "（2個あります）\n"
            "行5: 命令「(attack-now 1)」の「attack-now」に引数は要りません（1個あります）\n"},
        StatementCase{
            "percent", "(true)", "(set-escrow-percentage gold 150)",
            "行5: 命令「(set-escrow-percentage gold 150)」の割合「150」はゲームにありません"
            "（使えるのは0～100）\n"},
        StatementCase{"player", "(players-population 9 > 1)", "(set-stance 0 ally)",
                      "行3: 条件「(players-population 9 > 1)」のプレイヤー「9」はゲームにありません"
                      "（使えるのは1～8）\n"
                      "行5: 命令「(set-stance 0 ally)」のプレイヤー「0」はゲームにありません"
                      "（使えるのは1～8）\n"},
        StatementCase{"wrongKind", "(current-age >= 2)", "(train house)",
                      "行3: 条件「(current-age >= 2)」の「2」は時代ではありません\n"
                      "行5: 命令「(train house)」の「house」はユニットではありません\n"},
        StatementCase{
            "goldIsNoCommodity", "(can-sell-commodity gold)", "(do-nothing)",
            "行3: 条件「(can-sell-commodity gold)」の「gold」は市場の資源ではありません\n"},
        StatementCase{"unquotedChat", "(true)", "(chat-to-all hello)",
                      "行5: 命令「(chat-to-all hello)」の「hello」は文字列ではありません"
                      "（\"\"で囲んでください）\n"},
        StatementCase{"notTakesOne", "(not (true) (false))", "(do-nothing)",
                      "行3: 条件「(not (true) (false))」の演算子「not」には条件を1個だけ書きます"
                      "（2個あります）\n"},
        StatementCase{"nestedFact", "(and (true) (goal 0 1))", "(do-nothing)",
                      "行3: 条件「(goal 0 1)」の変数の番号「0」はゲームにありません"
                      "（使えるのは1～40）\n"},
        StatementCase{"wordOutside", "true", "(do-nothing)",
                      "行2: ルールの「true」は括弧の外にあります\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptTextCheck, BytesAndCharacters) {
    QByteArray script = ToCp932(
        QStringLiteral("(defrule\r\n\t(true)\r\n=>\r\n(chat-to-all \"家\")\r\n)\r\n; x\r\n"));
    EXPECT_EQ(Lines(CheckScriptText(script)), "");
    // DEL in a text, and a lead byte without its second byte in a comment.
    script.replace(ToCp932(QStringLiteral("家")), ToCp932(QStringLiteral("家\x7f")));
    script.replace("; x", "; \x89 x");
    EXPECT_EQ(Lines(CheckScriptText(script)), "行4: 制御文字があります\n"
                                              "行6: Shift_JISとして読めないバイトがあります\n");
}

TEST(ScriptTextCheck, DeepNestingStopsTheReaderNotTheProgram) {
    const QByteArray deep = "(defrule (true) => (do-nothing))\n" + QByteArray(1000000, '(');
    EXPECT_EQ(Lines(CheckScriptText(deep)), "行2: 括弧の入れ子が深すぎます（200段まで）\n");
}

TEST(ScriptTextCheck, StructureOfTheFile) {
    const QString script = QStringLiteral(
        "(defconst A 1)\r\n"
        "(defconst A 2)\r\n"
        "(defconst house 3)\r\n"
        "#load-if-defined TINY-MAP\r\n"
        "#load-if-defined NOWHERE-MAP\r\n"
        "#end-if\r\n"
        "#end-if\r\n"
        "#end-if\r\n"
        "#load-if-not-defined JAPANESE-CIV\r\n"
        "\"stray\"\r\n"
        "(defule (true) => (do-nothing))\r\n"
        "(defrule (true) (true) (true) (true) (true) (true) (true) (true) (true)\r\n"
        "  => (do-nothing) (do-nothing) (do-nothing) (do-nothing) (do-nothing) (do-nothing)\r\n"
        "  (do-nothing) (do-nothing))\r\n"
        "(defrule => (do-nothing))\r\n"
        "(defrule (true) => (do-nothing)\r\n");
    EXPECT_EQ(
        Check(script),
        "行2: 定数「A」は行1でも定義されています\n"
        "行3: 「house」はゲームの語なので定数の名前に使えません\n"
        "行5: 実行条件「#load-if-defined NOWHERE-MAP」の「NOWHERE-MAP」はゲームの記号にありません\n"
        "行8: 「#end-if」に対応する#load-ifがありません\n"
        "行9: 「#load-if-not-defined JAPANESE-CIV」を閉じる#end-ifがありません\n"
        "行10: 「\"stray\"」は括弧の外にあります\n"
        "行11: 「(defule (true) => (do-nothing))」はdefruleでもdefconstでもありません\n"
        "行12: ルールの命令が17個あります（1つのルールに16個まで）\n"
        "行15: ルールの形がdefruleになっていません\n"
        "行16: 括弧が合っていません\n");
}

} // namespace
} // namespace rw
