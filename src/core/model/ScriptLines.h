#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace rw {

// Splits a multi-line field (a rule's event lines, a load-condition text)
// into its lines. CR LF, a lone CR and a lone LF each end a line, so the
// event list, the script and the preview all see the same lines. An empty
// text is one empty line.
QList<QStringView> SplitLines(QStringView text);
// How many lines SplitLines finds, without making them.
qsizetype CountLines(QStringView text);

// Index of the first `c` in `text` from `from` on, or -1. The readers of
// rules search short texts for one character by the hundred thousand.
qsizetype FindChar(QStringView text, QChar c, qsizetype from = 0);

// Characters that must never stand inside one line of a script: NUL, which
// ends a text for many readers, and CR and LF, which end the line.
inline bool BreaksLine(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0;
}

// Index of the first such character, or -1.
qsizetype FirstLineBreaker(QStringView text);

// A control character (C0, DEL or C1) other than TAB, which the script
// reads as a blank: nothing the game reads should hold one.
inline bool IsControlCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t') || (u >= 0x7F && u <= 0x9F);
}
// Index of the first control character that is not a line break when
// `lineBreaksAllowed`, or -1.
qsizetype FirstControlCharacter(QStringView text, bool lineBreaksAllowed = false);
// Index of the first control character that BreaksLine does not name, or -1.
qsizetype FirstControlBesidesLineBreakers(QStringView text);
// Its short name for a message: "DEL", "SUB", "U+0085".
QString ControlCharacterName(QChar c);
// A text as typed into a box of one line, its control characters left out.
QString WithoutControlCharacters(const QString& text);

// Appends a text that becomes part of one script line (a title, a caption,
// a command, a name) with each CR LF, lone CR, lone LF and every other
// control character but TAB written as one space.
void AppendOneLine(QString& out, QStringView text);
QString OneLine(QStringView text);
QString OneLine(const QString& text); // shares the text when it is clean

// Appends a multi-line text with every line ended by CR LF, however its
// lines were ended before, and other control characters written as spaces. A last line without
// an ending keeps none.
void AppendCrLfLines(QString& out, QStringView text);
// The same for any writer: `line` writes a piece as one line, `lineEnd`
// the CR LF between two.
template <typename Line, typename LineEnd>
void ForEachCrLfLine(QStringView text, Line line, LineEnd lineEnd) {
    if (FirstControlCharacter(text) < 0) {
        line(text);
        return;
    }
    const QList<QStringView> lines = SplitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        line(lines[i]);
        if (i + 1 < lines.size())
            lineEnd();
    }
}

// One line of a rule's event field: the command from the first non-blank
// up to and including the first ")" (empty without one), and the comment
// from the first ";" to the end (empty without one).
struct EventLine {
    QStringView command;
    QStringView comment;
};
EventLine ReadEventLine(QStringView line);

} // namespace rw
