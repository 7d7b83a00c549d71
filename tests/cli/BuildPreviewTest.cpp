#include "cli/CliRun.h"
#include "core/builder/BuilderTestUtil.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"

#include <QFile>
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
