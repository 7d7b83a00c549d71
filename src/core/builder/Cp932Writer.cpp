#include "builder/Cp932Writer.h"

#include <QStringEncoder>

#include <array>
#include <cstdint>

namespace rw {

namespace {

// Per UTF-16 unit: 0 not looked up yet, kUnwritable, a one-byte code (below
// 0x100) or a two-byte code (lead byte high).
constexpr uint16_t kUnwritable = 0xFFFF;

uint16_t Learn(char16_t unit) {
    const QChar c(unit);
    QStringEncoder encoder("CP932");
    const QByteArray bytes = encoder.encode(QStringView(&c, 1));
    if (encoder.hasError() || bytes.isEmpty() || bytes.size() > 2)
        return kUnwritable;
    if (bytes.size() == 1)
        return uint8_t(bytes[0]) == 0 ? kUnwritable : uint8_t(bytes[0]);
    return uint16_t(uint8_t(bytes[0]) << 8 | uint8_t(bytes[1]));
}

uint16_t Code(char16_t unit) {
    static std::array<uint16_t, 65536> table{};
    uint16_t& code = table[unit];
    if (code == 0)
        code = (unit >= 0xD800 && unit <= 0xDFFF) ? kUnwritable : Learn(unit);
    return code;
}

} // namespace

qsizetype AppendCp932(QStringView text, QByteArray& out) {
    const qsizetype n = text.size();
    const qsizetype start = out.size();
    // At most two bytes a character; trimmed to what was written at the end.
    out.resize(start + 2 * n);
    char* p = out.data() + start;
    const QChar* s = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = s[i].unicode();
        if (unit < 0x80) {
            *p++ = char(unit);
            continue;
        }
        const uint16_t code = Code(unit);
        if (code == kUnwritable) {
            out.resize(p - out.data());
            return i;
        }
        if (code >= 0x100)
            *p++ = char(code >> 8);
        *p++ = char(code & 0xFF);
    }
    out.resize(p - out.data());
    return -1;
}

} // namespace rw
