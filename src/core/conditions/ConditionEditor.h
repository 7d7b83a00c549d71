#pragma once

#include "conditions/ConditionKind.h"
#include "model/Notice.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rw {

class ConditionList;
struct Project;

enum class ConditionEditorMode { Adding, Changing };

// The condition editor without its widgets: the selected tab, the values of
// every kind's panel (ConditionKinds), the composed triple and the ways it is
// opened and closed. The window shows it modally between an opening call (AddCodes,
// MenuAdd, IfEditCommand) and Confirm or Cancel, and re-reads it after
// every setter.
//
// Like the dialog it models, it is created on first use, only hidden by a
// cancel (values kept) and discarded by a confirm (the next opening starts
// from the creation defaults again).
class ConditionEditor {
public:
    ConditionEditor();

    // --- openings -------------------------------------------------------------
    // Each returns false when nothing is shown. While the editor is shown a
    // further opening is ignored.

    // Condition toolbar button 1 (kind 1) or 2 (kind 2). Both select tab 1
    // first. Kind 1 adds, or changes the list's only entry when that is the
    // placeholder; kind 2 runs IfEditCommand.
    bool AddCodes(int kind, ConditionList& list, const Project& project);
    // "条件の追加(&A)...": always adds; the tab stays.
    bool MenuAdd(ConditionList& list, const Project& project);
    // Changes the selected entry. Locked entries, operators and entries
    // whose edit data names no kind are not opened.
    bool IfEditCommand(ConditionList& list, const Project& project);

    // "追加"/"変更": refused with a notice while the input is invalid (the
    // editor stays shown); otherwise writes the entry after an undo snapshot.
    Notice Confirm(ConditionList& list);
    // "キャンセル" or closing the window.
    void Cancel(ConditionList& list);

    bool IsCreated() const { return created_; }
    bool IsShown() const { return shown_; }

    // --- texts ------------------------------------------------------------------

    ConditionEditorMode Mode() const { return mode_; }
    QString Title() const { return title_; }
    QString ConfirmText() const { return confirmText_; }
    static QString CancelText();

    // --- panels -----------------------------------------------------------------

    int Tab() const { return tab_; }
    // Shows tab 1 to 11 and composes its kind.
    void SelectTab(int tab);
    const ConditionTriple& Composed() const { return composed_; }

    // Fields of a kind in edit-data order, as its description gives them.
    static int FieldCount(int kind);
    static ConditionFieldType FieldType(int kind, int index);
    QString Field(int kind, int index) const;
    int Picker(int kind, int index) const;
    // The rows the picker shows now (the unit, technology and strategic-
    // number pickers follow the choices before them).
    QStringList PickerRows(int kind, int index) const;
    // A position outside the picker chooses row 0.
    void SetPicker(int kind, int index, int position);
    void SetNumber(int kind, int index, const QString& text);

    // The include boxes ("建設中…"/"生産中…"); enabled for the own player only.
    bool Include(int kind) const;
    void SetInclude(int kind, bool ticked);
    bool IncludeEnabled(int kind) const;
    // Off for kinds without a comparison, and where the kind uses it for its
    // first picker's row 0 only (the random number, not a variable).
    bool ComparisonEnabled(int kind) const;
    // A number box that is corrected on leaving (the strategic number's) lost
    // the input focus: a number the script can hold is trimmed, anything else
    // becomes "0". Other boxes stay as typed.
    void LeaveNumberBox(int kind);
    // Shown beside the timer and variable pickers.
    QString TimerHelp() const;
    QString VariableDescription() const;

    // --- the dialog's own steps -------------------------------------------------

    // Prepares for adding: every field not kept when adding returns to the
    // value a freshly created editor shows.
    void InitCombo();
    // Re-texts the timer and variable rows from the project; the chosen rows
    // stay chosen.
    void ReloadNames(const Project& project);
    // Composes the visible kind (the step a tab switch runs).
    void CallT1();

private:
    enum class Opening { None, ToolbarAdd, MenuAdd, Change };

    void Create(const Project& project);
    void EnsureCreated(const Project& project);
    void SetAddingTexts();
    void SetChangingTexts();
    void Compose();
    bool Open(Opening opening);
    static bool HasInclude(int kind);
    // Both ways of adding: most fields back to their defaults, the names
    // re-read, the visible kind composed, then shown.
    bool OpenForAdding(const Project& project, Opening opening);

    bool created_ = false;
    bool shown_ = false;
    Opening opening_ = Opening::None;
    int target_ = 0; // the entry being changed

    ConditionEditorMode mode_ = ConditionEditorMode::Adding;
    QString title_;
    QString confirmText_;
    int tab_ = 1;
    QList<QStringList> fields_; // by kind, [0] unused
    QList<bool> include_;       // by kind, [0] unused
    ConditionTriple composed_;

    ProjectNameRows names_;
    QStringList timerHelp_;
    QStringList variableDescriptions_; // slots 0 to 40
};

} // namespace rw
