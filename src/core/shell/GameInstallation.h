#pragma once

#include "model/Notice.h"
#include "shell/GameSystem.h"

namespace rw {

// The installed Age of Empires II: The Conquerors, as the game records itself
// in the system's settings store.
class GameInstallation {
public:
    static const QString kGameKey;
    static const QString kCurrentDirectory;
    static const QString kPath;
    static const QString kExecutable;
    // The game's buffer: a value of this many bytes or more (with its NUL)
    // cannot be read.
    static constexpr int kSettingBufferBytes = 1024;

    explicit GameInstallation(GameSystem& system) : system_(system) {}

    // A value of the game's key, as the game's own reader sees it: up to the
    // first NUL, and empty when it does not fit the buffer.
    QString ReadSetting(const QString& valueName) const;

    // "CurrentDirectory" followed by "\AI\" as a local path ending in the
    // separator; empty when the value is empty or cannot be reached.
    QString AiFolder() const;

    // The Windows form of the AI folder, as the game would write it.
    QString AiFolderWindows() const;

    // Starts age2_x1.exe in the "Path" folder. An empty notice on success;
    // otherwise what to tell the user.
    Notice Launch();

private:
    GameSystem& system_;
};

} // namespace rw
