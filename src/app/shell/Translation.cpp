#include "shell/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace rw {

bool InstallQtTranslation(QCoreApplication& app) {
    const QStringList folders{
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QStringLiteral("qtbase_ja"), folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace rw
