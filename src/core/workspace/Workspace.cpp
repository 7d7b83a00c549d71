#include "workspace/Workspace.h"

#include "builder/ZuzAdidodi.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/Templates.h"

#include <QFileInfo>

namespace rw {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

int EventRowCount(const RuleEntry& rule) {
    return int(rule.actions.count(kCrLf)) + 1;
}

} // namespace

// The state of every category's panel controls, kept while other
// categories are shown, as the window's controls keep theirs.
struct Workspace::PanelStates {
    std::array<PanelView, kCategoryCount> views;
};

Workspace::Workspace() : panels_(std::make_unique<PanelStates>()) {
    InitialiseProject(project_);
    conditions_.SetStoreTarget([this](const QString& field) {
        if (loading_)
            return;
        RuleEntry* rule = SelectedEntryRef();
        if (!rule || rule->IsGroupStart() || rule->conditions == field)
            return;
        rule->conditions = field;
        MarkModified();
    });
    SwitchCategory(1);
    modified_ = false;
}

Workspace::~Workspace() = default;

// --- the project and the file ------------------------------------------------

void Workspace::ChangeProject(const std::function<void(Project&)>& change) {
    const Project before = project_;
    change(project_);
    if (project_ == before)
        return;
    MarkModified();
    RebuildTree();
    Select(std::min(selected_, tree_.Size()));
}

QString Workspace::Caption() const {
    return CaptionText(currentPath_);
}

QStringList Workspace::VariablePickerTexts() const {
    return VariablePickerEntries(project_);
}

void Workspace::ResetAfterLoad(bool resetSelections) {
    if (resetSelections) {
        remembered_.fill(1);
        category_ = 1;
    }
    SwitchCategory(category_);
    modified_ = false;
}

void Workspace::NewEmptyProject() {
    ClearAllCategories(project_);
    currentPath_.clear();
    ResetAfterLoad(true);
}

Notice Workspace::Open(const QString& path) {
    LoadResult result = LoadProjectFile(path, false);
    if (!result.project)
        return result.notice;
    project_ = std::move(*result.project);
    currentPath_ = path;
    ResetAfterLoad(true);
    return {};
}

SaveOutcome Workspace::Save() {
    if (currentPath_.isEmpty())
        return SaveOutcome{false, true, {}};
    const SaveResult result = SaveProjectFile(project_, currentPath_, false);
    if (result.ok)
        modified_ = false;
    return SaveOutcome{result.ok, false, result.notice};
}

SaveOutcome Workspace::SaveAs(const QString& path, bool overwriteAllowed) {
    if (path.isEmpty())
        return SaveOutcome{false, true, {}};
    // A declined overwrite writes nothing and keeps the name the project had.
    if (QFileInfo::exists(path) && !overwriteAllowed)
        return {};
    const SaveResult result = SaveProjectFile(project_, path, false);
    if (!result.ok)
        return SaveOutcome{false, false, result.notice};
    currentPath_ = path;
    modified_ = false;
    return SaveOutcome{true, false, {}};
}

Notice Workspace::NewFromTemplate(const QString& templateFolder, const QString& name) {
    LoadResult result = LoadTemplate(templateFolder, name);
    if (!result.project)
        return result.notice;
    project_ = std::move(*result.project);
    currentPath_.clear();
    ResetAfterLoad(false);
    return {};
}

SaveOutcome Workspace::SaveAsTemplate(const QString& templateFolder, const QString& name) {
    const SaveResult result = SaveTemplate(project_, templateFolder, name);
    return SaveOutcome{result.ok, false, result.notice};
}

QByteArray Workspace::BuildScriptBytes(Notice* notice) const {
    const ScriptBuild build = ZuzAdidodi(project_);
    if (notice)
        *notice = build.notice;
    return build.Ok() ? build.bytes : QByteArray();
}

// --- the rule tree -------------------------------------------------------------

void Workspace::RebuildTree() {
    tree_ = BuildCategoryTree(CurrentCategoryRef());
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
    Select(remembered_[category - 1]);
}

void Workspace::Select(int position) {
    if (position < 1 || position > tree_.Size())
        position = 1;
    loading_ = true;
    selected_ = position;
    remembered_[category_ - 1] = position;
    conditions_.ClearUndoSnapshot();
    LoadSelectionViews();
    loading_ = false;
}

void Workspace::LoadSelectionViews() {
    const NodeKind kind = SelectedKind();
    if (kind != NodeKind::Rule) {
        titleBox_ =
            kind == NodeKind::Root ? CurrentCategoryRef().rootCaption : SelectedEntryRef()->title;
        conditions_.LoadConditions(QString());
        freeEvents_ = FreeEventList();
        choices_.Load(StoredGroupData(project_, category_, selected_));
        // Showing a group fills in its script; that is not a change of the user's.
        StoreGroupChoices(choices_, project_, category_, selected_);
        RefreshPanel();
        return;
    }
    const RuleEntry& rule = *SelectedEntryRef();
    titleBox_ = rule.title;
    conditions_.LoadConditions(rule);
    conditions_.Select(1);
    if (category_ == 7)
        freeEvents_ = FreeEventList::FromRule(rule);
    RefreshPanel();
}

void Workspace::InsertRule() {
    const QString attackPercent = panels_->views[4].At(PanelControl::AttackPercent).value;
    RuleEntry rule =
        NewRuleEntry(category_, attackPercent.isEmpty() ? QStringLiteral("100") : attackPercent);
    const int position = InsertEntry(CurrentCategoryRef(), tree_, selected_, std::move(rule));
    MarkModified();
    RebuildTree();
    Select(position);
}

void Workspace::AddRule() {
    selected_ = HoldingGroup(tree_, selected_);
    InsertRule();
}

void Workspace::AddGroup() {
    const int position = AppendGroup(CurrentCategoryRef(), NewGroupEntry());
    MarkModified();
    RebuildTree();
    Select(position);
}

Notice Workspace::Delete() {
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
    Select(outcome.select);
    return {};
}

void Workspace::Rename(const QString& text) {
    titleBox_ = text;
    if (!RenameNode(CurrentCategoryRef(), selected_, text))
        return;
    MarkModified();
    const RuleEntry* entry = SelectedEntry();
    tree_.nodes[selected_ - 1].caption = entry ? entry->title : text;
}

void Workspace::MoveUp() {
    if (const std::optional<int> to = MoveRuleUp(CurrentCategoryRef(), tree_, selected_)) {
        MarkModified();
        RebuildTree();
        Select(*to);
    }
}

void Workspace::MoveDown() {
    if (const std::optional<int> to = MoveRuleDown(CurrentCategoryRef(), tree_, selected_)) {
        MarkModified();
        RebuildTree();
        Select(*to);
    }
}

Notice Workspace::CopyRule() {
    const Notice notice = ruleClipboard_.Copy(CurrentCategoryRef(), tree_, selected_);
    Select(selected_);
    return notice;
}

Notice Workspace::CutRule() {
    // Only a rule can be cut; a group would go with its rules.
    if (SelectedKind() != NodeKind::Rule)
        return {};
    CopyRule();
    return Delete();
}

void Workspace::PasteRule() {
    const std::optional<int> position =
        ruleClipboard_.Paste(CurrentCategoryRef(), tree_, selected_);
    if (!position)
        return;
    MarkModified();
    RebuildTree();
    Select(*position);
}

QString Workspace::RuleCountText() const {
    return QStringLiteral("ルール数: ") + QString::number(CountRules(project_)) +
           QStringLiteral("/1000");
}

int Workspace::CommandCount() const {
    const RuleEntry* rule = SelectedEntry();
    if (!rule || SelectedKind() != NodeKind::Rule)
        return 0;
    return conditions_.Size() + EventRowCount(*rule);
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

// --- conditions ----------------------------------------------------------------

void Workspace::SelectCondition(int position) {
    conditions_.Select(position);
}

ConditionCommandStates Workspace::ConditionCommands() const {
    const RuleEntry* rule = SelectedEntry();
    if (SelectedKind() != NodeKind::Rule || !rule)
        return {};
    return CommandLimitRefresh(conditions_, conditionClipboard_, EventRowCount(*rule));
}

void Workspace::AfterConditionChange() {
    // The list stores itself into the rule; only the panel's counts follow.
    RefreshPanel();
}

void Workspace::InsertOperator(int kind) {
    const ConditionEntry* entry = conditions_.SelectedEntry();
    if (SelectedKind() != NodeKind::Rule || !entry)
        return;
    conditions_.AddCodes(kind, entry->IsOperator());
    AfterConditionChange();
}

void Workspace::RewriteOperator(int kind) {
    if (SelectedKind() != NodeKind::Rule || !conditions_.CanRewriteOperator(kind))
        return;
    conditions_.RewriteOperator(kind);
    AfterConditionChange();
}

void Workspace::CutCondition(CommandSource source) {
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
    if (SelectedKind() != NodeKind::Rule)
        return;
    if (source == CommandSource::Toolbar)
        conditions_.ToolbarPaste(conditionClipboard_);
    else
        conditions_.MenuPaste(conditionClipboard_);
    AfterConditionChange();
}

void Workspace::OverwriteCondition() {
    if (SelectedKind() != NodeKind::Rule)
        return;
    conditions_.PasteIns(conditionClipboard_);
    AfterConditionChange();
}

void Workspace::DeleteCondition(CommandSource source) {
    if (SelectedKind() != NodeKind::Rule)
        return;
    if (source == CommandSource::Toolbar)
        conditions_.ToolbarDelete();
    else
        conditions_.Del();
    AfterConditionChange();
}

Notice Workspace::UndoConditions() {
    if (SelectedKind() != NodeKind::Rule)
        return {};
    const Notice notice = conditions_.UndoConditions();
    AfterConditionChange();
    return notice;
}

void Workspace::EditConditions(const std::function<void(ConditionList&)>& edit) {
    if (SelectedKind() != NodeKind::Rule)
        return;
    edit(conditions_);
    AfterConditionChange();
}

// --- event panels ----------------------------------------------------------------

void Workspace::RefreshPanel() {
    PanelView& view = panels_->views[category_ - 1];
    view.eventRows.clear();
    if (const RuleEntry* rule = SelectedEntry(); rule && SelectedKind() == NodeKind::Rule) {
        const QStringList lines = rule->actions.split(kCrLf);
        for (const QString& raw : lines) {
            QString line = raw;
            while (line.startsWith(QLatin1Char(' ')))
                line.remove(0, 1);
            const qsizetype close = line.indexOf(QLatin1Char(')'));
            const qsizetype semi = line.indexOf(QLatin1Char(';'));
            view.eventRows.append(EventRow{close >= 0 ? line.left(close + 1) : line,
                                           semi >= 0 ? line.mid(semi) : QString()});
        }
    }
    panel_ = view;
}

Notice Workspace::ChangePanel(PanelControl control, const QString& value) {
    if (loading_)
        return {};
    PanelView& view = panels_->views[category_ - 1];
    if (view.At(control).value == value)
        return {};
    view.At(control).value = value;
    RegenerateEvents();
    RefreshPanel();
    return {};
}

Notice Workspace::PanelFocusLost(PanelControl control) {
    return {};
}

void Workspace::RegenerateEvents() {
    RuleEntry* rule = SelectedEntryRef();
    if (!rule || SelectedKind() != NodeKind::Rule)
        return;
    if (category_ != 7)
        return;
    // The free category: one line per free event, then run-once.
    QStringList lines;
    for (const FreeEvent& event : freeEvents_.Events())
        lines << event.EventLine();
    if (lines.isEmpty())
        lines << QStringLiteral("(do-nothing);なにもしません");
    if (rule->runOnce == QLatin1String("1"))
        lines << QStringLiteral("    (disable-self)        ;無効化");
    const QString actions = lines.join(kCrLf);
    RuleEntry before = *rule;
    rule->actions = actions;
    rule->variableNumber = QStringLiteral("0");
    freeEvents_.WritePanelFields(*rule);
    if (!(before == *rule))
        MarkModified();
}

// --- free events --------------------------------------------------------------------

void Workspace::RefreshFreeEvents(int select) {
    RegenerateEvents();
    if (const RuleEntry* rule = SelectedEntry(); rule && SelectedKind() == NodeKind::Rule)
        freeEvents_ = FreeEventList::FromRule(*rule);
    if (select >= 0 && select < freeEvents_.Size())
        freeEvents_.Select(select);
    RefreshPanel();
}

void Workspace::SelectFreeEvent(int index) {
    freeEvents_.Select(index);
}

FreeEventCommandStates Workspace::FreeEventCommands() const {
    FreeEventCommandStates states;
    if (category_ != 7 || SelectedKind() != NodeKind::Rule)
        return states;
    const int c = CommandCount();
    const bool any = !freeEvents_.IsEmpty();
    states.add = c + 1 <= kMaxCommands;
    states.edit = states.cut = states.copy = states.remove = any;
    states.paste = c + 1 <= kMaxCommands && freeEventClipboard_.has_value();
    if (const FreeEvent* event = freeEvents_.SelectedEvent(); event && event->HasRelated()) {
        states.relationText =
            QStringLiteral("(") + event->relatedCaption + QStringLiteral(")の条件をコピー");
        states.relationEnabled = true;
    }
    return states;
}

namespace {
Notice LimitNotice() {
    return Notice{QStringLiteral("16個までしか追加できないため変更できません"),
                  QStringLiteral("エラー"), Notice::Icon::Critical};
}
} // namespace

Notice Workspace::AddFreeEvent(const FreeEvent& event) {
    if (category_ != 7 || SelectedKind() != NodeKind::Rule)
        return {};
    if (CommandCount() + 1 > kMaxCommands) {
        RefreshFreeEvents(0);
        return LimitNotice();
    }
    freeEvents_.Append(event);
    RefreshFreeEvents(0);
    return {};
}

void Workspace::ReplaceFreeEvent(const FreeEvent& event) {
    if (category_ != 7 || SelectedKind() != NodeKind::Rule)
        return;
    if (const int i = freeEvents_.Selected(); i >= 0)
        freeEvents_.At(i) = event;
    RefreshFreeEvents(0);
}

void Workspace::CutFreeEvent() {
    CopyFreeEvent();
    DeleteFreeEvent();
}

void Workspace::CopyFreeEvent() {
    if (const FreeEvent* event = freeEvents_.SelectedEvent())
        freeEventClipboard_ = *event;
}

Notice Workspace::PasteFreeEvent() {
    if (category_ != 7 || SelectedKind() != NodeKind::Rule || !freeEventClipboard_)
        return {};
    return AddFreeEvent(*freeEventClipboard_);
}

void Workspace::DeleteFreeEvent() {
    if (category_ != 7 || SelectedKind() != NodeKind::Rule)
        return;
    if (const int i = freeEvents_.Selected(); i >= 0)
        freeEvents_.RemoveAt(i);
    RefreshFreeEvents(0);
}

void Workspace::CopyRelatedCondition() {
    const FreeEvent* event = freeEvents_.SelectedEvent();
    if (!event || !event->HasRelated())
        return;
    conditionClipboard_.SetSingle(RelatedConditionEntry(event->relatedCaption, event->relatedFact));
}

} // namespace rw
