#include "shell/AboutDialog.h"

#include "shell/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rw {

const QString AboutDialog::kVersion = QStringLiteral("0.97");

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
    auto* heading = new QLabel(QStringLiteral("最新版はこちらから"));
    auto* link = new QLabel(QStringLiteral(
        "<a href=\"https://rulewright.example.org/\">https://rulewright.example.org/</a>"));
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version_);
    text->addWidget(description);
    text->addWidget(author);
    text->addSpacing(8);
    text->addWidget(heading);
    text->addWidget(link);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);

    auto* close = new QPushButton(QStringLiteral("閉じる"));
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

void AboutDialog::showEvent(QShowEvent* event) {
    // The label is set each time the box opens.
    version_->setText(QStringLiteral("バージョン ") + kVersion);
    QDialog::showEvent(event);
}

} // namespace rw
