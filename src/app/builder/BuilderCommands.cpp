#include "builder/BuilderCommands.h"

#include "builder/EnvironmentSettingsDialog.h"
#include "builder/FrmPer.h"
#include "builder/InitSettingsDialog.h"
#include "builder/ProjectSettingsDialog.h"
#include "builder/ScriptPreviewWindow.h"
#include "shell/MainWindow.h"
#include "shell/Preferences.h"

#include "builder/OutputFiles.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace rw {

void BuildPerCommand(MainWindow& window, Dialogs& dialogs, const QString& programFolder) {
    window.LookUpGame();
    // An installed program's folder is no place for the user's files.
    const QString folder = DefaultOutputFolder(
        LoadOutputFolder(), programFolder, QFileInfo(programFolder).isWritable(),
        !window.Work().Templates().besideProgram,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    FrmPer dialog(
        dialogs, window.Work(), folder, [&window](const QString& text) { window.SetMessage(text); },
        &window);
    dialog.SetEnvironment(LoadEnvironmentSettings());
    dialogs.Run(dialog);
    if (!dialog.ChosenFolder().isEmpty())
        SaveOutputFolder(dialog.ChosenFolder());
}

void ShowScriptCommand(MainWindow& window, Dialogs& dialogs) {
    window.SetMessage(kPreviewUpdatingMessage);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PreviewText text = window.Work().Preview(LoadEnvironmentSettings());
    window.SetMessage(QString());
    ScriptPreviewWindow preview(text, &window);
    // Laying out a long script is part of the wait: the cursor stays busy
    // until the window is there to read.
    preview.EndBusyCursorWhenShown();
    dialogs.Run(preview);
}

void ProjectSettingsCommand(MainWindow& window, Dialogs& dialogs) {
    ProjectSettingsDialog dialog(window.Work(), dialogs, &window);
    dialogs.Run(dialog);
}

void InitSettingsCommand(MainWindow& window, Dialogs& dialogs) {
    InitSettingsDialog dialog(window.Work(), &window);
    dialogs.Run(dialog);
}

void EnvironmentSettingsCommand(MainWindow& window, Dialogs& dialogs) {
    EnvironmentSettingsDialog dialog(LoadEnvironmentSettings(), &window);
    if (dialogs.Run(dialog) == QDialog::Accepted)
        SaveEnvironmentSettings(dialog.Values());
}

} // namespace rw
