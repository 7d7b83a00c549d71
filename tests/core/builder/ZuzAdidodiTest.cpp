#include "BuilderTestUtil.h"

#include "builder/RuleRenderer.h"
#include "builder/ZuzAdidodi.h"
#include "model/Cp932.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace rw;
using rw::test::ExampleProject;
using rw::test::Group;
using rw::test::Rule;

namespace {

QByteArray ReadData(const char* name) {
    QFile f(QStringLiteral(RW_TEST_DATA_DIR "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QString Render(const RuleEntry& rule, int column = 80) {
    QString out;
    RuleRenderer(column).Render(rule, out);
    return out;
}

// The rules part of a script: everything after the initialisation rules.
QString RulesOf(const Project& p) {
    const ScriptBuild b = ZuzAdidodi(p);
    EXPECT_TRUE(b.Ok()) << b.notice.text.toStdString();
    const QString init = p.settings.startupRules[0].text + p.settings.startupRules[1].text;
    const qsizetype at = b.Text().indexOf(init);
    return at < 0 ? QString() : b.Text().mid(at + init.size());
}

QString Pad(const QString& text, int column) {
    return text + QString(column - Cp932Width(text), QLatin1Char(' '));
}

} // namespace

TEST(ZuzAdidodi, ExampleProjectMatchesGoldenFileByteForByte) {
    const ScriptBuild b = ZuzAdidodi(ExampleProject());
    ASSERT_TRUE(b.Ok());
    EXPECT_EQ(b.ruleCount, 2);
    const QByteArray golden = ReadData("example.per");
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(b.bytes, golden);
    // the table-driven encoder agrees with the codec
    EXPECT_EQ(ToCp932(b.Text()), b.bytes);
    EXPECT_FALSE(b.bytes.startsWith("\xEF\xBB\xBF"));
}

TEST(ZuzAdidodi, HeaderAndConstantsWrittenAsTheyStand) {
    Project p = ExampleProject();
    p.settings.author = "作者名";
    p.settings.variables[1].constName.clear();
    p.settings.variables[2].constName = "SAME";
    p.settings.variables[3].constName = "SAME";
    const QString text = ZuzAdidodi(p).Text();
    EXPECT_TRUE(text.contains(";著作権:作者名\r\n"));
    EXPECT_TRUE(text.contains("\r\n(defconst  1)\r\n"));
    EXPECT_TRUE(text.contains("(defconst SAME 2)\r\n(defconst SAME 3)\r\n"));
    EXPECT_TRUE(text.contains("(defconst TIMER_10 10)\r\n\r\n(defrule\r\n  (true)"));
}

TEST(ZuzAdidodi, NoRulesIsRefused) {
    Project p = InitialProject();
    p.CategoryAt(2).entries << Group("空", "#load-if-defined TINY-MAP\r\n");
    const ScriptBuild b = ZuzAdidodi(p);
    EXPECT_FALSE(b.Ok());
    EXPECT_EQ(b.notice.text, "ルールが一個もありません");
    EXPECT_EQ(b.notice.title, "ビルドエラー");
    EXPECT_EQ(b.notice.icon, Notice::Icon::Critical);
    EXPECT_TRUE(b.bytes.isEmpty());
}

TEST(ZuzAdidodi, TextOutsideCodePage932IsRefusedNamingTheRule) {
    Project p = ExampleProject();
    p.CategoryAt(5).entries[1].actions = "(chat-to-all \"😀\");絵文字";
    ScriptBuild b = ZuzAdidodi(p);
    EXPECT_FALSE(b.Ok());
    EXPECT_TRUE(b.notice.text.contains("陸軍％攻撃")) << b.notice.text.toStdString();
    EXPECT_TRUE(b.notice.text.contains("攻撃"));
    EXPECT_TRUE(b.bytes.isEmpty());

    p = ExampleProject();
    p.settings.timers[4].name = "T€"; // the euro sign is not in code page 932
    b = ZuzAdidodi(p);
    EXPECT_FALSE(b.Ok());
    EXPECT_TRUE(b.notice.text.contains("タイマー4")) << b.notice.text.toStdString();
}

TEST(ZuzAdidodi, GroupScriptsWrapTheirRulesOnly) {
    Project p = InitialProject();
    Category& c = p.CategoryAt(3);
    p.settings.rootConditions[2].conditionScript = "#load-if-defined HUN-CIV\r\n";
    c.entries << Rule("r0", "(a)", "0;x;k,x\r\n", "")
              << Group("empty", "#load-if-defined GIANT-MAP\r\n") // no rules: nothing written
              << Group("two", "#load-if-defined TINY-MAP\r\n#load-if-defined DIFFICULTY-HARD\r\n")
              << Rule("r1", "(b)", "0;y;k,y\r\n")
              << Rule("late root", "(c)", "0;z;k,z\r\n", kMarkerRoot) << Group("plain", "")
              << Rule("r2", "(d)", "0;w;k,w\r\n");
    const QString rules = RulesOf(p);
    EXPECT_FALSE(rules.contains("GIANT-MAP"));
    EXPECT_TRUE(rules.startsWith("\r\n#load-if-defined HUN-CIV\r\n(defrule"));
    EXPECT_TRUE(
        rules.contains("    (b)" + QString(76 - 3, ' ') + "\r\n)\r\n#end-if\r\n#end-if\r\n\r\n"));
    // A root rule standing after a group still carries the root's conditions.
    EXPECT_TRUE(rules.contains("\r\n#load-if-defined HUN-CIV\r\n(defrule" + QString(72, ' ') +
                               ";■late root"));
    // An unconditioned group: an empty line, then the rule, no "#end-if".
    EXPECT_TRUE(rules.endsWith("#end-if\r\n\r\n(defrule" + QString(72, ' ') + ";■r2\r\n    (w)" +
                               QString(76 - 3, ' ') + ";w\r\n=>\r\n    (d)" + QString(76 - 3, ' ') +
                               "\r\n)\r\n"));
    EXPECT_EQ(rules.count("#end-if"), 4);
}

TEST(ZuzAdidodi, WideCommandRaisesColumnForLaterRulesOnly) {
    Project p = InitialProject();
    const QString wide = "(" + QString(88, 'x') + ")"; // 90 bytes
    p.CategoryAt(1).entries << Rule("a", "(a) ;first", "0;c;k,c\r\n", kMarkerRoot)
                            << Rule("b", wide + ";wide", "0;c;k,c\r\n", kMarkerRoot);
    p.CategoryAt(2).entries << Rule("c", "(c) ;third", "0;c;k,c\r\n", kMarkerRoot);
    const QString rules = RulesOf(p);
    EXPECT_TRUE(rules.contains(Pad("(defrule", 80) + ";■a\r\n"));
    EXPECT_TRUE(rules.contains(Pad("    (a)", 80) + ";first\r\n"));
    EXPECT_TRUE(rules.contains(Pad("(defrule", 94) + ";■b\r\n"));
    EXPECT_TRUE(rules.contains("    " + wide + ";wide\r\n"));
    EXPECT_TRUE(rules.contains(Pad("(defrule", 94) + ";■c\r\n"));
    EXPECT_TRUE(rules.contains(Pad("    (c)", 94) + ";third\r\n"));
}

TEST(RuleRenderer, WideConditionRowGetsItsCommentRightAfterIt) {
    const QString fact = QString(90, 'f'); // "    (" + 90 + ")" = 96 bytes
    RuleRenderer r(80);
    QString out;
    r.Render(Rule("t", "(x)", "0;説明;k," + fact + "\r\n"), out);
    EXPECT_EQ(r.CommentColumn(), 96);
    EXPECT_TRUE(out.contains("    (" + fact + ");説明\r\n"));
}

TEST(RuleRenderer, NestedOperatorsCloseBeforeTopLevelEntry) {
    const QString out = Render(Rule("t", "(x)",
                                    "0;OR;Sys_Or,or\r\n"
                                    "1;NOT;Sys_Not,not\r\n"
                                    "2;XOR;Sys_Xor,xor\r\n"
                                    "3;a;k,a\r\n"
                                    "3;b;k,b\r\n"
                                    "0;c;k,c\r\n"));
    EXPECT_EQ(out, Pad("(defrule", 80) +
                       ";■t\r\n"
                       "    (or\r\n"
                       "        (not\r\n"
                       "            (xor\r\n" +
                       Pad("                (a)", 80) + ";a\r\n" + Pad("                (b)", 80) +
                       ";b\r\n"
                       "            )\r\n"
                       "        )\r\n"
                       "    )\r\n" +
                       Pad("    (c)", 80) + ";c\r\n=>\r\n" + Pad("    (x)", 80) + "\r\n)\r\n");
}

struct RenderCase {
    const char* name;
    const char* title;
    const char* actions;
    const char* conditions;
    const char* expected; // "|" stands for "spaces up to column 80"
};

class RuleRendering : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RuleRendering, WritesRule) {
    const RenderCase& c = GetParam();
    QString expected;
    for (const QString& line : QString::fromUtf8(c.expected).split('\n')) {
        const qsizetype bar = line.indexOf('|');
        expected += (bar < 0 ? line : Pad(line.left(bar), 80) + line.mid(bar + 1)) + "\r\n";
    }
    EXPECT_EQ(Render(Rule(QString::fromUtf8(c.title), QString::fromUtf8(c.actions),
                          QString::fromUtf8(c.conditions))),
              expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RuleRendering,
    ::testing::Values(
        // the stored form of an empty title: 72 spaces, then ";■ "
        RenderCase{"SpaceTitle", " ", "(x);c", "0;a;k,a\r\n",
                   "(defrule|;■ \n    (a)|;a\n=>\n    (x)|;c\n)"},
        // empty actions: one event row of padding only
        RenderCase{"EmptyActions", "t", "", "0;a;k,a\r\n",
                   "(defrule|;■t\n    (a)|;a\n=>\n    |\n)"},
        // empty conditions: one entry with every part empty, written as a
        // fact that holds (the game refuses "()")
        RenderCase{"EmptyConditions", "t", "(x);c", "",
                   "(defrule|;■t\n    (true)\n=>\n    (x)|;c\n)"},
        RenderCase{"EmptyFactUnderAnOperator", "t", "(x);c", "0;AND;Sys_And,and\r\n1;a;k, \r\n",
                   "(defrule|;■t\n    (and\n        (true)|;a\n    )\n=>\n    (x)|;c\n)"},
        // a ";" inside the command: the comment starts there, the command
        // still ends at the first ")"
        RenderCase{"SemicolonInCommand", "t", "(chat-to-all \"a;b\") ;c", "0;a;k,a\r\n",
                   "(defrule|;■t\n    (a)|;a\n=>\n    (chat-to-all \"a;b\")|;b\") ;c\n)"},
        // leading spaces go, text between ")" and ";" goes, no ")" = no command
        RenderCase{"OddEventLines", "t", "   (x)  junk ;c\r\nno bracket ;d\r\n(y)", "0;a;k,a\r\n",
                   "(defrule|;■t\n    (a)|;a\n=>\n    (x)|;c\n    |;d\n    (y)|\n)"},
        // the placeholder loses its comment; widths count Japanese as 2 bytes
        RenderCase{"PlaceholderAndWidths", "t", "(x);全角",
                   "0;(上書きしてください);Overwrite,true\r\n0;日本語;k,日本語\r\n",
                   "(defrule|;■t\n    (true)\n    (日本語)|;日本語\n=>\n    (x)|;全角\n)"},
        // operators still open at the end are closed
        RenderCase{"OpenAtEnd", "t", "(x)", "0;AND;Sys_And,and\r\n1;NAND;Sys_Nand,nand\r\n",
                   "(defrule|;■t\n    (and\n        (nand\n        )\n    )\n=>\n    (x)|\n)"},
        // a parent that does not stand earlier reads as top level
        RenderCase{"BadParent", "t", "(x)", "5;a;k,a\r\n1;b;k,b\r\n",
                   "(defrule|;■t\n    (a)|;a\n    (b)|;b\n=>\n    (x)|\n)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZuzAdidodi, ReportsRulesAndRows) {
    QStringList seen;
    BuildProgress progress;
    progress.rule = [&](int i, int n, const QString& t) {
        seen << QString("%1/%2 %3").arg(i).arg(n).arg(t);
    };
    progress.row = [&](int v, int m) { seen << QString("%1/%2").arg(v).arg(m); };
    ZuzAdidodi(ExampleProject(), progress);
    // per rule: its condition entries, then its rows before "(defrule"
    EXPECT_EQ(seen, (QStringList{"1/2 家", "1/1", "1/1", "2/2 陸軍％攻撃", "1/3", "2/3", "3/3",
                                 "1/4", "2/4", "3/4", "4/4"}));
}

TEST(ZuzAdidodi, StopsBeforeTheNextRuleWhenCancelled) {
    QStringList seen;
    BuildProgress progress;
    progress.rule = [&](int i, int, const QString&) { seen << QString::number(i); };
    progress.cancelled = [&] { return seen.size() == 1; };
    const ScriptBuild b = ZuzAdidodi(ExampleProject(), progress);
    EXPECT_EQ(seen, QStringList{"1"});
    EXPECT_TRUE(b.cancelled);
    EXPECT_FALSE(b.Ok());
    EXPECT_TRUE(b.notice.IsEmpty());
    EXPECT_TRUE(b.bytes.isEmpty());
}

