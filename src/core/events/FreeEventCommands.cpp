#include "events/FreeEventCommands.h"

#include "conditions/ConditionClipboard.h"
#include "events/CommandGenerator.h"
#include "events/PanelState.h"
#include "model/Project.h"

namespace rw {

namespace {
bool Fits(int commandCount) {
    return commandCount + 1 <= kMaxCommands;
}
} // namespace

Notice FreeEventCommands::LimitNotice() {
    return Notice{QStringLiteral("16個までしか追加できないため変更できません"),
                  QStringLiteral("エラー"), Notice::Icon::Critical};
}

void FreeEventCommands::LoadFromRule(const RuleEntry& rule) {
    list_ = FreeEventList::FromRule(rule);
}

void FreeEventCommands::ApplyToRule(RuleEntry& rule) {
    PanelState panels;
    panels.freeEvents = list_;
    RuleOptions options;
    options.runOnce = rule.runOnce == QLatin1String("1");
    GenerateEvents(kFreeCategory, panels, options, rule);
    LoadFromRule(rule);
}

// --- the editor ------------------------------------------------------------------

Notice FreeEventCommands::OpenForAdd(int commandCount, const Project& project) {
    if (!Fits(commandCount))
        return LimitNotice();
    editor_.SetMode(FreeEventEditor::Mode::Add);
    editor_.ReloadNames(project);
    changeTarget_ = -1;
    editorOpen_ = true;
    return {};
}

bool FreeEventCommands::OpenForChange(const Project& project) {
    const FreeEvent* event = list_.SelectedEvent();
    if (!event)
        return false;
    editor_.ReloadNames(project);
    editor_.Restore(event->data);
    editor_.SetMode(FreeEventEditor::Mode::Change);
    changeTarget_ = list_.Selected();
    editorOpen_ = true;
    return true;
}

FreeEventConfirmOutcome FreeEventCommands::Confirm() {
    const FreeEventPreview preview = editor_.Preview();
    if (!preview.IsValid()) {
        QString text = QStringLiteral("入力が正しくありません");
        if (!preview.numberHint.isEmpty())
            text += QStringLiteral("\r\n") + preview.numberHint;
        return {false, Notice{text, QString(), Notice::Icon::None}};
    }
    const FreeEvent made = editor_.MakeEvent();
    if (editor_.GetMode() == FreeEventEditor::Mode::Add) {
        list_.Append(made);
    } else if (changeTarget_ >= 0 && changeTarget_ < list_.Size()) {
        // The related columns came with the entry and stay with it.
        FreeEvent& event = list_.At(changeTarget_);
        event.caption = made.caption;
        event.command = made.command;
        event.data = made.data;
    }
    Cancel();
    return {true, {}};
}

void FreeEventCommands::Cancel() {
    editor_.Reset();
    editorOpen_ = false;
    changeTarget_ = -1;
}

// --- clipboard commands ----------------------------------------------------------

void FreeEventCommands::Cut() {
    if (list_.IsEmpty())
        return;
    Copy();
    Delete();
}

void FreeEventCommands::Copy() {
    if (const FreeEvent* event = list_.SelectedEvent())
        clipboard_ = *event;
}

Notice FreeEventCommands::Paste(int commandCount) {
    if (!clipboard_)
        return {};
    if (!Fits(commandCount))
        return LimitNotice();
    list_.Append(*clipboard_);
    return {};
}

void FreeEventCommands::Delete() {
    list_.RemoveAt(list_.Selected());
}

// --- what the window shows ---------------------------------------------------------

FreeEventToolbarState FreeEventCommands::ToolbarState(int commandCount) const {
    FreeEventToolbarState state;
    const bool any = !list_.IsEmpty();
    state.add = Fits(commandCount);
    state.edit = state.cut = state.copy = state.remove = any;
    state.paste = Fits(commandCount) && clipboard_.has_value();
    return state;
}

std::optional<RelationMenuItem> FreeEventCommands::RelationItem() const {
    const FreeEvent* event = list_.SelectedEvent();
    if (!event)
        return std::nullopt;
    if (!event->HasRelated())
        return RelationMenuItem{QStringLiteral("(関連条件はありません)"), false};
    return RelationMenuItem{
        QLatin1Char('(') + event->relatedCaption + QStringLiteral(")の条件をコピー"), true};
}

std::optional<ConditionEntry> FreeEventCommands::RelatedCondition() const {
    const FreeEvent* event = list_.SelectedEvent();
    if (!event || !event->HasRelated())
        return std::nullopt;
    return RelatedConditionEntry(event->relatedCaption, event->relatedFact);
}

bool FreeEventCommands::CopyRelatedCondition(ConditionClipboard& clipboard) const {
    const std::optional<ConditionEntry> entry = RelatedCondition();
    if (!entry)
        return false;
    clipboard.SetSingle(*entry);
    return true;
}

} // namespace rw
