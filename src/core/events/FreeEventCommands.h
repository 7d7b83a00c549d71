#pragma once

#include "conditions/ConditionEntry.h"
#include "events/FreeEventEditor.h"
#include "events/FreeEventList.h"
#include "model/Notice.h"

#include <QString>

#include <optional>

namespace rw {

class ConditionClipboard;
struct Project;
struct RuleEntry;

// Enabled states of the free-event toolbar; each item of the pop-up
// "イベント" takes the state of its button.
struct FreeEventToolbarState {
    bool add = false;    // button 1, "イベントの追加(&A)..."
    bool edit = false;   // button 2, "イベントの編集(&E)..."
    bool cut = false;    // button 4, "切り取り(&C)"
    bool copy = false;   // button 5, "コピー(&C)"
    bool paste = false;  // button 6, "貼り付け"
    bool remove = false; // button 7, "削除(&D)"
    bool operator==(const FreeEventToolbarState&) const = default;
};

// The single item of the sub-menu "このイベントの関連条件".
struct RelationMenuItem {
    QString text;
    bool enabled = false;
    bool operator==(const RelationMenuItem&) const = default;
};

struct FreeEventConfirmOutcome {
    bool accepted = false; // the list changed and the editor was discarded
    Notice notice;         // what to show when the input was refused
};

// The free events of the selected rule with their clipboard and editor, and
// every command of the free-event toolbar. The commands change the working
// list only; afterwards the caller writes it back with ApplyToRule, which
// also rebuilds the list from the rule, so list and rule never drift apart.
//
// commandCount is the rule's count of conditions plus event rows.
class FreeEventCommands {
public:
    // --- the list and the rule ---------------------------------------------

    const FreeEventList& List() const { return list_; }
    // Selects a node of the free-event tree (0-based).
    void Select(int index) { list_.Select(index); }
    // The list and tree of a rule; the first free event is selected.
    void LoadFromRule(const RuleEntry& rule);
    // No rule of the free category is selected.
    void Clear() { list_ = FreeEventList(); }
    // The end of every command: the generator rebuilds actions and panel
    // fields from the list (run-once kept as the rule has it), then the list
    // is rebuilt from the rule.
    void ApplyToRule(RuleEntry& rule);

    // --- the editor --------------------------------------------------------------

    FreeEventEditor& Editor() { return editor_; }
    const FreeEventEditor& Editor() const { return editor_; }
    bool IsEditorOpen() const { return editorOpen_; }

    // Refused with the limit message when one more command does not fit;
    // otherwise the answer is empty, the editor is ready in add mode and
    // the window shows it.
    Notice OpenForAdd(int commandCount, const Project& project);
    // FreeEdit: fills the editor from the selected free event. False (and
    // nothing happens) while the list is empty.
    bool OpenForChange(const Project& project);
    // The confirm button. Invalid input is refused and the editor stays
    // open; otherwise the list takes the editor's entry and the editor is
    // discarded.
    FreeEventConfirmOutcome Confirm();
    // "キャンセル": the editor is discarded.
    void Cancel();
    // The close box only hides the editor: the next opening shows the same
    // tab and inputs.
    void CloseBox() { editorOpen_ = false; }

    // --- clipboard commands ------------------------------------------------------

    const std::optional<FreeEvent>& Clipboard() const { return clipboard_; }
    void Cut();
    void Copy();
    Notice Paste(int commandCount);
    void Delete();

    // --- what the window shows -----------------------------------------------------

    FreeEventToolbarState ToolbarState(int commandCount) const;
    // Nothing while the tree is empty: the item is left as it was.
    std::optional<RelationMenuItem> RelationItem() const;
    // "(…)の条件をコピー": the selected event's related condition as one
    // ordinary condition entry; nothing without one.
    std::optional<ConditionEntry> RelatedCondition() const;
    bool CopyRelatedCondition(ConditionClipboard& clipboard) const;

    // The refusal of an add or paste past the command limit.
    static Notice LimitNotice();

private:
    FreeEventList list_;
    std::optional<FreeEvent> clipboard_;
    FreeEventEditor editor_;
    bool editorOpen_ = false;
    int changeTarget_ = -1; // the event being changed, -1 when adding
};

} // namespace rw
