#pragma once

#include "shell/GameSystem.h"

namespace rw {

// The game on Windows: the registry's 32-bit view and the shell's Open verb.
class WindowsGameSystem : public GameSystem {
public:
    QString ReadSetting(const QString& key, const QString& valueName) const override;
    QString LocalPath(const QString& windowsPath) const override { return windowsPath; }
    bool Start(const QString& executable, const QString& workingFolder, QString* reason) override;
};

} // namespace rw
