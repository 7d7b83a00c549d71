#pragma once

#include "builder/BuildJob.h"
#include "builder/ConstNames.h"
#include "builder/InitSettings.h"
#include "builder/ScriptCheck.h"
#include "builder/ScriptPreview.h"
#include "conditions/CommandLimit.h"
#include "conditions/ConditionClipboard.h"
#include "conditions/ConditionEditor.h"
#include "conditions/ConditionList.h"
#include "events/FreeEventCommands.h"
#include "events/FreeEventList.h"
#include "events/PanelRules.h"
#include "events/PanelState.h"
#include "events/PanelView.h"
#include "model/CategoryTree.h"
#include "model/Notice.h"
#include "model/Project.h"
#include "rules/GroupChoices.h"
#include "rules/RuleClipboard.h"
#include "rules/RuleList.h"
#include "storage/Templates.h"
#include "workspace/ProjectHistory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace rw {

// Where a condition command came from: the toolbar and the menu differ in
// the undo snapshot they take and in how paste treats a placeholder.
enum class CommandSource { Toolbar, Menu };

// The pop-up "メニュー" of the group-condition view.
enum class GroupPopupCommand { SelectAll, ClearAll, Invert };

// The answer of a save.
struct SaveOutcome {
    bool ok = false;
    bool needsName = false; // no current path: the window asks for one, then calls SaveAs
    Notice notice;          // what to show when the save failed
};

// The open project and the whole working state of the editor, with every
// command of the window. Nothing here shows anything: commands answer what
// the user must be told, and the window re-reads what it shows afterwards.
//
// Positions are those of the rule tree (1 is the root group, p >= 2 shows
// entry p - 1). Categories are numbered 1 to 7.
class Workspace {
public:
    Workspace(); // a new project, category 1 with its root group selected
    // A project made elsewhere (by a tool, a test), shown as a file just
    // opened would be, unmodified.
    explicit Workspace(Project project);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // --- the project and the file -------------------------------------------

    const Project& CurrentProject() const { return project_; }

    // The settings dialogs ("プロジェクトの設定", "初期化設定"). Their edits,
    // one per key typed, are one step of the history until the window
    // reports the dialog closed (FinishEdit).
    //
    // Renames variable (1 to 40) or timer (1 to 10) `slot`. A name the
    // script cannot carry is refused: the project keeps the old name and the
    // notice names the rule the new one breaks.
    Notice RenameConst(ConstKind kind, int slot, const QString& name);
    // The help text of variable (1 to 40, its description) or timer (1 to
    // 10) `slot`.
    void SetConstHelp(ConstKind kind, int slot, const QString& text);
    // The AI's title and author.
    void SetHeader(const QString& title, const QString& author);
    // "OK" of the initialisation dialog: startup slots 0 and 1 made afresh.
    void ApplyInitSettings(const InitSettings& settings);

    QString CurrentPath() const { return currentPath_; }
    QString Caption() const; // "Rulewright[*]" or "name.rwp[*] – Rulewright"
    // Set by every change of the project; cleared by a save and a load.
    bool IsModified() const { return modified_; }
    // The 41 entries of the variable picker.
    QStringList VariablePickerTexts() const;

    // "空のプロジェクト" after the window's question was answered Yes.
    void NewEmptyProject();
    // "既存のAIプロジェクトを開く(&O)...": templates are refused. A file that
    // cannot be opened leaves the open project exactly as it was. A file
    // with bytes code page 932 lacks opens, and the notice names where they
    // were; `opened` tells the two apart.
    Notice Open(const QString& path, bool* opened = nullptr);
    // "プロジェクトの上書き保存(&S)": to the current path, no question.
    SaveOutcome Save();
    // "名前をつけてプロジェクトの保存(&A)...": an existing file is replaced
    // only when the window's overwrite question was answered Yes. The name
    // becomes the current path only once the file is written.
    SaveOutcome SaveAs(const QString& path, bool overwriteAllowed);
    // A file handed over by the desktop or the command line: a project opens
    // as with Open; a template starts a new, unsaved project from it, as
    // "テンプレートから..." does.
    Notice OpenGiven(const QString& path, bool* opened = nullptr);
    // "テンプレートから...": the project of the named template; remembered
    // selections are kept, the current path is cleared. A template that
    // cannot be loaded leaves the open project as it was.
    Notice NewFromTemplate(const QString& name);
    // "テンプレートとして保存(&T)...": into the user's folder; the current
    // path does not change.
    SaveOutcome SaveAsTemplate(const QString& name);
    // The templates "テンプレートから..." offers.
    QStringList TemplateNames() const;

    // --- where files go ---------------------------------------------------------

    // Start-up: the game's AI folder (empty when the game was not found), the
    // template folders and the program's folder. Answers whether the user
    // must first be asked CreateTemplateFolderQuestion(): the template folder
    // beside the program is not there yet.
    bool SetFolders(const QString& aiFolder, const TemplateFolders& templates,
                    const QString& programFolder);
    // The answer to that question. Yes makes the folder; No, or a folder that
    // cannot be made (the notice says so), turns the template commands off
    // for the run.
    Notice AnswerTemplateFolderQuestion(bool create);
    const QString& AiFolder() const { return aiFolder_; }
    void SetAiFolder(const QString& folder) { aiFolder_ = folder; }
    const TemplateFolders& Templates() const { return templateFolders_; }
    bool TemplatesEnabled() const { return templatesEnabled_; }
    // Where the open dialog starts: the folder of the last project opened,
    // at first the program's folder (installed: the home folder).
    const QString& OpenFolder() const { return openFolder_; }
    // Where the save dialog starts: the current file's folder, else OpenFolder().
    QString SaveFolder() const;

    // The AI script of the whole project (for "PERファイル生成(&P)...").
    QByteArray BuildScriptBytes(Notice* notice = nullptr) const;
    // What the game would refuse in the script; the window asks before it
    // generates the AI anyway.
    QList<ScriptProblem> ScriptProblems() const;
    // "PERファイル生成(&P)...": the build of the AI script from a copy of the
    // project, ready to start on a thread of its own. The window writes the
    // files once it has ended.
    std::unique_ptr<BuildJob> GenerateAi(const EnvironmentSettings& settings) const;

    // --- the rule tree ---------------------------------------------------------

    int CurrentCategory() const { return category_; }
    // The tree of the current category, rebuilt once per command.
    const CategoryTree& Tree() const { return tree_; }
    int Selected() const { return selected_; }
    NodeKind SelectedKind() const;
    // The selected rule or group start; nullptr for the root group.
    const RuleEntry* SelectedEntry() const;
    int RememberedSelection(int category) const { return remembered_[category - 1]; }
    QString TitleBoxText() const;
    RuleCommandStates RuleCommands() const;

    // A tab was chosen (also: show the current category again). Empties
    // the rule clipboard.
    void SwitchCategory(int category);
    // A node was clicked. Selecting the node already selected changes nothing.
    void Select(int position);
    // "ルールの挿入(&R)", "ルールの追加(&A)", "グループの追加(&G)".
    void InsertRule();
    void AddRule();
    void AddGroup();
    // "削除(&D)": refused on the root group with a message.
    Notice Delete();
    // The title box's text changed.
    void Rename(const QString& text);
    // "優先度を上げる" / "優先度を下げる".
    void MoveUp();
    void MoveDown();
    // The rule clipboard.
    Notice CopyRule();
    Notice CutRule();
    void PasteRule();
    bool RuleClipboardFull() const { return !ruleClipboard_.IsEmpty(); }

    bool AutoRename() const { return autoRename_; }
    void ToggleAutoRename() { autoRename_ = !autoRename_; }
    // "スクリプトをカラー表示" (on at start).
    bool ColourPreview() const { return colourPreview_; }
    void SetColourPreview(bool on) { colourPreview_ = on; }
    // "スクリプトの表示(&S)": the preview of the selected node. A rule keeps
    // its last preview in its cache fields. `settings` are the user's
    // environment settings, as the written script would use them.
    PreviewText Preview(const EnvironmentSettings& settings = {});

    // Status bar panels 1 and 2.
    QString RuleCountText() const;
    QString CommandCountText() const;
    // Conditions plus event rows of the selected rule; 0 when none.
    int CommandCount() const;

    // --- group execution conditions (root group or group selected) ---------

    const GroupChoices& Choices() const { return choices_; }
    // A check box clicked or a row ticked: the choice takes the state and the
    // group's data and script are stored.
    void SetChoice(GroupSection section, int index, int state);
    // The pop-up "メニュー" on the section last right-clicked.
    void RememberPopupSection(const QString& popupId);
    void RunGroupPopup(GroupPopupCommand command);
    void RunGroupPopup(GroupSection section, GroupPopupCommand command);

    // --- conditions of the selected rule -------------------------------------

    const ConditionList& Conditions() const { return conditions_; }
    const ConditionClipboard& ConditionClipboardContents() const { return conditionClipboard_; }
    QList<ConditionNode> ConditionTree() const { return conditions_.BuildConditionTree(); }
    void SelectCondition(int position);
    ConditionCommandStates ConditionCommands() const;

    // AddCodes 4 to 10 (the selected-is-operator flag is worked out here).
    void InsertOperator(int kind);
    // "ANDの書き換え" on the selected operator.
    void RewriteOperator(int kind);
    void CutCondition(CommandSource source);
    void CopyCondition();
    void PasteCondition(CommandSource source);
    void OverwriteCondition(); // "書き換え(&O)"
    void DeleteCondition(CommandSource source);
    Notice UndoConditions();
    // The condition editor ("条件の追加(&A)...", "条件の編集(&E)...", toolbar
    // buttons 1 and 2, a double click). The dialog binds its controls to the
    // model between an opening and Confirm or Cancel. An opening answers
    // false when nothing is to be shown.
    ConditionEditor& ConditionEditorModel() { return conditionEditor_; }
    bool OpenConditionEditor(int toolbarKind); // AddCodes kind 1 or 2
    bool OpenConditionEditorFromMenu();        // "条件の追加(&A)..."
    bool OpenConditionEditorForChange();       // "条件の編集(&E)...", double click
    // Refused (editor stays shown) while the input is invalid.
    Notice ConfirmConditionEditor();
    void CancelConditionEditor();
    // The selected rule's conditions replaced by a whole stored condition
    // field (as the project file holds it).
    void ReplaceConditions(const QString& conditionsField);

    // --- event panels and rule options ---------------------------------------

    // The panel of the current category and the rule options, for the
    // selected rule.
    const PanelView& Panel() const { return panel_; }
    // A control changed (picker position, "0"/"1"), or a number box was
    // left (the focus moved on, or Enter) with this text, which is settled
    // here: only whole numbers in range reach the rule. A value the control
    // already holds does nothing, so the window may set its controls from
    // Panel() without echoing. Answers what a box or a limit check refused.
    Notice ChangePanel(PanelControl control, const QString& value);

    // --- free events of the selected rule (category 7) ------------------------

    const FreeEventList& FreeEvents() const { return freeCommands_.List(); }
    void SelectFreeEvent(int index); // 0-based
    FreeEventToolbarState FreeEventToolbar() const;
    // "このイベントの関連条件"; nothing while the tree is empty.
    std::optional<RelationMenuItem> RelationItem() const { return freeCommands_.RelationItem(); }

    // The free-event editor: the dialog binds its controls to the model,
    // then confirms or cancels through here.
    FreeEventEditor& FreeEventEditorModel() { return freeCommands_.Editor(); }
    // Refused past 16 commands; otherwise the editor is ready to be shown.
    Notice OpenFreeEventForAdd();
    // False while the list is empty.
    bool OpenFreeEventForChange();
    // Invalid input is refused and the editor stays open.
    Notice ConfirmFreeEvent();
    void CancelFreeEvent();
    void CloseFreeEventEditor();

    void CutFreeEvent();
    void CopyFreeEvent();
    Notice PasteFreeEvent();
    void DeleteFreeEvent();
    // "(…)の条件をコピー": the related condition into the condition clipboard.
    void CopyRelatedCondition();

    // --- undo and redo ------------------------------------------------------------

    // Every command that changes the project is one step of the history;
    // opening a file clears it. Undo and redo restore the project and show
    // where the change was made.
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // The menu texts, naming the step: "元に戻す(&U): ルールの削除".
    QString UndoText() const;
    QString RedoText() const;
    void Undo();
    void Redo();
    // Typing into the title box or a number box is one step until the box
    // is left: the window reports that here.
    void FinishEdit();
    const ProjectHistory& History() const { return history_; }

private:
    // One step of the history around a command: the project as the
    // outermost command found it, recorded when that command ends.
    class Step {
    public:
        Step(Workspace& work, const QString& name, const QString& mergeKey = QString());
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        Workspace& work_;
    };

    // A change of the project's settings, with the views that show them
    // following; one history step with the dialog's other edits.
    void ChangeSettings(const std::function<void(Project&)>& change);
    // Hands the history what changed outside any command since it last saw
    // the project; runs before every step, undo and redo.
    void CatchUpHistory();
    ProjectHistory::Place CurrentPlace() const;
    void ShowPlace(const ProjectHistory::Place& place);
    QString RenameKey() const;
    QString PanelKey(PanelControl control) const;
    void MarkSaved();
    // A template is refused unless `templatesAccepted`; one accepted starts
    // a new project.
    Notice OpenFile(const QString& path, bool templatesAccepted, bool* opened);
    void Opened(Project project, const QString& path);
    void StartFromTemplate(Project project);

    Category& CurrentCategoryRef() { return project_.CategoryAt(category_); }
    RuleEntry* SelectedEntryRef();
    void RebuildTree();
    // Select proper: loads the node into every view.
    void SelectNode(int position);
    void MarkModified() { modified_ = true; }
    void ResetAfterLoad(bool resetSelections);
    void LoadSelectionViews();
    void StoreChoices();
    void AfterConditionChange();
    void RegenerateEvents();
    Notice CheckLimits(PanelControl control);
    void RefreshPanel();
    void AfterFreeEventCommand();
    void ReloadConditionsKeepingSelection();
    bool SelectedIsRule() const { return SelectedKind() == NodeKind::Rule; }

    Project project_;
    QString currentPath_;
    bool modified_ = false;
    QString aiFolder_;
    TemplateFolders templateFolders_;
    bool templatesEnabled_ = true;
    QString openFolder_;
    int category_ = 1;
    std::array<int, kCategoryCount> remembered_{1, 1, 1, 1, 1, 1, 1};
    CategoryTree tree_;
    int selected_ = 1;
    QString titleBox_;
    bool autoRename_ = true;
    bool colourPreview_ = true;

    RuleClipboard ruleClipboard_;
    GroupChoices choices_;
    QString popupSection_;

    ConditionList conditions_;
    ConditionClipboard conditionClipboard_;
    ConditionEditor conditionEditor_;

    FreeEventCommands freeCommands_;

    PanelState panelState_;
    RuleOptions options_;
    ResourceKindGuard resourceGuard_;
    PanelView panel_;

    ProjectHistory history_;
    int savedVersion_ = 0;
    int stepDepth_ = 0;
    // The project as the history last saw it (see CatchUpHistory).
    Project recorded_;
    ProjectHistory::Place stepPlace_;
    QString stepName_;
    QString stepMergeKey_;
};

} // namespace rw
