#include "events/PanelControls.h"

#include "shell/EditorHost.h"
#include "shell/Icons.h"
#include "shell/PendingEdit.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace rw {

namespace {

void Change(EditorHost& host, PanelControl control, const QString& value) {
    if (host.Refreshing())
        return;
    host.Report([&host, control, value] { return host.Work().ChangePanel(control, value); });
}

void BindPicker(EditorHost& host, QComboBox* picker, PanelControl control) {
    QObject::connect(picker, &QComboBox::activated, picker, [&host, control](int index) {
        Change(host, control, QString::number(index));
    });
}

void BindBox(EditorHost& host, QLineEdit* box, PanelControl control) {
    // While the box has the focus its text is the user's own, empty or half
    // typed; the workspace gets it, settled, when the box is left.
    MarkSettledOnLeave(box);
    QObject::connect(box, &QLineEdit::editingFinished, box, [&host, box, control] {
        const bool edited = box->isModified();
        box->setModified(false);
        // A box hidden under the user (another category) no longer speaks
        // for the rule shown; what it held was settled before it went.
        if (host.Refreshing() || !box->isVisible())
            return;
        if (!edited && host.Work().Panel().At(control).value == box->text())
            return;
        const Notice notice = host.Report([&host, box, control] {
            const Notice said = host.Work().ChangePanel(control, box->text());
            // What was typed into the box is one step of the history.
            host.Work().FinishEdit();
            return said;
        });
        // A box that refused what was typed takes the focus back, so that
        // the user can put it right at once.
        if (!notice.IsEmpty() && box->isVisible()) {
            box->setFocus();
            box->selectAll();
        }
    });
}

void BindCheck(EditorHost& host, QCheckBox* check, PanelControl control) {
    // `toggled`, not `clicked`: assistive technology toggles without a click.
    // Ticks made while the window fills itself are ignored like any other.
    QObject::connect(check, &QCheckBox::toggled, check, [&host, control](bool on) {
        Change(host, control, on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

QComboBox* MakePicker(EditorHost& host, const PanelControlRow& row) {
    auto* picker = new QComboBox;
    if (row.entries) {
        const QStringList& entries = row.entries();
        for (int i = 0; i < entries.size(); ++i) {
            if (row.picture)
                picker->addItem(Icons::ForBuilding(row.picture(i)), entries[i]);
            else
                picker->addItem(entries[i]);
        }
    }
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    BindPicker(host, picker, row.control);
    return picker;
}

QLineEdit* MakeBox(EditorHost& host, const PanelControlRow& row) {
    auto* box = new QLineEdit;
    // Room for eight digits; six beside a spinner.
    const int digits = row.kind == ControlKind::Spinner ? 6 : 8;
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * digits + 12);
    BindBox(host, box, row.control);
    return box;
}

QCheckBox* MakeCheck(EditorHost& host, const PanelControlRow& row) {
    auto* check = new QCheckBox(RowText(row.caption));
    BindCheck(host, check, row.control);
    return check;
}

} // namespace

QWidget* MakeControl(EditorHost& host, const PanelControlRow& row) {
    QWidget* control = nullptr;
    switch (row.kind) {
    case ControlKind::Picker:
        control = MakePicker(host, row);
        break;
    case ControlKind::Check:
        control = MakeCheck(host, row);
        break;
    case ControlKind::Box:
    case ControlKind::Spinner:
        control = MakeBox(host, row);
        break;
    }
    // A check box is read out by its own text.
    if (row.name || row.kind != ControlKind::Check)
        control->setAccessibleName(RowText(row.name ? row.name : row.caption));
    if (row.toolTip)
        control->setToolTip(RowText(row.toolTip));
    return control;
}

QSpinBox* MakeSpinner(EditorHost& host, const PanelControlRow& row) {
    auto* spinner = new QSpinBox;
    spinner->setAccessibleName(RowText(row.caption) + QStringLiteral("の割合"));
    spinner->setRange(int(row.low), int(row.high));
    spinner->setToolTip(RowText(row.toolTip));
    spinner->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // A number typed into the spinner counts once it is left, as in the
    // box beside it; the arrows count at once.
    spinner->setKeyboardTracking(false);
    const PanelControl control = row.control;
    QObject::connect(spinner, &QSpinBox::valueChanged, spinner, [&host, control](int value) {
        Change(host, control, QString::number(value));
    });
    return spinner;
}

void ShowControl(QWidget* control, const ControlState& state) {
    if (auto* picker = qobject_cast<QComboBox*>(control)) {
        const int index = state.value.toInt();
        if (picker->currentIndex() != index)
            picker->setCurrentIndex(index < picker->count() ? index : -1);
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        if (box->text() != state.value)
            box->setText(state.value);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(state.value == QLatin1String("1"));
    }
    control->setVisible(state.visible);
    control->setEnabled(state.enabled);
}

void ShowItems(QComboBox* picker, const QStringList& items) {
    bool same = picker->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i)
        same = picker->itemText(i) == items[i];
    if (same)
        return;
    picker->clear();
    picker->addItems(items);
}

} // namespace rw
