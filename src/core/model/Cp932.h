#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstring>

namespace rw {

// Code page 932 (Shift_JIS as Windows writes it) at the file boundary.
//
// A character counts as held when the system writes it in the code page's
// own byte shapes (one byte A1–DF, or a lead byte 81–9F/E0–FC with a trail
// byte 40–7E/80–FC) and reads those bytes back as the same character; so
// best-fit and one-way mappings (¥, 〜 …) are refused the same way on every
// system. Bytes 00–7F are ASCII everywhere.

// Empty when code page 932 can be converted here; otherwise the message to
// stop with: reading texts as empty would lose them.
QString Cp932Problem();

// Each character the code page cannot hold is written as the two bytes FC FC.
QByteArray ToCp932(QStringView text);

// Appends text to out. Answers the index of the first character the code
// page cannot hold (out then holds the bytes before it), or -1.
qsizetype AppendCp932(QStringView text, QByteArray& out);

// A byte that starts no character reads as U+001A; a lead and trail byte
// that stand for no character read as U+FFFD. *invalid (when given) is set
// when anything was read so.
QString FromCp932(QByteArrayView bytes, bool* invalid = nullptr);

// Width of a text in CP932 bytes, as ToCp932 writes it.
int Cp932Width(QStringView text);

// Index (in UTF-16 units) of the first character CP932 cannot hold, or -1.
qsizetype FirstNonCp932(QStringView text);
inline bool IsCp932(QStringView text) {
    return FirstNonCp932(text) < 0;
}
// That character itself (both halves of a surrogate pair), for a message;
// empty when CP932 holds the whole text.
QString FirstNonCp932Character(QStringView text);

// Writes text piece by piece straight into code page 932 bytes at the end
// of a byte array: a large script is built from many short pieces, and
// neither a text of the whole nor a second pass over it is needed. At the
// first character the code page cannot hold, writing stops; that character
// is kept for the message and whatever comes after is dropped. Finish (or
// the destructor) trims the array to what was written.
class Cp932Writer {
public:
    explicit Cp932Writer(QByteArray& out);
    ~Cp932Writer() { Finish(); }
    Cp932Writer(const Cp932Writer&) = delete;
    Cp932Writer& operator=(const Cp932Writer&) = delete;

    // The text as it stands.
    void Append(QStringView text) { Write(text, false); }
    // As AppendOneLine writes it: each CR LF, lone CR, lone LF and other
    // control character but TAB as one blank.
    void AppendOneLine(QStringView text) { Write(text, true); }
    // As AppendCrLfLines writes it: every line ended by CR LF, a last line
    // without an ending keeping none, other control characters as blanks.
    void AppendCrLfLines(QStringView text);
    void AppendAscii(QLatin1StringView text) {
        if (failed_)
            return;
        Reserve(text.size());
        std::memcpy(p_, text.data(), size_t(text.size()));
        p_ += text.size();
    }
    void AppendSpaces(int count) {
        if (failed_ || count <= 0)
            return;
        Reserve(count);
        std::memset(p_, ' ', size_t(count));
        p_ += count;
    }

    bool Failed() const { return failed_; }
    // The character that stopped the writing (both halves of a pair).
    const QString& Unwritable() const { return unwritable_; }

    void Finish();

private:
    // Room for `bytes` more bytes at p_.
    void Reserve(qsizetype bytes) {
        if (end_ - p_ < bytes)
            Grow(bytes);
    }
    void Grow(qsizetype bytes);
    void Write(QStringView text, bool oneLine);

    QByteArray& out_;
    char* p_ = nullptr;
    char* end_ = nullptr;
    bool failed_ = false;
    QString unwritable_;
};

} // namespace rw
