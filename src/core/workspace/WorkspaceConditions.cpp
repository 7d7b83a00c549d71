// The Workspace's commands on the selected rule's conditions and the condition editor.

#include "workspace/Workspace.h"

namespace rw {

// --- conditions ----------------------------------------------------------------

void Workspace::SelectCondition(int position) {
    conditions_.Select(position);
}

ConditionCommandStates Workspace::ConditionCommands() const {
    const RuleEntry* rule = SelectedEntry();
    if (SelectedKind() != NodeKind::Rule || !rule)
        return {};
    return CommandLimitRefresh(conditions_, conditionClipboard_, EventListRowCount(rule->actions));
}

void Workspace::AfterConditionChange() {
    // The rule holds what the list now shows; the panel's counts follow.
    const RuleEntry* rule = SelectedEntry();
    const QString field = conditions_.ConditionsField();
    if (rule && SelectedIsRule() && rule->conditions != field) {
        SelectedEntryRef()->conditions = field;
        MarkModified();
    }
    RefreshPanel();
}

void Workspace::InsertOperator(int kind) {
    const Step step(*this, QStringLiteral("演算子の挿入"));
    const ConditionEntry* entry = conditions_.SelectedEntry();
    if (SelectedKind() != NodeKind::Rule || !entry)
        return;
    conditions_.InsertOperator(kind, entry->IsOperator());
    AfterConditionChange();
}

void Workspace::RewriteOperator(int kind) {
    const Step step(*this, QStringLiteral("演算子の書き換え"));
    if (SelectedKind() != NodeKind::Rule || !conditions_.CanRewriteOperator(kind))
        return;
    conditions_.RewriteOperator(kind);
    AfterConditionChange();
}

void Workspace::CutCondition(CommandSource source) {
    const Step step(*this, QStringLiteral("条件の切り取り"));
    if (SelectedKind() != NodeKind::Rule)
        return;
    if (source == CommandSource::Toolbar)
        conditions_.ToolbarCut(conditionClipboard_);
    else
        conditions_.Cut(conditionClipboard_);
    AfterConditionChange();
}

void Workspace::CopyCondition() {
    if (SelectedKind() != NodeKind::Rule)
        return;
    conditions_.Copy(conditionClipboard_);
}

void Workspace::PasteCondition(CommandSource source) {
    const Step step(*this, QStringLiteral("条件の貼り付け"));
    if (SelectedKind() != NodeKind::Rule)
        return;
    if (source == CommandSource::Toolbar)
        conditions_.ToolbarPaste(conditionClipboard_);
    else
        conditions_.MenuPaste(conditionClipboard_);
    AfterConditionChange();
}

void Workspace::OverwriteCondition() {
    const Step step(*this, QStringLiteral("条件の書き換え"));
    if (SelectedKind() != NodeKind::Rule)
        return;
    conditions_.PasteIns(conditionClipboard_);
    AfterConditionChange();
}

void Workspace::DeleteCondition(CommandSource source) {
    const Step step(*this, QStringLiteral("条件の削除"));
    if (SelectedKind() != NodeKind::Rule)
        return;
    if (source == CommandSource::Toolbar)
        conditions_.ToolbarDelete();
    else
        conditions_.Del();
    AfterConditionChange();
}

Notice Workspace::UndoConditions() {
    const Step step(*this, QStringLiteral("条件を元に戻す"));
    if (SelectedKind() != NodeKind::Rule)
        return {};
    const Notice notice = conditions_.UndoConditions();
    AfterConditionChange();
    return notice;
}

bool Workspace::OpenConditionEditor(int toolbarKind) {
    if (!SelectedIsRule())
        return false;
    return conditionEditor_.AddCodes(toolbarKind, conditions_, project_);
}

bool Workspace::OpenConditionEditorFromMenu() {
    if (!SelectedIsRule())
        return false;
    return conditionEditor_.MenuAdd(conditions_, project_);
}

bool Workspace::OpenConditionEditorForChange() {
    if (!SelectedIsRule())
        return false;
    return conditionEditor_.IfEditCommand(conditions_, project_);
}

Notice Workspace::ConfirmConditionEditor() {
    const Step step(*this, QStringLiteral("条件の編集"));
    if (!SelectedIsRule())
        return {};
    const Notice notice = conditionEditor_.Confirm(conditions_);
    AfterConditionChange();
    return notice;
}

void Workspace::CancelConditionEditor() {
    const Step step(*this, QStringLiteral("条件の編集"));
    conditionEditor_.Cancel(conditions_);
    AfterConditionChange();
}

void Workspace::ReplaceConditions(const QString& conditionsField) {
    const Step step(*this, QStringLiteral("条件の編集"));
    if (SelectedKind() != NodeKind::Rule)
        return;
    conditions_.LoadConditions(conditionsField);
    AfterConditionChange();
}

} // namespace rw
