#pragma once

#include "model/Project.h"

#include <QString>
#include <QStringView>

#include <functional>

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

    // Appends the rule from "(defrule" to its closing ")" (CR LF included).
    // Nothing before or after it: the caller places execution conditions.
    void Render(const RuleEntry& rule, QString& out, const RowProgress& progress = {});

private:
    int column_;
};

// "#end-if" CR LF once for each block an execution-condition script opens
// (each of its lines holds exactly one "#").
int CountOpenedBlocks(QStringView script);
void AppendEndIfs(QStringView script, QString& out);

} // namespace rw
