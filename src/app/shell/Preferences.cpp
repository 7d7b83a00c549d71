#include "shell/Preferences.h"

#include <QSettings>

namespace rw {
namespace {

const QString kOrganisation = QStringLiteral("Rulewright");
const QString kApplication = QStringLiteral("Rulewright");

const QString kProjectHeader = QStringLiteral("environment/projectHeader");
const QString kComments = QStringLiteral("environment/comments");
const QString kDebugChat = QStringLiteral("environment/debugChat");

} // namespace

EnvironmentSettings LoadEnvironmentSettings() {
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation,
                          kApplication);
    const EnvironmentSettings defaults;
    EnvironmentSettings settings;
    settings.projectHeader = store.value(kProjectHeader, defaults.projectHeader).toBool();
    settings.comments = store.value(kComments, defaults.comments).toBool();
    settings.debugChat = store.value(kDebugChat, defaults.debugChat).toBool();
    return settings;
}

void SaveEnvironmentSettings(const EnvironmentSettings& settings) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    store.setValue(kProjectHeader, settings.projectHeader);
    store.setValue(kComments, settings.comments);
    store.setValue(kDebugChat, settings.debugChat);
}

QString PreferencesLocation() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication)
        .fileName();
}

} // namespace rw
