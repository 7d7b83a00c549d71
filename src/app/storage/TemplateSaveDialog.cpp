#include "storage/TemplateSaveDialog.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rw {

TemplateSaveDialog::TemplateSaveDialog(const QString& folder,
                                       std::function<bool(const QString&)> save, QWidget* parent)
    : QDialog(parent), save_(std::move(save)) {
    setWindowTitle(QStringLiteral("テンプレートで保存"));
    setModal(true);
    resize(460, 0);

    auto* folderBox = new QLineEdit(folder);
    folderBox->setReadOnly(true);
    name_ = new QLineEdit(QStringLiteral("オリジナルテンプレート"));
    name_->selectAll();

    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(QStringLiteral("テンプレートフォルダ"), folderBox);
    form->addRow(QStringLiteral("ファイル名とテンプレートのコメント"), name_);

    auto* saveButton = new QPushButton(QStringLiteral("保存(&S)"));
    saveButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    connect(saveButton, &QPushButton::clicked, this, &TemplateSaveDialog::Save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void TemplateSaveDialog::Save() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = save_(name_->text());
    QApplication::restoreOverrideCursor();
    if (done)
        accept();
}

} // namespace rw
