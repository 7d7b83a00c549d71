// The Workspace's commands on the event panels, the rule options and the free events.

#include "workspace/Workspace.h"

#include "events/CommandGenerator.h"
#include "events/PanelBinding.h"
#include "events/PanelRules.h"

namespace rw {

// --- event panels ----------------------------------------------------------------

void Workspace::RefreshPanel() {
    panel_ = MakePanelView(category_, panelState_, options_,
                           SelectedIsRule() ? SelectedEntry() : nullptr);
}

Notice Workspace::ChangePanel(PanelControl control, const QString& value) {
    const Step step(*this, QStringLiteral("イベントの変更"), PanelKey(control));
    const ControlChange change = ApplyControl(panelState_, options_, control, value);
    if (!change.changed || !SelectedIsRule()) {
        RefreshPanel();
        return change.notice;
    }
    if (autoRename_ && !change.renameTo.isEmpty()) {
        Rename(change.renameTo);
    }
    if (change.regenerate) {
        RegenerateEvents();
        if (!IsOptionControl(control))
            conditions_.Select(1);
    }
    const Notice limit = CheckLimits(control);
    RefreshPanel();
    return change.notice.IsEmpty() ? limit : change.notice;
}

Notice Workspace::CheckLimits(PanelControl control) {
    const RuleEntry* rule = SelectedEntry();
    if (!rule || !SelectedIsRule())
        return {};
    if (IsResourceControl(control) && category_ == kResourceCategory) {
        const ResourceKindGuard::Verdict verdict =
            resourceGuard_.Check(*rule, panelState_.resource.kind);
        if (!verdict.refused)
            return {};
        // Back to the kind that fitted, as if the user had chosen it again.
        const ControlChange back = ApplyControl(panelState_, options_, PanelControl::ResourceKind,
                                                QString::number(verdict.revertTo));
        if (autoRename_ && !back.renameTo.isEmpty())
            Rename(back.renameTo);
        RegenerateEvents();
        return verdict.notice;
    }
    if (IsOptionControl(control) && OptionExceedsLimit(*rule)) {
        switch (control) {
        case PanelControl::TestMessage:
            options_.chat = false;
            break;
        case PanelControl::RunOnce:
            options_.runOnce = false;
            break;
        default:
            options_.variable = 0;
            break;
        }
        RegenerateEvents();
        return OptionLimitNotice();
    }
    return {};
}

void Workspace::RegenerateEvents() {
    RuleEntry* rule = SelectedEntryRef();
    if (!rule || !SelectedIsRule())
        return;
    const RuleEntry before = *rule;
    if (category_ == kFreeCategory)
        panelState_.freeEvents = freeCommands_.List();
    GenerateEvents(category_, panelState_, options_, *rule);
    if (!(before == *rule))
        MarkModified();
    // The panels show what the rule now holds.
    ReadPanelFields(category_, *rule, panelState_, options_);
    if (category_ == kFreeCategory)
        freeCommands_.LoadFromRule(*rule);
    ReloadConditionsKeepingSelection();
}

// --- free events --------------------------------------------------------------------

void Workspace::AfterFreeEventCommand() {
    RuleEntry* rule = SelectedEntryRef();
    if (rule && SelectedIsRule() && category_ == kFreeCategory) {
        const RuleEntry before = *rule;
        freeCommands_.ApplyToRule(*rule);
        if (!(before == *rule))
            MarkModified();
        ReloadConditionsKeepingSelection();
    }
    RefreshPanel();
}

void Workspace::SelectFreeEvent(int index) {
    freeCommands_.Select(index);
}

FreeEventToolbarState Workspace::FreeEventToolbar() const {
    if (category_ != kFreeCategory || !SelectedIsRule())
        return {};
    return freeCommands_.ToolbarState(CommandCount());
}

Notice Workspace::OpenFreeEventForAdd() {
    const Step step(*this, QStringLiteral("イベントの追加"));
    if (category_ != kFreeCategory || !SelectedIsRule())
        return {};
    const Notice notice = freeCommands_.OpenForAdd(CommandCount(), project_);
    if (!notice.IsEmpty())
        AfterFreeEventCommand();
    return notice;
}

bool Workspace::OpenFreeEventForChange() {
    const Step step(*this, QStringLiteral("イベントの編集"));
    if (category_ != kFreeCategory || !SelectedIsRule())
        return false;
    if (freeCommands_.OpenForChange(project_))
        return true;
    AfterFreeEventCommand();
    return false;
}

Notice Workspace::ConfirmFreeEvent() {
    const Step step(*this, QStringLiteral("イベントの編集"));
    const FreeEventConfirmOutcome outcome = freeCommands_.Confirm();
    if (outcome.accepted)
        AfterFreeEventCommand();
    return outcome.notice;
}

void Workspace::CancelFreeEvent() {
    const Step step(*this, QStringLiteral("イベントの編集"));
    freeCommands_.Cancel();
    AfterFreeEventCommand();
}

void Workspace::CloseFreeEventEditor() {
    const Step step(*this, QStringLiteral("イベントの編集"));
    freeCommands_.CloseBox();
    AfterFreeEventCommand();
}

void Workspace::CutFreeEvent() {
    const Step step(*this, QStringLiteral("イベントの切り取り"));
    if (category_ != kFreeCategory || !SelectedIsRule())
        return;
    freeCommands_.Cut();
    AfterFreeEventCommand();
}

void Workspace::CopyFreeEvent() {
    if (category_ != kFreeCategory || !SelectedIsRule())
        return;
    freeCommands_.Copy();
    AfterFreeEventCommand();
}

Notice Workspace::PasteFreeEvent() {
    const Step step(*this, QStringLiteral("イベントの貼り付け"));
    if (category_ != kFreeCategory || !SelectedIsRule())
        return {};
    const Notice notice = freeCommands_.Paste(CommandCount());
    AfterFreeEventCommand();
    return notice;
}

void Workspace::DeleteFreeEvent() {
    const Step step(*this, QStringLiteral("イベントの削除"));
    if (category_ != kFreeCategory || !SelectedIsRule())
        return;
    freeCommands_.Delete();
    AfterFreeEventCommand();
}

void Workspace::CopyRelatedCondition() {
    freeCommands_.CopyRelatedCondition(conditionClipboard_);
}

} // namespace rw
