#include "storage/TemplateOpenDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rw {

TemplateOpenDialog::TemplateOpenDialog(const QStringList& names,
                                       std::function<void(const QString&)> open, QWidget* parent)
    : QDialog(parent), open_(std::move(open)) {
    setWindowTitle(QStringLiteral("テンプレートから"));
    setModal(true);
    resize(360, 320);

    list_ = new QListWidget;
    list_->addItems(names);
    connect(list_, &QListWidget::itemDoubleClicked, this, &TemplateOpenDialog::Decide);

    auto* decide = new QPushButton(QStringLiteral("決定(&D)"));
    decide->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    connect(decide, &QPushButton::clicked, this, &TemplateOpenDialog::Decide);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(decide);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("テンプレート")));
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void TemplateOpenDialog::Decide() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    open_(item->text());
    QApplication::restoreOverrideCursor();
    accept();
}

} // namespace rw
