#pragma once

#include <QByteArray>
#include <QStringView>

namespace rw {

// Appends text to out in code page 932, as the codec would write it, but
// from a table that learns each character once: a script of many megabytes
// is written without a codec call per line. Answers the index of the first
// character the code page cannot hold (out then holds the bytes before it),
// or -1 when everything was written.
qsizetype AppendCp932(QStringView text, QByteArray& out);

} // namespace rw
