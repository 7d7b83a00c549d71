#include "BuilderTestUtil.h"
#include "core/storage/FullDisk.h"

#include "builder/OutputFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace rw;
using rw::test::ExampleProject;

namespace {

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(OutputFiles, WritesEmptyAiAndThePerScript) {
    QTemporaryDir dir;
    const OutputResult r = WriteAiFiles(ExampleProject(), dir.path() + "/", "mybot");
    ASSERT_TRUE(r.Ok()) << r.notice.text.toStdString();
    EXPECT_EQ(r.aiPath, dir.filePath("mybot.ai"));
    EXPECT_EQ(Read(dir.filePath("mybot.ai")), QByteArray());
    EXPECT_EQ(Read(dir.filePath("mybot.per")), ZuzAdidodi(ExampleProject()).bytes);
}

TEST(OutputFiles, RebuildReplacesPerAndKeepsExistingAi) {
    QTemporaryDir dir;
    Write(dir.filePath("mybot.ai"), "mine");
    Write(dir.filePath("mybot.per"), "old script that is longer than nothing");
    ASSERT_TRUE(WriteAiFiles(ExampleProject(), dir.path(), "mybot").Ok());
    EXPECT_EQ(Read(dir.filePath("mybot.ai")), "mine");
    EXPECT_EQ(Read(dir.filePath("mybot.per")), ZuzAdidodi(ExampleProject()).bytes);
}

TEST(OutputFiles, NoRulesLeavesTheFolderAlone) {
    QTemporaryDir dir;
    Write(dir.filePath("mybot.per"), "old");
    const OutputResult r = WriteAiFiles(InitialProject(), dir.path(), "mybot");
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.notice.text, "ルールが一個もありません");
    EXPECT_EQ(Read(dir.filePath("mybot.per")), "old");
    EXPECT_FALSE(QFile::exists(dir.filePath("mybot.ai")));
}

TEST(OutputFiles, RefusesNamesThatAreNotPlainFileNames) {
    QTemporaryDir dir;
    for (const char* name : {"", " ", "../x", "a/b", "a\\b", "..", "bot?", "a:b", "NUL", "con",
                             "bot.", "tab\there", "CON.x", "nul.bot", "COM¹"}) {
        const OutputResult r = WriteAiFiles(ExampleProject(), dir.path(), QString::fromUtf8(name));
        EXPECT_FALSE(r.Ok()) << name;
        EXPECT_EQ(r.notice.icon, Notice::Icon::Warning) << name;
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    QDir up(dir.path());
    up.cdUp();
    EXPECT_FALSE(QFile::exists(up.filePath("x.per")));
    EXPECT_TRUE(CheckAiName("日本語のAI v1.0").IsEmpty());

    // A script path the game could not open is refused before anything is written.
    const QString deep = dir.path() + "/" + QString(245 - dir.path().size(), QLatin1Char('d'));
    ASSERT_TRUE(QDir().mkpath(deep));
    const OutputResult tooLong = WriteAiFiles(ExampleProject(), deep, "bot0123456");
    EXPECT_TRUE(tooLong.notice.text.startsWith("出力先のパスが長すぎます（259文字まで）"));
    EXPECT_TRUE(QDir(deep).isEmpty());
    EXPECT_TRUE(WriteAiFiles(ExampleProject(), deep, "bot012").Ok());
}

TEST(OutputFiles, WriteFailuresAreReportedWithThePath) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("nowhere");
    OutputResult r = WriteAiFiles(ExampleProject(), missing, "mybot");
    EXPECT_FALSE(r.Ok());
    EXPECT_TRUE(r.notice.text.contains(QDir::toNativeSeparators(missing)));

    // a folder standing where the script should go cannot be replaced
    ASSERT_TRUE(QDir(dir.path()).mkdir("mybot.per"));
    r = WriteAiFiles(ExampleProject(), dir.path(), "mybot");
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.notice.icon, Notice::Icon::Critical);
    EXPECT_TRUE(r.notice.text.contains(QDir::toNativeSeparators(dir.filePath("mybot.per"))))
        << r.notice.text.toStdString();
}

// A folder named like the .ai passed for the file: success, and no AI.
TEST(OutputFiles, AFolderWhereTheAiGoesIsReportedAndNothingWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("bot.ai"));
    const OutputResult r = WriteAiFiles(ExampleProject(), dir.path(), "bot");
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.notice.text,
              QStringLiteral("ファイルを書き込めませんでした\n%1\n同じ名前のフォルダがあります")
                  .arg(QDir::toNativeSeparators(dir.filePath("bot.ai"))));
    EXPECT_FALSE(QFile::exists(dir.filePath("bot.per")));
}

// The game opens scripts by names in code page 932; the message is that of
// any other character a name cannot hold.
TEST(OutputFiles, RefusesNamesOutsideTheCodePage) {
    for (const QString& bad : {QStringLiteral("😀"), QStringLiteral("한"), QStringLiteral("¥")}) {
        EXPECT_EQ(CheckAiName(QStringLiteral("bot") + bad).text,
                  QStringLiteral("AI名に「%1」は使えません").arg(bad));
    }
    EXPECT_EQ(CheckAiName(QStringLiteral("bot") + QChar(0x7F)).text,
              QStringLiteral("AI名に制御文字は使えません"));
}

TEST(OutputFiles, ACancelledBuildWritesNothing) {
    QTemporaryDir dir;
    Write(dir.filePath("mybot.per"), "old");
    int rules = 0;
    BuildProgress progress;
    progress.rule = [&](int, int, const QString&) { ++rules; };
    progress.cancelled = [&] { return rules == 1; }; // stops before the second rule
    const OutputResult r = WriteAiFiles(ExampleProject(), dir.path(), "mybot", progress);
    EXPECT_FALSE(r.Ok());
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.notice.IsEmpty());
    EXPECT_EQ(rules, 1);
    EXPECT_EQ(Read(dir.filePath("mybot.per")), "old");
    EXPECT_FALSE(QFile::exists(dir.filePath("mybot.ai")));
}

// A script of more than a megabyte reaches the file in pieces: whole when
// built, and when a late rule is refused the old script stays and no
// temporary file is left.
TEST(OutputFiles, ALargeScriptIsWholeOrNotWrittenAtAll) {
    QTemporaryDir dir;
    Project p = test::RootProject(1000);
    ASSERT_TRUE(WriteAiFiles(p, dir.path(), "mybot").Ok());
    const QByteArray whole = ZuzAdidodi(p).bytes;
    ASSERT_GT(whole.size(), 1 << 20);
    EXPECT_EQ(Read(dir.filePath("mybot.per")), whole);

    p.CategoryAt(1).entries.last().title += QChar(0x7F);
    EXPECT_FALSE(WriteAiFiles(p, dir.path(), "mybot").Ok());
    EXPECT_EQ(Read(dir.filePath("mybot.per")), whole);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"mybot.ai", "mybot.per"}));
}

// On a disk that takes no more bytes the old script stays whole, and no .ai
// is left behind that would make the game list an AI without a script.
TEST(OutputFiles, FullDiskKeepsTheOldScriptAndMakesNoAi) {
    if (!test::kCanFillDisk)
        GTEST_SKIP() << "no way to fill a disk here";
    QTemporaryDir dir;
    const QString per = dir.filePath("mybot.per");
    for (const bool hadScript : {false, true}) {
        if (hadScript)
            Write(per, "old script");
        const test::ChildReport report = test::WriteOnFullDisk(0, [&] {
            const OutputResult r = WriteAiFiles(ExampleProject(), dir.path(), "mybot");
            return std::make_pair(r.Ok(), r.notice.text);
        });
        ASSERT_TRUE(report.finished);
        EXPECT_FALSE(report.ok);
        EXPECT_TRUE(report.text.contains(QDir::toNativeSeparators(per)))
            << report.text.toStdString();
        EXPECT_TRUE(report.text.endsWith(QStringLiteral("ディスクの空き容量が足りません（") +
                                         QString::fromLocal8Bit(std::strerror(EFBIG)) +
                                         QStringLiteral("）")))
            << report.text.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("mybot.ai")));
        EXPECT_EQ(Read(per), hadScript ? QByteArray("old script") : QByteArray("<missing>"));
    }
}

// The user's own output folder: the one chosen last while it is there, the
// program's folder only where the program keeps its files beside itself.
TEST(OutputFiles, DefaultOutputFolder) {
    QTemporaryDir dir;
    const QString program = dir.filePath("bin");
    const QString documents = dir.filePath("Documents");
    const QString chosen = dir.path();
    EXPECT_EQ(DefaultOutputFolder({}, program, true, false, documents), program);
    EXPECT_EQ(DefaultOutputFolder({}, program, false, false, documents), documents);
    EXPECT_EQ(DefaultOutputFolder({}, program, true, true, documents), documents);
    EXPECT_EQ(DefaultOutputFolder({}, program, false, true, QString()), program);
    EXPECT_EQ(DefaultOutputFolder(chosen, program, false, true, documents), chosen);
    EXPECT_EQ(DefaultOutputFolder(dir.filePath("gone"), program, false, true, documents),
              documents);
}
