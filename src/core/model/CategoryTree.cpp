#include "model/CategoryTree.h"

namespace rw {

CategoryTree BuildCategoryTree(const Category& category, const QString& rootCaption) {
    CategoryTree tree;
    tree.nodes.reserve(category.entries.size() + 1);
    tree.nodes.append(TreeNode{NodeKind::Root, rootCaption, 1, 0, {}});
    int currentGroup = 1;
    for (int i = 0; i < category.entries.size(); ++i) {
        const RuleEntry& entry = category.entries[i];
        const int position = i + 2;
        if (entry.IsGroupStart()) {
            tree.nodes.append(TreeNode{NodeKind::Group, entry.title, position, 0, {}});
            currentGroup = position;
            continue;
        }
        const int parent = entry.IsRootRule() ? 1 : currentGroup;
        tree.nodes.append(TreeNode{NodeKind::Rule, entry.title, position, parent, {}});
        tree.nodes[parent - 1].children.append(position);
    }
    return tree;
}

RuleEntry* EntryAt(Category& category, int treePosition) {
    if (treePosition < 2 || treePosition - 1 > category.entries.size())
        return nullptr;
    return &category.entries[treePosition - 2];
}

const RuleEntry* EntryAt(const Category& category, int treePosition) {
    // Read through the const list: the other overload would detach it from
    // every copy that shares it (the undo history's among them).
    if (treePosition < 2 || treePosition - 1 > category.entries.size())
        return nullptr;
    return &category.entries[treePosition - 2];
}

int GroupEndPosition(const Category& category, int s) {
    const int count = int(category.entries.size());
    if (count == 0)
        return 1;
    for (int p = std::max(s, 1); p <= count; ++p)
        if (category.entries[p - 1].IsGroupStart())
            return p;
    return count + 1;
}

int CountRules(const Project& project) {
    int count = 0;
    for (const Category& category : project.categories)
        for (const RuleEntry& entry : category.entries)
            if (!entry.IsGroupStart())
                ++count;
    return count;
}

} // namespace rw
