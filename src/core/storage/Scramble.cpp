#include "storage/Scramble.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace rw {

namespace {

// The key of each mode that changes the bytes, made once. It repeats every
// 256 bytes, so whole runs of it are applied by a loop the compiler can do
// many bytes at a time. Null for a mode that leaves the bytes alone.
const uint8_t* KeyOf(uint8_t mode) {
    constexpr uint8_t kModes[4] = {1, 100, 2, 101}; // counting up, then down
    static const auto keys = [&kModes] {
        std::array<std::array<uint8_t, 256>, 4> made{};
        for (int m = 0; m < 4; ++m)
            for (int i = 0; i < 256; ++i)
                made[m][i] = uint8_t(kModes[m] + (m < 2 ? i : -i));
        return made;
    }();
    for (int m = 0; m < 4; ++m)
        if (mode == kModes[m])
            return keys[m].data();
    return nullptr;
}

} // namespace

void ScrambleInto(const char* from, char* to, qsizetype size, uint8_t mode) {
    const uint8_t* key = KeyOf(mode);
    if (!key) {
        if (from != to && size > 0)
            std::memmove(to, from, size_t(size));
        return;
    }
    for (qsizetype start = 0; start < size; start += 256) {
        const qsizetype run = std::min<qsizetype>(256, size - start);
        qsizetype i = 0;
        // Eight bytes at a time, then the rest one by one.
        for (; i + 8 <= run; i += 8) {
            uint64_t bytes, mask;
            std::memcpy(&bytes, from + start + i, 8);
            std::memcpy(&mask, key + i, 8);
            bytes ^= mask;
            std::memcpy(to + start + i, &bytes, 8);
        }
        for (; i < run; ++i)
            to[start + i] = char(uint8_t(from[start + i]) ^ key[i]);
    }
}

void ScrambleInPlace(char* data, qsizetype size, uint8_t mode) {
    ScrambleInto(data, data, size, mode);
}

QByteArray Scramble(QByteArray bytes, uint8_t mode) {
    ScrambleInPlace(bytes.data(), bytes.size(), mode);
    return bytes;
}

} // namespace rw
