#include "BuilderTestUtil.h"

#include "builder/RuleRenderer.h"
#include "builder/ScriptPreview.h"
#include "builder/ZuzAdidodi.h"
#include "model/Cp932.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace rw;
using rw::test::ExampleProject;
using rw::test::Group;
using rw::test::Rule;

namespace {

QByteArray ReadData(const QString& name) {
    QFile f(QStringLiteral(RW_TEST_DATA_DIR "/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

EnvironmentSettings Settings(bool header, bool comments, bool chat) {
    EnvironmentSettings s;
    s.projectHeader = header;
    s.comments = comments;
    s.debugChat = chat;
    return s;
}

// The part of a script after the initialisation rules.
QString RulesOf(const Project& p, const EnvironmentSettings& settings) {
    const ScriptBuild b = ZuzAdidodi(p, {}, settings);
    EXPECT_TRUE(b.Ok()) << b.notice.text.toStdString();
    const QString init = p.settings.startupRules[0].text + p.settings.startupRules[1].text;
    const qsizetype at = b.Text().indexOf(init);
    return at < 0 ? QString() : b.Text().mid(at + init.size());
}

struct GoldenCase {
    const char* name;
    EnvironmentSettings settings;
    const char* file;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsGolden : public testing::TestWithParam<GoldenCase> {};

TEST_P(SettingsGolden, ExampleProjectMatchesByteForByte) {
    const GoldenCase& c = GetParam();
    const ScriptBuild b = ZuzAdidodi(ExampleProject(), {}, c.settings);
    ASSERT_TRUE(b.Ok()) << b.notice.text.toStdString();
    const QByteArray golden = ReadData(QLatin1String(c.file));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(b.bytes, golden) << b.Text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsGolden,
    testing::Values(GoldenCase{"Defaults", EnvironmentSettings{}, "example.per"},
                    GoldenCase{"NoHeader", Settings(false, true, false), "example-no-header.per"},
                    GoldenCase{"NoComments", Settings(true, false, false),
                               "example-no-comments.per"},
                    GoldenCase{"DebugChat", Settings(true, true, true), "example-debug-chat.per"}),
    [](const auto& info) { return std::string(info.param.name); });

// A project that exercises every row form: wide and Japanese comments,
// operators, placeholders, empty actions and conditions, a ";" inside a
// command.
Project MixedProject() {
    Project p = ExampleProject();
    p.CategoryAt(2).entries << Rule("空", "", "", kMarkerRoot)
                            << Rule("広い", "(" + QString(88, 'x') + ");wide\r\n(y)",
                                    "0;OR;Sys_Or,or\r\n1;説明;k,food-amount > 1\r\n"
                                    "1;(上書きしてください);Overwrite,true\r\n",
                                    kMarkerRoot)
                            << Rule("semi", "(chat-to-all \"a;b\") ;c", "0;a;k,a\r\n", kMarkerRoot);
    return p;
}

TEST(EnvironmentSettings, WithoutCommentsNoRowIsPaddedOrCommented) {
    for (bool chat : {false, true}) {
        const QString rules = RulesOf(MixedProject(), Settings(true, false, chat));
        ASSERT_FALSE(rules.isEmpty());
        for (const QString& line : rules.split(QStringLiteral("\r\n"))) {
            EXPECT_FALSE(line.endsWith(' ')) << '"' << line.toStdString() << '"';
            // Only a chat text may hold a ";" of its own.
            if (!line.contains(QLatin1String("chat-to-all"))) {
                EXPECT_FALSE(line.contains(';')) << line.toStdString();
            }
        }
        // An empty event row is an empty line, not four blanks.
        EXPECT_TRUE(rules.contains(
            "(defrule\r\n    (true)\r\n=>\r\n" +
            (chat ? "    " + DebugChatCommand(2, "空") + "\r\n" : QString()) + "\r\n)\r\n"));
        EXPECT_TRUE(rules.contains("    (chat-to-all \"a;b\")\r\n)"));
    }
}

TEST(EnvironmentSettings, HeaderOffDropsTheNineLinesOnly) {
    const QByteArray with = ZuzAdidodi(ExampleProject()).bytes;
    const QByteArray without = ZuzAdidodi(ExampleProject(), {}, Settings(false, true, false)).bytes;
    EXPECT_TRUE(without.startsWith("(defconst MEMORY_1 1)\r\n"));
    EXPECT_TRUE(with.endsWith(without));
    EXPECT_EQ(with.left(with.size() - without.size()).count("\r\n"), 9);
}

struct ChatCase {
    const char* name;
    int category;
    const char* title;
    const char* expected;
};

void PrintTo(const ChatCase& c, std::ostream* os) {
    *os << c.name;
}

class DebugChat : public testing::TestWithParam<ChatCase> {};

TEST_P(DebugChat, OneWellFormedCommand) {
    const ChatCase& c = GetParam();
    const QString chat = DebugChatCommand(c.category, QString::fromUtf8(c.title));
    EXPECT_EQ(chat, QString::fromUtf8(c.expected));
    // Whatever the title: two quotes, one command, one line, writable.
    EXPECT_EQ(chat.count('"'), 2);
    EXPECT_EQ(chat.count('('), 1);
    EXPECT_EQ(chat.count(')'), 1);
    EXPECT_FALSE(chat.contains(';'));
    EXPECT_FALSE(chat.contains('\r') || chat.contains('\n'));
    EXPECT_TRUE(IsCp932(chat));
}

INSTANTIATE_TEST_SUITE_P(
    Titles, DebugChat,
    testing::Values(
        ChatCase{"Plain", 1, "家", "(chat-local-to-self \"[建物] 家\")"},
        ChatCase{"Free", 7, "合図", "(chat-local-to-self \"[フリー] 合図\")"},
        ChatCase{"NoCategory", 0, "x", "(chat-local-to-self \"x\")"},
        ChatCase{"Quote", 5, "say \"hi\"", "(chat-local-to-self \"[攻撃] say 'hi'\")"},
        ChatCase{"CommandCharacters", 2, "a(b);c)", "(chat-local-to-self \"[研究] a[b]:c]\")"},
        ChatCase{"LineBreaksAndTabs", 3, "a\r\nb\tc", "(chat-local-to-self \"[ユニット] a  b c\")"},
        ChatCase{"OutsideCodePage", 4, "€😀木", "(chat-local-to-self \"[資源] ??木\")"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EnvironmentSettings, DebugChatReplacesALoneSurrogate) {
    const QString title = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("z");
    EXPECT_EQ(DebugChatCommand(6, title), "(chat-local-to-self \"[範囲] a?z\")");
}

TEST(EnvironmentSettings, DebugChatOpensTheActionsAndWidensLikeAnyCommand) {
    const QString rules = RulesOf(ExampleProject(), Settings(true, true, true));
    EXPECT_TRUE(rules.contains("=>\r\n    (chat-local-to-self \"[建物] 家\")"));
    EXPECT_TRUE(rules.contains("=>\r\n    (chat-local-to-self \"[攻撃] 陸軍％攻撃\")"));
    EXPECT_EQ(rules.count("chat-local-to-self"), 2);

    // A long title pushes the comment column out as a wide command would.
    Project p = ExampleProject();
    p.CategoryAt(1).entries[0].title = QString(80, 'a');
    const QString wide = RulesOf(p, Settings(true, true, true));
    const QString chat = DebugChatCommand(1, QString(80, 'a'));
    EXPECT_TRUE(wide.contains("    " + chat + kDebugChatComment + "\r\n"));
}

TEST(EnvironmentSettings, DebugChatLeavesAFullRuleAlone) {
    // 15 commands: room for the chat; 16: none, the rule stays within the limit.
    for (int conditions : {14, 15}) {
        QString lines;
        for (int i = 0; i < conditions; ++i)
            lines += "0;c;k,c\r\n";
        Project p = InitialProject();
        p.CategoryAt(1).entries << Rule("full", "(x);x", lines, kMarkerRoot);
        const QString rules = RulesOf(p, Settings(true, true, true));
        EXPECT_EQ(rules.contains("chat-local-to-self"), conditions == 14) << conditions;
    }
}

TEST(EnvironmentSettings, ATitleOnlyTheChatCarriesIsWrittenSafely) {
    Project p = ExampleProject();
    p.CategoryAt(1).entries[0].title = "家😀";
    // With comments the title stands in the "(defrule" comment, as always.
    EXPECT_FALSE(ZuzAdidodi(p, {}, Settings(true, true, true)).Ok());
    const ScriptBuild b = ZuzAdidodi(p, {}, Settings(true, false, true));
    ASSERT_TRUE(b.Ok()) << b.notice.text.toStdString();
    EXPECT_TRUE(b.Text().contains("=>\r\n    (chat-local-to-self \"[建物] 家?\")\r\n"));
}

TEST(EnvironmentSettings, PreviewFollowsTheSettings) {
    const Project p = ExampleProject();
    const PreviewScope group = PreviewScopeAt(p, 5, 2);
    EXPECT_EQ(ScriptBuilder(group), ScriptBuilder(group, EnvironmentSettings{}));
    EXPECT_EQ(ScriptBuilder(group, Settings(true, false, true)),
              "#load-if-defined TINY-MAP\r\n"
              "(defrule\r\n"
              "    (and\r\n"
              "        (true)\r\n"
              "        (true)\r\n"
              "    )\r\n"
              "=>\r\n"
              "    (chat-local-to-self \"[攻撃] 陸軍％攻撃\")\r\n"
              "    (set-strategic-number sn-percent-attack-soldiers 100)\r\n"
              "    (attack-now)\r\n"
              ")\r\n"
              "#end-if\r\n");
}

} // namespace
