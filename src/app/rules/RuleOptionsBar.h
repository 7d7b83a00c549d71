#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace rw {

class EditorHost;

// The rule options under the event panel: the variable picker with its
// value box, "テストメッセージ" and "一度だけ実行".
class RuleOptionsBar : public QWidget {
    Q_OBJECT
public:
    explicit RuleOptionsBar(EditorHost& host, QWidget* parent = nullptr);

    void Refresh();

    QComboBox* VariablePicker() const { return variablePicker_; }
    QLineEdit* VariableValue() const { return variableValue_; }
    QCheckBox* TestMessage() const { return testMessage_; }
    QCheckBox* RunOnce() const { return runOnce_; }

private:
    EditorHost& host_;
    QComboBox* variablePicker_ = nullptr;
    QLineEdit* variableValue_ = nullptr;
    QCheckBox* testMessage_ = nullptr;
    QCheckBox* runOnce_ = nullptr;
};

} // namespace rw
