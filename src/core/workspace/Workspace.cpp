#include "workspace/Workspace.h"

#include "builder/ZuzAdidodi.h"
#include "events/CommandGenerator.h"
#include "events/PanelBinding.h"
#include "events/PanelRules.h"
#include "storage/NewProject.h"
#include "storage/ProjectFile.h"
#include "storage/Templates.h"

#include <QDir>
#include <QFileInfo>

namespace rw {

namespace {

Project NewProject() {
    Project project;
    InitialiseProject(project);
    return project;
}

} // namespace

Workspace::Workspace() : Workspace(NewProject()) {}

Workspace::Workspace(Project project) : project_(std::move(project)) {
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
    MarkSaved();
}

Workspace::~Workspace() = default;

// --- the project and the file ------------------------------------------------

namespace {

const QString kSettingsStepName = QStringLiteral("設定の変更");
// A dialog's changes, one per key typed, are one step until it closes.
const QString kSettingsStepKey = QStringLiteral("settings");

bool IsConstSlot(ConstKind kind, int slot) {
    const int count = kind == ConstKind::Variable ? kVariableSlots : kTimerSlots;
    return slot >= 1 && slot < count;
}

} // namespace

void Workspace::ChangeSettings(const std::function<void(Project&)>& change) {
    const Step step(*this, kSettingsStepName, kSettingsStepKey);
    const Project before = project_;
    change(project_);
    if (project_ == before)
        return;
    MarkModified();
    RebuildTree();
    SelectNode(std::min(selected_, tree_.Size()));
}

void Workspace::SetConstHelp(ConstKind kind, int slot, const QString& text) {
    if (!IsConstSlot(kind, slot))
        return;
    ChangeSettings([&](Project& project) {
        (kind == ConstKind::Variable ? project.variables[slot].description
                                     : project.timers[slot].help) = text;
    });
}

void Workspace::SetHeader(const QString& title, const QString& author) {
    ChangeSettings([&](Project& project) {
        project.title = title;
        project.author = author;
    });
}

void Workspace::ApplyInitSettings(const InitSettings& settings) {
    ChangeSettings([&](Project& project) { rw::ApplyInitSettings(project, settings); });
}

Notice Workspace::RenameConst(ConstKind kind, int slot, const QString& name) {
    // Recorded like the dialog's other edits, so that undoing a later step
    // cannot take the new name with it unannounced.
    const Step step(*this, kSettingsStepName, kSettingsStepKey);
    if (!IsConstSlot(kind, slot))
        return {};
    const QString problem = CheckConstName(project_, kind, slot, name);
    if (!problem.isEmpty())
        return Notice{problem, QStringLiteral("プロジェクトの設定"), Notice::Icon::Warning};
    QString& stored = kind == ConstKind::Variable ? project_.variables[slot].constName
                                                  : project_.timers[slot].name;
    if (stored != name) {
        stored = name;
        MarkModified();
    }
    return {};
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
    {
        const Step step(*this, QStringLiteral("空のプロジェクト"));
        ClearAllCategories(project_);
        currentPath_.clear();
        ResetAfterLoad(true);
    }
    MarkSaved();
}

Notice Workspace::Open(const QString& path) {
    LoadResult result = LoadProjectFile(path, false);
    if (!result.project)
        return result.notice;
    project_ = std::move(*result.project);
    currentPath_ = path;
    openFolder_ = QFileInfo(path).absolutePath();
    ResetAfterLoad(true);
    history_.Clear();
    MarkSaved();
    return {};
}

SaveOutcome Workspace::Save() {
    if (currentPath_.isEmpty())
        return SaveOutcome{false, true, {}};
    const SaveResult result = SaveProjectFile(project_, currentPath_, false);
    if (result.ok)
        MarkSaved();
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
    MarkSaved();
    return SaveOutcome{true, false, {}};
}

Notice Workspace::NewFromTemplate(const QString& name) {
    LoadResult result = LoadTemplate(templateFolders_, name);
    if (!result.project)
        return result.notice;
    {
        const Step step(*this, QStringLiteral("テンプレートから"));
        project_ = std::move(*result.project);
        currentPath_.clear();
        ResetAfterLoad(false);
    }
    MarkSaved();
    return {};
}

SaveOutcome Workspace::SaveAsTemplate(const QString& name) {
    const SaveResult result = SaveTemplate(project_, templateFolders_, name);
    return SaveOutcome{result.ok, false, result.notice};
}

QStringList Workspace::TemplateNames() const {
    return ListTemplates(templateFolders_);
}

// --- where files go ---------------------------------------------------------------

bool Workspace::SetFolders(const QString& aiFolder, const TemplateFolders& templates,
                           const QString& programFolder) {
    aiFolder_ = aiFolder;
    templateFolders_ = templates;
    templatesEnabled_ = true;
    openFolder_ = templates.besideProgram ? programFolder : QDir::homePath();
    // An installed program makes the user's folder when it is first needed.
    return templates.besideProgram && !QFileInfo(templates.user).isDir();
}

Notice Workspace::AnswerTemplateFolderQuestion(bool create) {
    if (!create) {
        templatesEnabled_ = false;
        return {};
    }
    if (EnsureFolder(templateFolders_.user))
        return {};
    templatesEnabled_ = false;
    return Notice{QStringLiteral("テンプレートフォルダを作成できませんでした\n") +
                      templateFolders_.user,
                  QStringLiteral("テンプレート機能の確認"), Notice::Icon::Warning};
}

QString Workspace::SaveFolder() const {
    return currentPath_.isEmpty() ? openFolder_ : QFileInfo(currentPath_).absolutePath();
}

QByteArray Workspace::BuildScriptBytes(Notice* notice) const {
    const ScriptBuild build = ZuzAdidodi(project_);
    if (notice)
        *notice = build.notice;
    return build.Ok() ? build.bytes : QByteArray();
}

QList<ScriptProblem> Workspace::ScriptProblems() const {
    return CheckScript(project_);
}

std::unique_ptr<BuildJob> Workspace::GenerateAi(const EnvironmentSettings& settings) const {
    return std::make_unique<BuildJob>(project_, settings);
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
        freeCommands_.Clear();
        choices_.Load(StoredGroupData(project_, category_, selected_));
        // Showing a group fills in its script; that is not a change of the user's.
        StoreGroupChoices(choices_, project_, category_, selected_);
        RefreshPanel();
        return;
    }
    const RuleEntry& rule = *SelectedEntryRef();
    titleBox_ = rule.title;
    FillPanelsFromRule(category_, rule, panelState_, options_);
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
    loading_ = true;
    conditions_.LoadConditions(*rule);
    conditions_.Select(std::max(selected, 1));
    loading_ = false;
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

void Workspace::Rename(const QString& text) {
    const Step step(*this, QStringLiteral("タイトルの変更"), RenameKey());
    titleBox_ = text;
    if (!RenameNode(CurrentCategoryRef(), selected_, text))
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
    return QStringLiteral("ルール数: ") + QString::number(CountRules(project_)) +
           QStringLiteral("/1000");
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
    // The list stores itself into the rule; only the panel's counts follow.
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
    conditionEditor_.Cancel(conditions_);
    AfterConditionChange();
}

void Workspace::ReplaceConditions(const QString& conditionsField) {
    const Step step(*this, QStringLiteral("条件の編集"));
    if (SelectedKind() != NodeKind::Rule)
        return;
    conditions_.LoadConditions(conditionsField);
    conditions_.StoreConditions();
    AfterConditionChange();
}

// --- event panels ----------------------------------------------------------------

void Workspace::RefreshPanel() {
    panel_ = MakePanelView(category_, panelState_, options_,
                           SelectedIsRule() ? SelectedEntry() : nullptr);
}

Notice Workspace::ChangePanel(PanelControl control, const QString& value) {
    const Step step(*this, QStringLiteral("イベントの変更"), PanelKey(control));
    if (loading_)
        return {};
    const ControlChange change = ApplyControl(panelState_, options_, control, value);
    if (!change.changed || !SelectedIsRule()) {
        RefreshPanel();
        return {};
    }
    if (autoRename_ && !change.renameTo.isEmpty()) {
        Rename(change.renameTo);
    }
    if (change.regenerate) {
        RegenerateEvents();
        if (!IsOptionControl(control))
            conditions_.Select(1);
    }
    const Notice notice = CheckLimits(control);
    RefreshPanel();
    return notice;
}

Notice Workspace::PanelFocusLost(PanelControl control) {
    const Step step(*this, QStringLiteral("イベントの変更"), PanelKey(control));
    if (loading_)
        return {};
    const FocusLossChange change = ApplyFocusLoss(panelState_, control);
    Notice notice = change.notice;
    if (change.regenerate && SelectedIsRule()) {
        RegenerateEvents();
        const Notice limit = CheckLimits(control);
        if (notice.IsEmpty())
            notice = limit;
    }
    RefreshPanel();
    return notice;
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
    FillPanelsFromRule(category_, *rule, panelState_, options_);
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

// --- undo and redo -------------------------------------------------------------

Workspace::Step::Step(Workspace& work, const QString& name, const QString& mergeKey) : work_(work) {
    if (work_.stepDepth_++ > 0)
        return;
    // A copy shares the project's data until the command changes it.
    work_.stepBefore_ = work_.project_;
    work_.stepPlace_ = work_.CurrentPlace();
    work_.stepName_ = name;
    work_.stepMergeKey_ = mergeKey;
}

Workspace::Step::~Step() {
    if (--work_.stepDepth_ > 0)
        return;
    work_.history_.Record(work_.stepName_, work_.stepBefore_, work_.project_, work_.stepPlace_,
                          work_.CurrentPlace(), work_.stepMergeKey_);
    work_.stepBefore_ = Project{};
}

ProjectHistory::Place Workspace::CurrentPlace() const {
    const int condition = SelectedKind() == NodeKind::Rule ? conditions_.Selected() : 0;
    return ProjectHistory::Place{category_, selected_, condition, currentPath_};
}

QString Workspace::RenameKey() const {
    return QStringLiteral("title %1 %2").arg(category_).arg(selected_);
}

QString Workspace::PanelKey(PanelControl control) const {
    // Typing into one box is one step; a choice in a picker is a step of its own.
    if (!IsTypedControl(control))
        return {};
    return QStringLiteral("panel %1 %2 %3").arg(category_).arg(selected_).arg(int(control));
}

void Workspace::MarkSaved() {
    savedVersion_ = history_.Version();
    modified_ = false;
}

QString Workspace::UndoText() const {
    return history_.CanUndo() ? QStringLiteral("元に戻す(&U): ") + history_.UndoName()
                              : QStringLiteral("元に戻す(&U)");
}

QString Workspace::RedoText() const {
    return history_.CanRedo() ? QStringLiteral("やり直し(&R): ") + history_.RedoName()
                              : QStringLiteral("やり直し(&R)");
}

void Workspace::Undo() {
    if (stepDepth_ > 0)
        return;
    if (const std::optional<ProjectHistory::Place> place = history_.Undo(project_))
        ShowPlace(*place);
}

void Workspace::Redo() {
    if (stepDepth_ > 0)
        return;
    if (const std::optional<ProjectHistory::Place> place = history_.Redo(project_))
        ShowPlace(*place);
}

void Workspace::FinishEdit() {
    history_.CloseStep();
}

void Workspace::ShowPlace(const ProjectHistory::Place& place) {
    modified_ = history_.Version() != savedVersion_;
    currentPath_ = place.path;
    category_ = std::clamp(place.category, 1, kCategoryCount);
    RebuildTree();
    SelectNode(place.selected);
    if (SelectedKind() == NodeKind::Rule && place.condition >= 1 &&
        place.condition <= conditions_.Size())
        conditions_.Select(place.condition);
    RefreshPanel();
}

} // namespace rw
