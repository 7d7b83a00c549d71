#pragma once

#include <QStringView>

namespace rw {

// Whether Windows takes a file name for a device (CON, NUL, COM1, LPT¹ ...)
// instead of a file. It does so whatever extension follows the device name,
// and with blanks between the two, so "nul.bot" and "CON .per" are devices.
bool IsDeviceName(QStringView fileName);

} // namespace rw
