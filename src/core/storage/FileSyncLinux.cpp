#include "storage/FileSync.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace rw {

bool SyncToDisk(int handle, int& error) {
    if (::fsync(handle) == 0)
        return true;
    error = errno;
    return false;
}

void StartWriteback(int handle, qint64 offset, qint64 length) {
    ::sync_file_range(handle, off64_t(offset), off64_t(length), SYNC_FILE_RANGE_WRITE);
}

} // namespace rw
