#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

namespace rw {

// The largest file the program reads: a project, a template or its JSON
// form. The largest real project is a few megabytes.
inline constexpr qint64 kMaxInputFileSize = 256LL * 1024 * 1024;

struct InputRead {
    bool ok = false;
    QByteArray bytes;
    QString reason; // in the user's words; empty on success
    int error = 0;  // the system's error number behind it, when it gave one
};

// Reads a whole file given by the user. Only a regular file of at most
// `limit` bytes is read: a device, a pipe or a larger file is refused before
// a byte is read (they could block or fill the memory).
InputRead ReadInputFile(const QString& path, qint64 limit = kMaxInputFileSize);

// Opens the file for reading after the same checks, to be read in pieces;
// no bytes are read.
InputRead OpenInputFile(QFile& file, qint64 limit = kMaxInputFileSize);

// Reads an open stream (standard input) to its end, refusing it once it
// goes past `limit` bytes.
InputRead ReadInputStream(QIODevice& device, qint64 limit = kMaxInputFileSize);

} // namespace rw
