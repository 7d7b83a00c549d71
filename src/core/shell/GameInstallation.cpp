#include "shell/GameInstallation.h"

#include "model/Cp932.h"

#include <QFileInfo>

namespace rw {

const QString GameInstallation::kGameKey = QStringLiteral(
    "SOFTWARE\\Microsoft\\DirectPlay\\Applications\\Age of Empires II - The Conquerors Expansion");
const QString GameInstallation::kCurrentDirectory = QStringLiteral("CurrentDirectory");
const QString GameInstallation::kPath = QStringLiteral("Path");
const QString GameInstallation::kExecutable = QStringLiteral("age2_x1.exe");

namespace {

const QString kLaunchTitle = QStringLiteral("AOCの起動");

Notice LaunchFailure(const QString& text) {
    return Notice{text, kLaunchTitle, Notice::Icon::Warning};
}

} // namespace

QString GameInstallation::ReadSetting(const QString& valueName) const {
    QString value = system_.ReadSetting(kGameKey, valueName);
    // The stored text plus its terminating NUL must fit the buffer.
    if (Cp932Width(value) + 1 > kSettingBufferBytes)
        return {};
    const qsizetype nul = value.indexOf(QChar(0));
    if (nul >= 0)
        value.truncate(nul);
    return value;
}

QString GameInstallation::AiFolderWindows() const {
    const QString current = ReadSetting(kCurrentDirectory);
    if (current.isEmpty())
        return {};
    return current + QStringLiteral("\\AI\\");
}

QString GameInstallation::AiFolder() const {
    const QString windows = AiFolderWindows();
    if (windows.isEmpty())
        return {};
    return system_.LocalPath(windows);
}

Notice GameInstallation::Launch() {
    const QString folder = ReadSetting(kPath);
    if (folder.isEmpty())
        return LaunchFailure(QStringLiteral("AOCのインストール先が見つかりませんでした"));
    const QString executable = folder + u'\\' + kExecutable;
    const QString localExecutable = system_.LocalPath(executable);
    if (localExecutable.isEmpty() || !QFileInfo(localExecutable).isFile())
        return LaunchFailure(QStringLiteral("AOCの実行ファイルが見つかりませんでした\n") +
                             executable);
    QString reason;
    if (!system_.Start(localExecutable, system_.LocalPath(folder), &reason))
        return LaunchFailure(QStringLiteral("AOCを起動できませんでした\n") + reason);
    return {};
}

} // namespace rw
