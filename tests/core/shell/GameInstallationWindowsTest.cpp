#include "core/builder/BuilderTestUtil.h"

#include "builder/OutputFiles.h"
#include "shell/GameInstallation.h"
#include "shell/WindowsGameSystem.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace rw {
namespace {

const QString kKey = QStringLiteral("HKLM\\") + GameInstallation::kGameKey;

// Runs reg.exe on the registry's 32-bit view, where the game's installer
// writes; false when it refused (a Windows user without the right).
bool Reg(const QStringList& arguments) {
    QProcess reg;
    reg.start(QStringLiteral("reg"), arguments + QStringList{QStringLiteral("/reg:32")});
    return reg.waitForFinished(30000) && reg.exitStatus() == QProcess::NormalExit &&
           reg.exitCode() == 0;
}

// The game's key for one test, removed again after it.
class GameKey : public ::testing::Test {
protected:
    void SetUp() override {
        Reg({QStringLiteral("delete"), kKey, QStringLiteral("/f")});
        game_ = QDir::toNativeSeparators(dir_.path() + QStringLiteral("/Age of Empires II ゲーム"));
        QDir().mkpath(game_ + QStringLiteral("\\AI"));
    }
    void TearDown() override { Reg({QStringLiteral("delete"), kKey, QStringLiteral("/f")}); }

    bool SetValue(const QString& name, const QString& value) {
        return Reg({QStringLiteral("add"), kKey, QStringLiteral("/v"), name, QStringLiteral("/t"),
                    QStringLiteral("REG_SZ"), QStringLiteral("/d"), value, QStringLiteral("/f")});
    }

    QTemporaryDir dir_;
    QString game_;
    WindowsGameSystem system_;
};

TEST_F(GameKey, FindsTheAiFolderAndWritesTheScriptThere) {
    if (!SetValue(GameInstallation::kCurrentDirectory, game_))
        GTEST_SKIP() << "the registry cannot be written here";
    GameInstallation game(system_);
    EXPECT_EQ(game.AiFolder(), game_ + QStringLiteral("\\AI\\"));

    const OutputResult written =
        WriteAiFiles(test::ExampleProject(), game.AiFolder(), QStringLiteral("ボット"));
    ASSERT_TRUE(written.Ok()) << written.notice.text.toStdString();
    EXPECT_TRUE(QFile::exists(game_ + QStringLiteral("\\AI\\ボット.per")));
    EXPECT_TRUE(QFile::exists(game_ + QStringLiteral("\\AI\\ボット.ai")));
}

TEST_F(GameKey, ValuesThatDoNotFitTheGamesBufferAreNotRead) {
    // 1024 bytes and the NUL do not fit the game's buffer of 1024.
    if (!SetValue(GameInstallation::kCurrentDirectory, QString(1024, QLatin1Char('x'))))
        GTEST_SKIP() << "the registry cannot be written here";
    GameInstallation game(system_);
    EXPECT_TRUE(game.AiFolder().isEmpty());
    ASSERT_TRUE(SetValue(GameInstallation::kCurrentDirectory, QString(1023, QLatin1Char('x'))));
    EXPECT_EQ(game.ReadSetting(GameInstallation::kCurrentDirectory).size(), 1023);
}

TEST_F(GameKey, LaunchStartsTheGameInItsFolder) {
    GameInstallation game(system_);
    EXPECT_EQ(game.Launch().text, QStringLiteral("AOCのインストール先が見つかりませんでした"));
    if (!SetValue(GameInstallation::kPath, game_))
        GTEST_SKIP() << "the registry cannot be written here";
    EXPECT_TRUE(game.Launch().text.startsWith(QStringLiteral("AOCの実行ファイルが見つかりませんでした")));

    const QString exe = game_ + QStringLiteral("\\age2_x1.exe");
    ASSERT_TRUE(QFile::copy(QStringLiteral(RW_STAND_IN_GAME), exe));
    EXPECT_EQ(game.Launch(), Notice());
    QFile started(game_ + QStringLiteral("\\started"));
    QElapsedTimer clock;
    clock.start();
    while (!(started.exists() && started.size() > 0) && clock.elapsed() < 20000)
        QThread::msleep(50);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    const QByteArray bytes = started.readAll();
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                                            bytes.size() / 2);
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << text.toStdString();
    EXPECT_EQ(lines[0].toLower(), exe.toLower());
    EXPECT_EQ(QDir::cleanPath(lines[1]).toLower(), QDir::cleanPath(game_).toLower());
}

} // namespace
} // namespace rw
