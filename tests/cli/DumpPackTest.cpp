#include "cli/CliRun.h"
#include "core/storage/SampleProject.h"

#include "storage/ProjectFile.h"
#include "storage/ProjectJson.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rw {
namespace {

using test::Cli;
using test::CliRun;

class DumpPack : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("RW_CLI"))
            GTEST_SKIP() << "RW_CLI is not set";
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString WriteFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir dir_;
};

TEST_F(DumpPack, PackThenDumpGivesTheSameJson) {
    for (const bool asTemplate : {false, true}) {
        const QByteArray json = ProjectToJson(test::SampleProject(), asTemplate);
        const QString input = WriteFile(QStringLiteral("in.json"), json);
        const QString output = Path(asTemplate ? "out.aitmp" : "out.rwp");
        QStringList args{QStringLiteral("pack"), input, QStringLiteral("-o"), output};
        if (asTemplate)
            args << QStringLiteral("--template");
        const CliRun packed = Cli(args);
        ASSERT_EQ(packed.code, 0) << packed.Err().toStdString();

        const LoadResult loaded = LoadProjectFile(output, true);
        ASSERT_TRUE(loaded.project);
        EXPECT_EQ(loaded.isTemplate, asTemplate);
        EXPECT_EQ(*loaded.project, test::SampleProject());

        const CliRun dumped = Cli({QStringLiteral("dump"), output});
        ASSERT_EQ(dumped.code, 0) << dumped.Err().toStdString();
        EXPECT_EQ(dumped.out, json);
    }
}

TEST_F(DumpPack, RefusedInputExitsWithOneAndSaysWhere) {
    const QString typo =
        WriteFile(QStringLiteral("typo.json"),
                  ProjectToJson(InitialProject(), false)
                      .replace("\"title\": \"新しいAI\"", "\"titel\": \"新しいAI\""));
    CliRun run = Cli({QStringLiteral("pack"), typo, QStringLiteral("-o"), Path("x.rwp")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.Err().contains(QStringLiteral("unknown key \"titel\"")))
        << run.Err().toStdString();
    EXPECT_FALSE(QFile::exists(Path("x.rwp")));

    Project emoji = InitialProject();
    emoji.settings.author = QStringLiteral("\U0001F600");
    const QString unsavable = WriteFile(QStringLiteral("emoji.json"), ProjectToJson(emoji, false));
    run = Cli({QStringLiteral("pack"), unsavable, QStringLiteral("-o"), Path("y.rwp")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.Err().contains(QStringLiteral("作者"))) << run.Err().toStdString();
    EXPECT_FALSE(QFile::exists(Path("y.rwp")));

    run = Cli({QStringLiteral("dump"), Path("none.rwp")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.Err().contains(QStringLiteral("ファイルが見つかりません")));
    EXPECT_TRUE(run.out.isEmpty());

    run = Cli({QStringLiteral("dump"), typo});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.Err().contains(CorruptFileNotice().text));
}

TEST_F(DumpPack, LineBreaksInOneLineFieldsAreRefusedNamingThePlace) {
    Project p = InitialProject();
    p.CategoryAt(5).entries << NewRuleEntry(5, QStringLiteral("100"));
    p.CategoryAt(5).entries[0].chatText = QStringLiteral("hello\n(attack-now)");
    const QString input = WriteFile(QStringLiteral("in.json"), ProjectToJson(p, false));
    const CliRun run = Cli({QStringLiteral("pack"), input, QStringLiteral("-o"), Path("x.rwp")});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.Err(), input + QStringLiteral(": categories[4].entries[0].chatText: control "
                                                "character LF in a one-line field\n"));
    EXPECT_FALSE(QFile::exists(Path("x.rwp")));
}

TEST_F(DumpPack, UsageErrorsExitWithTwoAndHelpWithZero) {
    EXPECT_EQ(Cli({QStringLiteral("dump")}).code, 2);
    EXPECT_EQ(Cli({QStringLiteral("dump"), "a", "b"}).code, 2);
    EXPECT_EQ(Cli({QStringLiteral("pack"), "in.json"}).code, 2);
    EXPECT_EQ(Cli({QStringLiteral("pack"), "in.json", "-o"}).code, 2);
    EXPECT_EQ(Cli({QStringLiteral("pack"), "in.json", "-o", "x", "--frobnicate"}).code, 2);
    for (const char* command : {"dump", "pack"}) {
        const CliRun help = Cli({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(help.code, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: rulewright-cli " + QByteArray(command)));
    }
}

} // namespace
} // namespace rw
