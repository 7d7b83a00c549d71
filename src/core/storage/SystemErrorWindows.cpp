#include "storage/SystemError.h"

#include <QDir>

#include <cerrno>

#include <windows.h>

namespace rw {

void ClearSystemError() {
    errno = 0;
    SetLastError(ERROR_SUCCESS);
}

int LastSystemError() {
    switch (GetLastError()) {
    case ERROR_SUCCESS:
        return errno;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    default:
        // Nothing the user could act on differently: Qt's words say it.
        return errno;
    }
}

bool HeldOpenElsewhere(const QString& path) {
    // Asks for the right to delete while sharing everything: only a handle
    // of another program that shares no deletion refuses that.
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle = CreateFileW(native.c_str(), DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace rw
