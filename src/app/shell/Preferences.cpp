#include "shell/Preferences.h"

#include <QSettings>

namespace rw {
namespace {

const QString kOrganisation = QStringLiteral("Rulewright");
const QString kApplication = QStringLiteral("Rulewright");

const QString kProjectHeader = QStringLiteral("environment/projectHeader");
const QString kComments = QStringLiteral("environment/comments");
const QString kDebugChat = QStringLiteral("environment/debugChat");
const QString kWindowGroup = QStringLiteral("window");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kScreen = QStringLiteral("window/screen");
const QString kScreenGeometry = QStringLiteral("window/screenGeometry");
const QString kFrame = QStringLiteral("window/frame");
const QString kMaximised = QStringLiteral("window/maximised");
const QString kMainSplitter = QStringLiteral("window/mainSplitter");
const QString kRuleSplitter = QStringLiteral("window/ruleSplitter");
const QString kRecentFiles = QStringLiteral("files/recent");
const QString kOutputFolder = QStringLiteral("files/outputFolder");

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
}

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

WindowMemory LoadWindowMemory() {
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation,
                          kApplication);
    WindowMemory memory;
    const QRect geometry = store.value(kGeometry).toRect();
    if (geometry.isValid())
        memory.geometry = geometry;
    memory.screen = store.value(kScreen).toString();
    memory.screenGeometry = store.value(kScreenGeometry).toRect();
    const QVariantList frame = store.value(kFrame).toList();
    if (frame.size() == 4) {
        // A frame is a few pixels; anything else is not one.
        QList<int> sides;
        for (const QVariant& side : frame) {
            bool ok = false;
            const int value = side.toInt(&ok);
            if (ok && value >= 0 && value <= 100)
                sides << value;
        }
        if (sides.size() == 4)
            memory.frame = QMargins(sides[0], sides[1], sides[2], sides[3]);
    }
    memory.maximised = store.value(kMaximised, false).toBool();
    memory.mainSplitter = store.value(kMainSplitter).toByteArray();
    memory.ruleSplitter = store.value(kRuleSplitter).toByteArray();
    return memory;
}

void SaveWindowMemory(const WindowMemory& memory) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    if (memory.geometry)
        store.setValue(kGeometry, *memory.geometry);
    else
        store.remove(kGeometry);
    store.setValue(kScreen, memory.screen);
    store.setValue(kScreenGeometry, memory.screenGeometry);
    store.setValue(kFrame, QVariantList{memory.frame.left(), memory.frame.top(),
                                        memory.frame.right(), memory.frame.bottom()});
    store.setValue(kMaximised, memory.maximised);
    store.setValue(kMainSplitter, memory.mainSplitter);
    store.setValue(kRuleSplitter, memory.ruleSplitter);
}

void ForgetWindowMemory() {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    store.remove(kWindowGroup);
}

QStringList LoadRecentFiles() {
    return Store().value(kRecentFiles).toStringList();
}

void SaveRecentFiles(const QStringList& files) {
    Store().setValue(kRecentFiles, files);
}

QString LoadOutputFolder() {
    return Store().value(kOutputFolder).toString();
}

void SaveOutputFolder(const QString& folder) {
    Store().setValue(kOutputFolder, folder);
}

} // namespace rw
