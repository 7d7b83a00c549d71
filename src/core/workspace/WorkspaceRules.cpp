// The Workspace's commands on the rule tree and the group execution conditions.

#include "workspace/Workspace.h"

#include "events/PanelBinding.h"
#include "events/PanelRules.h"
#include "model/ScriptLines.h"
#include "storage/NewProject.h"

namespace rw {

// --- the rule tree -------------------------------------------------------------

void Workspace::RebuildTree() {
    tree_ = BuildCategoryTree(CurrentCategoryRef(), project_.RootCaption(category_));
}

RuleEntry* Workspace::SelectedEntryRef() {
    return EntryAt(CurrentCategoryRef(), selected_);
}

const RuleEntry* Workspace::SelectedEntry() const {
    return EntryAt(project_.CategoryAt(category_), selected_);
}

NodeKind Workspace::SelectedKind() const {
    return KindAt(tree_, selected_);
}

QString Workspace::TitleBoxText() const {
    return titleBox_;
}

RuleCommandStates Workspace::RuleCommands() const {
    return CommandStatesAt(tree_, selected_, !ruleClipboard_.IsEmpty());
}

void Workspace::SwitchCategory(int category) {
    if (category < 1 || category > kCategoryCount)
        return;
    category_ = category;
    RebuildTree();
    ruleClipboard_.Clear();
    SelectNode(remembered_[category - 1]);
}

void Workspace::Select(int position) {
    // The window re-selects the shown node whenever it redraws the tree; only
    // a different node is a new selection (and drops the condition undo).
    if (position == selected_ && position >= 1 && position <= tree_.Size())
        return;
    SelectNode(position);
}

void Workspace::SelectNode(int position) {
    if (position < 1 || position > tree_.Size())
        position = 1;
    selected_ = position;
    remembered_[category_ - 1] = position;
    conditions_.ClearUndoSnapshot();
    LoadSelectionViews();
}

void Workspace::LoadSelectionViews() {
    const NodeKind kind = SelectedKind();
    if (kind != NodeKind::Rule) {
        titleBox_ =
            kind == NodeKind::Root ? project_.RootCaption(category_) : SelectedEntry()->title;
        conditions_.LoadConditions(QString());
        freeCommands_.Clear();
        choices_.Load(StoredGroupData(project_, category_, selected_));
        // Showing a group fills in its script; that is not a change of the user's.
        StoreGroupChoices(choices_, project_, category_, selected_);
        RefreshPanel();
        return;
    }
    const RuleEntry& rule = *SelectedEntry();
    titleBox_ = rule.title;
    ReadPanelFields(category_, rule, panelState_, options_);
    if (category_ == kResourceCategory)
        resourceGuard_.Accept(panelState_.resource.kind);
    if (category_ == kFreeCategory)
        freeCommands_.LoadFromRule(rule);
    else
        freeCommands_.Clear();
    conditions_.LoadConditions(rule);
    conditions_.Select(1);
    RefreshPanel();
}

void Workspace::ReloadConditionsKeepingSelection() {
    const RuleEntry* rule = SelectedEntry();
    if (!rule || !SelectedIsRule())
        return;
    const int selected = conditions_.Selected();
    conditions_.LoadConditions(*rule);
    conditions_.Select(std::max(selected, 1));
}

void Workspace::InsertRule() {
    const Step step(*this, QStringLiteral("ルールの挿入"));
    RuleEntry rule = NewRuleEntry(category_, panelState_.attack.percent);
    const int position = InsertEntry(CurrentCategoryRef(), tree_, selected_, std::move(rule));
    MarkModified();
    RebuildTree();
    SelectNode(position);
}

void Workspace::AddRule() {
    const Step step(*this, QStringLiteral("ルールの追加"));
    selected_ = HoldingGroup(tree_, selected_);
    InsertRule();
}

void Workspace::AddGroup() {
    const Step step(*this, QStringLiteral("グループの追加"));
    const int position = AppendGroup(CurrentCategoryRef(), NewGroupEntry());
    MarkModified();
    RebuildTree();
    SelectNode(position);
}

Notice Workspace::Delete() {
    const Step step(*this, SelectedKind() == NodeKind::Group ? QStringLiteral("グループの削除")
                                                             : QStringLiteral("ルールの削除"));
    const DeleteOutcome outcome = DeleteNode(CurrentCategoryRef(), tree_, selected_);
    if (!outcome.changed)
        return outcome.notice;
    MarkModified();
    remembered_[category_ - 1] = outcome.select;
    if (outcome.groupRemoved) {
        SwitchCategory(category_);
        return {};
    }
    RebuildTree();
    SelectNode(outcome.select);
    return {};
}

void Workspace::Rename(const QString& typed) {
    const Step step(*this, QStringLiteral("タイトルの変更"), RenameKey());
    // The title is the rule's comment in the script: a control character
    // pasted into the box is left out.
    const QString text = WithoutControlCharacters(typed);
    titleBox_ = text;
    if (!RenameNode(project_, category_, selected_, text))
        return;
    MarkModified();
    const RuleEntry* entry = SelectedEntry();
    tree_.nodes[selected_ - 1].caption = entry ? entry->title : text;
}

void Workspace::MoveUp() {
    const Step step(*this, QStringLiteral("優先度を上げる"));
    if (const std::optional<int> to = MoveRuleUp(CurrentCategoryRef(), tree_, selected_)) {
        MarkModified();
        RebuildTree();
        SelectNode(*to);
    }
}

void Workspace::MoveDown() {
    const Step step(*this, QStringLiteral("優先度を下げる"));
    if (const std::optional<int> to = MoveRuleDown(CurrentCategoryRef(), tree_, selected_)) {
        MarkModified();
        RebuildTree();
        SelectNode(*to);
    }
}

Notice Workspace::CopyRule() {
    const Notice notice = ruleClipboard_.Copy(CurrentCategoryRef(), tree_, selected_);
    SelectNode(selected_);
    return notice;
}

Notice Workspace::CutRule() {
    const Step step(*this, QStringLiteral("ルールの切り取り"));
    // Only a rule can be cut; a group would go with its rules.
    if (SelectedKind() != NodeKind::Rule)
        return {};
    CopyRule();
    return Delete();
}

void Workspace::PasteRule() {
    const Step step(*this, QStringLiteral("ルールの貼り付け"));
    const std::optional<int> position =
        ruleClipboard_.Paste(CurrentCategoryRef(), tree_, selected_);
    if (!position)
        return;
    MarkModified();
    RebuildTree();
    SelectNode(*position);
}

PreviewText Workspace::Preview(const EnvironmentSettings& settings) {
    // Only the rule's preview cache changes here: the user changed nothing,
    // so the project does not count as modified.
    return PreviewCommand(project_, category_, selected_, colourPreview_, settings);
}

QString Workspace::RuleCountText() const {
    return QStringLiteral("ルール数: ") + QString::number(CountRules(project_)) + QLatin1Char('/') +
           QString::number(kMaxRules);
}

int Workspace::CommandCount() const {
    const RuleEntry* rule = SelectedEntry();
    if (!rule || SelectedKind() != NodeKind::Rule)
        return 0;
    return conditions_.Size() + EventListRowCount(rule->actions);
}

QString Workspace::CommandCountText() const {
    if (SelectedKind() != NodeKind::Rule)
        return {};
    return QStringLiteral("[") + titleBox_ + QStringLiteral("]命令数: ") +
           QString::number(CommandCount()) + QStringLiteral("/16");
}

// --- group execution conditions ---------------------------------------------

void Workspace::StoreChoices() {
    if (SelectedKind() == NodeKind::Rule)
        return;
    if (StoreGroupChoices(choices_, project_, category_, selected_))
        MarkModified();
}

void Workspace::SetChoice(GroupSection section, int index, int state) {
    const Step step(*this, QStringLiteral("実行条件の変更"));
    if (SelectedKind() == NodeKind::Rule)
        return;
    choices_.SetState(section, index, state);
    StoreChoices();
}

void Workspace::RememberPopupSection(const QString& popupId) {
    popupSection_ = popupId;
}

void Workspace::RunGroupPopup(GroupPopupCommand command) {
    if (const std::optional<GroupSection> section = SectionFromPopupId(popupSection_))
        RunGroupPopup(*section, command);
}

void Workspace::RunGroupPopup(GroupSection section, GroupPopupCommand command) {
    const Step step(*this, QStringLiteral("実行条件の変更"));
    if (SelectedKind() == NodeKind::Rule)
        return;
    switch (command) {
    case GroupPopupCommand::SelectAll:
        choices_.SelectAll(section);
        break;
    case GroupPopupCommand::ClearAll:
        choices_.ClearAll(section);
        break;
    case GroupPopupCommand::Invert:
        choices_.Invert(section);
        break;
    }
    StoreChoices();
}

} // namespace rw
