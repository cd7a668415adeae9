#include "main_window/chime_player.h"

#include <system_error>
#include <utility>

namespace main_window {

void PlayChime(MultimediaControl& control, std::string_view fileName) {
    control.SetCommand("Stop");
    control.SetCommand("Close");
    control.SetFileName(fileName);
    control.SetCommand("Open");
    control.SetCommand("Sound");
}

MMControl::MMControl(SoundDevice& device, std::vector<std::filesystem::path> searchFolders)
    : device_(device), searchFolders_(std::move(searchFolders)) {}

void MMControl::SetCommand(std::string_view word) {
    if (word == "Stop") {
        device_.Stop();
    } else if (word == "Close") {
        device_.Close();
    } else if (word == "Sound") {
        device_.Sound();
    } else if (word == "Open") {
        const std::filesystem::path name(fileName_);
        for (const auto& folder : searchFolders_) {
            const std::filesystem::path candidate = folder.empty() ? name : folder / name;
            std::error_code error;
            if (!fileName_.empty() && std::filesystem::is_regular_file(candidate, error)) {
                device_.Open(candidate);
                return;
            }
        }
    }
}

}  // namespace main_window
