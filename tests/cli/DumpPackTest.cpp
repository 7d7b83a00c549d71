#include "core/storage/SampleProject.h"

#include "storage/ProjectFile.h"
#include "storage/ProjectJson.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace rw {
namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CliRun Cli(const QStringList& args) {
    QProcess process;
    process.start(QString::fromLocal8Bit(qgetenv("RW_CLI")), args);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

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
        ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();

        const LoadResult loaded = LoadProjectFile(output, true);
        ASSERT_TRUE(loaded.project);
        EXPECT_EQ(loaded.isTemplate, asTemplate);
        EXPECT_EQ(*loaded.project, test::SampleProject());

        const CliRun dumped = Cli({QStringLiteral("dump"), output});
        ASSERT_EQ(dumped.exitCode, 0) << dumped.err.toStdString();
        EXPECT_EQ(dumped.out, json);
    }
}

TEST_F(DumpPack, RefusedInputExitsWithOneAndSaysWhere) {
    const QString typo =
        WriteFile(QStringLiteral("typo.json"),
                  ProjectToJson(InitialProject(), false)
                      .replace("\"title\": \"新しいAI\"", "\"titel\": \"新しいAI\""));
    CliRun run = Cli({QStringLiteral("pack"), typo, QStringLiteral("-o"), Path("x.rwp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("unknown key \"titel\""))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("x.rwp")));

    Project emoji = InitialProject();
    emoji.author = QStringLiteral("\U0001F600");
    const QString unsavable = WriteFile(QStringLiteral("emoji.json"), ProjectToJson(emoji, false));
    run = Cli({QStringLiteral("pack"), unsavable, QStringLiteral("-o"), Path("y.rwp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("作者"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("y.rwp")));

    run = Cli({QStringLiteral("dump"), Path("none.rwp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("ファイルが見つかりません")));
    EXPECT_TRUE(run.out.isEmpty());

    run = Cli({QStringLiteral("dump"), typo});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(CorruptFileNotice().text));
}

TEST_F(DumpPack, LineBreaksInOneLineFieldsAreRefusedNamingThePlace) {
    Project p = InitialProject();
    p.CategoryAt(5).entries << NewRuleEntry(5, QStringLiteral("100"));
    p.CategoryAt(5).entries[0].chatText = QStringLiteral("hello\n(attack-now)");
    const QString input = WriteFile(QStringLiteral("in.json"), ProjectToJson(p, false));
    const CliRun run = Cli({QStringLiteral("pack"), input, QStringLiteral("-o"), Path("x.rwp")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, input + QStringLiteral(": categories[4].entries[0].chatText: control "
                                              "character LF in a one-line field\n"));
    EXPECT_FALSE(QFile::exists(Path("x.rwp")));
}

TEST_F(DumpPack, UsageErrorsExitWithTwoAndHelpWithZero) {
    EXPECT_EQ(Cli({QStringLiteral("dump")}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("dump"), "a", "b"}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("pack"), "in.json"}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("pack"), "in.json", "-o"}).exitCode, 2);
    EXPECT_EQ(Cli({QStringLiteral("pack"), "in.json", "-o", "x", "--frobnicate"}).exitCode, 2);
    for (const char* command : {"dump", "pack"}) {
        const CliRun help = Cli({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: rulewright-cli " + QByteArray(command)));
    }
}

} // namespace
} // namespace rw
