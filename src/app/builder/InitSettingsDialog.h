#pragma once

#include "builder/InitSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace rw {

class Workspace;

// "初期化設定": the settings behind the two initialisation rules. "OK"
// rewrites both rules; "キャンセル" leaves the project as it was.
class InitSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit InitSettingsDialog(Workspace& work, QWidget* parent = nullptr);

    // The values the controls hold now.
    InitSettings Values() const;

    QTabWidget* Tabs() const { return tabs_; }
    QRadioButton* ReexploreButton() const { return reexplore_; }
    QLineEdit* PrecisionBox() const { return precision_; }
    QCheckBox* DisperseBox() const { return disperse_; }
    QLineEdit* WoodBox() const { return wood_; }
    QLineEdit* GoldBox() const { return gold_; }
    QLineEdit* StoneBox() const { return stone_; }

    void accept() override;

private:
    Workspace& work_;
    QTabWidget* tabs_;
    QLineEdit* explorers_;
    QRadioButton* reexplore_;
    QRadioButton* noReexplore_;
    QLineEdit* precision_;
    QCheckBox* narrow_;
    QCheckBox* wide_;
    QCheckBox* disperse_;
    QLineEdit* wood_;
    QLineEdit* deer_;
    QLineEdit* gold_;
    QLineEdit* stone_;
};

} // namespace rw
