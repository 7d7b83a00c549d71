#include "storage/Templates.h"

#include "storage/DeviceName.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

namespace rw {

namespace {

Notice Refused(const QString& text) {
    return Notice{text, QString(), Notice::Icon::Warning};
}

bool IsSeparator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

QString WithSeparator(const QString& folder) {
    if (folder.isEmpty() || IsSeparator(folder.back()))
        return folder;
    return folder + QLatin1Char('/');
}

bool SameFolder(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

// Case-blind first, so that "b" stands between "A" and "C"; ties keep a fixed order.
bool NameOrder(const QString& a, const QString& b) {
    const int blind = a.compare(b, Qt::CaseInsensitive);
    return blind != 0 ? blind < 0 : a < b;
}

} // namespace

QString TemplateFolder(const QString& programFolder) {
    if (!programFolder.isEmpty() && IsSeparator(programFolder.back()))
        return programFolder + QStringLiteral("Template/");
    return programFolder + QStringLiteral("/Template/");
}

bool FolderAcceptsFiles(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(WithSeparator(folder) + QStringLiteral("rulewright-XXXXXX.tmp"));
    return probe.open();
}

bool EnsureFolder(const QString& path) {
    if (path.isEmpty())
        return false;
    QDir dir(path);
    if (dir.exists())
        return true;
    return dir.mkpath(QStringLiteral("."));
}

QStringList ListTemplates(const QString& folder) {
    const QDir dir(folder);
    QStringList names;
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*") + QLatin1String(kTemplateExtension)},
                          QDir::Files | QDir::Hidden, QDir::NoSort);
    const qsizetype extension = qsizetype(sizeof(kTemplateExtension) - 1);
    for (const QFileInfo& file : files)
        names << file.fileName().chopped(extension);
    std::sort(names.begin(), names.end(), NameOrder);
    return names;
}

Notice CheckTemplateName(const QString& name) {
    if (name.trimmed().isEmpty())
        return Refused(QStringLiteral("テンプレートの名前を入力してください"));
    if (name.contains(QStringLiteral("..")))
        return Refused(QStringLiteral("テンプレートの名前に「..」は使えません"));
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return Refused(QStringLiteral("テンプレートの名前に制御文字は使えません"));
        if (QStringLiteral("/\\<>:\"|?*").contains(c))
            return Refused(
                QStringLiteral("テンプレートの名前に次の文字は使えません: / \\ < > : \" | ? *"));
    }
    if (IsDeviceName(name))
        return Refused(QStringLiteral("「%1」はファイル名に使えません").arg(name));
    return Notice{};
}

QString TemplatePath(const QString& folder, const QString& name) {
    QString path = folder;
    if (!path.isEmpty() && !IsSeparator(path.back()))
        path += QLatin1Char('/');
    return path + name + QLatin1String(kTemplateExtension);
}

SaveResult SaveTemplate(const Project& project, const QString& folder, const QString& name) {
    const Notice refused = CheckTemplateName(name);
    if (!refused.IsEmpty())
        return SaveResult{false, refused};
    return SaveProjectFile(project, TemplatePath(folder, name), true);
}

LoadResult LoadTemplate(const QString& folder, const QString& name) {
    if (!CheckTemplateName(name).IsEmpty()) {
        LoadResult result;
        result.notice = FileNotFoundNotice();
        return result;
    }
    return LoadProjectFile(TemplatePath(folder, name), true);
}

QString InstalledTemplateFolder(const QString& programFolder) {
    return WithSeparator(QDir::cleanPath(WithSeparator(programFolder) +
                                         QStringLiteral(RW_DATA_FROM_BIN "/Template")));
}

TemplateFolders LocateTemplateFolders(const QString& programFolder, bool programFolderWritable,
                                      const QString& shippedFolder, const QString& userDataFolder) {
    const QString beside = TemplateFolder(programFolder);
    const bool shipped = !shippedFolder.isEmpty() && QFileInfo(shippedFolder).isDir();
    const bool installed = shipped && !SameFolder(shippedFolder, beside);
    if ((!installed && programFolderWritable) || userDataFolder.isEmpty())
        return TemplateFolders{beside, QString(), true};
    // Where the programs and their templates share a folder (Windows), one
    // the user cannot write is the shipped one.
    return TemplateFolders{TemplateFolder(userDataFolder),
                           shipped ? WithSeparator(shippedFolder) : QString(), false};
}

QStringList ListTemplates(const TemplateFolders& folders) {
    QStringList names = ListTemplates(folders.user);
    if (folders.shipped.isEmpty())
        return names;
    for (const QString& name : ListTemplates(folders.shipped)) {
        if (!names.contains(name))
            names << name;
    }
    std::sort(names.begin(), names.end(), NameOrder);
    return names;
}

QString TemplatePath(const TemplateFolders& folders, const QString& name) {
    const QString own = TemplatePath(folders.user, name);
    if (folders.shipped.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString shipped = TemplatePath(folders.shipped, name);
    return QFileInfo::exists(shipped) ? shipped : own;
}

SaveResult SaveTemplate(const Project& project, const TemplateFolders& folders,
                        const QString& name) {
    const Notice refused = CheckTemplateName(name);
    if (!refused.IsEmpty())
        return SaveResult{false, refused};
    // An installed program's user folder is made when the first template is
    // saved, not asked about at start-up as the folder beside the program is.
    if (!folders.besideProgram && !EnsureFolder(folders.user)) {
        return SaveResult{
            false,
            Notice{QStringLiteral("テンプレートフォルダを作成できませんでした\n") + folders.user,
                   QStringLiteral("テンプレート機能の確認"), Notice::Icon::Warning}};
    }
    return SaveTemplate(project, folders.user, name);
}

LoadResult LoadTemplate(const TemplateFolders& folders, const QString& name) {
    if (!CheckTemplateName(name).IsEmpty())
        return LoadTemplate(folders.user, name);
    const QString path = TemplatePath(folders, name);
    return LoadProjectFile(path, true);
}

Notice CreateTemplateFolderQuestion() {
    return Notice{QStringLiteral("テンプレートフォルダがありませんでした作成しますか？\n"
                                 "作成しない場合テンプレート機能が使用できなくなります"),
                  QStringLiteral("テンプレート機能の確認"), Notice::Icon::Question};
}

} // namespace rw
