#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace main_window {

// A multimedia control as the program drives it: its Command and FileName
// properties are written, nothing is read back.
class MultimediaControl {
public:
    virtual ~MultimediaControl() = default;
    virtual void SetCommand(std::string_view word) = 0;
    virtual void SetFileName(std::string_view name) = 0;
};

// Sounds a wave file once and returns without waiting for the sound; a chime
// still sounding is cut off first.
void PlayChime(MultimediaControl& control, std::string_view fileName);

// What plays the sound: at most one wave file open at a time. Every operation
// is harmless when nothing is open, and none reports failure.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual void Stop() = 0;
    virtual void Close() = 0;
    virtual void Open(const std::filesystem::path& file) = 0;
    virtual void Sound() = 0;
};

// The main window's hidden multimedia control. A bare file name is looked up
// in each search folder in turn, an empty folder meaning the current one; a
// file found nowhere leaves the device closed, so the chime is silent.
class MMControl final : public MultimediaControl {
public:
    MMControl(SoundDevice& device, std::vector<std::filesystem::path> searchFolders);

    void SetCommand(std::string_view word) override;
    void SetFileName(std::string_view name) override { fileName_ = name; }

private:
    SoundDevice& device_;
    std::vector<std::filesystem::path> searchFolders_;
    std::string fileName_;
};

}  // namespace main_window
