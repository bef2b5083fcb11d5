#include <QGuiApplication>

#include <gtest/gtest.h>

// The styles read the system colours from the application palette, as in the program,
// so the tests run inside a QGuiApplication (without a display).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
