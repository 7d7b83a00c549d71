#include "storage/Templates.h"

#include "storage/DeviceName.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace rw {

namespace {

Notice Refused(const QString& text) {
    return Notice{text, QString(), Notice::Icon::Warning};
}

bool IsSeparator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

} // namespace

QString TemplateFolder(const QString& programFolder) {
    if (!programFolder.isEmpty() && IsSeparator(programFolder.back()))
        return programFolder + QStringLiteral("Template/");
    return programFolder + QStringLiteral("/Template/");
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
    // Case-blind first, so that "b" stands between "A" and "C"; ties keep a fixed order.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
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

Notice CreateTemplateFolderQuestion() {
    return Notice{QStringLiteral("テンプレートフォルダがありませんでした作成しますか？\n"
                                 "作成しない場合テンプレート機能が使用できなくなります"),
                  QStringLiteral("テンプレート機能の確認"), Notice::Icon::Question};
}

} // namespace rw
