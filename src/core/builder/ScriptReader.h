#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace rw {

// An expression of the rule language: a word, a quoted text or a
// parenthesised list, with where it stands in the text it was read from.
// Its words and texts are views into that text, which must outlive it.
struct ScriptNode {
    enum class Kind { Word, Text, List } kind = Kind::Word;
    QStringView text; // the word or the text between the quotes
    QList<ScriptNode> items;
    qsizetype begin = 0; // first character
    qsizetype end = 0;   // one past the last character
};

// Reads expressions; ";" outside a quoted text starts a comment to the end of
// the line. Stops at the first fault and says what it was and where. Lists
// nest at most kMaxScriptDepth deep: no rule the game takes comes near it,
// and reading stays within a small stack whatever the text.
inline constexpr int kMaxScriptDepth = 200;

class ScriptReader {
public:
    explicit ScriptReader(QStringView source) : s_(source) {}

    // Every expression to the end, or those before the fault and the one
    // it stopped in.
    QList<ScriptNode> ReadAll(QString& error);

    // The next expression; false at the end of the text or after a fault.
    // A long script is read one expression at a time, into the same node.
    bool Next(ScriptNode& node, QString& error);

    // Where the fault was found (the end of the text for an open bracket).
    qsizetype ErrorAt() const { return errorAt_; }

private:
    bool SkipBlank();
    void Read(ScriptNode& node, QString& error, int depth);
    void Fail(QString& error, const QString& text, qsizetype at);

    QStringView s_;
    qsizetype i_ = 0;
    qsizetype errorAt_ = 0;
};

// A word the script reads as a number, or means as one: a sign or "." before
// a digit. Whether the game can read it is ScriptNumber's business.
bool LooksNumeric(QStringView word);

} // namespace rw
