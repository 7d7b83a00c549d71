#pragma once

#include <QString>
#include <QStringView>

namespace rw {

// Reading of Wine's text registry files (system.reg and friends). Only what
// the program needs: string values of one key.
namespace WineRegistry {

// The string value `valueName` of `key` (written with single back-slashes,
// relative to the file's root) in the registry text. Key and value names
// compare without regard to case. `found` tells an empty value from a missing
// one; values of other types than strings count as missing.
QString ReadString(QStringView registryText, QStringView key, QStringView valueName,
                   bool* found = nullptr);

// A quoted string of the file with its escapes resolved; `text` starts just
// after the opening quote. `consumed` receives the length read including the
// closing quote.
QString UnescapeString(QStringView text, qsizetype* consumed = nullptr);

} // namespace WineRegistry

} // namespace rw
