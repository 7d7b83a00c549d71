#include "model/ScriptLines.h"
#include "model/ConditionLine.h"

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

class ConditionRoundTrip : public ::testing::TestWithParam<QString> {};

// Whatever a stored field holds, the entries read from it, written and read
// again, are the same entries: no entry gained, none changed.
TEST_P(ConditionRoundTrip, ReadWriteReadGivesTheSameEntries) {
    const QList<ConditionLine> read = ReadConditionLines(GetParam());
    const QString written = WriteConditionLines(read);
    EXPECT_EQ(ReadConditionLines(written), read) << written.toStdString();
    EXPECT_EQ(WriteConditionLines(ReadConditionLines(written)), written);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ConditionRoundTrip,
    ::testing::Values(QStringLiteral("0;a\r*\nb;k,s\r\n"), QStringLiteral("0;x;k\r*\n,s\r**\n\r\n"),
                      QStringLiteral("0;a\r;k,s\r\r\n"), QStringLiteral("0;\n;k,\ns\r\n"),
                      QStringLiteral("0;a\r*\r*\n\n;k,s\r*\n"), QStringLiteral("3;x;y,z,w;v"),
                      QStringLiteral("*;*;*,*\r\n"), QStringLiteral("\r\n\r\n"), QString(),
                      QStringLiteral("0;家が建設できるとき;CannotEdit,can-build house\r\n")));

TEST(ConditionRoundTrip, ALineBreakInsideACaptionStaysInside) {
    const QList<ConditionLine> read = ReadConditionLines(QStringLiteral("0;a\r*\nb;k,s\r\n"));
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].cap, QStringLiteral("a\r\nb"));
}

} // namespace
