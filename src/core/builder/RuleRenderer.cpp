#include "builder/RuleRenderer.h"

#include "builder/ZuzAdidodi.h"
#include "model/ConditionLine.h"
#include "model/Cp932.h"
#include "model/ScriptLines.h"

#include <QVarLengthArray>

namespace rw {

namespace {

const QString kCommentMark = QStringLiteral(";■");
const QString kPlaceholderCaption = QStringLiteral("(上書きしてください)");

struct EventRow {
    QStringView command;
    QStringView comment;
    int width = 0; // of the command
};

// One row of the condition part: a fact, an operator that opens a list, or
// the ")" that closes one. Texts are written as one line from where they
// stand in the rule.
struct ScriptRow {
    enum class Kind { Fact, EmptyFact, Operator, Close } kind = Kind::Fact;
    QStringView script;
    QStringView comment;
    int indent = 0; // levels shown
    int width = 0;  // of the indented row
};

using EventRows = QVarLengthArray<EventRow, 16>;
using ScriptRows = QVarLengthArray<ScriptRow, 24>;

void AppendSpaces(QString& out, int count) {
    // Copied from a row of blanks: cheaper than filling for the short runs
    // of padding that make up much of a script.
    static const QString blanks(128, QLatin1Char(' '));
    for (; count > 0; count -= int(blanks.size()))
        out.append(QStringView(blanks).left(std::min<qsizetype>(count, blanks.size())));
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

namespace {

// The width of a text once written as one line.
int OneLineWidth(QStringView text) {
    return FirstControlCharacter(text) < 0 ? Cp932Width(text) : Cp932Width(OneLine(text));
}

// Event rows, split as the event list splits them; an empty field is one
// empty row.
EventRows ReadEvents(QStringView actions) {
    EventRows events;
    for (const QStringView line : SplitLines(actions)) {
        const EventLine read = ReadEventLine(line);
        events.append(EventRow{read.command, read.comment});
    }
    return events;
}

// Condition rows, closing open operators whenever an entry stands shallower
// than the operators still open.
ScriptRows ConditionRows(const ConditionLineViews& entries, const RowProgress& progress) {
    const int entryCount = int(entries.size());
    QVarLengthArray<int, 16> depths;
    ScriptRows rows;
    int open = 0;
    for (int i = 0; i < entryCount; ++i) {
        if (progress)
            progress(i + 1, entryCount);
        const ConditionLineView& entry = entries[i];
        // A parent must stand earlier in the list; anything else is read as
        // top level, so a damaged list cannot loop or index out of range.
        const int depth = entry.pw >= 1 && entry.pw <= i ? depths[entry.pw - 1] + 1 : 0;
        depths.append(depth);
        for (; open > depth; --open)
            rows.append(ScriptRow{ScriptRow::Kind::Close, {}, {}});
        // A condition is one script line whatever its texts hold.
        if (entry.editdat.startsWith(QLatin1String("Sys"))) {
            rows.append(ScriptRow{ScriptRow::Kind::Operator, entry.script, {}});
            ++open;
        } else {
            // "()" would make the game refuse the whole script; an empty
            // fact holds, as its place in the tree suggests.
            const bool empty = entry.script.trimmed().isEmpty();
            rows.append(ScriptRow{empty ? ScriptRow::Kind::EmptyFact : ScriptRow::Kind::Fact,
                                  entry.script, entry.cap});
        }
    }
    for (; open > 0; --open)
        rows.append(ScriptRow{ScriptRow::Kind::Close, {}, {}});
    return rows;
}

// The width of a row's text, without its indentation.
int TextWidth(const ScriptRow& row) {
    switch (row.kind) {
    case ScriptRow::Kind::Fact:
        return OneLineWidth(row.script) + 2;
    case ScriptRow::Kind::EmptyFact:
        return 6; // (true)
    case ScriptRow::Kind::Operator:
        return OneLineWidth(row.script) + 1;
    case ScriptRow::Kind::Close:
        break;
    }
    return 1;
}

// Indents the rows by their depth (no deeper than `deepestIndent`) and
// measures them; a caption left as the editor's placeholder is no comment.
void Indent(ScriptRows& rows, int deepestIndent, const RowProgress& progress) {
    const int rowCount = int(rows.size());
    int level = 0;
    for (int i = 0; i < rowCount; ++i) {
        if (progress)
            progress(i + 1, rowCount);
        ScriptRow& row = rows[i];
        if (row.kind == ScriptRow::Kind::Close)
            --level;
        row.indent = std::min(level, deepestIndent);
        if (row.kind == ScriptRow::Kind::Operator)
            ++level;
        if (row.comment == kPlaceholderCaption)
            row.comment = {};
        row.width = (row.indent >= 0 ? 4 * (row.indent + 1) : 0) + TextWidth(row);
    }
}

// Where a rule is written: a text (the preview) or the script's bytes.
// Both are given the same pieces in the same order.
struct TextOut {
    QString& text;
    void Ascii(QLatin1StringView piece) { text.append(piece); }
    void Text(QStringView piece) { text.append(piece); }
    void OneLine(QStringView piece) { AppendOneLine(text, piece); }
    void Spaces(int count) { AppendSpaces(text, count); }
};

struct BytesOut {
    Cp932Writer& bytes;
    void Ascii(QLatin1StringView piece) { bytes.AppendAscii(piece); }
    void Text(QStringView piece) { bytes.Append(piece); }
    void OneLine(QStringView piece) { bytes.AppendOneLine(piece); }
    void Spaces(int count) { bytes.AppendSpaces(count); }
};

template <typename Out> void AppendIndent(Out& out, int level) {
    if (level >= 0)
        out.Spaces(4 * (level + 1));
}

template <typename Out> void AppendRow(Out& out, const ScriptRow& row) {
    AppendIndent(out, row.indent);
    switch (row.kind) {
    case ScriptRow::Kind::Fact:
        out.Ascii(QLatin1StringView("("));
        out.OneLine(row.script);
        out.Ascii(QLatin1StringView(")"));
        return;
    case ScriptRow::Kind::EmptyFact:
        out.Ascii(QLatin1StringView("(true)"));
        return;
    case ScriptRow::Kind::Operator:
        out.Ascii(QLatin1StringView("("));
        out.OneLine(row.script);
        return;
    case ScriptRow::Kind::Close:
        out.Ascii(QLatin1StringView(")"));
        return;
    }
}

// The whole "(defrule" block, comments from `column` when `comments`.
template <typename Out>
void WriteRule(Out& out, QStringView title, const ScriptRows& rows, const EventRows& events,
               int column, bool comments) {
    const QLatin1StringView head("(defrule");
    out.Ascii(head);
    if (comments) {
        out.Spaces(column - int(head.size()));
        out.Text(kCommentMark);
        out.OneLine(title);
    }
    out.Ascii(QLatin1StringView("\r\n"));
    for (const ScriptRow& row : rows) {
        AppendRow(out, row);
        if (comments && !row.comment.isEmpty()) {
            out.Spaces(column - row.width);
            out.Ascii(QLatin1StringView(";"));
            out.OneLine(row.comment);
        }
        out.Ascii(QLatin1StringView("\r\n"));
    }
    out.Ascii(QLatin1StringView("=>\r\n"));
    for (const EventRow& row : events) {
        // Without comments an empty event row stays empty rather than
        // leaving four blanks.
        if (comments || !row.command.isEmpty())
            out.Ascii(QLatin1StringView("    "));
        out.OneLine(row.command);
        if (comments) {
            out.Spaces(column - row.width - 4);
            out.OneLine(row.comment);
        }
        out.Ascii(QLatin1StringView("\r\n"));
    }
    out.Ascii(QLatin1StringView(")\r\n"));
}

} // namespace

template <typename Out>
void RuleRenderer::RenderTo(const RuleEntry& rule, Out& out, const RowProgress& progress,
                            int category) {
    const ConditionLineViews entries(rule.conditions);
    EventRows events = ReadEvents(rule.actions);
    // The chat is one more command; a rule that already holds as many as a
    // rule may hold goes without, so that the script stays loadable.
    QString chat;
    if (settings_.debugChat && int(events.size() + entries.size()) < kMaxCommands) {
        chat = DebugChatCommand(category, rule.title);
        events.insert(events.begin(), EventRow{chat, kDebugChatComment});
    }
    // Rows wider than the column push it out.
    for (EventRow& row : events) {
        row.width = Cp932Width(row.command);
        column_ = std::max(column_, std::min(row.width + 4, widestColumn_));
    }
    ScriptRows rows = ConditionRows(entries, progress);
    Indent(rows, deepestIndent_, progress);
    for (const ScriptRow& row : rows)
        column_ = std::max(column_, std::min(row.width, widestColumn_));
    WriteRule(out, rule.title, rows, events, column_, settings_.comments);
}

void RuleRenderer::Render(const RuleEntry& rule, QString& out, const RowProgress& progress,
                          int category) {
    TextOut text{out};
    RenderTo(rule, text, progress, category);
}

void RuleRenderer::Render(const RuleEntry& rule, Cp932Writer& out, const RowProgress& progress,
                          int category) {
    BytesOut bytes{out};
    RenderTo(rule, bytes, progress, category);
}

int CountOpenedBlocks(QStringView script) {
    return int(script.count(QLatin1Char('#')));
}

void AppendEndIfs(QStringView script, QString& out) {
    for (int i = CountOpenedBlocks(script); i > 0; --i)
        out.append(QLatin1String("#end-if\r\n"));
}

void AppendEndIfs(QStringView script, Cp932Writer& out) {
    for (int i = CountOpenedBlocks(script); i > 0; --i)
        out.AppendAscii(QLatin1StringView("#end-if\r\n"));
}

} // namespace rw
