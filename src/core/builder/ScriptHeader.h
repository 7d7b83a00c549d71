#pragma once

#include "model/Project.h"

#include <QString>

namespace rw {

// The comment block that opens every script: title and author between two
// rules of slashes.
QString ScriptHeader(const Project& project);

// One defconst per variable (1 to 40) and timer (1 to 10), then an empty
// line. Every constant is written, used or not, names as they stand.
QString ScriptConstants(const Project& project);

inline constexpr int kScriptVariables = 40;
inline constexpr int kScriptTimers = 10;

} // namespace rw
