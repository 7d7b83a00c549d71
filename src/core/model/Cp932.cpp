#include "model/Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstdint>

namespace rw {

namespace {

// Per UTF-16 unit: 0 unknown yet; +w encodable with width w; -w not encodable
// (the encoder substitutes w bytes).
std::array<int8_t, 65536>& Table() {
    static std::array<int8_t, 65536> table{};
    return table;
}

int8_t Classify(QStringView piece) {
    QStringEncoder encoder("CP932");
    const QByteArray bytes = encoder.encode(piece);
    const int width = int(bytes.size());
    return int8_t(encoder.hasError() ? -width : width);
}

int8_t Lookup(char16_t unit) {
    if (unit < 0x80)
        return 1;
    int8_t& slot = Table()[unit];
    if (slot == 0) {
        const QChar c(unit);
        slot = Classify(QStringView(&c, 1));
        if (slot == 0)
            slot = -1;
    }
    return slot;
}

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

} // namespace

QByteArray ToCp932(QStringView text) {
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

QString FromCp932(QByteArrayView bytes) {
    QStringDecoder decoder("CP932");
    return decoder.decode(bytes);
}

int Cp932Width(QStringView text) {
    int width = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            ++width;
        } else if (IsSurrogate(unit)) {
            // Outside the BMP: never in CP932; measure the pair as the encoder writes it.
            const qsizetype len =
                (i + 1 < n && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) ? 2 : 1;
            const int8_t w = Classify(text.mid(i, len));
            width += w < 0 ? -w : w;
            i += len - 1;
        } else {
            const int8_t w = Lookup(unit);
            width += w < 0 ? -w : w;
        }
    }
    return width;
}

qsizetype FirstNonCp932(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80)
            continue;
        if (IsSurrogate(unit) || Lookup(unit) < 0)
            return i;
    }
    return -1;
}

QString FirstNonCp932Character(QStringView text) {
    const qsizetype i = FirstNonCp932(text);
    if (i < 0)
        return {};
    const qsizetype len =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    return text.mid(i, len).toString();
}

} // namespace rw
