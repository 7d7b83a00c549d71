#include "cli/CliRun.h"
#include "core/builder/BuilderTestUtil.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

using test::Cli;
using test::CliRun;
using test::ReadFile;

class BuildPreviewCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariable("RW_CLI").isEmpty());
        project_ = dir_.filePath("example.rwp");
        ASSERT_TRUE(SaveProjectFile(test::ExampleProject(), project_, false).ok);
    }
    QTemporaryDir dir_;
    QString project_;
};

} // namespace

TEST_F(BuildPreviewCli, BuildWritesTheExampleScript) {
    const CliRun r = Cli({"build", project_, "--out", dir_.path()});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    QFile golden(QStringLiteral(RW_TEST_DATA_DIR "/example.per"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(ReadFile(dir_.filePath("mybot.per")), golden.readAll());
    EXPECT_TRUE(QFile::exists(dir_.filePath("mybot.ai")));

    EXPECT_EQ(Cli({"build", project_, "--out", dir_.path(), "--name", "other"}).code, 0);
    EXPECT_TRUE(QFile::exists(dir_.filePath("other.per")));
}

TEST_F(BuildPreviewCli, BuildSwitchesGiveTheirGoldenFiles) {
    const struct {
        const char* flag;
        const char* golden;
    } cases[] = {{"--no-header", "example-no-header.per"},
                 {"--no-comments", "example-no-comments.per"},
                 {"--debug-chat", "example-debug-chat.per"}};
    for (const auto& c : cases) {
        const CliRun r = Cli({"build", project_, "--out", dir_.path(), c.flag});
        ASSERT_EQ(r.code, 0) << c.flag << r.err.toStdString();
        EXPECT_EQ(ReadFile(dir_.filePath("mybot.per")),
                  ReadFile(QStringLiteral(RW_TEST_DATA_DIR "/") + QLatin1String(c.golden)))
            << c.flag;
    }
    const CliRun all = Cli(
        {"build", project_, "--out", dir_.path(), "--no-header", "--no-comments", "--debug-chat"});
    ASSERT_EQ(all.code, 0);
    const QByteArray bytes = ReadFile(dir_.filePath("mybot.per"));
    EXPECT_TRUE(bytes.startsWith("(defconst MEMORY_1 1)\r\n"));
    EXPECT_FALSE(bytes.contains(' ' + QByteArray("\r\n")));
    EXPECT_EQ(bytes.count("chat-local-to-self"), 2);
}

TEST_F(BuildPreviewCli, BuildRefusals) {
    const QString empty = dir_.filePath("empty.rwp");
    ASSERT_TRUE(SaveProjectFile(InitialProject(), empty, false).ok);
    CliRun r = Cli({"build", empty, "--out", dir_.path()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains("ルールが一個もありません"));
    EXPECT_FALSE(QFile::exists(dir_.filePath("mybot.per")));

    EXPECT_EQ(Cli({"build", project_, "--out", dir_.path(), "--name", "../x"}).code, 1);
    EXPECT_EQ(Cli({"build", project_, "--out", dir_.filePath("missing")}).code, 1);
    EXPECT_EQ(Cli({"build", dir_.filePath("nothing.rwp"), "--out", dir_.path()}).code, 1);
    EXPECT_EQ(Cli({"build", project_}).code, 2);
    EXPECT_EQ(Cli({"build", project_, "--out"}).code, 2);
    EXPECT_EQ(Cli({"build", "--help"}).code, 0);
}

TEST_F(BuildPreviewCli, PreviewOfGroupRuleAndRoot) {
    CliRun r = Cli({"preview", project_, "--category", "5", "--position", "2"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = QString::fromUtf8(r.out);
    EXPECT_TRUE(text.startsWith("#load-if-defined TINY-MAP\r\n(defrule"));
    EXPECT_TRUE(text.endsWith(")\r\n#end-if\r\n"));
    // the 53-byte command raises the column from 30 to 57
    EXPECT_TRUE(text.contains("    (attack-now)" + QString(57 - 16, ' ') + ";攻撃する\r\n"));

    r = Cli({"preview", project_, "--category", "1", "--position", "2"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(QString::fromUtf8(r.out).startsWith("(defrule" + QString(22, ' ') + ";■家\r\n"));

    r = Cli({"preview", project_, "--category", "5"}); // the root: no root rules
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.isEmpty());

    EXPECT_EQ(Cli({"preview", project_, "--category", "5", "--position", "9"}).code, 1);
    EXPECT_EQ(Cli({"preview", project_, "--category", "8"}).code, 2);
    EXPECT_EQ(Cli({"preview", project_}).code, 2);
    EXPECT_EQ(Cli({"preview", "--help"}).code, 0);
}

// The check's findings reach the author of a build, as warnings; --strict
// makes them refusals.
TEST_F(BuildPreviewCli, BuildWarnsOfTheChecksFindingsAndStrictRefuses) {
    Project p = test::ExampleProject();
    p.CategoryAt(1).entries[0].actions = QStringLiteral("(build house) house ;家");
    const QString path = dir_.filePath("warned.rwp");
    ASSERT_TRUE(SaveProjectFile(p, path, false).ok);
    const QString warning =
        QStringLiteral("警告: 建物/") + p.RootCaption(1) +
        QStringLiteral("/家: イベントの行「(build house) house ;家」の「house」は"
                       "書き出されません\n");

    CliRun r = Cli({"build", path, "--out", dir_.path(), "--name", "warned"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.Err(), warning);
    EXPECT_TRUE(QFile::exists(dir_.filePath("warned.per")));

    r = Cli({"build", path, "--out", dir_.path(), "--name", "strict", "--strict"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.Err().endsWith(QStringLiteral("問題が1件あるため書き出しませんでした\n")))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir_.filePath("strict.per")));
    EXPECT_FALSE(QFile::exists(dir_.filePath("strict.ai")));

    EXPECT_EQ(Cli({"build", project_, "--out", dir_.path(), "--strict"}).code, 0);
}

// POSIX devices and a POSIX shell.
#ifndef _WIN32
// Output that could not be written was reported as success.
TEST_F(BuildPreviewCli, OutputThatCannotBeWrittenFailsNamingIt) {
    const QString cli = qEnvironmentVariable("RW_CLI");
    for (const QStringList& args :
         {QStringList{"dump", project_},
          QStringList{"preview", project_, "--category", "1", "--position", "2"}}) {
        for (const char* redirect : {">/dev/full", ">&-"}) {
            QProcess sh;
            sh.start("sh",
                     QStringList{"-c",
                                 QStringLiteral("\"$0\" \"$@\" %1").arg(QLatin1String(redirect)),
                                 cli} +
                         args);
            ASSERT_TRUE(sh.waitForFinished(60000));
            EXPECT_EQ(sh.exitCode(), 1) << redirect;
            EXPECT_TRUE(QString::fromUtf8(sh.readAllStandardError())
                            .startsWith(QStringLiteral("標準出力に書き込めませんでした: ")))
                << redirect;
        }
    }
}

// Devices and pipes were read without end.
TEST_F(BuildPreviewCli, OnlyRegularFilesAreRead) {
    for (const char* command : {"dump", "check"}) {
        const CliRun r = Cli({command, "/dev/zero"});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.Err().contains(QStringLiteral("通常のファイルではありません"))) << command;
    }
    const CliRun r = Cli({"pack", "/dev/zero", "-o", dir_.filePath("x.rwp")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.Err(), QStringLiteral("/dev/zero: 通常のファイルではありません\n"));
}
#endif
