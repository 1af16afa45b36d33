#include <gtest/gtest.h>

#include <QApplication>

// Widgets need one application object for the whole test program.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Window tests draw off screen unless told otherwise, also when only listed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
