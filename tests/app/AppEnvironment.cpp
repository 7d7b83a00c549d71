#include <QApplication>

#include <gtest/gtest.h>

namespace {

// One QApplication for the whole test program, offscreen unless told otherwise.
class AppEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "test_app";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new AppEnvironment);

} // namespace
