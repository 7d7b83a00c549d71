#pragma once

#include "builder/EnvironmentSettings.h"

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace rw {

// The user's own preferences, kept by the platform's settings store under
// "Rulewright/Rulewright" (on Linux ~/.config/Rulewright/Rulewright.conf, on
// Windows the registry key HKEY_CURRENT_USER\Software\Rulewright\Rulewright), never
// in a project file: they follow the user, not the AI being written.
EnvironmentSettings LoadEnvironmentSettings();
void SaveEnvironmentSettings(const EnvironmentSettings& settings);

// The main window as it was left: its client rectangle (as when not
// maximised), the screen it was on (its name and area then), the frame the
// window system drew around it, whether it was maximised, and the positions
// of its two splitters.
struct WindowMemory {
    std::optional<QRect> geometry;
    QString screen;
    QRect screenGeometry;
    QMargins frame{8, 40, 8, 8}; // a generous guess until a window has been seen
    bool maximised = false;
    QByteArray mainSplitter;
    QByteArray ruleSplitter;
};
WindowMemory LoadWindowMemory();
void SaveWindowMemory(const WindowMemory& memory);
// Forgets the window, as on the first run.
void ForgetWindowMemory();

// "最近使ったファイル", newest first.
QStringList LoadRecentFiles();
void SaveRecentFiles(const QStringList& files);

// The folder the user last chose for "PERファイル生成(&P)..."; empty until then.
QString LoadOutputFolder();
void SaveOutputFolder(const QString& folder);

} // namespace rw
