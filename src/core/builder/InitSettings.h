#pragma once

#include "model/Project.h"

#include <QString>

namespace rw {

// The values of the initialisation dialog, as its boxes hold them (texts
// stay texts: they go into the script as typed).
struct InitSettings {
    // Exploration (slot 0).
    QString explorerCount;
    bool reexplore = false;   // "あり"
    bool noReexplore = false; // "なし"
    QString precision;
    // Walls and gathering (slot 1).
    bool narrowWall = false;
    bool wideWall = false;
    bool disperse = false;
    QString woodDistance;
    QString deerDistance;
    QString goldDistance;
    QString stoneDistance;

    bool operator==(const InitSettings&) const = default;
};

// The dialog's controls loaded from slots 0 and 1.
InitSettings LoadInitSettings(const Project& project);

// "OK": both slots' texts, options and kinds made afresh from the values.
// The boxes' focus-out corrections are applied first, since confirming
// takes the focus from whichever box held it.
void ApplyInitSettings(Project& project, const InitSettings& settings);

// Focus-out corrections: anything but a number becomes "1"; the precision
// must also lie within 0 to 32767.
QString CorrectExplorerCount(const QString& text);
QString CorrectPrecision(const QString& text);

} // namespace rw
