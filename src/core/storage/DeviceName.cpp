#include "storage/DeviceName.h"

#include <QString>

namespace rw {

namespace {

bool IsPortDigit(QChar c) {
    // Windows counts the superscript digits one to three as port numbers too.
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(0x00B9) ||
           c == QChar(0x00B2) || c == QChar(0x00B3);
}

} // namespace

bool IsDeviceName(QStringView fileName) {
    QStringView stem = fileName;
    const qsizetype dot = stem.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        stem = stem.left(dot);
    while (!stem.isEmpty() && stem.back() == QLatin1Char(' '))
        stem.chop(1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (stem.compare(QLatin1String(device), Qt::CaseInsensitive) == 0)
            return true;
    if (stem.size() != 4 || !IsPortDigit(stem[3]))
        return false;
    return stem.left(3).compare(QLatin1String("COM"), Qt::CaseInsensitive) == 0 ||
           stem.left(3).compare(QLatin1String("LPT"), Qt::CaseInsensitive) == 0;
}

} // namespace rw
