#pragma once

#include "builder/BuildJob.h"
#include "builder/EnvironmentSettings.h"
#include "builder/OutputFiles.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace rw {

class Dialogs;
class Workspace;

// "REZOR用 PERファイルの生成": where the AI goes, its name, and the build.
// Nothing of it is kept between openings.
class FrmPer : public QDialog {
    Q_OBJECT
public:
    // The AI of `work`'s project goes into the game's AI folder or a folder
    // of the user's (at first `userFolder`); `setMessage` reaches the main
    // window's message panel.
    FrmPer(Dialogs& dialogs, const Workspace& work, const QString& userFolder,
           std::function<void(const QString&)> setMessage, QWidget* parent = nullptr);
    ~FrmPer() override;

    QRadioButton* GameChoice() const { return gameChoice_; }
    QRadioButton* UserChoice() const { return userChoice_; }
    QLineEdit* UserFolderBox() const { return userFolder_; }
    QLineEdit* NameBox() const { return name_; }
    QLabel* StatusLabel() const { return status_; }
    QPushButton* StartButton() const { return start_; }
    QPushButton* CancelButton() const { return cancel_; }
    QProgressBar* RuleProgressBar() const { return ruleProgress_; }
    QProgressBar* RowProgressBar() const { return rowProgress_; }
    bool IsBuilding() const { return job_ != nullptr; }
    // The folder the user picked with "....."; empty when none was.
    const QString& ChosenFolder() const { return chosen_; }

    // The user's preferences the script is written with (defaults until set).
    void SetEnvironment(const EnvironmentSettings& settings) { settings_ = settings; }

    void Browse();
    void StartBuild();
    // While a build runs: cancels it and keeps the dialog open.
    void reject() override;

signals:
    // A build has ended: written, refused or cancelled.
    void BuildFinished();

private:
    // How often a running build is shown.
    static constexpr int kProgressIntervalMs = 16;

    void SetInputsEnabled(bool enabled);
    void ShowProgress();
    void BuildEnded();
    void Finish(const OutputResult& result);

    Dialogs& dialogs_;
    const Workspace& work_;
    std::function<void(const QString&)> setMessage_;
    EnvironmentSettings settings_;
    QRadioButton* gameChoice_;
    QRadioButton* userChoice_;
    QLineEdit* gameFolder_;
    QLineEdit* userFolder_;
    QString chosen_;
    QPushButton* browse_;
    QLineEdit* name_;
    QLineEdit* version_;
    QCheckBox* autoIncrement_;
    QLabel* status_;
    QProgressBar* ruleProgress_;
    QProgressBar* rowProgress_;
    QPushButton* start_;
    QPushButton* cancel_;
    QTimer* progressTimer_;
    std::unique_ptr<BuildJob> job_;
    OutputResult target_; // where the running build goes
};

} // namespace rw
