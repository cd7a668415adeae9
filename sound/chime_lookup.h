#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace sound {

// Where the chimes are looked for, in order: the current folder (an empty
// path), the program's own folder, then ../share/pernam3 from it, where an
// installed program keeps its data.
std::vector<std::filesystem::path> ChimeFolders(const std::filesystem::path& programFolder);

// The first place where `usable` accepts the named file; nothing for an empty
// name or a file found nowhere.
std::optional<std::filesystem::path> FindChime(
    std::string_view fileName, std::span<const std::filesystem::path> folders,
    const std::function<bool(const std::filesystem::path&)>& usable);

}  // namespace sound
