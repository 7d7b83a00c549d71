#include "storage/SystemError.h"

#include <cerrno>

namespace rw {

void ClearSystemError() {
    errno = 0;
}

int LastSystemError() {
    return errno;
}

bool HeldOpenElsewhere(const QString&) {
    return false;
}

} // namespace rw
