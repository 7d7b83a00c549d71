#pragma once

#include <QDialog>

#include <functional>

class QListWidget;

namespace rw {

// "テンプレートから": picks the template a new project starts from.
class TemplateOpenDialog : public QDialog {
    Q_OBJECT
public:
    // `open` is called with the chosen name on "決定" or a double click.
    TemplateOpenDialog(const QStringList& names, std::function<void(const QString&)> open,
                       QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    // "決定": does nothing while no name is selected.
    void Decide();

private:
    QListWidget* list_;
    std::function<void(const QString&)> open_;
};

} // namespace rw
