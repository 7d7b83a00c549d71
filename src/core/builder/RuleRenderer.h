#pragma once

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
class RuleRenderer {
public:
    explicit RuleRenderer(int commentColumn) : column_(commentColumn) {}

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
    void Render(const RuleEntry& rule, QString& out, const RowProgress& progress = {});

private:
    int column_;
    int deepestIndent_ = std::numeric_limits<int>::max();
    int widestColumn_ = std::numeric_limits<int>::max();
};

// "#end-if" CR LF once for each block an execution-condition script opens
// (each of its lines holds exactly one "#").
int CountOpenedBlocks(QStringView script);
void AppendEndIfs(QStringView script, QString& out);

} // namespace rw
