#include "conditions/ConditionEditor.h"

#include "conditions/ConditionList.h"
#include "model/Numeric.h"
#include "model/Project.h"

#include <algorithm>

namespace rw {

namespace {

// Fields of kinds that do not exist read as empty, and setting them does
// nothing.
const ConditionField* FieldOf(int kind, int index) {
    const ConditionKind* k = FindConditionKind(kind);
    return k && index >= 0 && index < k->fields.size() ? &k->fields[index] : nullptr;
}

} // namespace

ConditionEditor::ConditionEditor()
    : fields_(ConditionKinds().size() + 1), include_(ConditionKinds().size() + 1, false) {
    SetAddingTexts();
}

QString ConditionEditor::CancelText() {
    return QStringLiteral("キャンセル");
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
    const QList<ConditionKind>& kinds = ConditionKinds();
    fields_ = QList<QStringList>(kinds.size() + 1);
    for (const ConditionKind& kind : kinds)
        for (const ConditionField& field : kind.fields)
            fields_[kind.number] << field.initial;
    include_ = QList<bool>(kinds.size() + 1, false);
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
    if (!FindConditionKind(tab))
        return;
    tab_ = tab;
    Compose();
}

int ConditionEditor::FieldCount(int kind) {
    const ConditionKind* k = FindConditionKind(kind);
    return k ? int(k->fields.size()) : 0;
}

ConditionFieldType ConditionEditor::FieldType(int kind, int index) {
    const ConditionField* field = FieldOf(kind, index);
    return field ? field->type : ConditionFieldType::Picker;
}

QString ConditionEditor::Field(int kind, int index) const {
    return FieldOf(kind, index) ? fields_[kind].value(index) : QString();
}

int ConditionEditor::Picker(int kind, int index) const {
    return Field(kind, index).toInt();
}

QStringList ConditionEditor::PickerRows(int kind, int index) const {
    const ConditionKind* k = FindConditionKind(kind);
    return k ? FieldRows(*k, index, fields_[kind], names_) : QStringList();
}

void ConditionEditor::SetPicker(int kind, int index, int position) {
    const ConditionField* field = FieldOf(kind, index);
    if (!field || field->type != ConditionFieldType::Picker)
        return;
    if (position < 0 || position >= PickerRows(kind, index).size())
        position = 0;
    const ConditionKind& k = *FindConditionKind(kind);
    QStringList& fields = fields_[kind];
    const int old = fields[index].toInt();
    fields[index] = QString::number(position);
    for (int i = index + 1; i < k.fields.size(); ++i) {
        if (k.fields[i].follows == index) {
            // A new category starts at its first row.
            fields[i] = QStringLiteral("0");
        } else if (k.fields[i].rows == ConditionRows::Unit && index == k.PlayerIndex() &&
                   (old == 0) != (position == 0)) {
            // The own player's unit picker starts with the category row: keep
            // the same unit chosen when that row comes or goes.
            const int unit = fields[i].toInt();
            fields[i] = QString::number(position == 0 ? unit + 1 : std::max(0, unit - 1));
        }
    }
    Compose();
}

void ConditionEditor::SetNumber(int kind, int index, const QString& text) {
    const ConditionField* field = FieldOf(kind, index);
    if (!field || field->type != ConditionFieldType::Number)
        return;
    fields_[kind][index] = text;
    Compose();
}

bool ConditionEditor::Include(int kind) const {
    return HasInclude(kind) && include_[kind];
}

void ConditionEditor::SetInclude(int kind, bool ticked) {
    if (!HasInclude(kind))
        return;
    include_[kind] = ticked;
    Compose();
}

bool ConditionEditor::HasInclude(int kind) {
    const ConditionKind* k = FindConditionKind(kind);
    return k && !k->include.isEmpty();
}

bool ConditionEditor::IncludeEnabled(int kind) const {
    return HasInclude(kind) && Picker(kind, FindConditionKind(kind)->PlayerIndex()) == 0;
}

bool ConditionEditor::ComparisonEnabled(int kind) const {
    const ConditionKind* k = FindConditionKind(kind);
    return k && k->ComparisonIndex() >= 0 && (!k->comparisonOnFirstRowOnly || Picker(kind, 0) == 0);
}

void ConditionEditor::LeaveNumberBox(int kind) {
    const ConditionKind* k = FindConditionKind(kind);
    const int index = k ? k->NumberIndex() : -1;
    if (index < 0 || !k->fields[index].correctedOnLeaving)
        return;
    const QString text = fields_[kind][index];
    const QString corrected =
        ScriptNumber(text, k->fields[index].Lowest()).value_or(QStringLiteral("0"));
    if (corrected != text)
        SetNumber(kind, index, corrected);
}

QString ConditionEditor::TimerHelp() const {
    return timerHelp_.value(Picker(8, 0));
}

QString ConditionEditor::VariableDescription() const {
    return variableDescriptions_.value(Picker(9, 0));
}

void ConditionEditor::InitCombo() {
    for (const ConditionKind& kind : ConditionKinds())
        for (int i = 0; i < kind.fields.size(); ++i)
            if (!kind.fields[i].keptWhenAdding)
                fields_[kind.number][i] = kind.fields[i].initial;
    Compose();
}

void ConditionEditor::ReloadNames(const Project& project) {
    names_ = ProjectNameRows::Of(project);
    timerHelp_.clear();
    for (int t = 1; t < kTimerSlots; ++t)
        timerHelp_ << project.settings.timers[t].help;
    variableDescriptions_.clear();
    for (const VariableSlot& slot : project.settings.variables)
        variableDescriptions_ << slot.description;
}

void ConditionEditor::CallT1() {
    Compose();
}

bool ConditionEditor::Open(Opening opening) {
    opening_ = opening;
    shown_ = true;
    return true;
}

bool ConditionEditor::OpenForAdding(const Project& project, Opening opening) {
    InitCombo();
    ReloadNames(project);
    CallT1();
    return Open(opening);
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
    return OpenForAdding(project, Opening::ToolbarAdd);
}

bool ConditionEditor::MenuAdd(ConditionList& list, const Project& project) {
    if (shown_)
        return false;
    EnsureCreated(project);
    SetAddingTexts();
    target_ = 0;
    return OpenForAdding(project, Opening::MenuAdd);
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
    if (opening_ == Opening::Change)
        list.Select(target_);
    opening_ = Opening::None;
}

} // namespace rw
