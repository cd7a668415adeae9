#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "sound/chime_names.h"

namespace sound {

// Sounds a chime once and returns without waiting for it; a chime still
// sounding is cut off first. A file found nowhere, or a machine without
// sound, leaves it silent, and nothing reports it.
class ChimePlayer {
public:
    virtual ~ChimePlayer() = default;
    virtual void Play(std::string_view fileName) = 0;
};

// The chime player on a Qt audio sink, looking in the given folders for the
// first wave file it can play.
class QtChimePlayer final : public ChimePlayer {
public:
    explicit QtChimePlayer(std::vector<std::filesystem::path> folders);
    ~QtChimePlayer() override;
    QtChimePlayer(const QtChimePlayer&) = delete;
    QtChimePlayer& operator=(const QtChimePlayer&) = delete;

    void Play(std::string_view fileName) override;

private:
    void Silence();

    std::vector<std::filesystem::path> folders_;
    QByteArray frames_;
    QBuffer source_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer release_;
};

}  // namespace sound
