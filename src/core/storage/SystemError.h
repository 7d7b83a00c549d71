#pragma once

#include <QString>

namespace rw {

// The error number of the last failed system call, in errno's terms on every
// system: on Windows the Win32 error a file call left behind (a sharing
// violation, a full disk …), which Qt's file classes never put into errno.
// Clear it before the call whose failure is to be explained.
void ClearSystemError();
int LastSystemError();

// Whether another program holds the file open so that it cannot be replaced
// (Windows answers "access denied" for that too). Always false on Linux,
// where an open file never stands in the way.
bool HeldOpenElsewhere(const QString& path);

} // namespace rw
