#pragma once

#include <QString>

namespace rw {

class Dialogs;
class MainWindow;

// The window's commands around script output and project settings. Each
// shows its dialog through `dialogs`; the window re-reads itself afterwards.
void BuildPerCommand(MainWindow& window, Dialogs& dialogs, const QString& programFolder);
void ShowScriptCommand(MainWindow& window, Dialogs& dialogs);
void ProjectSettingsCommand(MainWindow& window, Dialogs& dialogs);
void InitSettingsCommand(MainWindow& window, Dialogs& dialogs);
// "環境の設定(&E)...": the user's preferences, kept only when "OK" closes it.
void EnvironmentSettingsCommand(MainWindow& window, Dialogs& dialogs);

} // namespace rw
