#include "sound/chime_player.h"

#include <QMediaDevices>
#include <chrono>
#include <utility>

#include "sound/chime_lookup.h"
#include "sound/wave_file.h"

namespace sound {
namespace {

QAudioFormat FormatOf(const WaveSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    switch (sound.sample) {
        case WaveSound::Sample::UInt8:
            format.setSampleFormat(QAudioFormat::UInt8);
            break;
        case WaveSound::Sample::Int16:
            format.setSampleFormat(QAudioFormat::Int16);
            break;
        case WaveSound::Sample::Int32:
            format.setSampleFormat(QAudioFormat::Int32);
            break;
        case WaveSound::Sample::Float:
            format.setSampleFormat(QAudioFormat::Float);
            break;
    }
    return format;
}

}  // namespace

QtChimePlayer::QtChimePlayer(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {
    release_.setSingleShot(true);
    QObject::connect(&release_, &QTimer::timeout, [this] { Silence(); });
}

QtChimePlayer::~QtChimePlayer() {
    Silence();
}

void QtChimePlayer::Silence() {
    release_.stop();
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    source_.close();
}

void QtChimePlayer::Play(std::string_view fileName) {
    Silence();
    // A file that is there but cannot be played gives way to the next place.
    std::optional<WaveSound> sound;
    FindChime(fileName, folders_, [&sound](const std::filesystem::path& candidate) {
        sound = ReadWaveFile(candidate);
        return sound.has_value();
    });
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!sound || device.isNull()) {
        return;
    }
    frames_ = QByteArray(reinterpret_cast<const char*>(sound->frames.data()),
                         static_cast<qsizetype>(sound->frames.size()));
    source_.setBuffer(&frames_);
    source_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, FormatOf(*sound));
    sink_->start(&source_);
    // When the sink has handed over its last data, the sound server still
    // holds the end of the chime; stopping the sink then would cut it off.
    // The stream stays open until the next chime, or until the chime and
    // all the server may buffer are surely heard.
    constexpr auto kServerBuffer = std::chrono::seconds(3);
    release_.start(std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::duration<double>(sound->Seconds())) +
                   kServerBuffer);
}

}  // namespace sound
