#include "model/Cp932System.h"

#include <windows.h>

// On Windows the system's own converter for code page 932.
namespace rw::cp932system {

QString Problem() {
    if (!IsValidCodePage(932))
        return QStringLiteral("このWindowsにはShift_JIS（コードページ932）の変換がありません。");
    return {};
}

QByteArray Encode(QStringView character) {
    char buffer[8];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS,
                                      reinterpret_cast<const wchar_t*>(character.utf16()),
                                      int(character.size()), buffer, int(sizeof buffer), nullptr,
                                      &usedDefault);
    if (n <= 0 || usedDefault)
        return {};
    return QByteArray(buffer, n);
}

QString Decode(QByteArrayView bytes) {
    wchar_t buffer[4];
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                                      buffer, 4);
    if (n <= 0)
        return {};
    return QString::fromWCharArray(buffer, n);
}

} // namespace rw::cp932system
