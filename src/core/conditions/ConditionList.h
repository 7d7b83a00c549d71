#pragma once

#include "conditions/ConditionClipboard.h"
#include "conditions/ConditionEntry.h"
#include "model/Notice.h"

#include <QList>
#include <QString>

namespace rw {

struct RuleEntry;

enum class ConditionIcon { Normal, Locked, Placeholder };

// One node of the condition tree as the window draws it. Node i is entry i.
struct ConditionNode {
    int position = 0; // 1-based
    int parent = 0;   // 0 at the top level
    QString caption;
    ConditionIcon icon = ConditionIcon::Normal;
    bool grey = false;   // placeholder captions are drawn in RGB(128, 128, 128)
    QList<int> children; // positions, in order
};

// The conditions of the selected rule, its selected entry and its one-step
// undo snapshot. The list does not write the rule: the Workspace stores
// ConditionsField() into it after every command that changed the list.
class ConditionList {
public:
    // --- reading and writing the rule's condition field ---------------------

    // Reads field 4 and selects entry 1. The undo snapshot is kept: it is
    // emptied only when another rule is selected (ClearUndoSnapshot).
    // A Pw that does not point at an earlier entry is read as 0.
    void LoadConditions(const QString& field);
    void LoadConditions(const RuleEntry& rule);
    // The stored form of the list.
    QString ConditionsField() const;

    // --- contents -------------------------------------------------------------

    int Size() const { return int(entries_.size()); }
    bool IsEmpty() const { return entries_.isEmpty(); }
    const ConditionEntries& Entries() const { return entries_; }
    // Position 1 to Size().
    const ConditionEntry& At(int position) const { return entries_[position - 1]; }
    bool IsValidPosition(int position) const { return position >= 1 && position <= Size(); }
    // True when the list is one placeholder and nothing else.
    bool IsLonePlaceholder() const;
    // The first locked entry (the rule's implied condition), 0 when none.
    int ImpliedConditionPosition() const;

    // Low-level edits for the event generator and the editor.
    // SetEntry keeps the Pw of the entry it replaces.
    void SetEntry(int position, const ConditionEntry& entry);
    void Append(const ConditionEntry& entry);
    // Replaces everything (for instance after the generator rewrote it).
    void SetEntries(const ConditionEntries& entries);

    // --- selection ------------------------------------------------------------

    // 0 only while the list is empty.
    int Selected() const { return selected_; }
    // Out-of-range positions are clamped into the list.
    void Select(int position);
    const ConditionEntry* SelectedEntry() const;

    // --- the tree ----------------------------------------------------------------

    QList<ConditionNode> BuildConditionTree() const;
    QList<int> ChildrenOf(int position) const;
    // The position and all its descendants in pre-order; empty when invalid.
    QList<int> SubtreeOf(int position) const;

    // Inserts the operator of kind 4 to 10 (Operators()) for the selected
    // entry, taking the undo snapshot first; other kinds do nothing. A
    // placeholder or a fact below an operator becomes the new operator; with
    // anything else selected the operator is appended at the top level. Its
    // placeholders follow it, and the new operator is selected.
    void InsertOperator(int kind, bool selectedIsOperator);
    // Re-linearises the list into pre-order after an entry got children at
    // the end, keeping the selected entry selected.
    void TvUpdate();
    // Removes an entry and its subtree without a snapshot (for the event
    // generator's implied condition); -1 means none.
    void DeleteItem(int position);

    // "ANDの書き換え": gives the selected operator another kind with the
    // same number of children; its children stay.
    bool CanRewriteOperator(int kind) const;
    void RewriteOperator(int kind);

    // --- undo ---------------------------------------------------------------

    void TakeUndoSnapshot();
    bool HasUndoSnapshot() const { return !snapshot_.isEmpty(); }
    void ClearUndoSnapshot() { snapshot_.clear(); }
    const ConditionEntries& UndoSnapshot() const { return snapshot_; }
    // Exchanges list and snapshot and selects entry 1; without a snapshot
    // the returned notice must be shown.
    Notice UndoConditions();

    // --- clipboard and deletion ---------------------------------------------

    // Copies the selected entry's subtree into the clipboard (a top-level
    // locked entry is not copied).
    void Copy(ConditionClipboard& clipboard) const;
    // Copy's second half: fills the clipboard with the entries at the listed
    // positions (a subtree in pre-order), each Pw counted within the copy.
    void CopyfromLst(const QList<int>& positions, ConditionClipboard& clipboard) const;
    // Copy, then Del.
    void Cut(ConditionClipboard& clipboard);
    // Deletes the selected entry with its subtree, after an undo snapshot.
    // Below an operator, and for the list's only top-level entry, the entry
    // becomes the placeholder instead, so that operators keep their number
    // of children and the list never empties. Top-level locked entries and
    // placeholders are left alone.
    void Del();
    // Appends the clipboard as a new top-level subtree and selects its last
    // entry; a list that is one placeholder is replaced instead.
    void Paste(const ConditionClipboard& clipboard);
    // Overwrites the selected entry (not an operator, not a top-level locked
    // entry) with a one-entry clipboard, keeping its Pw and position; a larger
    // clipboard is pasted.
    void PasteIns(const ConditionClipboard& clipboard);
    // "貼り付け(&P)" of the menu: fills a placeholder below an operator with a
    // one-entry clipboard, appends otherwise.
    void MenuPaste(const ConditionClipboard& clipboard);
    // The toolbar's versions take the undo snapshot before they run.
    void ToolbarCut(ConditionClipboard& clipboard);
    void ToolbarPaste(const ConditionClipboard& clipboard);
    void ToolbarDelete();

private:
    // Children of every position (index 0 unused), in position order.
    QList<QList<int>> ChildLists() const;
    static void AppendSubtree(int position, const QList<QList<int>>& children, QList<int>& out);
    // Removes the given positions; every remaining Pw follows its parent.
    void RemovePositions(const QList<int>& positions);
    void ReplaceByClipboard(const ConditionClipboard& clipboard);
    void AppendClipboard(const ConditionClipboard& clipboard);

    ConditionEntries entries_;
    ConditionEntries snapshot_;
    int selected_ = 0;
};

} // namespace rw
