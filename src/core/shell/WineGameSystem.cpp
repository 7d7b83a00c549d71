#include "shell/WineGameSystem.h"

#include "shell/WineRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace rw {

WineGameSystem::WineGameSystem(QString prefix, QString wineProgram)
    : prefix_(std::move(prefix)), wineProgram_(std::move(wineProgram)) {}

QString WineGameSystem::DefaultPrefix() {
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.wine");
}

QString WineGameSystem::ReadSetting(const QString& key, const QString& valueName) const {
    QFile file(prefix_ + QStringLiteral("/system.reg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());

    // system.reg is rooted at HKEY_LOCAL_MACHINE. A 32-bit game on a 64-bit
    // prefix writes below Wow6432Node, so that view is read first, as the
    // game itself would.
    QString relative = key;
    if (relative.startsWith(QStringLiteral("HKEY_LOCAL_MACHINE\\"), Qt::CaseInsensitive))
        relative = relative.mid(19);
    const QString software = QStringLiteral("SOFTWARE\\");
    if (relative.startsWith(software, Qt::CaseInsensitive)) {
        const QString wow =
            QStringLiteral("Software\\Wow6432Node\\") + relative.mid(software.size());
        bool found = false;
        const QString value = WineRegistry::ReadString(text, wow, valueName, &found);
        if (found)
            return value;
    }
    return WineRegistry::ReadString(text, relative, valueName);
}

QString WineGameSystem::LocalPath(const QString& windowsPath) const {
    QString path = windowsPath;
    path.replace(u'/', u'\\');
    if (path.size() < 2 || !path[0].isLetter() || path[1] != u':')
        return {};
    const QFileInfo drive(prefix_ + QStringLiteral("/dosdevices/") + path[0].toLower() + u':');
    QString local = drive.canonicalFilePath();
    if (local.isEmpty() || !QFileInfo(local).isDir())
        return {};

    // Windows names ignore case; find each component as the disk spells it,
    // and keep the recorded spelling from the first one that does not exist.
    bool searching = true;
    const QStringList components = path.mid(2).split(u'\\', Qt::SkipEmptyParts);
    for (const QString& component : components) {
        QString name = component;
        if (searching && !QFileInfo::exists(local + u'/' + name)) {
            searching = false;
            const QStringList entries =
                QDir(local).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(component, Qt::CaseInsensitive) == 0) {
                    name = entry;
                    searching = true;
                    break;
                }
            }
        }
        if (!local.endsWith(u'/'))
            local += u'/';
        local += name;
    }
    if (path.endsWith(u'\\') && !local.endsWith(u'/'))
        local += u'/';
    return local;
}

bool WineGameSystem::Start(const QString& executable, const QString& workingFolder,
                           QString* reason) {
    QProcess process;
    process.setProgram(wineProgram_);
    process.setArguments({executable});
    process.setWorkingDirectory(workingFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), prefix_);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return true;
    if (reason) {
        *reason = process.errorString();
        if (reason->isEmpty() || *reason == QLatin1String("Unknown error"))
            *reason = wineProgram_;
    }
    return false;
}

} // namespace rw
