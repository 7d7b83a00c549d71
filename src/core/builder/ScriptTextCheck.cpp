#include "builder/ScriptTextCheck.h"

#include "model/Cp932.h"

#include "builder/CommandReference.h"
#include "builder/ExpressionCheck.h"
#include "builder/ScriptReader.h"
#include "model/Numeric.h"
#include "vocabulary/ScriptWords.h"

#include <QHash>

#include <algorithm>

namespace rw {

namespace {

// An expression written out on one line, for a message; long ones are cut.
void AppendOneLine(QString& out, const ScriptNode& node, qsizetype budget) {
    switch (node.kind) {
    case ScriptNode::Kind::Word:
        out += node.text;
        return;
    case ScriptNode::Kind::Text:
        out += QLatin1Char('"');
        out += node.text;
        out += QLatin1Char('"');
        return;
    case ScriptNode::Kind::List:
        break;
    }
    out += QLatin1Char('(');
    for (qsizetype i = 0; i < node.items.size() && out.size() <= budget; ++i) {
        if (i > 0)
            out += QLatin1Char(' ');
        AppendOneLine(out, node.items[i], budget);
    }
    out += QLatin1Char(')');
}

QString Excerpt(const ScriptNode& node) {
    constexpr qsizetype kLongest = 80;
    QString text;
    AppendOneLine(text, node, kLongest);
    return text.size() <= kLongest ? text : text.left(kLongest - 1) + QStringLiteral("…");
}

class TextChecker {
public:
    explicit TextChecker(QByteArrayView bytes) {
        // 0x0A is never the second byte of a double-byte character, so the
        // lines can be cut before decoding.
        qsizetype start = 0;
        int line = 1;
        for (;;) {
            const qsizetype end = bytes.indexOf('\n', start);
            QByteArrayView piece = bytes.sliced(start, (end < 0 ? bytes.size() : end) - start);
            if (piece.endsWith('\r'))
                piece.chop(1);
            Line(line, piece);
            if (end < 0)
                break;
            text_ += QLatin1Char('\n');
            start = end + 1;
            ++line;
        }
    }

    QList<ScriptProblem> Problems() {
        Structure();
        std::stable_sort(found_.begin(), found_.end(),
                         [](const Found& a, const Found& b) { return a.line < b.line; });
        QList<ScriptProblem> problems;
        for (const Found& f : found_)
            problems.append({QStringLiteral("行%1").arg(f.line), f.text});
        return problems;
    }

private:
    struct Found {
        int line;
        QString text;
    };

    void Line(int line, QByteArrayView bytes) {
        lineStarts_.append(text_.size());
        bool invalid = false;
        const QString decoded = FromCp932(bytes, &invalid);
        text_ += decoded;
        if (invalid) {
            found_.append({line, QStringLiteral("Shift_JISとして読めないバイトがあります")});
            return;
        }
        for (QChar c : decoded) {
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f) {
                found_.append({line, QStringLiteral("制御文字があります")});
                return;
            }
        }
    }

    int LineAt(qsizetype offset) const {
        return int(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset) -
                   lineStarts_.begin());
    }

    void Say(qsizetype offset, const QString& text) { found_.append({LineAt(offset), text}); }

    // How a report names the statement a problem is in.
    static QString StatementName(const ScriptNode& statement, ScriptContext context) {
        switch (context) {
        case ScriptContext::Fact:
            return QStringLiteral("条件「%1」").arg(Excerpt(statement));
        case ScriptContext::Action:
            return QStringLiteral("命令「%1」").arg(Excerpt(statement));
        case ScriptContext::Rule:
            break;
        }
        return QStringLiteral("ルール");
    }

    void Structure() {
        ExpressionCheck rules(constants_, StatementName,
                              [this](const ScriptNode& statement, const QString& text) {
                                  Say(statement.begin, text);
                              });
        // One top-level expression at a time: a long script is never held
        // as a whole tree.
        ScriptReader reader(text_);
        QString error;
        ScriptNode node, next;
        bool pending = false;
        for (;;) {
            if (pending)
                node = std::move(next);
            else if (!reader.Next(node, error))
                break;
            pending = false;
            if (node.kind == ScriptNode::Kind::Word && node.text.startsWith(QLatin1Char('#')))
                pending = DirectiveLine(node, reader, next, error);
            else
                TopLevel(node, rules);
        }
        if (!error.isEmpty())
            Say(reader.ErrorAt(), error);
        for (const Block& open : std::as_const(open_))
            Say(open.at, QStringLiteral("「%1」を閉じる#end-ifがありません").arg(open.line));
    }

    // A "#" word, with the symbol a load directive takes on its line. True
    // when the expression read after it is not that symbol: it is read next.
    bool DirectiveLine(const ScriptNode& node, ScriptReader& reader, ScriptNode& next,
                       QString& error) {
        if (!IsLoadDirective(node.text)) {
            Directive(node);
            return false;
        }
        const bool read = reader.Next(next, error);
        if (read && next.kind == ScriptNode::Kind::Word &&
            LineAt(next.begin) == LineAt(node.begin)) {
            Load(node, next.text);
            return false;
        }
        Say(node.begin, QStringLiteral("「%1」の後に記号がありません").arg(node.text));
        return read;
    }

    // An expression outside every rule: a defrule, a defconst or a load.
    void TopLevel(const ScriptNode& node, ExpressionCheck& rules) {
        if (node.kind != ScriptNode::Kind::List) {
            Say(node.begin, QStringLiteral("「%1」は括弧の外にあります").arg(Excerpt(node)));
            return;
        }
        const QStringView head = node.items.isEmpty() ? QStringView() : node.items.front().text;
        if (head == QLatin1String("defrule"))
            rules.Check(node, ScriptContext::Rule);
        else if (head == QLatin1String("defconst"))
            Defconst(node);
        else if (head != QLatin1String("load") && head != QLatin1String("load-random"))
            Say(node.begin,
                QStringLiteral("「%1」はdefruleでもdefconstでもありません").arg(Excerpt(node)));
    }

    static bool IsLoadDirective(QStringView word) {
        return word == QLatin1String("#load-if-defined") ||
               word == QLatin1String("#load-if-not-defined");
    }

    void Load(const ScriptNode& directive, QStringView symbol) {
        const QString line = directive.text.toString() + QLatin1Char(' ') + symbol.toString();
        if (!IsLoadSymbol(symbol.toString()))
            Say(directive.begin, QStringLiteral("実行条件「%1」の「%2」はゲームの記号にありません")
                                     .arg(line, symbol));
        open_.append({directive.begin, line});
    }

    void Directive(const ScriptNode& node) {
        const QStringView word = node.text;
        if (word == QLatin1String("#else") || word == QLatin1String("#end-if")) {
            if (open_.isEmpty())
                Say(node.begin, QStringLiteral("「%1」に対応する#load-ifがありません").arg(word));
            else if (word == QLatin1String("#end-if"))
                open_.removeLast();
            return;
        }
        Say(node.begin, QStringLiteral("「%1」はゲームの指示にありません").arg(word));
    }

    // (defconst NAME VALUE), each name once, before its first use.
    void Defconst(const ScriptNode& node) {
        const auto isWord = [&](qsizetype i) {
            return node.items[i].kind == ScriptNode::Kind::Word;
        };
        if (node.items.size() != 3 || !isWord(1) || !isWord(2) ||
            LooksNumeric(node.items[1].text)) {
            Say(node.begin,
                QStringLiteral("定数の定義「%1」は(defconst 名前 数値)の形ではありません")
                    .arg(Excerpt(node)));
            return;
        }
        const QString name = node.items[1].text.toString();
        const QStringView value = node.items[2].text;
        const std::optional<long long> number = ScriptNumberValue(value);
        if (!number) {
            Say(node.begin, QStringLiteral("定数「%1」の数値「%2」をゲームは読めません（読めるのは"
                                           "%3～%4の整数です）")
                                .arg(name, value, QString::number(kScriptNumberMin),
                                     QString::number(kScriptNumberMax)));
            return;
        }
        if (IsReferenceWord(name.toLower()) || IsGameWord(name)) {
            Say(node.begin,
                QStringLiteral("「%1」はゲームの語なので定数の名前に使えません").arg(name));
            return;
        }
        if (const auto first = constantLines_.constFind(name); first != constantLines_.cend()) {
            Say(node.begin,
                QStringLiteral("定数「%1」は行%2でも定義されています").arg(name).arg(*first));
            return;
        }
        constantLines_.insert(name, LineAt(node.begin));
        constants_.insert_or_assign(name, *number);
    }

    QString text_;
    QList<qsizetype> lineStarts_;
    QList<Found> found_;
    ConstantValues constants_;
    QHash<QString, int> constantLines_;
    // The #load-if blocks not yet closed: where each opens, and its line.
    struct Block {
        qsizetype at;
        QString line;
    };
    QList<Block> open_;
};

} // namespace

QList<ScriptProblem> CheckScriptText(QByteArrayView bytes) {
    return TextChecker(bytes).Problems();
}

} // namespace rw
