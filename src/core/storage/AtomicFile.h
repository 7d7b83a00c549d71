#pragma once

#include <QByteArrayView>
#include <QString>

namespace rw {

struct FileWriteResult {
    bool ok = false;
    QString reason; // the system's own words for what failed; empty on success
    int error = 0;  // the system's error number (errno) when it gave one
};

// Replaces the file at `path` with `bytes` so that the path holds either the
// whole old file or the whole new one, never a mixture or an empty file: the
// bytes go to a temporary file beside it, which is written, flushed and
// synced to disk, each step checked, before it is renamed over the old file.
// On any failure the old file is left as it was and the temporary file is
// removed. Every file the program writes goes through here.
FileWriteResult WriteFileAtomically(const QString& path, QByteArrayView bytes);

} // namespace rw
