#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace rw {

// What the program needs from the system the game is installed on: its
// settings store, a way to reach the game's Windows paths, and a way to start
// a program. One implementation per platform; tests use the Wine one over a
// fake prefix.
class GameSystem {
public:
    virtual ~GameSystem() = default;

    // A string value under HKEY_LOCAL_MACHINE\<key>; the empty string when the
    // key or the value cannot be read.
    virtual QString ReadSetting(const QString& key, const QString& valueName) const = 0;

    // The path under which this program can open the Windows path the game
    // recorded; the empty string when it cannot be reached.
    virtual QString LocalPath(const QString& windowsPath) const = 0;

    // Starts the executable (a local path) in the working folder. False with
    // a reason when the system refused.
    virtual bool Start(const QString& executable, const QString& workingFolder,
                       QString* reason) = 0;
};

// The implementation for the platform the program was built for.
std::unique_ptr<GameSystem> MakeGameSystem();

} // namespace rw
