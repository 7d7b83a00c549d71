#pragma once

#include "model/Project.h"

namespace rw {

enum class NodeKind { Root, Group, Rule };

struct TreeNode {
    NodeKind kind = NodeKind::Rule;
    QString caption;
    int position = 0; // 1-based; 1 is the root group
    int parent = 0;   // position of the parent node, 0 for top-level nodes
    QList<int> children; // positions of the child nodes, in order
};

// The rule tree of one category as plain data: nodes[p - 1] is position p.
struct CategoryTree {
    QList<TreeNode> nodes;

    const TreeNode& At(int position) const { return nodes[position - 1]; }
    int Size() const { return int(nodes.size()); }
};

// The root node shows `rootCaption`.
CategoryTree BuildCategoryTree(const Category& category, const QString& rootCaption);

// The entry shown at a tree position: position p >= 2 shows entry p - 1.
// nullptr for the root group and for positions past the list.
RuleEntry* EntryAt(Category& category, int treePosition);
const RuleEntry* EntryAt(const Category& category, int treePosition);

// The list position at which a new entry joins the group whose contents
// begin at list position s (1 for the root group).
int GroupEndPosition(const Category& category, int s);

// Entries of all seven categories that are not group starts.
int CountRules(const Project& project);

} // namespace rw
