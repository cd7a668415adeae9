// Writes the program's two chimes as plain 16-bit PCM wave files:
//   make_chimes <folder> [rate]  ->  <folder>/pinpon.wav, <folder>/endpinpon.wav
// at 44100 frames per second unless told otherwise; the browser edition, which
// carries them inside one page, takes a lower rate that still holds every partial.
// They are made at build time so that no sound files live in the sources.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultRate = 44100;

struct Note {
    double start;      // seconds
    double frequency;  // hertz
    double decay;      // seconds for the note to fall to 1/e
    double loudness;   // of full scale
};

// A struck bell: a few partials over a short attack and an exponential decay.
std::vector<short> Render(const std::vector<Note>& notes, double length, int rate) {
    const auto frames = static_cast<std::size_t>(length * rate);
    std::vector<double> mix(frames, 0.0);
    struct Partial {
        double multiple;
        double weight;
    };
    constexpr std::array<Partial, 4> kPartials = {
        {{1.0, 1.0}, {2.0, 0.30}, {3.0, 0.12}, {4.2, 0.05}}};
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(note.start * rate);
        for (std::size_t i = first; i < frames; ++i) {
            const double t = static_cast<double>(i - first) / rate;
            const double attack = std::min(1.0, t / 0.004);
            const double envelope = note.loudness * attack * std::exp(-t / note.decay);
            double sample = 0.0;
            for (const auto& [multiple, weight] : kPartials) {
                // Higher partials die away sooner, as on a real bell.
                sample += weight * std::exp(-t * (multiple - 1.0) * 3.0) *
                          std::sin(2.0 * std::numbers::pi * note.frequency * multiple * t);
            }
            mix[i] += envelope * sample;
        }
    }
    // A short fade keeps the end from clicking.
    const auto fade = static_cast<std::size_t>(rate / 50);
    for (std::size_t i = 0; i < fade && i < frames; ++i) {
        mix[frames - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    }
    std::vector<short> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        samples[i] = static_cast<short>(std::lround(std::clamp(mix[i], -1.0, 1.0) * 32767.0));
    }
    return samples;
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
}

// The canonical 44-byte RIFF header of 16-bit mono PCM, then the samples. So
// small a format needs no library, and the build needs nothing beyond Qt.
bool Write(const std::string& path, const std::vector<short>& samples, int rate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    const auto frameRate = static_cast<std::uint32_t>(rate);
    PutLittleEndian(out, 16, 4);             // size of the format chunk
    PutLittleEndian(out, 1, 2);              // PCM
    PutLittleEndian(out, 1, 2);              // mono
    PutLittleEndian(out, frameRate, 4);      // frames per second
    PutLittleEndian(out, frameRate * 2, 4);  // bytes per second
    PutLittleEndian(out, 2, 2);              // bytes per frame
    PutLittleEndian(out, 16, 2);             // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (const short sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_chimes: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int rate = argc == 3 ? std::atoi(argv[2]) : kDefaultRate;
    if (argc < 2 || argc > 3 || rate < 8000 || rate > 192000) {
        std::fprintf(stderr, "usage: make_chimes <folder> [rate, 8000 to 192000]\n");
        return 2;
    }
    const std::string folder = argv[1];
    // A bright door chime: a high note, then a major third lower.
    const auto pinpon = Render({{0.0, 1318.5, 0.22, 0.45}, {0.30, 1046.5, 0.30, 0.45}}, 0.95, rate);
    // The closing chime: three lower notes falling to the tonic, longer.
    const auto endpinpon =
        Render({{0.0, 784.0, 0.25, 0.40}, {0.24, 659.3, 0.25, 0.40}, {0.48, 523.3, 0.45, 0.45}},
               1.5, rate);
    return Write(folder + "/pinpon.wav", pinpon, rate) &&
                   Write(folder + "/endpinpon.wav", endpinpon, rate)
               ? 0
               : 1;
}
