#pragma once

#include "shell/Dialogs.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

namespace rw {

// Answers the window's questions from queues and records what it showed.
class FakeDialogs : public Dialogs {
public:
    QList<Answer> answers; // next answers to Ask; Cancel when empty
    QStringList files;     // next answers to OpenFile / SaveFile; cancelled when empty
    QStringList folders;   // next answers to PickFolder; cancelled when empty
    std::function<int(QDialog&)> onRun = [](QDialog&) { return int(QDialog::Rejected); };

    QList<Notice> asked;
    QList<Buttons> askedButtons; // the buttons of each question in `asked`
    QList<Notice> informed;
    QList<FileRequest> fileRequests;

    Answer Ask(const Notice& question, Buttons buttons) override {
        asked << question;
        askedButtons << buttons;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    void Inform(const Notice& notice) override { informed << notice; }
    QString OpenFile(const FileRequest& request) override { return NextFile(request); }
    QString SaveFile(const FileRequest& request) override { return NextFile(request); }
    QString PickFolder(const QString&, const QString&) override {
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }
    int Run(QDialog& dialog) override { return onRun(dialog); }

private:
    QString NextFile(const FileRequest& request) {
        fileRequests << request;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
};

} // namespace rw
