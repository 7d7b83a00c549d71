#include "rules/RuleOptionsBar.h"

#include "events/PanelControls.h"
#include "shell/EditorHost.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace rw {

RuleOptionsBar::RuleOptionsBar(EditorHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("ruleOptions"));
    const QString variableTip = QStringLiteral("変数を使うことで他のルールと連携できます");
    variablePicker_ = new QComboBox;
    variablePicker_->setObjectName(QStringLiteral("options.variable"));
    variablePicker_->setAccessibleName(QStringLiteral("変数"));
    variablePicker_->setToolTip(variableTip);
    variablePicker_->setMinimumContentsLength(20);
    variablePicker_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    BindPicker(host_, variablePicker_, PanelControl::VariablePicker);

    variableValue_ = new QLineEdit(QStringLiteral("10"));
    variableValue_->setObjectName(QStringLiteral("options.value"));
    variableValue_->setAccessibleName(QStringLiteral("変数の値"));
    variableValue_->setToolTip(variableTip);
    variableValue_->setMaximumWidth(80);
    BindBox(host_, variableValue_, PanelControl::VariableValue);

    testMessage_ = new QCheckBox(QStringLiteral("テストメッセージ"));
    testMessage_->setObjectName(QStringLiteral("options.testMessage"));
    testMessage_->setToolTip(QStringLiteral("イベントが実行されるときにイベント内容を表示します"));
    BindCheck(host_, testMessage_, PanelControl::TestMessage);

    runOnce_ = new QCheckBox(QStringLiteral("一度だけ実行"));
    runOnce_->setObjectName(QStringLiteral("options.runOnce"));
    runOnce_->setToolTip(
        QStringLiteral("実行後削除します（無条件の場合は必ずチェックしてください無限ループします)"));
    BindCheck(host_, runOnce_, PanelControl::RunOnce);

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
