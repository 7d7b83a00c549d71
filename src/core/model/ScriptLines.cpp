#include "model/ScriptLines.h"

#include "model/TextScan.h"

#include <algorithm>

namespace rw {

namespace {

const char16_t* Units(QStringView text) {
    return reinterpret_cast<const char16_t*>(text.utf16());
}

// Where the scan for a line end must look closely, from `i` on.
qsizetype SkipToLineEnds(QStringView text, qsizetype i) {
    const char16_t* units = Units(text);
    while (i + textscan::kBlock <= text.size() && !textscan::AnyAtMost(units + i, u'\r'))
        i += textscan::kBlock;
    return i;
}

} // namespace

qsizetype FindChar(QStringView text, QChar c, qsizetype from) {
    const char16_t* units = Units(text);
    const char16_t wanted = c.unicode();
    qsizetype i = std::max<qsizetype>(from, 0);
    while (i + textscan::kBlock <= text.size() && !textscan::AnyEqual(units + i, wanted))
        i += textscan::kBlock;
    for (; i < text.size(); ++i)
        if (units[i] == wanted)
            return i;
    return -1;
}

namespace {

// Calls `line(start, end)` for every line of the text, the last included; a
// CR LF, a lone CR and a lone LF each end one.
template <typename Line>
void ForEachLine(QStringView text, Line line) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        i = SkipToLineEnds(text, i);
        if (i == text.size())
            break;
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        line(start, i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    line(start, text.size());
}

} // namespace

QList<QStringView> SplitLines(QStringView text) {
    QList<QStringView> lines;
    ForEachLine(text, [&](qsizetype start, qsizetype end) {
        lines.append(text.mid(start, end - start));
    });
    return lines;
}

qsizetype CountLines(QStringView text) {
    qsizetype lines = 0;
    ForEachLine(text, [&](qsizetype, qsizetype) { ++lines; });
    return lines;
}

qsizetype FirstLineBreaker(QStringView text) {
    for (qsizetype i = SkipToLineEnds(text, 0); i < text.size(); ++i)
        if (BreaksLine(text[i]))
            return i;
    return -1;
}

namespace {

// Index of the first control character `refused` names, or -1. Blocks
// without any control character pass at once; a block with one is looked
// at unit by unit, and the scan goes on after it.
template <typename Refused> qsizetype FirstRefusedControl(QStringView text, Refused refused) {
    const char16_t* units = Units(text);
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i + textscan::kBlock <= n; i += textscan::kBlock) {
        if (!textscan::AnyControl(units + i))
            continue;
        for (qsizetype k = i; k < i + textscan::kBlock; ++k)
            if (refused(units[k]))
                return k;
    }
    for (; i < n; ++i)
        if (refused(units[i]))
            return i;
    return -1;
}

} // namespace

qsizetype FirstControlCharacter(QStringView text, bool lineBreaksAllowed) {
    if (lineBreaksAllowed)
        return FirstRefusedControl(text, [](char16_t u) {
            return IsControlCharacter(QChar(u)) && u != u'\r' && u != u'\n';
        });
    return FirstRefusedControl(text, [](char16_t u) { return IsControlCharacter(QChar(u)); });
}

qsizetype FirstControlBesidesLineBreakers(QStringView text) {
    return FirstRefusedControl(
        text, [](char16_t u) { return IsControlCharacter(QChar(u)) && !BreaksLine(QChar(u)); });
}

QString ControlCharacterName(QChar c) {
    static const char* const kNames[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                         "BS",  "HT",  "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                         "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                         "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    const char16_t u = c.unicode();
    if (u < 0x20)
        return QLatin1String(kNames[u]);
    if (u == 0x7F)
        return QStringLiteral("DEL");
    return QStringLiteral("U+%1").arg(int(u), 4, 16, QLatin1Char('0')).toUpper();
}

QString WithoutControlCharacters(const QString& text) {
    if (FirstControlCharacter(text) < 0)
        return text;
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text)
        if (!IsControlCharacter(c))
            clean += c;
    return clean;
}

void AppendOneLine(QString& out, QStringView text) {
    qsizetype i = FirstControlCharacter(text);
    if (i < 0) {
        out.append(text);
        return;
    }
    out.append(text.left(i));
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!IsControlCharacter(c)) {
            out.append(c);
            continue;
        }
        out.append(QLatin1Char(' '));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
    }
}

QString OneLine(QStringView text) {
    QString out;
    AppendOneLine(out, text);
    return out;
}

QString OneLine(const QString& text) {
    return FirstControlCharacter(text) < 0 ? text : OneLine(QStringView(text));
}

void AppendCrLfLines(QString& out, QStringView text) {
    ForEachCrLfLine(
        text, [&out](QStringView line) { AppendOneLine(out, line); },
        [&out] { out.append(QLatin1String("\r\n")); });
}

EventLine ReadEventLine(QStringView line) {
    EventLine row;
    qsizetype start = 0;
    while (start < line.size() && line[start] == QLatin1Char(' '))
        ++start;
    const qsizetype close = FindChar(line, QLatin1Char(')'), start);
    if (close >= 0)
        row.command = line.mid(start, close - start + 1);
    const qsizetype semicolon = FindChar(line, QLatin1Char(';'));
    if (semicolon >= 0)
        row.comment = line.mid(semicolon);
    return row;
}

} // namespace rw
