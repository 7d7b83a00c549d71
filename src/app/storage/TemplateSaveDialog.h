#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;

namespace rw {

// "テンプレートで保存": the name under which the open project is stored in
// the template folder.
class TemplateSaveDialog : public QDialog {
    Q_OBJECT
public:
    // `save` is called with the name on "保存"; the dialog closes when it
    // answers true (a refused name keeps it open for another try).
    TemplateSaveDialog(const QString& folder, std::function<bool(const QString&)> save,
                       QWidget* parent = nullptr);

    QLineEdit* NameBox() const { return name_; }
    void Save();

private:
    QLineEdit* name_;
    std::function<bool(const QString&)> save_;
};

} // namespace rw
