#include "model/Cp932.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QByteArray Bytes(const char* hex) {
    return QByteArray::fromHex(hex);
}

// Every answer of the conversion, one line each: what each unit is written
// as, and what each kana byte and lead/trail pair is read as.
QByteArray WholeTable(int* held) {
    QByteArray table;
    *held = 0;
    for (int u = 0x80; u <= 0xFFFF; ++u) {
        const QChar c{char16_t(u)};
        if (!IsCp932(QStringView(&c, 1)))
            continue;
        ++*held;
        table += QByteArray::number(u, 16) + ' ' + ToCp932(QStringView(&c, 1)).toHex() + '\n';
    }
    for (int code = 0x80; code <= 0xFFFF; ++code) {
        const int lead = code >> 8, trail = code & 0xFF;
        // A pair starts with a lead byte, which alone reads as nothing.
        if (lead != 0 && (lead < 0x81 || (lead > 0x9F && lead < 0xE0) || trail < 0x40))
            continue;
        QByteArray bytes;
        if (lead != 0)
            bytes += char(lead);
        bytes += char(trail);
        bool invalid = false;
        const QString text = FromCp932(bytes, &invalid);
        if (!invalid)
            table += bytes.toHex() + ' ' + QByteArray::number(text[0].unicode(), 16) + '\n';
    }
    return table;
}

} // namespace

TEST(Cp932, WritesAndReadsTheSystemsBytes) {
    const QString text = QString::fromUtf8("家を建設する～①ｱ");
    const QByteArray bytes = Bytes("89c682f08c9a90dd82b782e981608740b1");
    EXPECT_EQ(ToCp932(text), bytes);
    bool invalid = true;
    EXPECT_EQ(FromCp932(bytes, &invalid), text);
    EXPECT_FALSE(invalid);
    EXPECT_TRUE(Cp932Problem().isEmpty());

    // Bytes 00-7F are ASCII on every system, control bytes included.
    const QByteArray ascii("\x1a\x1c\x7f\\~", 5);
    EXPECT_EQ(FromCp932(ascii), QString::fromLatin1(ascii));
    EXPECT_EQ(ToCp932(QString::fromLatin1(ascii)), ascii);
}

TEST(Cp932, RefusesOneWayAndBestFitCharacters) {
    // ¥ and 〜 are written as 5C and 8160 by some converters but read back as
    // other characters; é, € and emoji have no code at all.
    for (const char* s : {"¥", "〜", "é", "€", "😀", "\u00a6"})
        EXPECT_FALSE(IsCp932(QString::fromUtf8(s))) << s;
    // What cannot be held is written as FC FC, once for a surrogate pair.
    EXPECT_EQ(ToCp932(QString::fromUtf8("a😀b€")), Bytes("61fcfc62fcfc"));
    EXPECT_EQ(Cp932Width(QString::fromUtf8("a😀b€")), 6);
    QByteArray out = "x";
    EXPECT_EQ(AppendCp932(QString::fromUtf8("ab€cd"), out), 2);
    EXPECT_EQ(out, "xab");
}

TEST(Cp932, ReadsBrokenBytesAsMarksAndSaysSo) {
    struct Case {
        const char* hex;
        const char* text;
    } cases[] = {
        {"80", "\x1a"},            // starts no character
        {"41fd", "A\x1a"},         // nor does FD
        {"81", "\x1a"},            // lead byte at the end
        {"812041", "\x1a A"},      // lead byte without a trail: the next byte starts afresh
        {"8540", "\xef\xbf\xbd"},  // a pair the code page leaves empty
    };
    for (const Case& c : cases) {
        bool invalid = false;
        EXPECT_EQ(FromCp932(Bytes(c.hex), &invalid), QString::fromUtf8(c.text)) << c.hex;
        EXPECT_TRUE(invalid) << c.hex;
    }
}

TEST(Cp932, WidthMatchesTheEncoder) {
    const QString samples[] = {"新しいAI", "ｱｲｳ half", "janissary イュニチェリ   ",
                               "",         "\\~",      QString::fromUtf8("①②Ⅲ㈱")};
    for (const QString& s : samples)
        EXPECT_EQ(Cp932Width(s), ToCp932(s).size()) << s.toStdString();
}

TEST(Cp932, FindsCharactersItCannotHold) {
    EXPECT_EQ(FirstNonCp932(QString("abc家")), -1);
    EXPECT_EQ(FirstNonCp932(QString::fromUtf8("ab😀")), 2);
    EXPECT_TRUE(IsCp932(QString()));
    // A message names the whole character, a lone surrogate as it stands.
    EXPECT_EQ(FirstNonCp932Character(QString::fromUtf8("ab😀c")), QString::fromUtf8("😀"));
    EXPECT_EQ(FirstNonCp932Character(QString("a") + QChar(0xD83D)), QString(QChar(0xD83D)));
    EXPECT_EQ(FirstNonCp932Character(QString::fromUtf8("家\u00e9x")), QString::fromUtf8("\u00e9"));
}

// The Linux and the Windows program must write and read the same bytes for
// every character: both must arrive at this table. RW_CP932_TABLE=file writes
// it out to compare two systems line by line.
TEST(Cp932, EveryCharacterConvertsAsOnEverySystem) {
    int held = 0;
    const QByteArray table = WholeTable(&held);
    if (const QByteArray out = qgetenv("RW_CP932_TABLE"); !out.isEmpty()) {
        QFile file(QString::fromLocal8Bit(out));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(table);
    }
    EXPECT_EQ(held, 9269);
    EXPECT_EQ(QString(QCryptographicHash::hash(table, QCryptographicHash::Sha256).toHex()),
              "ad672d16b371ca8bfb726249fe9466ed2a2744a2145b6c8a768c3341e4786b81");
}
