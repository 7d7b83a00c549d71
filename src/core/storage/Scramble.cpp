#include "storage/Scramble.h"

namespace rw {

void ScrambleInPlace(char* data, qsizetype size, uint8_t mode) {
    int step = 0;
    if (mode == 1 || mode == 100)
        step = 1;
    else if (mode == 2 || mode == 101)
        step = -1;
    if (step == 0)
        return;
    uint8_t key = mode;
    for (qsizetype i = 0; i < size; ++i) {
        data[i] = char(uint8_t(data[i]) ^ key);
        key = uint8_t(key + step);
    }
}

QByteArray Scramble(QByteArray bytes, uint8_t mode) {
    ScrambleInPlace(bytes.data(), bytes.size(), mode);
    return bytes;
}

} // namespace rw
