#include "builder/EnvironmentSettingsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace rw {

EnvironmentSettingsDialog::EnvironmentSettingsDialog(const EnvironmentSettings& settings,
                                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("環境の設定"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    header_ = new QCheckBox(QStringLiteral("プロジェクトヘッダを出力"));
    header_->setToolTip(QStringLiteral("スクリプトの先頭にAIのタイトルと作者を書き出します"));
    comments_ = new QCheckBox(QStringLiteral("コメントを出力する"));
    comments_->setToolTip(
        QStringLiteral("条件とイベントの説明を「;」のコメントとして書き出します"));
    debugChat_ = new QCheckBox(QStringLiteral("デバッグ用チャットを出力する"));
    debugChat_->setToolTip(QStringLiteral(
        "ルールが実行されるたびに、そのルールの種類とタイトルをゲーム内に表示します"));
    header_->setChecked(settings.projectHeader);
    comments_->setChecked(settings.comments);
    debugChat_->setChecked(settings.debugChat);

    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("キャンセル"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(header_);
    column->addWidget(comments_);
    column->addWidget(debugChat_);
    column->addSpacing(8);
    column->addLayout(buttons);
}

EnvironmentSettings EnvironmentSettingsDialog::Values() const {
    EnvironmentSettings settings;
    settings.projectHeader = header_->isChecked();
    settings.comments = comments_->isChecked();
    settings.debugChat = debugChat_->isChecked();
    return settings;
}

} // namespace rw
