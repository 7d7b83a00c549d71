#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The one piece of code page 932 that each system answers in its own way:
// one character at a time. Cp932.cpp builds its tables from these answers and
// decides itself which of them count, so that every system reads and writes
// the same bytes.
namespace rw::cp932system {

// Empty when this system can convert code page 932; otherwise why not.
QString Problem();

// The bytes of one character (one UTF-16 unit, or a surrogate pair) as the
// system writes it, without best-fit replacements; empty when the system has
// no code for it.
QByteArray Encode(QStringView character);

// The character one or two bytes stand for; a null string when the system
// reads them as no character.
QString Decode(QByteArrayView bytes);

} // namespace rw::cp932system
