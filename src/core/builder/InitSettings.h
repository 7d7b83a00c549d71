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

// Focus-out corrections. Every box goes into the script, so only a whole
// number the script can hold stays (trimmed of blanks). The explorer count
// must not be below 0 and the precision must lie within 0 to 32767, else
// they become "1"; a distance that is no such number goes back to the value
// a new project starts with.
QString CorrectExplorerCount(const QString& text);
QString CorrectPrecision(const QString& text);
QString CorrectDistance(const QString& text, const QString& fallback);
inline const QString kDefaultWoodDistance = QStringLiteral("-1");
inline const QString kDefaultDistance = QStringLiteral("20");

} // namespace rw
