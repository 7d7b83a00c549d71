#pragma once

#include "model/Notice.h"

#include <QString>

class QDialog;
class QWidget;

namespace rw {

// Every question, message, file dialog and modal dialog of the window goes
// through here, so that tests can answer them without a screen.
class Dialogs {
public:
    // …DefaultNo: a question whose safe answer is No (it throws work away),
    // so that Enter does not agree to it.
    enum class Buttons { YesNo, YesNoCancel, YesNoDefaultNo, YesNoCancelDefaultNo };
    enum class Answer { Yes, No, Cancel };

    struct FileRequest {
        QString title;
        QString folder; // where the dialog starts; empty for the last one used
        QString filter; // "description|pattern|description|pattern"
        QString defaultSuffix;
    };

    virtual ~Dialogs() = default;

    virtual Answer Ask(const Notice& question, Buttons buttons) = 0;
    virtual void Inform(const Notice& notice) = 0;
    // The chosen file, or the empty string when the dialog was cancelled.
    // The save dialog asks nothing about existing files: the window does.
    virtual QString OpenFile(const FileRequest& request) = 0;
    virtual QString SaveFile(const FileRequest& request) = 0;
    virtual QString PickFolder(const QString& title, const QString& folder) = 0;
    // Shows a dialog of the program modally; answers QDialog::exec's result.
    virtual int Run(QDialog& dialog) = 0;

    // The window messages and questions belong to.
    void SetParent(QWidget* parent) { parent_ = parent; }
    QWidget* Parent() const { return parent_; }

private:
    QWidget* parent_ = nullptr;
};

} // namespace rw
