// The Qt application a test program runs in: one QApplication, made before the first test and
// removed after the last (listing the tests makes none).  Linked into every test program that
// uses Qt, for its event loop, widgets or sockets.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtTestApplication : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    int argc_ = 1;
    char name_[16] = "mj_tests";
    char* argv_[2] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtTestApplication =
    ::testing::AddGlobalTestEnvironment(new QtTestApplication);

}  // namespace
