#include "builder/RuleRenderer.h"

#include "builder/ZuzAdidodi.h"
#include "model/ConditionLine.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"

#include <QVarLengthArray>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kPlaceholderCaption = QStringLiteral("(上書きしてください)");

struct EventRow {
    QStringView command;
    QStringView comment;
    int width = 0; // of the command
};

struct ScriptRow {
    QString text;
    QString comment;
    int step = 0;
    int width = 0; // of the indented text
};

void AppendSpaces(QString& out, int count) {
    if (count > 0)
        out.resize(out.size() + count, QLatin1Char(' '));
}

void AppendIndent(QString& out, int level) {
    if (level >= 0)
        AppendSpaces(out, 4 * (level + 1));
}

// Makes text safe inside a chat command's quotes: the characters the chat
// event refuses ("(", ")", the quote and ";") and line breaks would end the
// string, the command or the line early, and a character the script's code
// page lacks would make the whole script unwritable.
QString ChatSafe(QStringView text) {
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '"':
            safe += QLatin1Char('\'');
            continue;
        case ';':
            safe += QLatin1Char(':');
            continue;
        case '(':
            safe += QLatin1Char('[');
            continue;
        case ')':
            safe += QLatin1Char(']');
            continue;
        default:
            break;
        }
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            safe += QLatin1Char(' ');
            continue;
        }
        const qsizetype len =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView piece = text.mid(i, len);
        if (c.unicode() >= 0x80 && !IsCp932(piece))
            safe += QLatin1Char('?');
        else
            safe += piece;
        i += len - 1;
    }
    return safe;
}

} // namespace

QString DebugChatCommand(int category, const QString& title) {
    QString text;
    const QString caption = CategoryCaption(category);
    if (!caption.isEmpty())
        text = QLatin1Char('[') + caption + QStringLiteral("] ");
    text += ChatSafe(title);
    return QStringLiteral("(chat-local-to-self \"") + text + QStringLiteral("\")");
}

void RuleRenderer::Render(const RuleEntry& rule, QString& out, const RowProgress& progress,
                          int category) {
    // Event rows, split as the event list splits them; an empty field is
    // one empty row.
    QVarLengthArray<EventRow, 16> events;
    for (const QStringView line : SplitLines(rule.actions)) {
        const EventLine read = ReadEventLine(line);
        events.append(EventRow{read.command, read.comment});
    }
    // The chat is one more command; a rule that already holds as many as a
    // rule may hold goes without, so that the script stays loadable.
    const QStringList lines = SplitConditionLines(rule.conditions);
    const int entryCount = int(lines.size());
    QString chat;
    if (settings_.debugChat && int(events.size()) + entryCount < kMaxCommands) {
        chat = DebugChatCommand(category, rule.title);
        events.insert(events.begin(), EventRow{chat, kDebugChatComment});
    }
    for (EventRow& row : events) {
        row.width = Cp932Width(row.command);
        column_ = std::max(column_, std::min(row.width + 4, widestColumn_));
    }

    // Condition rows, closing open operators whenever an entry stands
    // shallower than the operators still open.
    QVarLengthArray<int, 16> depths;
    QVarLengthArray<ScriptRow, 24> rows;
    int open = 0;
    for (int i = 0; i < entryCount; ++i) {
        if (progress)
            progress(i + 1, entryCount);
        const ConditionLine entry = ReadConditionLine(lines[i]);
        // A parent must stand earlier in the list; anything else is read as
        // top level, so a damaged list cannot loop or index out of range.
        const int depth = entry.pw >= 1 && entry.pw <= i ? depths[entry.pw - 1] + 1 : 0;
        depths.append(depth);
        while (open > depth) {
            rows.append(ScriptRow{QStringLiteral(")"), {}, -1});
            --open;
        }
        // A condition is one script line whatever its texts hold.
        if (entry.editdat.startsWith(QLatin1String("Sys"))) {
            rows.append(ScriptRow{QLatin1Char('(') + OneLine(entry.script), {}, +1});
            ++open;
        } else if (entry.script.trimmed().isEmpty()) {
            // "()" would make the game refuse the whole script; an empty
            // fact holds, as its place in the tree suggests.
            rows.append(ScriptRow{QStringLiteral("(true)"), OneLine(entry.cap), 0});
        } else {
            rows.append(ScriptRow{QLatin1Char('(') + OneLine(entry.script) + QLatin1Char(')'),
                                  OneLine(entry.cap), 0});
        }
    }
    while (open > 0) {
        rows.append(ScriptRow{QStringLiteral(")"), {}, -1});
        --open;
    }

    // Indentation; rows wider than the column push it out.
    const int rowCount = int(rows.size());
    int level = 0;
    for (int i = 0; i < rowCount; ++i) {
        if (progress)
            progress(i + 1, rowCount);
        ScriptRow& row = rows[i];
        if (row.step < 0)
            --level;
        const int shown = std::min(level, deepestIndent_);
        QString indented;
        indented.reserve(row.text.size() + 4 * (shown + 1));
        AppendIndent(indented, shown);
        if (row.step > 0)
            ++level;
        indented.append(row.text);
        row.text = std::move(indented);
        if (row.comment == kPlaceholderCaption)
            row.comment.clear();
        row.width = Cp932Width(row.text);
        column_ = std::max(column_, std::min(row.width, widestColumn_));
    }

    // Writing.
    const bool comments = settings_.comments;
    const QLatin1String head("(defrule");
    out.append(head);
    if (comments) {
        AppendSpaces(out, column_ - int(head.size()));
        out.append(QStringLiteral(";■"));
        AppendOneLine(out, rule.title);
    }
    out.append(kCrLf);
    for (const ScriptRow& row : rows) {
        out.append(row.text);
        if (comments && !row.comment.isEmpty()) {
            AppendSpaces(out, column_ - row.width);
            out.append(QLatin1Char(';'));
            out.append(row.comment);
        }
        out.append(kCrLf);
    }
    out.append(QLatin1String("=>\r\n"));
    for (const EventRow& row : events) {
        // Without comments an empty event row stays empty rather than
        // leaving four blanks.
        if (comments || !row.command.isEmpty())
            out.append(QLatin1String("    "));
        AppendOneLine(out, row.command);
        if (comments) {
            AppendSpaces(out, column_ - row.width - 4);
            AppendOneLine(out, row.comment);
        }
        out.append(kCrLf);
    }
    out.append(QLatin1String(")\r\n"));
}

int CountOpenedBlocks(QStringView script) {
    return int(script.count(QLatin1Char('#')));
}

void AppendEndIfs(QStringView script, QString& out) {
    for (int i = CountOpenedBlocks(script); i > 0; --i)
        out.append(QLatin1String("#end-if\r\n"));
}

} // namespace rw
