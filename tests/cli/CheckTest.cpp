#include "cli/CliRun.h"
#include "core/builder/BuilderTestUtil.h"
#include "storage/ProjectFile.h"
#include "workspace/Workspace.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rw {
namespace {

using test::Cli;
using test::CliRun;

using test::Group;
using test::Rule;

// A project holding every kind of problem the check knows.
Project Crafted() {
    Project p = InitialProject();
    p.settings.title = QStringLiteral("悪いAI\r\n");
    p.settings.variables[1].constName = QStringLiteral("MY VAR");
    p.settings.variables[2].constName = QStringLiteral("兵数");
    p.settings.variables[3].constName = QStringLiteral("GOAL(3)");
    p.settings.variables[4].constName.clear();
    p.settings.variables[5].constName = QStringLiteral("MEMORY_6");
    p.settings.variables[7].constName = QStringLiteral("food");
    p.settings.timers[2].name = QStringLiteral("2ND");
    p.settings.startupRules[1].text.replace(QStringLiteral("sn-maximum-gold-drop-distance 20"),
                                            QStringLiteral("sn-maximum-gold-drop-distance 20.5"));
    p.settings.rootConditions[1].conditionScript =
        QStringLiteral("#load-if-defined SCANDINAVIA-MAP\r\n");

    const QString fact = QStringLiteral("0;a;k,true\r\n");
    p.CategoryAt(1).entries
        << Rule("空の条件", "(build house)        ;家を建設", "", kMarkerRoot)
        << Rule("壁", "(build house)        ;家を建設",
                "0;いずれか敵の石壁系(狭い)が1以上のとき;2\\6\\24\\1\\0,"
                "players-building-type-count any-enemy :stone-wall-line >= 1\r\n",
                kMarkerRoot)
        << Rule("名前\n改行", "(build house);家", fact, kMarkerRoot);
    p.CategoryAt(2).entries << Rule(
        "狂戦士", "(research ri-elite-berserker)    ;エリートベルセルクを研究",
        "0;x;CannotEdit,can-research-with-escrow ri-elite-berserker\r\n", kMarkerRoot);
    p.CategoryAt(3).entries
        << Group("海", "")
        << Rule("船", "(train galley)    ;ガレー船を生産します",
                "0;全軍事ユニット(海)が10以上のとき;5\\5\\10\\0,war-boat-count >= 10\r\n"
                "0;NOT;Sys_Not,not\r\n2;a;k,true\r\n2;b;k,true\r\n"
                "0;AND;Sys_And,and\r\n");
    p.CategoryAt(5).entries << Rule(
        "数",
        "(set-strategic-number sn-number-attack-groups 1.5)       ;x\r\n"
        "(set-strategic-number sn-minimum-attack-group-size +3)  ;y\r\n"
        "(set-goal 1 99999999999)        ;変数に代入",
        fact, kMarkerRoot);
    QString many;
    for (int i = 0; i < 16; ++i)
        many += fact;
    p.CategoryAt(7).entries
        << Group("命令", "#load-if-defined TINY-MAP\r\n#load-if-not-defined NOWHERE-MAP\r\n")
        << Rule("多すぎ", "(do-nothing);なにもしません", many)
        << Rule("壊れ",
                "(chat-to-all \"a);x\r\n(buy-commodity \"wood\");y\r\nsell wood;z\r\n"
                "(attack-later);w",
                "0;c;k,can-build (house\r\n");
    return p;
}

class CheckCli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(qEnvironmentVariable("RW_CLI").isEmpty()); }
    QString Save(const Project& project, const QString& name, bool asTemplate = false) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(SaveProjectFile(project, path, asTemplate).ok);
        return path;
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(CheckCli, ListsEveryProblemOfACraftedProject) {
    const CliRun r = Cli({"check", Save(Crafted(), "crafted.rwp")});
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    QFile golden(QStringLiteral(RW_TEST_DATA_DIR "/check-problems.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(r.out.toStdString(), golden.readAll().toStdString());
}

TEST_F(CheckCli, TheWorkedExampleAndAFreshProjectAreClean) {
    CliRun r = Cli({"check", Save(test::ExampleProject(), "example.rwp")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.toStdString(), "");

    // A new rule in every category, as the editor makes them.
    Workspace work;
    for (int k = 1; k <= kCategoryCount; ++k) {
        work.SwitchCategory(k);
        work.AddRule();
    }
    r = Cli({"check", Save(work.CurrentProject(), "fresh.rwp")});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.toStdString(), "");
}

TEST_F(CheckCli, NamesOfTheAiAndOfATemplate) {
    const QString example = Save(test::ExampleProject(), "example.rwp");
    EXPECT_EQ(Cli({"check", example, "--name", "mybot"}).code, 0);
    CliRun r = Cli({"check", example, "--name", "a/b"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.toStdString(), "AI名: AI名に「/」は使えません\n");

#ifndef _WIN32 // Windows itself makes no file named CON
    r = Cli({"check", Save(test::ExampleProject(), "CON.aitmp", true)});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.toStdString(), "テンプレート名: 「CON」はファイル名に使えません\n");
#endif
}

TEST_F(CheckCli, ReadsAScriptByItsContent) {
    // What build writes passes; a project saved under a script's name is
    // still read as a project.
    const QString example = Save(test::ExampleProject(), "example.rwp");
    ASSERT_EQ(Cli({"build", example, "--out", dir_.path(), "--name", "bot"}).code, 0);
    CliRun r = Cli({"check", dir_.filePath("bot.per")});
    EXPECT_EQ(r.code, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_EQ(Cli({"check", Save(test::ExampleProject(), "project.per")}).code, 0);

    QFile script(dir_.filePath("hand.per"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("(defrule\r\n  (true)\r\n=>\r\n  (train 9999)\r\n)\r\n");
    script.close();
    r = Cli({"check", script.fileName(), "--name", "a/b"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out.toStdString(), "行4: 命令「(train 9999)」のユニット「9999」はゲームにありません"
                                   "（使えるのは0～899と分類の900～961）\n"
                                   "AI名: AI名に「/」は使えません\n");
}

TEST_F(CheckCli, UsageErrors) {
    EXPECT_EQ(Cli({"check"}).code, 2);
    EXPECT_EQ(Cli({"check", "a.rwp", "b.rwp"}).code, 2);
    EXPECT_EQ(Cli({"check", "a.rwp", "--frobnicate"}).code, 2);
    const CliRun help = Cli({"check", "--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: rulewright-cli check"));
    // A file that is no project is refused like everywhere else.
    const CliRun missing = Cli({"check", dir_.filePath("missing.rwp")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.isEmpty());
}

} // namespace rw
