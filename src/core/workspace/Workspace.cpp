#include "workspace/Workspace.h"

#include "events/PanelBinding.h"
#include "model/ScriptLines.h"
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
        (kind == ConstKind::Variable ? project.settings.variables[slot].description
                                     : project.settings.timers[slot].help) =
            WithoutControlCharacters(text);
    });
}

void Workspace::SetHeader(const QString& title, const QString& author) {
    // Both go into the script's header: a control character pasted into a
    // box is left out.
    ChangeSettings([&](Project& project) {
        project.settings.title = WithoutControlCharacters(title);
        project.settings.author = WithoutControlCharacters(author);
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
    QString& stored = kind == ConstKind::Variable ? project_.settings.variables[slot].constName
                                                  : project_.settings.timers[slot].name;
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

Notice Workspace::Open(const QString& path, bool* opened) {
    return OpenFile(path, false, opened);
}

Notice Workspace::OpenGiven(const QString& path, bool* opened) {
    return OpenFile(path, true, opened);
}

Notice Workspace::OpenFile(const QString& path, bool templatesAccepted, bool* opened) {
    if (opened)
        *opened = false;
    LoadResult result = LoadProjectFile(path, templatesAccepted);
    if (!result.project)
        return result.notice;
    if (opened)
        *opened = true;
    if (result.isTemplate)
        StartFromTemplate(std::move(*result.project));
    else
        Opened(std::move(*result.project), path);
    return result.undecodable.isEmpty() ? Notice() : UndecodableNotice(result.undecodable);
}

void Workspace::Opened(Project project, const QString& path) {
    project_ = std::move(project);
    currentPath_ = path;
    openFolder_ = QFileInfo(path).absolutePath();
    ResetAfterLoad(true);
    history_.Clear();
    MarkSaved();
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
    StartFromTemplate(std::move(*result.project));
    return {};
}

void Workspace::StartFromTemplate(Project project) {
    {
        const Step step(*this, QStringLiteral("テンプレートから"));
        project_ = std::move(project);
        currentPath_.clear();
        ResetAfterLoad(false);
    }
    MarkSaved();
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

// --- undo and redo -------------------------------------------------------------

Workspace::Step::Step(Workspace& work, const QString& name, const QString& mergeKey) : work_(work) {
    if (work_.stepDepth_++ > 0)
        return;
    work_.CatchUpHistory();
    work_.stepPlace_ = work_.CurrentPlace();
    work_.stepName_ = name;
    work_.stepMergeKey_ = mergeKey;
}

Workspace::Step::~Step() {
    if (--work_.stepDepth_ > 0)
        return;
    work_.history_.Record(work_.stepName_, work_.recorded_, work_.project_, work_.stepPlace_,
                          work_.CurrentPlace(), work_.stepMergeKey_);
    work_.recorded_ = work_.project_;
}

void Workspace::CatchUpHistory() {
    // What changed since the history last saw the project, the editor
    // changed by itself. A copy shares the project's data, so the comparison
    // only looks into categories that changed.
    if (project_ == recorded_)
        return;
    history_.Amend(recorded_, project_);
    recorded_ = project_;
}

ProjectHistory::Place Workspace::CurrentPlace() const {
    const int condition = SelectedKind() == NodeKind::Rule ? conditions_.Selected() : 0;
    return ProjectHistory::Place{category_, selected_, condition};
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
    CatchUpHistory();
    const std::optional<ProjectHistory::Place> place = history_.Undo(project_);
    recorded_ = project_;
    if (place)
        ShowPlace(*place);
}

void Workspace::Redo() {
    if (stepDepth_ > 0)
        return;
    CatchUpHistory();
    const std::optional<ProjectHistory::Place> place = history_.Redo(project_);
    recorded_ = project_;
    if (place)
        ShowPlace(*place);
}

void Workspace::FinishEdit() {
    history_.CloseStep();
}

void Workspace::ShowPlace(const ProjectHistory::Place& place) {
    modified_ = history_.Version() != savedVersion_;
    category_ = std::clamp(place.category, 1, kCategoryCount);
    RebuildTree();
    SelectNode(place.selected);
    if (SelectedKind() == NodeKind::Rule && place.condition >= 1 &&
        place.condition <= conditions_.Size())
        conditions_.Select(place.condition);
    RefreshPanel();
}

} // namespace rw
