// The Qt application the socket tests run their event loop in.
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class QtApp : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "platform_net_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QCoreApplication(argc, argv);
    }
    void TearDown() override { delete app_; }

private:
    QCoreApplication* app_ = nullptr;
};

::testing::Environment* const kQtApp = ::testing::AddGlobalTestEnvironment(new QtApp);

}  // namespace
