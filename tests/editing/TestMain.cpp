#include <gtest/gtest.h>

#include <QApplication>

// The menus, windows and message boxes under test need an application object; they use the
// offscreen platform unless the environment chooses another.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
