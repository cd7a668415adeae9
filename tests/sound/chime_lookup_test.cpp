#include "sound/chime_lookup.h"

#include <gtest/gtest.h>

#include <set>

namespace {

namespace fs = std::filesystem;

TEST(ChimeFolders, CurrentFolderThenBesideTheProgramThenItsShareFolder) {
    EXPECT_EQ(sound::ChimeFolders("/opt/pernam/bin"),
              (std::vector<fs::path>{"", "/opt/pernam/bin", "/opt/pernam/share/pernam3"}));
}

// The first folder that holds the file wins; the current folder gives the
// bare name.
TEST(FindChime, FirstFolderWithTheFileWins) {
    const std::vector<fs::path> folders{"", "/a", "/b"};
    std::set<fs::path> files;
    const auto find = [&](const char* name) {
        return sound::FindChime(name, folders, [&](const fs::path& p) { return files.contains(p); })
            .value_or("none");
    };
    EXPECT_EQ(find("pinpon.wav"), "none");
    files.insert("/b/pinpon.wav");
    EXPECT_EQ(find("pinpon.wav"), "/b/pinpon.wav");
    files.insert("/a/pinpon.wav");
    EXPECT_EQ(find("pinpon.wav"), "/a/pinpon.wav");
    files.insert("pinpon.wav");
    EXPECT_EQ(find("pinpon.wav"), "pinpon.wav");
    EXPECT_EQ(find("endpinpon.wav"), "none");
    EXPECT_EQ(find(""), "none");
}

}  // namespace
