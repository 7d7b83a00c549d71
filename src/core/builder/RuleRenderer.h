#pragma once

#include "builder/EnvironmentSettings.h"
#include "model/Cp932.h"
#include "model/Project.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <limits>

namespace rw {

// Reports the progress through the rows of one rule: value of maximum.
using RowProgress = std::function<void(int value, int maximum)>;

// Writes rules as "(defrule" blocks with their comments aligned in one
// column. The column only ever grows, and carries from one rule to the next,
// so a renderer lives for one whole script or preview.
//
// Without comments nothing is padded: every row is its text alone. With the
// debug chat every rule's actions begin with a chat line naming the rule.
class RuleRenderer {
public:
    explicit RuleRenderer(int commentColumn, const EnvironmentSettings& settings = {})
        : column_(commentColumn), settings_(settings) {}

    int CommentColumn() const { return column_; }

    // Rows deeper than `deepestIndent` levels are indented no further, and
    // no row pushes the comment column past `widestColumn` (a wider row has
    // its comment right after its text). With these bounds the text grows
    // in proportion to the rule however deep or wide the rule is; without
    // them (the script's own layout) every level costs four more spaces on
    // each of its rows.
    void SetLayoutLimits(int deepestIndent, int widestColumn) {
        deepestIndent_ = deepestIndent;
        widestColumn_ = widestColumn;
    }

    // Appends the rule from "(defrule" to its closing ")" (CR LF included).
    // Nothing before or after it: the caller places execution conditions.
    // `category` (1 to 7) is named by the debug chat; 0 names none.
    void Render(const RuleEntry& rule, QString& out, const RowProgress& progress = {},
                int category = 0);
    // The same, straight into the script's bytes.
    void Render(const RuleEntry& rule, Cp932Writer& out, const RowProgress& progress = {},
                int category = 0);

private:
    template <typename Out>
    void RenderTo(const RuleEntry& rule, Out& out, const RowProgress& progress, int category);

    int column_;
    int deepestIndent_ = std::numeric_limits<int>::max();
    int widestColumn_ = std::numeric_limits<int>::max();
    EnvironmentSettings settings_;
};

// The debug chat action of a rule: (chat-local-to-self "[category] title").
// Characters a chat string cannot hold are replaced, so whatever the title
// holds the result is one well-formed command on one line.
QString DebugChatCommand(int category, const QString& title);
inline const QString kDebugChatComment = QStringLiteral(";デバッグ用チャット");

// "#end-if" CR LF once for each block an execution-condition script opens
// (each of its lines holds exactly one "#").
int CountOpenedBlocks(QStringView script);
void AppendEndIfs(QStringView script, QString& out);
void AppendEndIfs(QStringView script, Cp932Writer& out);

} // namespace rw
