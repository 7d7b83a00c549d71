#include "model/ScriptLines.h"
#include "model/ConditionLine.h"

#include "model/Cp932.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QStringList Strings(const QList<QStringView>& views) {
    QStringList out;
    for (QStringView v : views)
        out << v.toString();
    return out;
}

struct SplitRow {
    QString text;
    QStringList lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitLinesTest, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(Strings(SplitLines(GetParam().text)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitLinesTest,
    ::testing::Values(SplitRow{"", {""}}, SplitRow{"a", {"a"}}, SplitRow{"a\r\nb", {"a", "b"}},
                      SplitRow{"a\nb", {"a", "b"}}, SplitRow{"a\rb", {"a", "b"}},
                      SplitRow{"a\r\n", {"a", ""}}, SplitRow{"a\n\rb", {"a", "", "b"}},
                      SplitRow{"a\r\r\nb", {"a", "", "b"}},
                      SplitRow{QString::fromUtf16(u"x\0y", 3), {QString::fromUtf16(u"x\0y", 3)}}));

struct OneLineRow {
    QString text;
    QString oneLine;
    QString crLfLines;
};

class OneLineTest : public ::testing::TestWithParam<OneLineRow> {};

TEST_P(OneLineTest, NoLineBreakOrNulSurvives) {
    EXPECT_EQ(OneLine(GetParam().text), GetParam().oneLine);
    EXPECT_EQ(FirstLineBreaker(OneLine(GetParam().text)), -1);
    QString lines;
    AppendCrLfLines(lines, GetParam().text);
    EXPECT_EQ(lines, GetParam().crLfLines);
}

INSTANTIATE_TEST_SUITE_P(Texts, OneLineTest,
                         ::testing::Values(OneLineRow{"家を建設", "家を建設", "家を建設"},
                                           OneLineRow{"a\r\nb", "a b", "a\r\nb"},
                                           OneLineRow{"a\nb\n", "a b ", "a\r\nb\r\n"},
                                           OneLineRow{"a\rb", "a b", "a\r\nb"},
                                           OneLineRow{QString::fromUtf16(u"a\0b", 3), "a b", "a b"},
                                           OneLineRow{"\r\r\n\n", "   ", "\r\n\r\n\r\n"}));

TEST(EventLines, CommandToTheFirstBracketCommentFromTheFirstSemicolon) {
    EventLine line = ReadEventLine(u"   (chat-to-all \"a;b\")  ;チャット");
    EXPECT_EQ(line.command, u"(chat-to-all \"a;b\")");
    EXPECT_EQ(line.comment, u";b\")  ;チャット");
    line = ReadEventLine(u"no bracket ;note");
    EXPECT_TRUE(line.command.isEmpty());
    EXPECT_EQ(line.comment, u";note");
}

// The scans that test eight units at a time find what a scan of one unit
// at a time finds, wherever in a block or in the tail the unit stands:
// texts of the units on either side of every limit the scans test.
TEST(BlockScans, FindWhatAPlainScanFinds) {
    const char16_t units[] = {0x00,   0x09,   0x0A,   0x0C,   0x0D,   0x0E,   0x1F,
                              0x20,   0x22,   0x29,   0x2A,   0x3B,   0x7E,   0x7F,
                              0x80,   0x9F,   0xA0,   0x3042, 0x7FFF, 0x8000, 0xD83D,
                              0xDE00, 0xFF61, 0xFFFF, u',',   u'a',   u'a',   u'a'};
    QRandomGenerator random(26);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int size = random.bounded(40);
        // Mostly plain letters, so that whole blocks pass untouched.
        for (int i = 0; i < size; ++i)
            text += QChar(random.bounded(4) == 0 ? units[random.bounded(int(std::size(units)))]
                                                 : char16_t(u'a' + random.bounded(26)));
        qsizetype control = -1, unmended = -1, breaker = -1, semicolon = -1, nonCp932 = -1,
                  lines = 1;
        int width = 0;
        bool surrogates = false;
        for (qsizetype i = text.size() - 1; i >= 0; --i) {
            const char16_t u = text[i].unicode();
            if ((u < 0x20 && u != 0x09) || (u >= 0x7F && u <= 0x9F))
                control = i;
            if (u == 0 || u == 0x0A || u == 0x0D)
                breaker = i;
            else if (control == i)
                unmended = i;
            if (u == u';')
                semicolon = i;
            // CR LF is one line end, a lone CR or LF another.
            if (u == 0x0D || (u == 0x0A && (i == 0 || text[i - 1] != QChar(0x0D))))
                ++lines;
            const QStringView unit = QStringView(text).mid(i, 1);
            if (!IsCp932(unit))
                nonCp932 = i;
            width += Cp932Width(unit);
            surrogates = surrogates || QChar::isSurrogate(u);
        }
        const std::string shown = text.toUtf8().toHex().toStdString();
        EXPECT_EQ(FirstControlCharacter(text), control) << shown;
        EXPECT_EQ(FirstLineBreaker(text), breaker) << shown;
        EXPECT_EQ(FirstControlBesidesLineBreakers(text), unmended) << shown;
        EXPECT_EQ(FindChar(text, QLatin1Char(';')), semicolon) << shown;
        EXPECT_EQ(CountLines(text), lines) << shown;
        EXPECT_EQ(SplitLines(text).size(), lines) << shown;
        EXPECT_EQ(FirstNonCp932(text), nonCp932) << shown;
        // A surrogate pair is one character of width 2, not two.
        if (!surrogates) {
            EXPECT_EQ(Cp932Width(text), width) << shown;
        }
        QByteArray bytes;
        const qsizetype bad = AppendCp932(text, bytes);
        EXPECT_EQ(bad, FirstNonCp932(text)) << shown;
        if (bad < 0) {
            EXPECT_EQ(FromCp932(bytes), text) << shown;
        }
        // Writing straight into bytes gives what converting the text gives.
        QString expected = OneLine(text) + QLatin1Char('|');
        AppendCrLfLines(expected, text);
        QByteArray written("head");
        {
            Cp932Writer writer(written);
            writer.AppendOneLine(text);
            writer.AppendAscii(QLatin1StringView("|"));
            writer.AppendCrLfLines(text);
            EXPECT_EQ(writer.Unwritable(), FirstNonCp932Character(expected)) << shown;
        }
        if (IsCp932(expected)) {
            EXPECT_EQ(written, "head" + ToCp932(expected)) << shown;
        }
        // Conditions read in place, as read line by line into copies.
        const QStringList conditions = SplitConditionLines(text);
        const ConditionLineViews views(text);
        ASSERT_EQ(views.size(), conditions.size()) << shown;
        for (qsizetype i = 0; i < conditions.size(); ++i) {
            const ConditionLine copy = ReadConditionLine(conditions[i]);
            EXPECT_EQ(views[i].pw, copy.pw) << shown;
            EXPECT_EQ(views[i].cap, copy.cap) << shown;
            EXPECT_EQ(views[i].editdat, copy.editdat) << shown;
            EXPECT_EQ(views[i].script, copy.script) << shown;
        }
    }
}

class ConditionRoundTrip : public ::testing::TestWithParam<QString> {};

// Whatever a stored field holds, the entries read from it, written and read
// again, are the same entries: no entry gained, none changed.
TEST_P(ConditionRoundTrip, ReadWriteReadGivesTheSameEntries) {
    const QList<ConditionLine> read = ReadConditionLines(GetParam());
    const QString written = WriteConditionLines(read);
    EXPECT_EQ(ReadConditionLines(written), read) << written.toStdString();
    EXPECT_EQ(WriteConditionLines(ReadConditionLines(written)), written);
    // Read in place, the field gives the same lines as read into copies.
    const QStringList lines = SplitConditionLines(GetParam());
    const ConditionLineViews views(GetParam());
    ASSERT_EQ(views.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ConditionLine copy = ReadConditionLine(lines[i]);
        EXPECT_EQ((ConditionLine{views[i].pw, views[i].cap.toString(), views[i].editdat.toString(),
                                 views[i].script.toString()}),
                  copy);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ConditionRoundTrip,
    ::testing::Values(QStringLiteral("0;a\r*\nb;k,s\r\n"), QStringLiteral("0;x;k\r*\n,s\r**\n\r\n"),
                      QStringLiteral("0;a\r;k,s\r\r\n"), QStringLiteral("0;\n;k,\ns\r\n"),
                      QStringLiteral("0;a\r*\r*\n\n;k,s\r*\n"), QStringLiteral("3;x;y,z,w;v"),
                      QStringLiteral("*;*;*,*\r\n"), QStringLiteral("\r\n\r\n"), QString(),
                      QStringLiteral(" 12 ;a;b,c\r\n-1;a;b,c\r\n1234567890;a;b,c\r\nx;a;b,c"),
                      QStringLiteral("1;a;b;c,d\r\n2,x;a,b;,;,\r\n;\r\n;;\r\n,,\r"),
                      QStringLiteral("0;家が建設できるとき;CannotEdit,can-build house\r\n")));

TEST(ConditionRoundTrip, ALineBreakInsideACaptionStaysInside) {
    const QList<ConditionLine> read = ReadConditionLines(QStringLiteral("0;a\r*\nb;k,s\r\n"));
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].cap, QStringLiteral("a\r\nb"));
}

} // namespace
