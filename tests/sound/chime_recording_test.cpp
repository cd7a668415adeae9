// Plays the chimes through a private PulseAudio server with a null sink and
// records its monitor: what a user would hear, without a sound card.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/program_windows.h"
#include "sound/chime_lookup.h"
#include "sound/chime_player.h"
#include "widgets/fakes.h"

namespace {

constexpr int kRate = 44100;

// Pitch from the rate of zero crossings, over a stretch of one note.
double Pitch(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    }
    return crossings / 2.0 * kRate / static_cast<double>(to - from);
}

// Start of each sound that follows a tenth of a second of silence.
std::vector<std::size_t> Onsets(const std::vector<std::int16_t>& samples) {
    std::vector<std::size_t> onsets;
    std::size_t quiet = kRate;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const bool loud = std::abs(samples[i]) > 1000;
        if (loud && quiet >= kRate / 10) {
            onsets.push_back(i);
        }
        quiet = loud ? 0 : quiet + 1;
    }
    return onsets;
}

class ChimeRecording : public ::testing::Test {
protected:
    void SetUp() override {
        const QString server = QStandardPaths::findExecutable("pulseaudio");
        if (server.isEmpty()) {
            GTEST_SKIP() << "no pulseaudio here; tools/setup.sh installs it";
        }
        ASSERT_TRUE(runtime.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("HOME", runtime.path());
        pulse.setProcessEnvironment(environment);
        pulse.start(server, {"--daemonize=no", "--exit-idle-time=-1", "-n", "--log-level=error",
                             "--load=module-null-sink sink_name=chimes",
                             "--load=module-native-protocol-unix"});
        const QString socket = runtime.filePath("pulse/native");
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000))
            << pulse.readAllStandardError().toStdString();
        // This process and the recorder both use the private server.
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        environment.insert("PULSE_SERVER", "unix:" + socket);
        recorder.setProcessEnvironment(environment);
        recorder.start("parec", {"-d", "chimes.monitor", "--format=s16le", "--channels=1",
                                 "--rate=44100", "--latency-msec=20"});
        ASSERT_TRUE(recorder.waitForReadyRead(10000)) << "the recorder gives no samples";
    }
    void TearDown() override {
        for (QProcess* process : {&recorder, &pulse}) {
            process->terminate();
            process->waitForFinished(3000);
        }
    }
    std::vector<std::int16_t> Recorded() {
        recorder.terminate();
        recorder.waitForFinished(3000);
        const QByteArray bytes = recorder.readAllStandardOutput();
        std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
        std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        return samples;
    }

    QTemporaryDir runtime;
    QProcess pulse;
    QProcess recorder;
};

TEST_F(ChimeRecording, QuitAndHelpSoundTheirOwnChimes) {
    widget_tests::Outside outside;
    // The chimes lie beside the program, as in a build tree.
    sound::QtChimePlayer chimes(sound::ChimeFolders(CHIME_FOLDER));
    app::ProgramWindows windows(outside, outside, outside, outside, chimes);
    windows.ShowMainWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return outside.asked == 2; }));
    outside.yesNo = {main_window::Answer::No};
    const auto click = [&](const char* button) {
        widget_tests::Child<QPushButton>(windows.MainWindow(), button)->click();
    };
    click("quitButton");  // answered No at once
    QTest::qWait(2000);
    click("helpButton");
    QTest::qWait(1500);
    const std::vector<std::int16_t> samples = Recorded();

    const std::vector<std::size_t> onsets = Onsets(samples);
    ASSERT_EQ(onsets.size(), 2U) << "two chimes, each followed by silence";
    const auto at = [](std::size_t onset, double seconds) {
        return onset + static_cast<std::size_t>(seconds * kRate);
    };
    ASSERT_GE(samples.size(), at(onsets[1], 0.6));
    // The closing chime starts lower than the help chime's first, high note,
    // and the help chime falls to a lower second note.
    const double quitFirst = Pitch(samples, at(onsets[0], 0.02), at(onsets[0], 0.2));
    const double helpFirst = Pitch(samples, at(onsets[1], 0.02), at(onsets[1], 0.25));
    const double helpSecond = Pitch(samples, at(onsets[1], 0.4), at(onsets[1], 0.6));
    EXPECT_NEAR(quitFirst, 784.0, 20.0);
    EXPECT_NEAR(helpFirst, 1318.5, 20.0);
    EXPECT_NEAR(helpSecond, 1046.5, 20.0);
    delete windows.HelpWindow();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
