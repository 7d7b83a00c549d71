#pragma once

#include <QDialog>

class QLabel;

namespace rw {

// "バージョン情報": the program, its version, the Qt it runs with and the
// licence.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static const QString kVersion;
    static const QString kLicence;

    explicit AboutDialog(QWidget* parent = nullptr);

    QString VersionText() const;
    QString QtText() const; // the version of Qt the program runs with
    QString LicenceText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* version_;
    QLabel* qt_;
    QLabel* licence_;
};

} // namespace rw
