#pragma once

#include "shell/Dialogs.h"

namespace rw {

// The dialogs of Qt, with the program's titles, filters and default suffix.
class QtDialogs : public Dialogs {
public:
    Answer Ask(const Notice& question, Buttons buttons) override;
    void Inform(const Notice& notice) override;
    QString OpenFile(const FileRequest& request) override;
    QString SaveFile(const FileRequest& request) override;
    QString PickFolder(const QString& title, const QString& folder) override;
    int Run(QDialog& dialog) override;

    // "desc|*.x|desc|*.*" in the form Qt's file dialogs read.
    static QString QtFilter(const QString& filter);
};

} // namespace rw
