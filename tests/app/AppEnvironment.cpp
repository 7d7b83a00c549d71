#include "shell/Translation.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// One QApplication for the whole test program, offscreen unless told
// otherwise, with Qt's Japanese texts as the program has them and the user's
// preferences kept in a folder of its own, never the real ones.
class AppEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        settings_ = new QTemporaryDir;
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
