#include "builder/ScriptReader.h"

#include "model/ScriptLines.h"

namespace rw {

QList<ScriptNode> ScriptReader::ReadAll(QString& error) {
    QList<ScriptNode> nodes;
    while (error.isEmpty() && SkipBlank())
        Read(nodes.emplaceBack(), error, 0);
    return nodes;
}

bool ScriptReader::Next(ScriptNode& node, QString& error) {
    if (!error.isEmpty() || !SkipBlank())
        return false;
    Read(node, error, 0);
    return error.isEmpty();
}

void ScriptReader::Fail(QString& error, const QString& text, qsizetype at) {
    error = text;
    errorAt_ = at;
}

// Skips blanks and comments; false at the end.
bool ScriptReader::SkipBlank() {
    while (i_ < s_.size()) {
        const QChar c = s_[i_];
        if (c == QLatin1Char(';')) {
            while (i_ < s_.size() && s_[i_] != QLatin1Char('\n') && s_[i_] != QLatin1Char('\r'))
                ++i_;
        } else if (c.isSpace()) {
            ++i_;
        } else {
            return true;
        }
    }
    return false;
}

// Reads into `node`, whose lists keep the room they had: a node read again
// and again (one fact after another) needs no new memory.
void ScriptReader::Read(ScriptNode& node, QString& error, int depth) {
    node.kind = ScriptNode::Kind::Word;
    node.text = {};
    node.items.clear();
    node.begin = i_;
    const QChar c = s_[i_];
    if (c == QLatin1Char(')')) {
        Fail(error, QStringLiteral("括弧が合っていません"), i_);
        node.end = ++i_;
        return;
    }
    if (c == QLatin1Char('"')) {
        const qsizetype close = FindChar(s_, QLatin1Char('"'), i_ + 1);
        if (close < 0) {
            Fail(error, QStringLiteral("引用符が閉じていません"), i_);
            node.end = i_ = s_.size();
            return;
        }
        node.kind = ScriptNode::Kind::Text;
        node.text = s_.mid(i_ + 1, close - i_ - 1);
        node.end = i_ = close + 1;
        return;
    }
    if (c == QLatin1Char('(')) {
        if (depth >= kMaxScriptDepth) {
            Fail(error, QStringLiteral("括弧の入れ子が深すぎます（%1段まで）").arg(kMaxScriptDepth),
                 i_);
            node.end = i_;
            return;
        }
        ++i_;
        node.kind = ScriptNode::Kind::List;
        for (;;) {
            if (!SkipBlank()) {
                Fail(error, QStringLiteral("括弧が合っていません"), node.begin);
                node.end = i_;
                return;
            }
            if (s_[i_] == QLatin1Char(')')) {
                node.end = ++i_;
                return;
            }
            Read(node.items.emplaceBack(), error, depth + 1);
            if (!error.isEmpty()) {
                node.end = i_;
                return;
            }
        }
    }
    while (i_ < s_.size() && !s_[i_].isSpace() && s_[i_] != QLatin1Char('(') &&
           s_[i_] != QLatin1Char(')') && s_[i_] != QLatin1Char('"') && s_[i_] != QLatin1Char(';'))
        ++i_;
    node.text = s_.mid(node.begin, i_ - node.begin);
    node.end = i_;
}

bool LooksNumeric(QStringView word) {
    qsizetype i = 0;
    if (i < word.size() && (word[i] == QLatin1Char('-') || word[i] == QLatin1Char('+')))
        ++i;
    if (i < word.size() && word[i] == QLatin1Char('.'))
        ++i;
    return i < word.size() && word[i].isDigit();
}

} // namespace rw
