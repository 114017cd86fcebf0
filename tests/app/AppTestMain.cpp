// The Qt programs under test need one application object for the whole run.

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Varlo"));
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

const auto* const registered = testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
