#include "shell/GameInstallation.h"
#include "shell/WineGameSystem.h"
#include "shell/WineRegistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace rw {
namespace {

// A Wine prefix on disk with a system.reg of our own and drive C: mapped
// through dosdevices, as wineboot leaves it.
class FakePrefix {
public:
    FakePrefix() {
        QDir(dir_.path()).mkpath(QStringLiteral("drive_c"));
        QDir(dir_.path()).mkpath(QStringLiteral("dosdevices"));
        QFile::link(QStringLiteral("../drive_c"), Path() + QStringLiteral("/dosdevices/c:"));
    }

    QString Path() const { return dir_.path(); }
    QString DriveC() const { return dir_.path() + QStringLiteral("/drive_c"); }

    void WriteRegistry(const QString& body) {
        QFile file(Path() + QStringLiteral("/system.reg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n");
        file.write(body.toUtf8());
    }

    // The game's key (optionally in the 32-bit view) with the given value lines.
    void WriteGameKey(const QString& values, bool wow6432 = false) {
        const QString key = wow6432 ? QStringLiteral("Software\\\\Wow6432Node\\\\Microsoft")
                                    : QStringLiteral("Software\\\\Microsoft");
        WriteRegistry(
            QStringLiteral("[Software\\\\Classes\\\\.txt] 1700000000\n@=\"txtfile\"\n\n[") + key +
            QStringLiteral("\\\\DirectPlay\\\\Applications\\\\Age of Empires II - The "
                           "Conquerors Expansion] 1700000000\n#time=1da0c8b2f1e4a00\n") +
            values +
            QStringLiteral("\n[Software\\\\Other] 1700000000\n\"Path\"=\"C:\\\\elsewhere\"\n"));
    }

    void MakeGameFolder() {
        QDir(DriveC()).mkpath(QStringLiteral("Program Files/Microsoft Games/Age of Empires II"));
        QFile exe(DriveC() +
                  QStringLiteral("/Program Files/Microsoft Games/Age of Empires II/age2_x1.exe"));
        ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir dir_;
};

const QString kGameDir =
    QStringLiteral("C:\\\\Program Files\\\\Microsoft Games\\\\Age of Empires II");

TEST(GameInstallation, AiFolderMapsThroughDosdevicesIgnoringCase) {
    FakePrefix prefix;
    prefix.MakeGameFolder();
    prefix.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=\"C:\\\\PROGRAM FILES\\\\microsoft "
                                       "games\\\\Age of Empires II\"\n"));
    WineGameSystem system(prefix.Path());
    GameInstallation game(system);
    EXPECT_EQ(game.AiFolderWindows(),
              QStringLiteral("C:\\PROGRAM FILES\\microsoft games\\Age of Empires II\\AI\\"));
    // The AI folder itself need not exist yet: its name is kept as recorded.
    const QString canonicalC = QFileInfo(prefix.DriveC()).canonicalFilePath();
    EXPECT_EQ(game.AiFolder(),
              canonicalC + QStringLiteral("/Program Files/Microsoft Games/Age of Empires II/AI/"));
}

TEST(GameInstallation, ThirtyTwoBitViewComesFirst) {
    FakePrefix prefix;
    prefix.WriteRegistry(QStringLiteral(
        "[Software\\\\Microsoft\\\\DirectPlay\\\\Applications\\\\Age of Empires II - "
        "The Conquerors Expansion] 1\n\"CurrentDirectory\"=\"C:\\\\native\"\n\n"
        "[Software\\\\Wow6432Node\\\\Microsoft\\\\DirectPlay\\\\Applications\\\\Age of "
        "Empires II - The Conquerors Expansion] 1\n\"CurrentDirectory\"=\"C:\\\\wow\"\n"));
    WineGameSystem system(prefix.Path());
    EXPECT_EQ(GameInstallation(system).AiFolderWindows(), QStringLiteral("C:\\wow\\AI\\"));

    // A 32-bit prefix has no Wow6432Node: the plain key is the game's.
    FakePrefix plain;
    plain.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=\"C:\\\\native\"\n"));
    WineGameSystem plainSystem(plain.Path());
    EXPECT_EQ(GameInstallation(plainSystem).AiFolderWindows(), QStringLiteral("C:\\native\\AI\\"));
}

TEST(GameInstallation, NothingToReadGivesEmptyFolders) {
    FakePrefix prefix;
    WineGameSystem system(prefix.Path());
    GameInstallation game(system);
    EXPECT_EQ(game.AiFolder(), QString()); // no system.reg at all

    prefix.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=\"\"\n"));
    EXPECT_EQ(game.AiFolderWindows(), QString()); // not "\AI\"
    EXPECT_EQ(game.AiFolder(), QString());

    prefix.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=dword:00000001\n"));
    EXPECT_EQ(game.AiFolderWindows(), QString());

    // A drive the prefix does not map cannot be reached.
    prefix.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=\"D:\\\\Games\\\\AOC\"\n"));
    EXPECT_EQ(game.AiFolderWindows(), QStringLiteral("D:\\Games\\AOC\\AI\\"));
    EXPECT_EQ(game.AiFolder(), QString());
}

TEST(GameInstallation, ValueMustFitTheBufferWithItsNul) {
    FakePrefix prefix;
    WineGameSystem system(prefix.Path());
    GameInstallation game(system);
    // Each あ is two bytes in the game's code page.
    const QString fits =
        QStringLiteral("C:\\\\") + QString(509, QChar(0x3042)) + QStringLiteral("ab");
    prefix.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=\"") + fits + QStringLiteral("\"\n"));
    EXPECT_EQ(game.ReadSetting(GameInstallation::kCurrentDirectory).size(),
              3 + 509 + 2); // 1023 bytes

    const QString tooLong =
        QStringLiteral("C:\\\\") + QString(509, QChar(0x3042)) + QStringLiteral("abc");
    prefix.WriteGameKey(QStringLiteral("\"CurrentDirectory\"=\"") + tooLong +
                        QStringLiteral("\"\n"));
    EXPECT_EQ(game.ReadSetting(GameInstallation::kCurrentDirectory), QString());
    EXPECT_EQ(game.AiFolder(), QString());
}

TEST(GameInstallation, TextEndsAtTheFirstNul) {
    FakePrefix prefix;
    prefix.WriteGameKey(QStringLiteral("\"Path\"=\"C:\\\\AOC\\0junk\"\n"));
    WineGameSystem system(prefix.Path());
    EXPECT_EQ(GameInstallation(system).ReadSetting(GameInstallation::kPath),
              QStringLiteral("C:\\AOC"));
}

struct EscapeCase {
    const char16_t* stored; // as written in system.reg, after the opening quote
    const char16_t* text;
    qsizetype consumed;
};

class WineRegistryEscapes : public testing::TestWithParam<EscapeCase> {};

TEST_P(WineRegistryEscapes, Unescape) {
    qsizetype consumed = -1;
    const QString stored = QString::fromUtf16(GetParam().stored);
    EXPECT_EQ(WineRegistry::UnescapeString(stored, &consumed), QString::fromUtf16(GetParam().text));
    EXPECT_EQ(consumed, GetParam().consumed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WineRegistryEscapes,
    testing::Values(EscapeCase{u"C:\\\\Games\"", u"C:\\Games", 10},
                    EscapeCase{u"say \\\"hi\\\"\" trailing", u"say \"hi\"", 11},
                    EscapeCase{u"\\x30b2\\x30fc\\x30e0\"", u"ゲーム", 19},
                    EscapeCase{u"\\x41B\"", u"\u041b", 6}, // at most four hex digits are taken
                    EscapeCase{u"tab\\there\"", u"tab\there", 10},
                    EscapeCase{u"\\101\\102\"", u"AB", 9},
                    EscapeCase{u"unterminated", u"unterminated", 12}));

TEST(WineRegistry, KeysAndNamesIgnoreCaseAndSubkeysAreSeparate) {
    const QString text = QStringLiteral("[Software\\\\Game] 1\n\"Name\"=\"outer\"\n"
                                        "[Software\\\\Game\\\\Sub] 1\n\"Inner\"=\"x\"\n"
                                        "\"Expand\"=str(2):\"%WINDIR%\"\n");
    bool found = false;
    EXPECT_EQ(WineRegistry::ReadString(text, u"SOFTWARE\\game", u"name", &found),
              QStringLiteral("outer"));
    EXPECT_TRUE(found);
    EXPECT_EQ(WineRegistry::ReadString(text, u"Software\\Game", u"Inner", &found), QString());
    EXPECT_FALSE(found);
    EXPECT_EQ(WineRegistry::ReadString(text, u"Software\\Game\\Sub", u"Expand"),
              QStringLiteral("%WINDIR%"));
}

// A stand-in for wine that records how it was started.
QString WriteFakeWine(const QString& folder) {
    const QString script = folder + QStringLiteral("/fake-wine");
    QFile file(script);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\nprintf '%s\\n%s\\n%s\\n' \"$1\" \"$(pwd)\" \"$WINEPREFIX\" > "
               "\"$WINEPREFIX/started.tmp\"\n"
               "mv \"$WINEPREFIX/started.tmp\" \"$WINEPREFIX/started\"\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

TEST(GameInstallation, LaunchStartsTheGameWithWineInItsFolder) {
    FakePrefix prefix;
    prefix.MakeGameFolder();
    prefix.WriteGameKey(QStringLiteral("\"Path\"=\"") + kGameDir + QStringLiteral("\"\n"));
    QTemporaryDir bin;
    WineGameSystem system(prefix.Path(), WriteFakeWine(bin.path()));
    GameInstallation game(system);
    EXPECT_EQ(game.Launch(), Notice());

    QFile started(prefix.Path() + QStringLiteral("/started"));
    QElapsedTimer clock;
    clock.start();
    while (!started.exists() && clock.elapsed() < 10000)
        QThread::msleep(20);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    const QString folder = QFileInfo(prefix.DriveC()).canonicalFilePath() +
                           QStringLiteral("/Program Files/Microsoft Games/Age of Empires II");
    EXPECT_EQ(QString::fromUtf8(started.readAll()),
              folder + QStringLiteral("/age2_x1.exe\n") + folder + u'\n' + prefix.Path() + u'\n');
}

TEST(GameInstallation, LaunchFailuresAreReported) {
    FakePrefix prefix;
    WineGameSystem system(prefix.Path(), QStringLiteral("/nonexistent/wine"));
    GameInstallation game(system);

    const Notice notInstalled = game.Launch();
    EXPECT_FALSE(notInstalled.IsEmpty());
    EXPECT_EQ(notInstalled.title, QStringLiteral("AOCの起動"));
    EXPECT_EQ(notInstalled.icon, Notice::Icon::Warning);

    // Recorded, but the executable is not there.
    prefix.WriteGameKey(QStringLiteral("\"Path\"=\"") + kGameDir + QStringLiteral("\"\n"));
    const Notice noExecutable = game.Launch();
    EXPECT_TRUE(noExecutable.text.contains(QStringLiteral("age2_x1.exe")))
        << noExecutable.text.toStdString();

    // Everything in place, but wine cannot be started.
    prefix.MakeGameFolder();
    const Notice noWine = game.Launch();
    EXPECT_FALSE(noWine.IsEmpty());
    EXPECT_NE(noWine, noExecutable);
}

} // namespace
} // namespace rw
