#include "builder/ScriptFont.h"

namespace rw {

QStringList ScriptFontFamilies() {
    // MS Gothic comes with every Japanese Windows (and with the Japanese
    // supplemental fonts of any other); BIZ UDGothic with Windows 10 and
    // later; Noto Sans Mono CJK where the user installed it (and under Wine,
    // from the host). Each family under its English and its Japanese name,
    // as Windows reports one or the other by the language of the system.
    return {QStringLiteral("MS Gothic"),   QStringLiteral("ＭＳ ゴシック"),
            QStringLiteral("BIZ UDGothic"), QStringLiteral("BIZ UDゴシック"),
            QStringLiteral("Noto Sans Mono CJK JP")};
}

} // namespace rw
