#pragma once

#include <QStringList>

namespace rw {

// The font families the script preview asks for, best first, of this system
// (ScriptFontLinux.cpp, ScriptFontWindows.cpp). Each draws a double-byte
// character of code page 932 exactly two single-byte cells wide, as the
// script counts it when it lines the comments up; the system's own fixed
// font comes after them as the last resort.
QStringList ScriptFontFamilies();

} // namespace rw
