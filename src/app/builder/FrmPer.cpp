#include "builder/FrmPer.h"

#include "builder/OutputFiles.h"
#include "builder/ScriptCheck.h"
#include "shell/Dialogs.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace rw {
namespace {

// Folder boxes show the folder with the platform's separator at the end, so
// that the name can follow directly.
QString WithSeparator(const QString& folder) {
    QString text = QDir::toNativeSeparators(folder);
    if (!text.isEmpty() && !text.endsWith(QDir::separator()))
        text += QDir::separator();
    return text;
}

QLineEdit* ReadOnlyBox(const QString& text) {
    auto* box = new QLineEdit(text);
    box->setReadOnly(true);
    box->setMinimumWidth(320);
    return box;
}

} // namespace

FrmPer::FrmPer(Dialogs& dialogs, const Workspace& work, const QString& userFolder,
               std::function<void(const QString&)> setMessage, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), work_(work), setMessage_(std::move(setMessage)) {
    const QString& aiFolder = work_.AiFolder();
    setWindowTitle(QStringLiteral("REZOR用 PERファイルの生成"));

    auto* banner = new QLabel(QStringLiteral("ZuzAdidodi") + QStringLiteral("1.00"));
    banner->setObjectName(QStringLiteral("banner"));
    banner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    banner->setMinimumHeight(48);
    banner->setStyleSheet(QStringLiteral("QLabel { background: #203050; color: white; "
                                         "font-weight: bold; font-size: 16pt; padding: 6px; }"));

    gameChoice_ = new QRadioButton(QStringLiteral("REZORフォルダに出力 (.per,.aiを生成)"));
    gameFolder_ = ReadOnlyBox(WithSeparator(aiFolder));
    userChoice_ = new QRadioButton(QStringLiteral("ユーザー設定 (.per,.aiを生成)"));
    userFolder_ = ReadOnlyBox(WithSeparator(userFolder));
    browse_ = new QPushButton(QStringLiteral("....."));
    browse_->setObjectName(QStringLiteral("browse"));
    connect(browse_, &QPushButton::clicked, this, &FrmPer::Browse);

    auto* target = new QGroupBox(QStringLiteral("出力先"));
    auto* targetGrid = new QGridLayout(target);
    targetGrid->addWidget(gameChoice_, 0, 0, 1, 3);
    targetGrid->addWidget(new QLabel(QStringLiteral("出力先")), 1, 0);
    targetGrid->addWidget(gameFolder_, 1, 1);
    targetGrid->addWidget(userChoice_, 2, 0, 1, 3);
    targetGrid->addWidget(new QLabel(QStringLiteral("出力先")), 3, 0);
    targetGrid->addWidget(userFolder_, 3, 1);
    targetGrid->addWidget(browse_, 3, 2);

    name_ = new QLineEdit(QStringLiteral("mybot"));
    version_ = new QLineEdit(QStringLiteral("1.0"));
    version_->setMaximumWidth(60);
    autoIncrement_ = new QCheckBox(QStringLiteral("Versionの自動インクリメント"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("AI名")));
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(new QLabel(QStringLiteral("ver")));
    nameRow->addWidget(version_);
    nameRow->addWidget(autoIncrement_);

    status_ = new QLabel(QStringLiteral("なにも実行されていません"));
    ruleProgress_ = new QProgressBar;
    rowProgress_ = new QProgressBar;
    for (QProgressBar* bar : {ruleProgress_, rowProgress_}) {
        bar->setRange(0, 1);
        bar->setValue(0);
        bar->setTextVisible(false);
    }
    auto* state = new QGroupBox(QStringLiteral("状況"));
    auto* stateColumn = new QVBoxLayout(state);
    stateColumn->addWidget(status_);
    stateColumn->addWidget(ruleProgress_);
    stateColumn->addWidget(rowProgress_);

    start_ = new QPushButton(QStringLiteral("開始(&S)"));
    start_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("キャンセル"));
    connect(start_, &QPushButton::clicked, this, &FrmPer::StartBuild);
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressIntervalMs);
    connect(progressTimer_, &QTimer::timeout, this, &FrmPer::ShowProgress);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(banner);
    column->addWidget(target);
    column->addLayout(nameRow);
    column->addWidget(state);
    column->addLayout(buttons);

    gameChoice_->setChecked(true);
    if (aiFolder.isEmpty()) {
        userChoice_->setChecked(true);
        gameChoice_->setEnabled(false);
    }
}

void FrmPer::Browse() {
    const QString before = userFolder_->text();
    const QString chosen = dialogs_.PickFolder(QStringLiteral("Per,AIファイルの保存先"),
                                               QDir::fromNativeSeparators(before));
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir()) {
        userFolder_->setText(WithSeparator(chosen));
        chosen_ = chosen;
        return;
    }
    userFolder_->setText(before);
    if (!chosen.isEmpty())
        dialogs_.Inform(Notice{QStringLiteral("フォルダが存在しないか、準備されていません"),
                               QStringLiteral("確認"), Notice::Icon::Warning});
}

FrmPer::~FrmPer() {
    // Stops and joins a build still running before the widgets go.
    job_.reset();
}

void FrmPer::StartBuild() {
    if (job_)
        return;
    start_->setEnabled(false);
    const QString folder = gameChoice_->isChecked() ? gameFolder_->text() : userFolder_->text();
    target_ = AiFilePaths(folder, name_->text());
    if (!target_.Ok()) {
        Finish(target_);
        return;
    }

    SetInputsEnabled(false);
    if (setMessage_)
        setMessage_(kBuildingMessage);
    status_->setText(kBuildingMessage);
    // The build reads a copy, on a thread of its own; the widgets show where
    // it is only as often as the eye can follow.
    job_ = work_.GenerateAi(settings_);
    job_->Start(
        [this] { QMetaObject::invokeMethod(this, &FrmPer::BuildEnded, Qt::QueuedConnection); });
    progressTimer_->start();
}

void FrmPer::BuildEnded() {
    if (!job_)
        return;
    progressTimer_->stop();
    const bool cancelled = job_->IsCancelled();
    ScriptBuild build = job_->TakeResult();
    job_.reset();
    // A cancel that came in after the last rule still wins: nothing has
    // been written yet.
    if (cancelled && build.Ok()) {
        build.bytes.clear();
        build.cancelled = true;
    }
    // The game refuses a whole AI for one fault it cannot read: ask before
    // writing it. What the builder itself refused cannot be written at all,
    // so that is told as an error, without the question.
    if (build.Ok()) {
        const QList<ScriptProblem> problems = work_.ScriptProblems();
        if (!problems.isEmpty() &&
            dialogs_.Ask(ScriptProblemsQuestion(problems), Dialogs::Buttons::YesNoDefaultNo) !=
                Dialogs::Answer::Yes) {
            build.bytes.clear();
            build.cancelled = true;
        }
    }
    SetInputsEnabled(true);
    Finish(WriteScript(target_, build));
}

void FrmPer::SetInputsEnabled(bool enabled) {
    // Where the script goes cannot change under a running build.
    for (QWidget* input :
         std::initializer_list<QWidget*>{userChoice_, browse_, name_, version_, autoIncrement_})
        input->setEnabled(enabled);
    gameChoice_->setEnabled(enabled && !gameFolder_->text().isEmpty());
}

void FrmPer::ShowProgress() {
    if (!job_)
        return;
    const BuildJob::Progress now = job_->Current();
    if (now.ruleCount == 0)
        return;
    ruleProgress_->setRange(0, now.ruleCount);
    ruleProgress_->setValue(now.rule);
    rowProgress_->setRange(0, now.rowCount);
    rowProgress_->setValue(now.row);
    status_->setText(now.title + kRuleBuildingSuffix);
}

void FrmPer::Finish(const OutputResult& result) {
    if (result.Ok()) {
        ruleProgress_->setValue(ruleProgress_->maximum());
        status_->setText(kBuildSucceeded);
        cancel_->setText(QStringLiteral("完了"));
        start_->hide();
    } else {
        // Bars left full would say the script was written.
        for (QProgressBar* bar : {ruleProgress_, rowProgress_}) {
            bar->setRange(0, 1);
            bar->setValue(0);
        }
        status_->setText(result.cancelled ? kBuildCancelled
                                          : QStringLiteral("なにも実行されていません"));
        if (!result.cancelled)
            dialogs_.Inform(result.notice);
    }
    start_->setEnabled(true);
    if (setMessage_)
        setMessage_(QString());
    emit BuildFinished();
}

void FrmPer::reject() {
    // キャンセル, Esc and the close box stop a running build first; the
    // dialog closes on the next request.
    if (job_) {
        job_->Cancel();
        return;
    }
    QDialog::reject();
}

} // namespace rw
