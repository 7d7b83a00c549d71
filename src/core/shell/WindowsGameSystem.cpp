#include "shell/WindowsGameSystem.h"

#ifdef Q_OS_WIN

#include <QDir>
#include <QSettings>

#include <qt_windows.h>
#include <shellapi.h>

namespace rw {

QString WindowsGameSystem::ReadSetting(const QString& key, const QString& valueName) const {
    // The game is a 32-bit program: read the registry view it writes to.
    QSettings settings(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::Registry32Format);
    const QVariant value = settings.value(valueName);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool WindowsGameSystem::Start(const QString& executable, const QString& workingFolder,
                              QString* reason) {
    const QString file = QDir::toNativeSeparators(executable);
    const QString folder = QDir::toNativeSeparators(workingFolder);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(file.utf16()), nullptr,
                      reinterpret_cast<LPCWSTR>(folder.utf16()), SW_SHOWNORMAL));
    if (result > 32)
        return true;
    if (reason)
        *reason = QStringLiteral("ShellExecute %1").arg(qlonglong(result));
    return false;
}

} // namespace rw

#endif
