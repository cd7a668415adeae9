#pragma once

#include <QSoundEffect>
#include <filesystem>
#include <memory>
#include <vector>

#include "main_window/chime_player.h"

namespace main_window {

// Plays wave files through Qt's sound effects. Each opening makes a fresh
// effect: an effect restarted while still playing can lose its end of play.
// Without a sound server or with an unreadable file it stays silent.
class QtSoundDevice final : public SoundDevice {
public:
    void Stop() override;
    void Close() override;
    void Open(const std::filesystem::path& file) override;
    void Sound() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

// Where the chimes are looked for: the current folder, the program's own
// folder, then the data folder of an installed program.
std::vector<std::filesystem::path> ChimeSearchFolders();

}  // namespace main_window
