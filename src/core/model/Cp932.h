#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace rw {

// Code page 932 (Shift_JIS as Windows writes it) at the file boundary.
QByteArray ToCp932(QStringView text);
QString FromCp932(QByteArrayView bytes);

// Width of a text in CP932 bytes, as the encoder would write it. Cheap:
// each UTF-16 unit is looked up in a table that fills itself on first use.
int Cp932Width(QStringView text);

// Index (in UTF-16 units) of the first character CP932 cannot hold, or -1.
qsizetype FirstNonCp932(QStringView text);
inline bool IsCp932(QStringView text) {
    return FirstNonCp932(text) < 0;
}
// That character itself (both halves of a surrogate pair), for a message;
// empty when CP932 holds the whole text.
QString FirstNonCp932Character(QStringView text);

} // namespace rw
