#include "shell/QtDialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace rw {

namespace {

QMessageBox::Icon ToQt(Notice::Icon icon) {
    switch (icon) {
    case Notice::Icon::Information:
        return QMessageBox::Information;
    case Notice::Icon::Warning:
        return QMessageBox::Warning;
    case Notice::Icon::Critical:
        return QMessageBox::Critical;
    case Notice::Icon::Question:
        return QMessageBox::Question;
    case Notice::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString FileDialog(QWidget* parent, const Dialogs::FileRequest& request, bool save) {
    QFileDialog dialog(parent, request.title, request.folder, QtDialogs::QtFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // The window asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') +
                       u')';
    return filters.join(QStringLiteral(";;"));
}

Dialogs::Answer QtDialogs::Ask(const Notice& question, Buttons buttons) {
    const bool cancel = buttons == Buttons::YesNoCancel || buttons == Buttons::YesNoCancelDefaultNo;
    const bool safeNo =
        buttons == Buttons::YesNoDefaultNo || buttons == Buttons::YesNoCancelDefaultNo;
    QMessageBox box(ToQt(question.icon), question.title, question.text,
                    cancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                           : QMessageBox::Yes | QMessageBox::No,
                    Parent());
    box.setDefaultButton(safeNo ? QMessageBox::No : QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    // Closing a Yes/No box with Escape is a No.
    return cancel ? Answer::Cancel : Answer::No;
}

void QtDialogs::Inform(const Notice& notice) {
    QMessageBox box(ToQt(notice.icon), notice.title, notice.text, QMessageBox::Ok, Parent());
    box.exec();
}

QString QtDialogs::OpenFile(const FileRequest& request) {
    return FileDialog(Parent(), request, false);
}

QString QtDialogs::SaveFile(const FileRequest& request) {
    return FileDialog(Parent(), request, true);
}

QString QtDialogs::PickFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(Parent(), title, folder);
}

int QtDialogs::Run(QDialog& dialog) {
    return dialog.exec();
}

} // namespace rw
