#include "storage/FileSync.h"

#include <io.h>

#include <cerrno>

namespace rw {

bool SyncToDisk(int handle, int& error) {
    if (_commit(handle) == 0)
        return true;
    error = errno;
    return false;
}

// Windows writes back on its own schedule; the sync does the rest.
void StartWriteback(int, qint64, qint64) {}

} // namespace rw
