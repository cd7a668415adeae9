#include "sound/chime_lookup.h"

namespace sound {

std::vector<std::filesystem::path> ChimeFolders(const std::filesystem::path& programFolder) {
    return {{}, programFolder, (programFolder / "../share/pernam3").lexically_normal()};
}

std::optional<std::filesystem::path> FindChime(
    std::string_view fileName, std::span<const std::filesystem::path> folders,
    const std::function<bool(const std::filesystem::path&)>& usable) {
    if (fileName.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path name(fileName);
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path candidate = folder.empty() ? name : folder / name;
        if (usable(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace sound
