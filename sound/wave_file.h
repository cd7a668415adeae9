#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace sound {

// The samples of a wave file in a form a sound device takes as it is:
// interleaved frames of unsigned 8-bit, signed 16-bit or 32-bit, or float.
struct WaveSound {
    enum class Sample { UInt8, Int16, Int32, Float };

    int sampleRate = 0;
    int channels = 0;
    Sample sample = Sample::Int16;
    std::vector<std::byte> frames;

    int BytesPerFrame() const;
    double Seconds() const;
};

// Reads a RIFF wave file of PCM (8, 16, 24 or 32 bits) or float (32 or 64
// bits) samples, plain or in the extensible layout. 24-bit samples widen to
// 32 bits and 64-bit floats narrow to 32, which sound devices take. Anything
// else, or a file without a single whole frame, reads as nothing.
std::optional<WaveSound> ReadWave(std::span<const std::byte> file);
std::optional<WaveSound> ReadWaveFile(const std::filesystem::path& path);

}  // namespace sound
