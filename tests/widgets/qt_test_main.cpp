#include <gtest/gtest.h>

#include <QApplication>
#include <string_view>

// Each run's screen comes from its own arguments, never from the environment,
// which may name a platform or a scale of its own: a 2560 x 1600 screen, or
// 800 x 600 with --small-screen, or a laptop and a projector beside it with
// --screen-pair; one device pixel per pixel, or --scale=N.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const char* screen = "large";
    qunsetenv("QT_SCALE_FACTOR");
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--small-screen") {
            screen = "small";
        } else if (arg == "--screen-pair") {
            screen = "pair";
        } else if (arg.starts_with("--scale=")) {
            qputenv("QT_SCALE_FACTOR", QByteArray(arg.substr(8).data()));
        }
    }
    qputenv("QT_QPA_PLATFORM",
            QByteArray("offscreen:configfile=" SCREENS_FOLDER "/") + screen + ".json");
    for (const char* other : {"QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_USE_PHYSICAL_DPI"}) {
        qunsetenv(other);
    }
    // Widget tests never reach a real sound server, whatever the machine has.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
