#pragma once

#include "events/PanelView.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace rw {

class EditorHost;

// Between one control of the event panels or the rule options and the
// workspace: a user change becomes one workspace call, and the control shows
// what the workspace answers. Changes made while the window fills itself
// never reach the workspace.
void BindPicker(EditorHost& host, QComboBox* picker, PanelControl control);
void BindBox(EditorHost& host, QLineEdit* box, PanelControl control);
void BindCheck(EditorHost& host, QCheckBox* check, PanelControl control);

// Shows a control's value, visibility and enabled state; a box keeps its
// cursor when its text is already the one to show.
void ShowControl(QWidget* control, const ControlState& state);
// Replaces a picker's items only when they differ.
void ShowItems(QComboBox* picker, const QStringList& items);

} // namespace rw
