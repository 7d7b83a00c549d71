#pragma once

#include <QtGlobal>

namespace rw {

// Writes what the system holds of the open file to the disk and waits for
// it. False, with the system's error number, when that failed.
bool SyncToDisk(int handle, int& error);

// Asks the system to begin writing the given part of the open file to the
// disk, without waiting for it: the sync at the end of a large file then
// has only the last of it to wait for. Where the system has no such request
// this does nothing; a failure shows in the sync.
void StartWriteback(int handle, qint64 offset, qint64 length);

} // namespace rw
