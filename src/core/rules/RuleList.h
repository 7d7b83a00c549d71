#pragma once

#include "model/CategoryTree.h"
#include "model/Notice.h"
#include "model/Project.h"

#include <optional>

namespace rw {

// Editing the entry list of one category. Every function takes the tree of
// the list as it stands (BuildCategoryTree) so that callers build it once
// per command; after a change the caller rebuilds it.

// Kind of the node at a tree position; positions outside the tree read as
// the root group, which is what the editor falls back to.
NodeKind KindAt(const CategoryTree& tree, int position);

// The group or root group holding a node: the node itself for a group or
// the root, the parent for a rule. An invalid position is answered as is.
int HoldingGroup(const CategoryTree& tree, int position);

// Where an inserted entry goes for a selected node, and its marker.
struct Placement {
    int listPosition = 1;
    QString marker;
};
Placement InsertPlacement(const Category& category, const CategoryTree& tree, int selected);

// Inserts `entry` for the selected node (root: after the root rules; group:
// at the end of the group; rule: in front of it, unmarked) and answers the
// tree position of the new node.
int InsertEntry(Category& category, const CategoryTree& tree, int selected, RuleEntry entry);

// Appends a group start and answers its tree position.
int AppendGroup(Category& category, RuleEntry group);

struct DeleteOutcome {
    bool changed = false;
    bool groupRemoved = false; // the category must be shown again
    int select = 1;            // tree position to select afterwards
    Notice notice;             // the refusal for the root group
};

// Deletes the selected node: a rule alone, or a group start with every
// rule shown under it.
DeleteOutcome DeleteNode(Category& category, const CategoryTree& tree, int selected);

// The title box changed (at the root group: the category's root caption).
// Answers whether the project changed.
bool RenameNode(Project& project, int category, int selected, const QString& text);

// Enabled states of the rule commands for a selected node.
struct RuleCommandStates {
    bool deleteEnabled = false;
    bool conditionMenuEnabled = false;
    bool copyCutEnabled = false;
    bool pasteEnabled = false;
    bool moveUpEnabled = false;
    bool moveDownEnabled = false;

    bool operator==(const RuleCommandStates&) const = default;
};
RuleCommandStates CommandStatesAt(const CategoryTree& tree, int selected, bool clipboardFull);

// Moving a rule swaps its contents (fields 0 to 17) with the neighbouring
// rule of the same group; markers stay in place. Answers the tree position
// that now shows the moved rule, or nothing when the rule cannot move.
std::optional<int> MoveRuleUp(Category& category, const CategoryTree& tree, int selected);
std::optional<int> MoveRuleDown(Category& category, const CategoryTree& tree, int selected);

// Swaps fields 0 to 17 of two entries.
void SwapRuleContents(RuleEntry& a, RuleEntry& b);

} // namespace rw
