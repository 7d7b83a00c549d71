#pragma once

#include "events/PanelTable.h"
#include "events/PanelView.h"

#include <QStringList>

class QComboBox;
class QSpinBox;
class QWidget;

namespace rw {

class EditorHost;

// Between one control of the event panels or the rule options and the
// workspace. The widget is made from the control's row: its kind, accessible
// name, tool tip and entries. A user change becomes one workspace call, and
// the control shows what the workspace answers. Changes made while the
// window fills itself never reach the workspace.
QWidget* MakeControl(EditorHost& host, const PanelControlRow& row);
// The spinner beside a spinner row's box.
QSpinBox* MakeSpinner(EditorHost& host, const PanelControlRow& row);

// Shows a control's value, visibility and enabled state; a box keeps its
// cursor when its text is already the one to show.
void ShowControl(QWidget* control, const ControlState& state);
// Replaces a picker's items only when they differ.
void ShowItems(QComboBox* picker, const QStringList& items);

} // namespace rw
