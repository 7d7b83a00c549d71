#pragma once

#include "builder/EnvironmentSettings.h"
#include "model/Project.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace rw {

inline constexpr int kPreviewCommentColumn = 30;
// A preview is for reading: rules far deeper or wider than the editor makes
// (a damaged or hand-made file) are shown within these bounds rather than
// as megabytes of blanks. See RuleRenderer::SetLayoutLimits.
inline constexpr int kPreviewDeepestIndent = 32;
inline constexpr int kPreviewWidestColumn = 256;

// The status-bar message while a preview is being made.
inline const QString kPreviewUpdatingMessage = QStringLiteral("スクリプトを更新しています....");

// What a preview shows: the rules of the selected tree node and the load
// conditions written around them (none for a single rule).
struct PreviewScope {
    QList<const RuleEntry*> rules;
    QString script;
    int category = 0; // 1 to 7; 0 for an empty scope
};

// The scope of tree position `position` (1 = the root group) of category
// 1 to 7: a rule alone, a group's rules, or the root group's rules, each as
// the rule tree shows them. Empty for a position outside the tree.
PreviewScope PreviewScopeAt(const Project& project, int category, int position);

// The plain preview text: the scope's load conditions, its rules back to
// back from comment column 30, then one "#end-if" per load condition.
// `settings` shape the rules as they shape the written script. Its length
// is bounded by a fixed multiple of the length of the rules.
QString ScriptBuilder(const PreviewScope& scope, const EnvironmentSettings& settings = {});

// One run of styled characters, in UTF-16 units of the text.
struct ColourRange {
    int start = 0;
    int length = 0;
    bool bold = false;
    uint32_t rgb = 0; // 0xRRGGBB

    bool operator==(const ColourRange&) const = default;
};

// The colouring of a preview text, in the order it is applied (a later
// range wins where two overlap): operators, keywords, brackets, comments.
QList<ColourRange> ColSet(const QString& text);

// What ColSet leaves once every later range has overridden the earlier
// ones: styled runs in text order, none overlapping, neighbours of the same
// style joined; characters outside every run keep the plain style. Made in
// one pass over the text. A ";" that ends the text starts no comment unless
// `lineBreakFollows` (the text is one line of a longer one).
QList<ColourRange> ColourRuns(QStringView text, bool lineBreakFollows = false);

// The coloured preview as rich text (HTML), the form the rule's colour cache
// stores. ASCII markup plus the text's own characters, so it survives
// saving and loading unchanged.
QString ColouredText(const QString& text);

// What the preview window shows: the plain text, coloured by ColourRuns
// when colour is on.
struct PreviewText {
    QString content;
    bool coloured = false;
};

// The preview command on tree position `position` of category 1 to 7.
// For a rule it also refreshes the rule's preview caches: the plain text
// always, the coloured text only when colour is on and the plain text has
// changed (or nothing is cached yet).
PreviewText PreviewCommand(Project& project, int category, int position, bool colourOn,
                           const EnvironmentSettings& settings = {});

} // namespace rw
