#include "conditions/ConditionEditor.h"

#include "conditions/ConditionList.h"
#include "model/Numeric.h"
#include "model/Project.h"

#include <algorithm>

namespace rw {

namespace {

bool IsKind(int kind) {
    return kind >= 1 && kind <= kConditionKindCount;
}

// The values a freshly created editor shows, by kind, in edit-data order.
QStringList CreationDefaults(int kind) {
    switch (kind) {
    case 1:
        return {"0", "100", "0"};
    case 2:
        return {"0", "0", "1", "0"};
    case 3:
        return {"0", "0", "0", "1", "0"};
    case 4:
        return {"0", "0", "0"};
    case 5:
        return {"0", "40", "0"};
    case 6:
        return {"0", "0", "0"};
    case 7:
        return {"0", "0", "5", "0", "0"}; // game time, 5 minutes
    case 8:
        return {"0"};
    case 9:
        return {"0", "0", "0"};
    case 10:
        return {"0", "0", "0", "0"};
    case 11:
        return {"0", "5", "0"};
    default:
        return {};
    }
}

// Index of the number box of a kind, -1 when it has none.
int NumberIndex(int kind) {
    switch (kind) {
    case 1:
    case 5:
    case 9:
    case 11:
        return 1;
    case 2:
    case 10:
        return 2;
    case 3:
        return 3;
    default:
        return -1;
    }
}

} // namespace

ConditionEditor::ConditionEditor() {
    SetAddingTexts();
}

QString ConditionEditor::CancelText() {
    return QStringLiteral("キャンセル");
}

QString ConditionEditor::TimerNote() {
    return QStringLiteral("* 書き出しするときにタイマー名が適用されます");
}

QString ConditionEditor::VariableNote() {
    return QStringLiteral("* 書き出しするときに変数名が適用されます");
}

void ConditionEditor::SetAddingTexts() {
    mode_ = ConditionEditorMode::Adding;
    title_ = QStringLiteral("条件の追加");
    confirmText_ = QStringLiteral("追加");
}

void ConditionEditor::SetChangingTexts() {
    title_ = QStringLiteral("条件の変更");
    confirmText_ = QStringLiteral("変更");
}

void ConditionEditor::Create(const Project& project) {
    created_ = true;
    shown_ = false;
    SetAddingTexts();
    tab_ = 1;
    for (int kind = 1; kind <= kConditionKindCount; ++kind)
        fields_[kind] = CreationDefaults(kind);
    includeBuildings_ = false;
    includeUnits_ = false;
    ReloadNames(project);
    Compose();
}

void ConditionEditor::EnsureCreated(const Project& project) {
    if (!created_)
        Create(project);
}

void ConditionEditor::Compose() {
    composed_ = rw::Compose(tab_, fields_[tab_], Include(tab_));
}

void ConditionEditor::SelectTab(int tab) {
    if (!IsKind(tab))
        return;
    tab_ = tab;
    Compose();
}

int ConditionEditor::FieldCount(int kind) {
    return int(CreationDefaults(kind).size());
}

ConditionFieldType ConditionEditor::FieldType(int kind, int index) {
    return index == NumberIndex(kind) ? ConditionFieldType::Number : ConditionFieldType::Picker;
}

QString ConditionEditor::Field(int kind, int index) const {
    return IsKind(kind) ? fields_[kind].value(index) : QString();
}

int ConditionEditor::Picker(int kind, int index) const {
    return Field(kind, index).toInt();
}

QStringList ConditionEditor::PickerRows(int kind, int index) const {
    const QStringList comparisons = ComparisonRows(ComparisonWordsOf(kind));
    switch (kind * 10 + index) {
    case 10:
        return ResourceRows();
    case 20:
    case 30:
    case 60:
        return PlayerRows();
    case 21:
        return BuildingRows();
    case 31:
        return UnitCategoryRows();
    case 32:
        return UnitRows(Picker(3, 0), Picker(3, 1));
    case 40:
        return TechnologyCategoryRows();
    case 41:
        return TechnologyRows(Picker(4, 0));
    case 42:
        return ResearchStateRows();
    case 50:
        return PopulationRows();
    case 61:
        return AgeRows();
    case 70:
        return ClockRows();
    case 71:
        return HourRows();
    case 72:
    case 73:
        return MinuteRows();
    case 80:
        return timerRows_;
    case 90:
        return variableRows_;
    case 100:
        return StrategicNumberCategoryRows();
    case 101:
        return StrategicNumberRows(Picker(10, 0));
    case 110:
        return DistanceRows();
    case 12:
    case 23:
    case 34:
    case 52:
    case 62:
    case 74:
    case 92:
    case 103:
    case 112:
        return comparisons;
    default:
        return {};
    }
}

void ConditionEditor::SetPicker(int kind, int index, int position) {
    if (!IsKind(kind) || index < 0 || index >= FieldCount(kind) ||
        FieldType(kind, index) != ConditionFieldType::Picker)
        return;
    if (position < 0 || position >= PickerRows(kind, index).size())
        position = 0;
    QStringList& fields = fields_[kind];
    const int old = fields[index].toInt();
    fields[index] = QString::number(position);
    if (kind == 3 && index == 0 && (old == 0) != (position == 0)) {
        // The own player's unit picker starts with the category row: keep
        // the same unit chosen when that row comes or goes.
        const int unit = fields[2].toInt();
        if (position == 0)
            fields[2] = QString::number(unit + 1);
        else
            fields[2] = QString::number(std::max(0, unit - 1));
    } else if (kind == 3 && index == 1) {
        fields[2] = QStringLiteral("0");
    } else if ((kind == 4 || kind == 10) && index == 0) {
        fields[1] = QStringLiteral("0");
    }
    Compose();
}

void ConditionEditor::SetNumber(int kind, int index, const QString& text) {
    if (!IsKind(kind) || index != NumberIndex(kind))
        return;
    fields_[kind][index] = text;
    Compose();
}

bool ConditionEditor::Include(int kind) const {
    return kind == 2 ? includeBuildings_ : kind == 3 ? includeUnits_ : false;
}

void ConditionEditor::SetInclude(int kind, bool ticked) {
    if (kind == 2)
        includeBuildings_ = ticked;
    else if (kind == 3)
        includeUnits_ = ticked;
    else
        return;
    Compose();
}

bool ConditionEditor::IncludeEnabled(int kind) const {
    return (kind == 2 || kind == 3) && Picker(kind, 0) == 0;
}

bool ConditionEditor::ComparisonEnabled(int kind) const {
    return kind != 8 && kind != 4 && (kind != 9 || Picker(9, 0) == 0);
}

void ConditionEditor::LeaveStrategicNumberBox() {
    const QString text = fields_[10].value(2);
    const QString corrected = ScriptNumber(text).value_or(QStringLiteral("0"));
    if (corrected != text)
        SetNumber(10, 2, corrected);
}

QString ConditionEditor::TimerHelp() const {
    return timerHelp_.value(Picker(8, 0));
}

QString ConditionEditor::VariableDescription() const {
    return variableDescriptions_.value(Picker(9, 0));
}

void ConditionEditor::InitCombo() {
    for (int kind : {1, 2, 3, 5, 6, 7, 9})
        fields_[kind] = CreationDefaults(kind);
    // The research state resets; its category and technology stay.
    fields_[4][2] = QStringLiteral("0");
    Compose();
}

void ConditionEditor::ReloadNames(const Project& project) {
    timerRows_ = TimerRows(project);
    variableRows_ = VariableRows(project);
    timerHelp_.clear();
    for (int t = 1; t < kTimerSlots; ++t)
        timerHelp_ << project.timers[t].help;
    variableDescriptions_.clear();
    for (const VariableSlot& slot : project.variables)
        variableDescriptions_ << slot.description;
}

void ConditionEditor::CallT1() {
    Compose();
}

bool ConditionEditor::Open(Opening opening) {
    opening_ = opening;
    shown_ = true;
    confirmed_ = false;
    return true;
}

bool ConditionEditor::AddCodes(int kind, ConditionList& list, const Project& project) {
    if (shown_ || (kind != 1 && kind != 2))
        return false;
    EnsureCreated(project);
    SelectTab(1);
    if (kind == 2)
        return IfEditCommand(list, project);
    if (list.IsLonePlaceholder()) {
        // The placeholder is replaced; the texts stay as they were.
        mode_ = ConditionEditorMode::Changing;
        target_ = 1;
    } else {
        SetAddingTexts();
        target_ = 0;
    }
    InitCombo();
    ReloadNames(project);
    CallT1();
    return Open(Opening::ToolbarAdd);
}

bool ConditionEditor::MenuAdd(ConditionList& list, const Project& project) {
    if (shown_)
        return false;
    EnsureCreated(project);
    SetAddingTexts();
    target_ = 0;
    InitCombo();
    ReloadNames(project);
    CallT1();
    return Open(Opening::MenuAdd);
}

bool ConditionEditor::IfEditCommand(ConditionList& list, const Project& project) {
    if (shown_)
        return false;
    const ConditionEntry* entry = list.SelectedEntry();
    // Edit data that names no kind (stored by something else) cannot be
    // shown in any panel, so it is not opened at all.
    if (!entry || !CanChange(*entry))
        return false;
    const bool placeholder = entry->IsPlaceholder();
    const SplitEditdatResult stored = Split(entry->editdat);
    const bool total = entry->script.contains(QLatin1String("total"));
    EnsureCreated(project);
    mode_ = ConditionEditorMode::Changing;
    target_ = list.Selected();
    if (!placeholder) {
        const int kind = stored.kind;
        SelectTab(kind);
        // Edit-data order is also the order the panel needs: for units the
        // player decides the rows of the unit picker, the category its
        // contents, and only then does the stored unit position mean the
        // same unit.
        for (int i = 0; i < std::min(int(stored.fields.size()), FieldCount(kind)); ++i) {
            if (FieldType(kind, i) == ConditionFieldType::Number)
                SetNumber(kind, i, stored.fields[i]);
            else
                SetPicker(kind, i, FloorNumberOr(stored.fields[i], 0));
        }
        if (kind == 2 || kind == 3)
            SetInclude(kind, total);
    }
    SetChangingTexts();
    ReloadNames(project);
    return Open(Opening::Change);
}

Notice ConditionEditor::Confirm(ConditionList& list) {
    if (!shown_)
        return {};
    if (composed_.IsError())
        return Notice{RefusalText(composed_), QString(), Notice::Icon::None};
    const ConditionTriple triple = composed_;
    const Opening opening = opening_;
    const bool changing = mode_ == ConditionEditorMode::Changing;
    list.TakeUndoSnapshot();
    if (changing) {
        if (list.IsValidPosition(target_))
            list.SetEntry(target_, ConditionEntry{0, triple.cap, triple.editdat, triple.script});
    } else {
        list.Append(ConditionEntry{0, triple.cap, triple.editdat, triple.script});
    }
    // A confirmed dialog is discarded: the next opening starts afresh.
    created_ = false;
    shown_ = false;
    confirmed_ = true;
    opening_ = Opening::None;
    if (opening == Opening::ToolbarAdd)
        list.Select(list.Size());
    else if (changing)
        list.Select(target_);
    return {};
}

void ConditionEditor::Cancel(ConditionList& list) {
    if (!shown_)
        return;
    shown_ = false;
    confirmed_ = false;
    if (opening_ == Opening::Change) {
        list.StoreConditions();
        list.Select(target_);
    }
    opening_ = Opening::None;
}

} // namespace rw
