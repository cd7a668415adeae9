// Plays the chimes through a private PulseAudio server with a null sink and
// records its monitor: what a user would hear, without a sound card.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

#include "sound/chime_lookup.h"
#include "sound/chime_player.h"
#include "sound/wave_file.h"
#include "support/wave_bytes.h"

namespace {

constexpr int kRate = 44100;
constexpr int kLoud = 1000;  // of 32767: about -30 dB

struct Span {
    double start;  // seconds
    double end;
};

// Stretches of sound parted by at least a tenth of a second of silence.
std::vector<Span> Sounding(const std::vector<std::int16_t>& samples) {
    std::vector<Span> spans;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) <= kLoud) {
            continue;
        }
        const double at = static_cast<double>(i) / kRate;
        if (spans.empty() || at - spans.back().end > 0.1) {
            spans.push_back({at, at});
        }
        spans.back().end = at;
    }
    return spans;
}

// How long a file sounds by the same measure, from its first loud sample to
// its last (16-bit files only, as the project's chimes are).
double SoundingSeconds(const std::filesystem::path& file) {
    const std::optional<sound::WaveSound> wave = sound::ReadWaveFile(file);
    std::vector<std::int16_t> samples(wave->frames.size() / 2);
    std::memcpy(samples.data(), wave->frames.data(), samples.size() * 2);
    const std::vector<Span> spans = Sounding(samples);
    return (spans.back().end - spans.front().start) * kRate / wave->sampleRate;
}

// A tone of 0.6 s, 48 kHz stereo with 24-bit samples: a wave file unlike the
// project's own.
void WriteTone(const std::filesystem::path& file) {
    std::string frames;
    for (int i = 0; i < 48000 * 6 / 10; ++i) {
        const double wave = std::sin(2 * std::numbers::pi * 440 * i / 48000);
        const auto sample = static_cast<unsigned>(std::lround(0.4 * 8388607 * wave));
        frames += test_support::Le(sample, 3) + test_support::Le(sample, 3);
    }
    std::ofstream(file, std::ios::binary) << test_support::Riff(
        test_support::Fmt(1, 2, 24, 0, 48000) + test_support::Chunk("data", frames));
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

// Both chimes, and a third wave file in the current folder, sound to their
// ends; a chime that cannot be played gives way to the one beside the
// program; a new chime cuts off the one still sounding, from its start.
TEST_F(ChimeRecording, ChimesSoundToTheirEndUnlessTheNextCutsThemOff) {
    const std::filesystem::path beside(CHIME_FOLDER);
    QTemporaryDir current;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(current.path().toStdString());
    sound::QtChimePlayer player(sound::ChimeFolders(beside));

    player.Play(sound::kClosingChime);
    QTest::qWait(2500);
    player.Play(sound::kDoorChime);
    QTest::qWait(2000);
    WriteTone("pinpon.wav");
    std::ofstream("endpinpon.wav") << "not a wave file";
    player.Play(sound::kDoorChime);
    QTest::qWait(1500);
    QElapsedTimer between;
    player.Play(sound::kClosingChime);
    between.start();
    QTest::qWait(400);
    player.Play(sound::kDoorChime);
    const double cutAfter = static_cast<double>(between.nsecsElapsed()) / 1e9;
    QTest::qWait(1500);
    std::filesystem::current_path(previous);

    const std::vector<std::int16_t> samples = Recorded();
    const std::vector<Span> spans = Sounding(samples);
    ASSERT_EQ(spans.size(), 4U) << "four chimes, the last two without a pause";
    const double closing = SoundingSeconds(beside / "endpinpon.wav");
    const double door = SoundingSeconds(beside / "pinpon.wav");
    const double tone = 0.6;
    EXPECT_NEAR(spans[0].end - spans[0].start, closing, 0.03) << "endpinpon.wav";
    EXPECT_NEAR(spans[1].end - spans[1].start, door, 0.03) << "pinpon.wav";
    EXPECT_NEAR(spans[2].end - spans[2].start, tone, 0.03) << "a 48 kHz 24-bit stereo file";
    // Left to sound, the closing chime would have lasted past the tone's end.
    EXPECT_NEAR(spans[3].end - spans[3].start, cutAfter + tone, 0.03) << "cut off by the next";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
