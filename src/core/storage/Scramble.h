#pragma once

#include <QByteArray>

#include <cstdint>

namespace rw {

// The light XOR that keeps project files out of text editors. Modes 1 and 100
// count the key up from m, 2 and 101 count it down; any other mode leaves the
// bytes alone. The key starts afresh at m on every call, and the operation is
// its own inverse.
QByteArray Scramble(QByteArray bytes, uint8_t mode);

// In place, for callers that already own a buffer.
void ScrambleInPlace(char* data, qsizetype size, uint8_t mode);

// From one buffer into another of the same size, in one pass.
void ScrambleInto(const char* from, char* to, qsizetype size, uint8_t mode);

} // namespace rw
