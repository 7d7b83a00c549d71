#pragma once

#include "builder/EnvironmentSettings.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace rw {

// "環境の設定": how scripts are written. The dialog only shows and collects
// the three choices; "OK" accepts, "キャンセル" and the close box reject,
// and the caller keeps what was accepted.
class EnvironmentSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit EnvironmentSettingsDialog(const EnvironmentSettings& settings,
                                       QWidget* parent = nullptr);

    // The choices as the boxes hold them now.
    EnvironmentSettings Values() const;

    QCheckBox* HeaderBox() const { return header_; }
    QCheckBox* CommentsBox() const { return comments_; }
    QCheckBox* DebugChatBox() const { return debugChat_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    QCheckBox* header_;
    QCheckBox* comments_;
    QCheckBox* debugChat_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace rw
