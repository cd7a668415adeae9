#include "main_window/chime_player.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Recording final : main_window::MultimediaControl, main_window::SoundDevice {
    void SetCommand(std::string_view word) override { log.push_back(std::string(word)); }
    void SetFileName(std::string_view name) override {
        log.push_back("FileName " + std::string(name));
    }
    void Stop() override { log.emplace_back("stop"); }
    void Close() override { log.emplace_back("close"); }
    void Open(const fs::path& file) override { log.push_back("open " + file.string()); }
    void Sound() override { log.emplace_back("sound"); }
    std::vector<std::string> log;
};

TEST(PlayChime, WritesStopCloseNameOpenSound) {
    Recording control;
    main_window::PlayChime(control, "pinpon.wav");
    EXPECT_EQ(control.log,
              (std::vector<std::string>{"Stop", "Close", "FileName pinpon.wav", "Open", "Sound"}));
}

// Folders: "" (the current one), then a, then b.
class ChimeLookup : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(root);
        for (const char* folder : {"cwd", "a", "b"}) {
            fs::create_directories(root / folder);
        }
        previous = fs::current_path();
        fs::current_path(root / "cwd");
    }
    void TearDown() override { fs::current_path(previous); }
    void Put(const char* folder, const char* name) { std::ofstream(root / folder / name) << "x"; }
    std::vector<std::string> Play(const char* name) {
        Recording device;
        main_window::MMControl control(device, {fs::path(), root / "a", root / "b"});
        main_window::PlayChime(control, name);
        return device.log;
    }

    fs::path root = fs::temp_directory_path() / ("chime_lookup_" + std::to_string(getpid()));
    fs::path previous;
};

TEST_F(ChimeLookup, TakesTheFirstFolderThatHasTheFile) {
    Put("b", "pinpon.wav");
    EXPECT_EQ(Play("pinpon.wav"),
              (std::vector<std::string>{"stop", "close", "open " + (root / "b/pinpon.wav").string(),
                                        "sound"}));
    Put("a", "pinpon.wav");
    EXPECT_EQ(Play("pinpon.wav")[2], "open " + (root / "a/pinpon.wav").string());
    Put("cwd", "pinpon.wav");
    EXPECT_EQ(Play("pinpon.wav")[2], "open pinpon.wav");  // the bare name, as given
}

TEST_F(ChimeLookup, MissingFileOrFolderNameOpensNothing) {
    fs::create_directories(root / "cwd/endpinpon.wav");  // a folder, not a file
    for (const char* name : {"endpinpon.wav", "missing.wav", ""}) {
        EXPECT_EQ(Play(name), (std::vector<std::string>{"stop", "close", "sound"})) << name;
    }
}

}  // namespace
