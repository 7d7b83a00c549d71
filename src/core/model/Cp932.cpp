#include "model/Cp932.h"

#include "model/Cp932System.h"
#include "model/ScriptLines.h"
#include "model/TextScan.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>

namespace rw {

namespace {

// Both tables fill themselves one slot at a time, on first use; a slot is
// written whole, so threads (the build and the window, the build and the
// check) may share them.
// Slot values: 0 not looked up yet, kNone no character, anything else the
// answer.
constexpr uint16_t kNone = 0xFFFF;

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}
bool IsKana(uint8_t b) {
    return b >= 0xA1 && b <= 0xDF;
}
constexpr bool IsLead(uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsTrail(uint8_t b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The character a single kana byte or a lead/trail pair (code = lead << 8 |
// trail) stands for; read inline like the codes below. Only the codes that
// can start a character have a slot, so that the table of a script's
// characters stays in the nearest cache.
constexpr int kKanaCount = 0xDF - 0xA1 + 1;
constexpr int kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);
constexpr int kTrailCount = 0xFC - 0x40 + 1;
std::array<std::atomic<uint16_t>, kKanaCount + kLeadCount * kTrailCount> characters{};

// The slot of a kana byte or of a lead byte with its trail byte.
constexpr int SlotOf(uint16_t code) {
    if (code < 0x100)
        return code - 0xA1;
    const int lead = code >> 8;
    const int leadIndex = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
    return kKanaCount + leadIndex * kTrailCount + ((code & 0xFF) - 0x40);
}

uint16_t LearnCharacter(uint16_t code) {
    char bytes[2] = {char(code >> 8), char(code & 0xFF)};
    const QByteArrayView view =
        code < 0x100 ? QByteArrayView(bytes + 1, 1) : QByteArrayView(bytes, 2);
    const QString text = cp932system::Decode(view);
    const uint16_t value =
        text.size() == 1 && !IsSurrogate(text[0].unicode()) && text[0].unicode() >= 0x80
            ? text[0].unicode()
            : kNone;
    characters[SlotOf(code)].store(value, std::memory_order_relaxed);
    return value;
}

// What the reader needs of each byte, looked up rather than compared: the
// first slot of a lead byte's row (-1 for a byte that leads nothing), and a
// trail byte's place in a row (-1 for a byte that trails nothing).
struct ByteTables {
    std::array<int16_t, 256> row{};
    std::array<int16_t, 256> column{};
};
constexpr ByteTables kBytes = [] {
    ByteTables t;
    for (int b = 0; b < 256; ++b) {
        t.row[b] = IsLead(uint8_t(b)) ? int16_t(SlotOf(uint16_t(b << 8 | 0x40))) : int16_t(-1);
        t.column[b] = IsTrail(uint8_t(b)) ? int16_t(b - 0x40) : int16_t(-1);
    }
    return t;
}();

// The slot of a lead byte and the byte after it (null at the end), or -1
// when they make no pair.
inline int PairSlot(uint8_t lead, const char* next) {
    if (!next)
        return -1;
    const int row = kBytes.row[lead], column = kBytes.column[uint8_t(*next)];
    return row < 0 || column < 0 ? -1 : row + column;
}

// The character of a kana byte or a lead/trail pair, given its slot.
inline uint16_t CharacterAt(int slot, uint16_t code) {
    const uint16_t value = characters[slot].load(std::memory_order_relaxed);
    return value != 0 ? value : LearnCharacter(code);
}

inline uint16_t CharacterOf(uint16_t code) {
    return CharacterAt(SlotOf(code), code);
}

// The code of a UTF-16 unit: a kana byte (below 0x100) or lead << 8 | trail.
// Looked up for every character a script holds, so the slot is read inline
// and only a unit met for the first time goes to the system.
std::array<std::atomic<uint16_t>, 65536> codes{};

uint16_t LearnCode(char16_t unit) {
    uint16_t value = kNone;
    if (!IsSurrogate(unit)) {
        const QChar c(unit);
        const QByteArray bytes = cp932system::Encode(QStringView(&c, 1));
        uint16_t code = kNone;
        if (bytes.size() == 1 && IsKana(uint8_t(bytes[0])))
            code = uint8_t(bytes[0]);
        else if (bytes.size() == 2 && IsLead(uint8_t(bytes[0])) && IsTrail(uint8_t(bytes[1])))
            code = uint16_t(uint8_t(bytes[0]) << 8 | uint8_t(bytes[1]));
        if (code != kNone && CharacterOf(code) == unit)
            value = code;
    }
    codes[unit].store(value, std::memory_order_relaxed);
    return value;
}

inline uint16_t CodeOf(char16_t unit) {
    const uint16_t value = codes[unit].load(std::memory_order_relaxed);
    return value != 0 ? value : LearnCode(unit);
}

// The code of the unit, or kNone; ASCII is its own code.
uint16_t Lookup(char16_t unit) {
    return unit < 0x80 ? unit : CodeOf(unit);
}

// Units a character takes at i: a surrogate pair is one character.
qsizetype CharacterLength(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

QString Cp932Problem() {
    if (QString problem = cp932system::Problem(); !problem.isEmpty())
        return problem;
    // A converter that exists but writes nothing would read every text as empty.
    const QString sample = QStringLiteral("家を建設する～①ｱ");
    const QByteArray expected(
        "\x89\xC6\x82\xF0\x8C\x9A\x90\xDD\x82\xB7\x82\xE9\x81\x60\x87\x40\xB1");
    bool invalid = false;
    if (ToCp932(sample) != expected || FromCp932(expected, &invalid) != sample || invalid)
        return QStringLiteral("Shift_JIS（コードページ932）の変換が正しく動作しません。");
    return {};
}

qsizetype AppendCp932(QStringView text, QByteArray& out) {
    const qsizetype n = text.size();
    const qsizetype start = out.size();
    // At most two bytes a unit; trimmed to what was written at the end.
    out.resize(start + 2 * n);
    char* p = out.data() + start;
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        // Plain ASCII goes across a block at a time.
        for (; i + textscan::kBlock <= n && textscan::AllAscii(s + i); i += textscan::kBlock) {
            textscan::NarrowAscii(s + i, p);
            p += textscan::kBlock;
        }
        if (i == n)
            break;
        const char16_t unit = s[i];
        if (unit < 0x80) {
            *p++ = char(unit);
            continue;
        }
        const uint16_t code = CodeOf(unit);
        if (code == kNone) {
            out.resize(p - out.data());
            return i;
        }
        if (code >= 0x100)
            *p++ = char(code >> 8);
        *p++ = char(code & 0xFF);
    }
    out.resize(p - out.data());
    return -1;
}

QByteArray ToCp932(QStringView text) {
    QByteArray out;
    out.reserve(text.size() * 2);
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype bad = AppendCp932(text.mid(from), out);
        if (bad < 0)
            break;
        out.append("\xFC\xFC", 2);
        from += bad + CharacterLength(text, from + bad);
    }
    return out;
}

namespace {

// Decodes into `out`, which has room for a unit per byte; answers the
// number of units written.
qsizetype DecodeInto(QByteArrayView bytes, QChar* out, bool* invalid) {
    QChar* const begin = out;
    bool bad = false;
    const qsizetype n = bytes.size();
    const char* data = bytes.data();
    for (qsizetype i = 0; i < n; ++i) {
        for (; i + textscan::kBlock <= n && textscan::AllAscii(data + i); i += textscan::kBlock) {
            textscan::WidenAscii(data + i, reinterpret_cast<char16_t*>(out));
            out += textscan::kBlock;
        }
        if (i == n)
            break;
        const uint8_t b = uint8_t(bytes[i]);
        if (b < 0x80) {
            *out++ = QChar(b);
        } else if (IsKana(b)) {
            const uint16_t c = CharacterOf(b);
            bad |= c == kNone;
            *out++ = QChar(c == kNone ? u'\x1A' : c);
        } else if (const int slot = PairSlot(b, i + 1 < n ? data + i + 1 : nullptr); slot >= 0) {
            const uint16_t c = CharacterAt(slot, uint16_t(b << 8 | uint8_t(data[i + 1])));
            bad |= c == kNone;
            *out++ = QChar(c == kNone ? u'\xFFFD' : c);
            ++i;
        } else {
            // A byte that starts no character, or a lead byte without its
            // trail: the next byte starts afresh.
            bad = true;
            *out++ = QChar(u'\x1A');
        }
    }
    if (invalid)
        *invalid = bad;
    return out - begin;
}

} // namespace

QString FromCp932(QByteArrayView bytes, bool* invalid) {
    // A text of two-byte characters takes fewer units than bytes: decoded
    // first into a buffer at hand, it is then held in just the room it
    // needs. Large projects hold ten thousands of such texts, and new
    // memory costs more than the copy.
    constexpr qsizetype kAtHand = 4096;
    if (bytes.size() <= kAtHand) {
        char16_t units[kAtHand];
        QChar* const at = reinterpret_cast<QChar*>(units);
        return QString(at, DecodeInto(bytes, at, invalid));
    }
    QString text(bytes.size(), Qt::Uninitialized);
    text.resize(DecodeInto(bytes, text.data(), invalid));
    return text;
}

int Cp932Width(QStringView text) {
    int width = 0;
    const qsizetype n = text.size();
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype run = textscan::AsciiRun(s, i, n);
        width += int(run);
        i += run;
        if (i == n)
            break;
        const uint16_t code = Lookup(text[i].unicode());
        if (code == kNone) {
            width += 2; // FC FC, once for a whole surrogate pair
            i += CharacterLength(text, i) - 1;
        } else {
            width += code >= 0x100 ? 2 : 1;
        }
    }
    return width;
}

qsizetype FirstNonCp932(QStringView text) {
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        i += textscan::AsciiRun(s, i, text.size());
        if (i < text.size() && Lookup(s[i]) == kNone)
            return i;
    }
    return -1;
}

Cp932Writer::Cp932Writer(QByteArray& out) : out_(out) {
    const qsizetype size = out_.size();
    // The array's spare capacity is taken as it is: its size is set to the
    // whole of it while writing.
    out_.resize(std::max(size, out_.capacity()));
    p_ = out_.data() + size;
    end_ = out_.data() + out_.size();
}

void Cp932Writer::Finish() {
    out_.resize(p_ - out_.data());
    p_ = end_ = out_.data() + out_.size();
}

void Cp932Writer::Grow(qsizetype bytes) {
    const qsizetype size = p_ - out_.data();
    out_.resize(size + std::max(bytes, out_.size()));
    out_.resize(out_.capacity());
    p_ = out_.data() + size;
    end_ = out_.data() + out_.size();
}

void Cp932Writer::AppendCrLfLines(QStringView text) {
    ForEachCrLfLine(
        text, [this](QStringView line) { AppendOneLine(line); },
        [this] { AppendAscii(QLatin1StringView("\r\n")); });
}

void Cp932Writer::Write(QStringView text, bool oneLine) {
    if (failed_)
        return;
    const qsizetype n = text.size();
    Reserve(2 * n); // at most two bytes a unit
    char* p = p_;
    const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
    qsizetype i = 0;
    while (i < n) {
        // Plain ASCII goes across a block at a time; on one line only what
        // needs no blank in its place.
        if (oneLine) {
            for (; i + textscan::kBlock <= n && textscan::AllPrintableAscii(s + i);
                 i += textscan::kBlock) {
                textscan::NarrowAscii(s + i, p);
                p += textscan::kBlock;
            }
        } else {
            for (; i + textscan::kBlock <= n && textscan::AllAscii(s + i); i += textscan::kBlock) {
                textscan::NarrowAscii(s + i, p);
                p += textscan::kBlock;
            }
        }
        // Then one unit at a time, at least one, up to where a block of
        // ASCII may begin again: a run of Japanese is not tested a block at a
        // time in vain.
        for (bool first = true; i < n; ++i, first = false) {
            const char16_t unit = s[i];
            if (!first && unit >= 0x20 && unit < 0x7F && i + textscan::kBlock <= n)
                break;
            if (oneLine && IsControlCharacter(QChar(unit))) {
                *p++ = ' ';
                if (unit == u'\r' && i + 1 < n && s[i + 1] == u'\n')
                    ++i;
                continue;
            }
            if (unit < 0x80) {
                *p++ = char(unit);
                continue;
            }
            const uint16_t code = CodeOf(unit);
            if (code == kNone) {
                p_ = p;
                failed_ = true;
                unwritable_ = text.mid(i, CharacterLength(text, i)).toString();
                return;
            }
            if (code >= 0x100)
                *p++ = char(code >> 8);
            *p++ = char(code & 0xFF);
        }
    }
    p_ = p;
}

QString FirstNonCp932Character(QStringView text) {
    const qsizetype i = FirstNonCp932(text);
    if (i < 0)
        return {};
    return text.mid(i, CharacterLength(text, i)).toString();
}

} // namespace rw
