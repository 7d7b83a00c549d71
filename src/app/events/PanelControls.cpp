#include "events/PanelControls.h"

#include "shell/EditorHost.h"
#include "shell/PendingEdit.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace rw {

namespace {

void Change(EditorHost& host, PanelControl control, const QString& value) {
    if (host.Refreshing())
        return;
    host.Report([&host, control, value] { return host.Work().ChangePanel(control, value); });
}

} // namespace

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
