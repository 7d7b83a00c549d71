#include "rules/RuleOptionsBar.h"

#include "events/PanelControls.h"
#include "shell/EditorHost.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace rw {

namespace {

template <typename Widget> Widget* Make(EditorHost& host, PanelControl control, const char* name) {
    auto* widget = static_cast<Widget*>(MakeControl(host, ControlRow(control)));
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

RuleOptionsBar::RuleOptionsBar(EditorHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("ruleOptions"));
    variablePicker_ = Make<QComboBox>(host_, PanelControl::VariablePicker, "options.variable");
    variablePicker_->setMinimumContentsLength(20);
    variablePicker_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    variableValue_ = Make<QLineEdit>(host_, PanelControl::VariableValue, "options.value");
    variableValue_->setMaximumWidth(80);
    testMessage_ = Make<QCheckBox>(host_, PanelControl::TestMessage, "options.testMessage");
    runOnce_ = Make<QCheckBox>(host_, PanelControl::RunOnce, "options.runOnce");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->addWidget(variablePicker_);
    layout->addWidget(variableValue_);
    layout->addSpacing(12);
    layout->addWidget(testMessage_);
    layout->addWidget(runOnce_);
    layout->addStretch();
}

void RuleOptionsBar::Refresh() {
    const Workspace& work = host_.Work();
    ShowItems(variablePicker_, work.VariablePickerTexts());
    const PanelView& panel = work.Panel();
    ShowControl(variablePicker_, panel.At(PanelControl::VariablePicker));
    ShowControl(variableValue_, panel.At(PanelControl::VariableValue));
    ShowControl(testMessage_, panel.At(PanelControl::TestMessage));
    ShowControl(runOnce_, panel.At(PanelControl::RunOnce));
}

} // namespace rw
