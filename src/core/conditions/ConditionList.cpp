#include "conditions/ConditionList.h"

#include "model/ConditionLine.h"
#include "model/Project.h"

#include <algorithm>

namespace rw {

namespace {

// Every Pw must name an earlier entry; anything else is read as the top
// level, which keeps the tree finite and every subtree after its root.
void SanitiseParents(ConditionEntries& entries) {
    for (int i = 0; i < int(entries.size()); ++i) {
        int& pw = entries[i].pw;
        if (pw < 0 || pw > i)
            pw = 0;
    }
}

} // namespace

void ConditionList::LoadConditions(const QString& field) {
    entries_.clear();
    for (const QString& line : SplitConditionLines(field)) {
        const ConditionLine read = ReadConditionLine(line);
        entries_ << ConditionEntry{read.pw, read.cap, read.editdat, read.script};
    }
    SanitiseParents(entries_);
    selected_ = entries_.isEmpty() ? 0 : 1;
}

void ConditionList::LoadConditions(const RuleEntry& rule) {
    LoadConditions(rule.conditions);
}

QString ConditionList::ConditionsField() const {
    QString text;
    for (const ConditionEntry& e : entries_)
        text += WriteConditionLine(ConditionLine{e.pw, e.cap, e.editdat, e.script});
    return text;
}

bool ConditionList::IsLonePlaceholder() const {
    return entries_.size() == 1 && entries_.first().IsPlaceholder();
}

int ConditionList::ImpliedConditionPosition() const {
    for (int i = 0; i < Size(); ++i)
        if (entries_[i].IsLocked())
            return i + 1;
    return 0;
}

void ConditionList::SetEntry(int position, const ConditionEntry& entry) {
    if (!IsValidPosition(position))
        return;
    ConditionEntry& target = entries_[position - 1];
    const int pw = target.pw;
    target = entry;
    target.pw = pw;
}

void ConditionList::Append(const ConditionEntry& entry) {
    entries_ << entry;
    SanitiseParents(entries_);
    if (selected_ == 0)
        selected_ = 1;
}

void ConditionList::SetEntries(const ConditionEntries& entries) {
    entries_ = entries;
    SanitiseParents(entries_);
    Select(selected_);
}

void ConditionList::Select(int position) {
    selected_ = entries_.isEmpty() ? 0 : std::clamp(position, 1, Size());
}

const ConditionEntry* ConditionList::SelectedEntry() const {
    return IsValidPosition(selected_) ? &entries_[selected_ - 1] : nullptr;
}

QList<ConditionNode> ConditionList::BuildConditionTree() const {
    QList<ConditionNode> nodes;
    nodes.reserve(entries_.size());
    for (int i = 0; i < Size(); ++i) {
        const ConditionEntry& e = entries_[i];
        ConditionNode node;
        node.position = i + 1;
        node.parent = e.pw;
        node.caption = e.cap;
        if (e.IsPlaceholder()) {
            node.icon = ConditionIcon::Placeholder;
            node.grey = true;
        } else if (e.IsTopLevelLocked()) {
            node.icon = ConditionIcon::Locked;
        }
        nodes << node;
    }
    for (const ConditionNode& node : nodes)
        if (node.parent > 0)
            nodes[node.parent - 1].children << node.position;
    return nodes;
}

QList<int> ConditionList::ChildrenOf(int position) const {
    QList<int> children;
    if (!IsValidPosition(position))
        return children;
    for (int i = position; i < Size(); ++i)
        if (entries_[i].pw == position)
            children << i + 1;
    return children;
}

QList<QList<int>> ConditionList::ChildLists() const {
    QList<QList<int>> children(Size() + 1);
    for (int i = 1; i <= Size(); ++i)
        if (entries_[i - 1].pw > 0)
            children[entries_[i - 1].pw] << i;
    return children;
}

void ConditionList::AppendSubtree(int position, const QList<QList<int>>& children,
                                  QList<int>& out) {
    // Parents always stand before their children, so the walk ends; it is
    // iterative because stored lists can be deep.
    QList<int> stack{position};
    while (!stack.isEmpty()) {
        const int p = stack.takeLast();
        out << p;
        const QList<int>& kids = children[p];
        for (auto it = kids.crbegin(); it != kids.crend(); ++it)
            stack << *it;
    }
}

QList<int> ConditionList::SubtreeOf(int position) const {
    QList<int> result;
    if (IsValidPosition(position))
        AppendSubtree(position, ChildLists(), result);
    return result;
}

void ConditionList::RemovePositions(const QList<int>& positions) {
    QList<bool> removed(Size() + 1, false);
    for (int p : positions)
        if (IsValidPosition(p))
            removed[p] = true;
    QList<int> newPosition(Size() + 1, 0);
    ConditionEntries kept;
    for (int i = 1; i <= Size(); ++i) {
        if (removed[i])
            continue;
        kept << entries_[i - 1];
        newPosition[i] = int(kept.size());
    }
    for (ConditionEntry& e : kept)
        e.pw = e.pw > 0 ? newPosition[e.pw] : 0;
    entries_ = kept;
}

void ConditionList::InsertOperator(int kind, bool selectedIsOperator) {
    const OperatorInfo* op = OperatorByKind(kind);
    if (!op || !SelectedEntry())
        return;
    TakeUndoSnapshot();
    const ConditionEntry selected = *SelectedEntry();
    // An operator never takes another operator's place in the list: its
    // children would be left under the new one beside the new placeholders.
    const bool appendNew = (selected.IsTopLevel() || selectedIsOperator || selected.IsOperator()) &&
                           !selected.IsPlaceholder();
    int position = selected_;
    if (appendNew) {
        entries_ << ConditionEntry{0, op->cap, op->editdat, op->script};
        position = Size();
    } else {
        ConditionEntry& target = entries_[selected_ - 1];
        target.cap = op->cap;
        target.editdat = op->editdat;
        target.script = op->script;
    }
    for (int i = 0; i < op->children; ++i)
        entries_ << PlaceholderEntry(position);
    selected_ = position;
    if (!appendNew)
        TvUpdate();
}

void ConditionList::TvUpdate() {
    QList<int> order;
    order.reserve(Size());
    const QList<QList<int>> children = ChildLists();
    for (int i = 1; i <= Size(); ++i)
        if (entries_[i - 1].pw == 0)
            AppendSubtree(i, children, order);
    QList<int> newPosition(Size() + 1, 0);
    for (int i = 0; i < int(order.size()); ++i)
        newPosition[order[i]] = i + 1;
    ConditionEntries reordered;
    reordered.reserve(order.size());
    for (int p : order) {
        ConditionEntry e = entries_[p - 1];
        e.pw = e.pw > 0 ? newPosition[e.pw] : 0;
        reordered << e;
    }
    const int selected = IsValidPosition(selected_) ? newPosition[selected_] : 1;
    entries_ = reordered;
    Select(selected);
}

void ConditionList::DeleteItem(int position) {
    if (!IsValidPosition(position))
        return;
    const QList<int> subtree = SubtreeOf(position);
    if (subtree.size() == Size()) {
        // The list of an edited rule is never empty: the last entry stays
        // as a free slot.
        RemovePositions(subtree.mid(1));
        MakePlaceholder(entries_[0]);
        Select(1);
        return;
    }
    RemovePositions(subtree);
    selected_ = 1;
    TvUpdate();
    Select(position);
}

bool ConditionList::CanRewriteOperator(int kind) const {
    const OperatorInfo* target = OperatorByKind(kind);
    const ConditionEntry* selected = SelectedEntry();
    if (!target || !selected)
        return false;
    const OperatorInfo* current = OperatorByEditdat(selected->editdat);
    return current && current->children == target->children &&
           ChildrenOf(selected_).size() == target->children;
}

void ConditionList::RewriteOperator(int kind) {
    if (!CanRewriteOperator(kind))
        return;
    TakeUndoSnapshot();
    const OperatorInfo* op = OperatorByKind(kind);
    ConditionEntry& target = entries_[selected_ - 1];
    target.cap = op->cap;
    target.editdat = op->editdat;
    target.script = op->script;
}

void ConditionList::TakeUndoSnapshot() {
    snapshot_ = entries_;
}

Notice ConditionList::UndoConditions() {
    Notice notice;
    if (snapshot_.isEmpty())
        notice.text = QStringLiteral("アンドゥはできません");
    else
        std::swap(entries_, snapshot_);
    Select(1);
    return notice;
}

void ConditionList::Copy(ConditionClipboard& clipboard) const {
    const ConditionEntry* selected = SelectedEntry();
    if (!selected || selected->IsTopLevelLocked())
        return;
    CopyfromLst(SubtreeOf(selected_), clipboard);
}

void ConditionList::CopyfromLst(const QList<int>& positions, ConditionClipboard& clipboard) const {
    ConditionEntries copied;
    for (int i = 0; i < int(positions.size()); ++i) {
        if (!IsValidPosition(positions[i]))
            return;
        ConditionEntry e = At(positions[i]);
        // The parent's place within the copy; on a list in pre-order this is
        // the parent's position minus the root's, plus one.
        e.pw = i == 0 ? 0 : int(positions.indexOf(e.pw)) + 1;
        copied << e;
    }
    clipboard.Set(copied);
}

void ConditionList::Cut(ConditionClipboard& clipboard) {
    Copy(clipboard);
    Del();
}

void ConditionList::Del() {
    const ConditionEntry* selected = SelectedEntry();
    if (!selected || selected->IsTopLevelLocked() || selected->IsPlaceholder())
        return;
    const int s = selected_;
    TakeUndoSnapshot();
    if (Size() == 1) {
        MakePlaceholder(entries_[0]);
    } else if (selected->IsTopLevel()) {
        const QList<int> subtree = SubtreeOf(s);
        const bool onlyTopLevel =
            std::count_if(entries_.cbegin(), entries_.cend(),
                          [](const ConditionEntry& e) { return e.IsTopLevel(); }) == 1;
        if (onlyTopLevel) {
            RemovePositions(subtree.mid(1));
            MakePlaceholder(entries_[s - 1]);
        } else {
            RemovePositions(subtree);
        }
    } else {
        if (selected->IsOperator())
            RemovePositions(SubtreeOf(s).mid(1));
        MakePlaceholder(entries_[s - 1]);
    }
    Select(s);
}

void ConditionList::ReplaceByClipboard(const ConditionClipboard& clipboard) {
    // A lone placeholder gives way to the whole pasted subtree.
    entries_ = clipboard.Entries();
    SanitiseParents(entries_);
    Select(Size());
}

void ConditionList::AppendClipboard(const ConditionClipboard& clipboard) {
    const int base = Size() + 1;
    for (const ConditionEntry& source : clipboard.Entries()) {
        ConditionEntry e = source;
        e.pw = source.pw == 0 ? 0 : base + source.pw - 1;
        entries_ << e;
    }
    Select(Size());
}

void ConditionList::Paste(const ConditionClipboard& clipboard) {
    if (clipboard.IsEmpty())
        return;
    if (IsLonePlaceholder()) {
        if (clipboard.Size() == 1)
            PasteIns(clipboard);
        else
            ReplaceByClipboard(clipboard);
        return;
    }
    AppendClipboard(clipboard);
}

void ConditionList::PasteIns(const ConditionClipboard& clipboard) {
    const ConditionEntry* selected = SelectedEntry();
    if (clipboard.IsEmpty() || !selected || selected->IsOperator())
        return;
    if (clipboard.Size() == 1) {
        if (selected->IsTopLevelLocked())
            return;
        SetEntry(selected_, clipboard.Entries().first());
        Select(selected_);
        return;
    }
    if (IsLonePlaceholder())
        ReplaceByClipboard(clipboard);
    else
        AppendClipboard(clipboard);
}

void ConditionList::MenuPaste(const ConditionClipboard& clipboard) {
    const ConditionEntry* selected = SelectedEntry();
    if (clipboard.IsEmpty())
        return;
    if (selected && !selected->IsOperator() && clipboard.Size() == 1 && selected->IsPlaceholder() &&
        !selected->IsTopLevel())
        PasteIns(clipboard);
    else
        Paste(clipboard);
}

void ConditionList::ToolbarCut(ConditionClipboard& clipboard) {
    TakeUndoSnapshot();
    Cut(clipboard);
}

void ConditionList::ToolbarPaste(const ConditionClipboard& clipboard) {
    TakeUndoSnapshot();
    Paste(clipboard);
}

void ConditionList::ToolbarDelete() {
    TakeUndoSnapshot();
    Del();
}

} // namespace rw
