#include "sound/wave_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

namespace sound {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t LittleEndian(std::span<const std::byte> bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8 * i);
    }
    return value;
}

bool Tag(std::span<const std::byte> bytes, std::size_t at, std::string_view tag) {
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, tag.data(), 4) == 0;
}

struct Format {
    std::uint16_t coding = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
    int blockAlign = 0;
};

std::optional<Format> ReadFormat(std::span<const std::byte> chunk) {
    if (chunk.size() < 16) {
        return std::nullopt;
    }
    Format format{
        static_cast<std::uint16_t>(LittleEndian(chunk, 0, 2)),
        static_cast<int>(LittleEndian(chunk, 2, 2)), static_cast<int>(LittleEndian(chunk, 4, 4)),
        static_cast<int>(LittleEndian(chunk, 14, 2)), static_cast<int>(LittleEndian(chunk, 12, 2))};
    if (format.coding == kExtensible) {
        // The first two bytes of the sub-format GUID carry the real coding.
        if (chunk.size() < 40) {
            return std::nullopt;
        }
        format.coding = static_cast<std::uint16_t>(LittleEndian(chunk, 24, 2));
    }
    const bool pcm = format.coding == kPcm && (format.bits == 8 || format.bits == 16 ||
                                               format.bits == 24 || format.bits == 32);
    const bool floating = format.coding == kFloat && (format.bits == 32 || format.bits == 64);
    if ((!pcm && !floating) || format.channels < 1 || format.channels > 8 ||
        format.sampleRate < 1000 || format.sampleRate > 768000 ||
        format.blockAlign != format.channels * format.bits / 8) {
        return std::nullopt;
    }
    return format;
}

// Samples as the sound device takes them: 24 bits widen, 64-bit floats narrow.
WaveSound Convert(const Format& format, std::span<const std::byte> data) {
    WaveSound sound;
    sound.sampleRate = format.sampleRate;
    sound.channels = format.channels;
    const std::size_t inWidth = static_cast<std::size_t>(format.bits) / 8;
    const std::size_t samples = data.size() / static_cast<std::size_t>(format.blockAlign) *
                                static_cast<std::size_t>(format.channels);
    if (format.coding == kFloat) {
        sound.sample = WaveSound::Sample::Float;
    } else {
        sound.sample = inWidth == 1   ? WaveSound::Sample::UInt8
                       : inWidth == 2 ? WaveSound::Sample::Int16
                                      : WaveSound::Sample::Int32;
    }
    if (format.bits != 24 && format.bits != 64) {
        sound.frames.assign(data.begin(),
                            data.begin() + static_cast<std::ptrdiff_t>(samples * inWidth));
        return sound;
    }
    sound.frames.resize(samples * 4);
    for (std::size_t i = 0; i < samples; ++i) {
        std::uint32_t out = 0;
        if (format.bits == 24) {
            out = LittleEndian(data, i * 3, 3) << 8U;
        } else {
            std::uint64_t bits = 0;
            std::memcpy(&bits, data.data() + i * 8, 8);  // a little-endian host, as x86 and ARM are
            out = std::bit_cast<std::uint32_t>(static_cast<float>(std::bit_cast<double>(bits)));
        }
        std::memcpy(sound.frames.data() + i * 4, &out, 4);
    }
    return sound;
}

}  // namespace

int WaveSound::BytesPerFrame() const {
    return channels * (sample == Sample::UInt8 ? 1 : sample == Sample::Int16 ? 2 : 4);
}

double WaveSound::Seconds() const {
    return static_cast<double>(frames.size()) / BytesPerFrame() / sampleRate;
}

std::optional<WaveSound> ReadWave(std::span<const std::byte> file) {
    if (!Tag(file, 0, "RIFF") || !Tag(file, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<Format> format;
    for (std::size_t at = 12; at + 8 <= file.size();) {
        // A chunk may claim more than the file holds; a cut-off data chunk still plays.
        const std::size_t size =
            std::min<std::size_t>(LittleEndian(file, at + 4, 4), file.size() - at - 8);
        const std::span<const std::byte> chunk = file.subspan(at + 8, size);
        if (Tag(file, at, "fmt ")) {
            format = ReadFormat(chunk);
        } else if (Tag(file, at, "data") && format) {
            if (chunk.size() < static_cast<std::size_t>(format->blockAlign)) {
                return std::nullopt;
            }
            return Convert(*format, chunk);
        }
        at += 8 + size + (size & 1U);  // chunks start on even offsets
    }
    return std::nullopt;
}

std::optional<WaveSound> ReadWaveFile(const std::filesystem::path& path) {
    // A chime lasts seconds; a file of many megabytes is not one.
    constexpr std::uintmax_t kLargest = 64U << 20U;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream in(path, std::ios::binary);
    if (error || size > kLargest || !in) {
        return std::nullopt;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ReadWave(std::as_bytes(std::span(bytes)));
}

}  // namespace sound
