#pragma once

#include "conditions/ConditionCatalogue.h"
#include "model/Notice.h"

#include <QString>
#include <QStringList>

#include <array>

namespace rw {

class ConditionList;
struct Project;

enum class ConditionEditorMode { Adding, Changing };
enum class ConditionFieldType { Picker, Number };

// The condition editor without its widgets: the selected tab, the values of
// all eleven panels, the composed triple and the ways it is opened and
// closed. The window shows it modally between an opening call (AddCodes,
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
    bool LastConfirmed() const { return confirmed_; }

    // --- texts ------------------------------------------------------------------

    ConditionEditorMode Mode() const { return mode_; }
    QString Title() const { return title_; }
    QString ConfirmText() const { return confirmText_; }
    static QString CancelText();
    static QString TimerNote();
    static QString VariableNote();

    // --- panels -----------------------------------------------------------------

    int Tab() const { return tab_; }
    // Shows tab 1 to 11 and composes its kind.
    void SelectTab(int tab);
    const ConditionTriple& Composed() const { return composed_; }

    // Fields of kind 1 to 11 in edit-data order.
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

    // The include boxes of kinds 2 and 3; enabled for the own player only.
    bool Include(int kind) const;
    void SetInclude(int kind, bool ticked);
    bool IncludeEnabled(int kind) const;
    // The comparison of kind 9 is used for the random number only.
    bool ComparisonEnabled(int kind) const;
    // The strategic-number value box lost the input focus: a number the
    // script can hold is trimmed, anything else becomes "0".
    void LeaveStrategicNumberBox();
    // Shown beside the timer and variable pickers.
    QString TimerHelp() const;
    QString VariableDescription() const;

    // --- the dialog's own steps -------------------------------------------------

    // Prepares for adding: resets most fields to their defaults.
    void InitCombo();
    // Re-texts the timer and variable rows from the project.
    void ReloadNames(const Project& project);
    // Composes the visible kind.
    void CallT1();

private:
    enum class Opening { None, ToolbarAdd, MenuAdd, Change };

    void Create(const Project& project);
    void EnsureCreated(const Project& project);
    void SetAddingTexts();
    void SetChangingTexts();
    void Compose();
    bool Open(Opening opening);

    bool created_ = false;
    bool shown_ = false;
    bool confirmed_ = false;
    Opening opening_ = Opening::None;
    int target_ = 0; // the entry being changed

    ConditionEditorMode mode_ = ConditionEditorMode::Adding;
    QString title_;
    QString confirmText_;
    int tab_ = 1;
    std::array<QStringList, kConditionKindCount + 1> fields_; // by kind, [0] unused
    bool includeBuildings_ = false;
    bool includeUnits_ = false;
    ConditionTriple composed_;

    QStringList timerRows_;
    QStringList timerHelp_;
    QStringList variableRows_;
    QStringList variableDescriptions_; // slots 0 to 40
};

} // namespace rw
