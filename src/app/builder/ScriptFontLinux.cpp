#include "builder/ScriptFont.h"

namespace rw {

QStringList ScriptFontFamilies() {
    // Noto Sans Mono CJK (fonts-noto-cjk) draws its Japanese characters two
    // cells wide; common fixed fonts fall back to proportional glyphs for them.
    return {QStringLiteral("Noto Sans Mono CJK JP")};
}

} // namespace rw
