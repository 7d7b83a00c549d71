#include "model/ScriptLines.h"

namespace rw {

QList<QStringView> SplitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

bool BreaksLine(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0;
}

qsizetype FirstLineBreaker(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (BreaksLine(text[i]))
            return i;
    return -1;
}

void AppendOneLine(QString& out, QStringView text) {
    qsizetype i = FirstLineBreaker(text);
    if (i < 0) {
        out.append(text);
        return;
    }
    out.append(text.left(i));
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!BreaksLine(c)) {
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
    return FirstLineBreaker(text) < 0 ? text : OneLine(QStringView(text));
}

void AppendCrLfLines(QString& out, QStringView text) {
    if (FirstLineBreaker(text) < 0) {
        out.append(text);
        return;
    }
    const QList<QStringView> lines = SplitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        AppendOneLine(out, lines[i]);
        if (i + 1 < lines.size())
            out.append(QLatin1String("\r\n"));
    }
}

EventLine ReadEventLine(QStringView line) {
    EventLine row;
    qsizetype start = 0;
    while (start < line.size() && line[start] == QLatin1Char(' '))
        ++start;
    const qsizetype close = line.indexOf(QLatin1Char(')'), start);
    if (close >= 0)
        row.command = line.mid(start, close - start + 1);
    const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
    if (semicolon >= 0)
        row.comment = line.mid(semicolon);
    return row;
}

} // namespace rw
