#include "shell/Translation.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Beside the usual offscreen screen, the sizes the window must fit: the
// tests place a window on one of them by name.
const char kScreens[] = R"({"screens": [
  {"name": "", "x": 0, "y": 0, "width": 800, "height": 800},
  {"name": "800x600", "x": 800, "y": 0, "width": 800, "height": 600},
  {"name": "1024x768", "x": 1600, "y": 0, "width": 1024, "height": 768},
  {"name": "1400x1000", "x": 2624, "y": 0, "width": 1400, "height": 1000}]})";

// One QApplication for the whole test program, offscreen unless told
// otherwise, with Qt's Japanese texts as the program has them and the user's
// preferences kept in a folder of its own, never the real ones.
class AppEnvironment : public testing::Environment {
public:
    void SetUp() override {
        settings_ = new QTemporaryDir;
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        if (platform.isEmpty() || platform == "offscreen") {
            QFile screens(settings_->filePath(QStringLiteral("screens.json")));
            if (screens.open(QIODevice::WriteOnly) && screens.write(kScreens) > 0) {
                screens.close();
                qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toUtf8());
            } else {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_->path());
        app_ = new QApplication(argc_, argv_);
        rw::InstallQtTranslation(*app_);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
        delete settings_;
        settings_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "test_app";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
    QTemporaryDir* settings_ = nullptr;
};

const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
