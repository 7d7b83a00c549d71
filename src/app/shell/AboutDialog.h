#pragma once

#include <QDialog>

class QLabel;

namespace rw {

// "バージョン情報".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static const QString kVersion;

    explicit AboutDialog(QWidget* parent = nullptr);

    QString VersionText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* version_;
};

} // namespace rw
