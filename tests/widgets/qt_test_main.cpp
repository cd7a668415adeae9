#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // Must be set before the application picks its platform plugin. The
    // screen is large enough for both windows at two device pixels a pixel.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SCREENS_FOLDER "/large.json");
    }
    // Widget tests never reach a real sound server, whatever the machine has.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
