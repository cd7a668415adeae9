#include "main_window/chime_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;

struct RecordingDevice final : main_window::SoundDevice {
    void Stop() override { log += "stop "; }
    void Close() override { log += "close "; }
    void Open(const fs::path& file) override { log += "open " + file.string() + " "; }
    void Sound() override { log += "sound"; }
    std::string log;
};

// The current folder first, then the others in turn; a name found nowhere,
// or naming a folder, opens nothing and the chime is silent.
TEST(ChimeLookup, FirstFolderWithTheFileWins) {
    const fs::path root = fs::temp_directory_path() / ("chimes_" + std::to_string(getpid()));
    fs::remove_all(root);
    for (const char* folder : {"cwd/endpinpon.wav", "a", "b"}) {
        fs::create_directories(root / folder);
    }
    const fs::path previous = fs::current_path();
    fs::current_path(root / "cwd");
    const auto play = [&](const char* name) {
        RecordingDevice device;
        main_window::MMControl control(device, {fs::path(), root / "a", root / "b"});
        main_window::PlayChime(control, name);
        return device.log;
    };
    const auto put = [&](const char* folder) {
        std::ofstream(root / folder / "pinpon.wav") << "x";
    };

    EXPECT_EQ(play("pinpon.wav"), "stop close sound");
    put("b");
    EXPECT_EQ(play("pinpon.wav"), "stop close open " + (root / "b/pinpon.wav").string() + " sound");
    put("a");
    EXPECT_EQ(play("pinpon.wav"), "stop close open " + (root / "a/pinpon.wav").string() + " sound");
    put("cwd");
    EXPECT_EQ(play("pinpon.wav"), "stop close open pinpon.wav sound");  // the bare name
    EXPECT_EQ(play("endpinpon.wav"), "stop close sound");
    EXPECT_EQ(play(""), "stop close sound");
    fs::current_path(previous);
}

}  // namespace
