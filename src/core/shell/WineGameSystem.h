#pragma once

#include "shell/GameSystem.h"

namespace rw {

// The game under Wine: settings come from the prefix's system.reg, drive
// letters map through its dosdevices folder, and the game runs through wine.
class WineGameSystem : public GameSystem {
public:
    explicit WineGameSystem(QString prefix, QString wineProgram = QStringLiteral("wine"));

    // WINEPREFIX when set, otherwise ~/.wine.
    static QString DefaultPrefix();

    QString ReadSetting(const QString& key, const QString& valueName) const override;
    QString LocalPath(const QString& windowsPath) const override;
    bool Start(const QString& executable, const QString& workingFolder, QString* reason) override;

private:
    QString prefix_;
    QString wineProgram_;
};

} // namespace rw
