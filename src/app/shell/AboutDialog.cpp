#include "shell/AboutDialog.h"

#include "shell/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rw {

const QString AboutDialog::kVersion = QStringLiteral("0.97");
const QString AboutDialog::kLicence =
    QStringLiteral("ライセンス: MIT License\n"
                   "Qt は GNU LGPL バージョン3 のもとで使用しています。");

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);

    auto* picture = new QLabel;
    picture->setPixmap(Icons::Application().pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("Rulewright"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    version_ = new QLabel;
    auto* description =
        new QLabel(QStringLiteral("Age of Empires II: The Conquerors のAIスクリプトエディタ"));
    auto* author = new QLabel(QStringLiteral("作者: Rulewright の開発者"));
    qt_ = new QLabel(QStringLiteral("Qt %1 を使用しています").arg(QString::fromLatin1(qVersion())));
    licence_ = new QLabel(kLicence);
    licence_->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version_);
    text->addWidget(description);
    text->addWidget(author);
    text->addSpacing(8);
    text->addWidget(qt_);
    text->addWidget(licence_);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);

    auto* close = new QPushButton(QStringLiteral("閉じる(&C)"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

QString AboutDialog::VersionText() const {
    return version_->text();
}

QString AboutDialog::QtText() const {
    return qt_->text();
}

QString AboutDialog::LicenceText() const {
    return licence_->text();
}

void AboutDialog::showEvent(QShowEvent* event) {
    // The label is set each time the box opens.
    version_->setText(QStringLiteral("バージョン ") + kVersion);
    QDialog::showEvent(event);
}

} // namespace rw
