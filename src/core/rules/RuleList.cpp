#include "rules/RuleList.h"

#include <algorithm>

namespace rw {

namespace {

bool Valid(const CategoryTree& tree, int position) {
    return position >= 1 && position <= tree.Size();
}

// Index of a rule among its parent's children, or -1.
int SiblingIndex(const CategoryTree& tree, int position) {
    const TreeNode& node = tree.At(position);
    if (node.kind != NodeKind::Rule || !Valid(tree, node.parent))
        return -1;
    return int(tree.At(node.parent).children.indexOf(position));
}

std::optional<int> SwapWithSibling(Category& category, const CategoryTree& tree, int selected,
                                   int step) {
    if (!Valid(tree, selected))
        return std::nullopt;
    const int index = SiblingIndex(tree, selected);
    if (index < 0)
        return std::nullopt;
    const QList<int>& siblings = tree.At(tree.At(selected).parent).children;
    const int other = index + step;
    if (other < 0 || other >= siblings.size())
        return std::nullopt;
    const int target = siblings[other];
    SwapRuleContents(*EntryAt(category, selected), *EntryAt(category, target));
    return target;
}

} // namespace

NodeKind KindAt(const CategoryTree& tree, int position) {
    return Valid(tree, position) ? tree.At(position).kind : NodeKind::Root;
}

int HoldingGroup(const CategoryTree& tree, int position) {
    if (!Valid(tree, position))
        return position;
    const TreeNode& node = tree.At(position);
    if (node.kind != NodeKind::Rule)
        return position;
    return Valid(tree, node.parent) ? node.parent : position;
}

Placement InsertPlacement(const Category& category, const CategoryTree& tree, int selected) {
    switch (KindAt(tree, selected)) {
    case NodeKind::Root:
        return {GroupEndPosition(category, 1), kMarkerRoot};
    case NodeKind::Group:
        return {GroupEndPosition(category, selected), kMarkerGroupRule};
    case NodeKind::Rule:
        break;
    }
    // In front of the selected rule. Unmarked normally follows the group
    // around it; a root rule that stands among a group's rules (possible in
    // files) would lose its group that way, so the new one stays a root rule.
    const RuleEntry* entry = EntryAt(category, selected);
    bool rootRuleInsideGroup = false;
    if (entry && entry->IsRootRule())
        for (int p = 1; p < selected - 1 && !rootRuleInsideGroup; ++p)
            rootRuleInsideGroup = category.entries[p - 1].IsGroupStart();
    return {selected - 1, rootRuleInsideGroup ? kMarkerRoot : QString()};
}

int InsertEntry(Category& category, const CategoryTree& tree, int selected, RuleEntry entry) {
    const Placement place = InsertPlacement(category, tree, selected);
    entry.marker = place.marker;
    const int index = std::clamp(place.listPosition - 1, 0, int(category.entries.size()));
    category.entries.insert(index, std::move(entry));
    return index + 2;
}

int AppendGroup(Category& category, RuleEntry group) {
    group.marker = kMarkerGroup;
    category.entries.append(std::move(group));
    return int(category.entries.size()) + 1;
}

DeleteOutcome DeleteNode(Category& category, const CategoryTree& tree, int selected) {
    DeleteOutcome out;
    if (!Valid(tree, selected) || tree.At(selected).kind == NodeKind::Root) {
        out.notice = Notice{QStringLiteral("このグループを削除することはできません"), QString(),
                            Notice::Icon::None};
        return out;
    }
    const TreeNode& node = tree.At(selected);
    out.changed = true;
    if (node.kind == NodeKind::Group) {
        // The group's own rules, exactly; a root rule that happens to stand
        // among them in the list is not the group's and stays.
        QList<int> doomed = node.children;
        doomed.append(selected);
        std::sort(doomed.begin(), doomed.end(), std::greater<int>());
        for (int position : doomed)
            category.entries.removeAt(position - 2);
        out.groupRemoved = true;
        out.select = selected - 1;
        return out;
    }
    category.entries.removeAt(selected - 2);
    const int last = int(category.entries.size()) + 1;
    out.select = std::min(selected, last);
    return out;
}

bool RenameNode(Project& project, int category, int selected, const QString& text) {
    if (selected == 1) {
        QString& caption = project.RootCaption(category);
        if (caption == text)
            return false;
        caption = text;
        return true;
    }
    RuleEntry* entry = EntryAt(project.CategoryAt(category), selected);
    if (!entry)
        return false;
    // A title is never empty, so the tree never shows a blank-less node.
    const QString title = text.isEmpty() ? QStringLiteral(" ") : text;
    if (entry->title == title)
        return false;
    entry->title = title;
    return true;
}

RuleCommandStates CommandStatesAt(const CategoryTree& tree, int selected, bool clipboardFull) {
    RuleCommandStates states;
    const NodeKind kind = KindAt(tree, selected);
    states.deleteEnabled = kind != NodeKind::Root;
    states.pasteEnabled = clipboardFull;
    if (kind != NodeKind::Rule)
        return states;
    states.conditionMenuEnabled = true;
    states.copyCutEnabled = true;
    const int index = SiblingIndex(tree, selected);
    if (index >= 0) {
        const int count = int(tree.At(tree.At(selected).parent).children.size());
        states.moveUpEnabled = index > 0;
        states.moveDownEnabled = index < count - 1;
    }
    return states;
}

std::optional<int> MoveRuleUp(Category& category, const CategoryTree& tree, int selected) {
    return SwapWithSibling(category, tree, selected, -1);
}

std::optional<int> MoveRuleDown(Category& category, const CategoryTree& tree, int selected) {
    return SwapWithSibling(category, tree, selected, +1);
}

void SwapRuleContents(RuleEntry& a, RuleEntry& b) {
    for (int i = 0; i < RuleEntry::kFieldCount - 1; ++i)
        std::swap(a.Field(i), b.Field(i));
}

} // namespace rw
