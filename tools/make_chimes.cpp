// Writes the program's two chimes as plain 16-bit PCM wave files:
//   make_chimes <folder>  ->  <folder>/pinpon.wav, <folder>/endpinpon.wav
// They are made at build time so that no sound files live in the sources.
#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;

struct Note {
    double start;      // seconds
    double frequency;  // hertz
    double decay;      // seconds for the note to fall to 1/e
    double loudness;   // of full scale
};

// A struck bell: a few partials over a short attack and an exponential decay.
std::vector<short> Render(const std::vector<Note>& notes, double length) {
    const auto frames = static_cast<std::size_t>(length * kRate);
    std::vector<double> mix(frames, 0.0);
    struct Partial {
        double multiple;
        double weight;
    };
    constexpr std::array<Partial, 4> kPartials = {
        {{1.0, 1.0}, {2.0, 0.30}, {3.0, 0.12}, {4.2, 0.05}}};
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(note.start * kRate);
        for (std::size_t i = first; i < frames; ++i) {
            const double t = static_cast<double>(i - first) / kRate;
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
    const std::size_t fade = kRate / 50;
    for (std::size_t i = 0; i < fade && i < frames; ++i) {
        mix[frames - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    }
    std::vector<short> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        samples[i] = static_cast<short>(std::lround(std::clamp(mix[i], -1.0, 1.0) * 32767.0));
    }
    return samples;
}

bool Write(const std::string& path, const std::vector<short>& samples) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        std::fprintf(stderr, "make_chimes: %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return false;
    }
    const auto count = static_cast<sf_count_t>(samples.size());
    const bool written = sf_write_short(file, samples.data(), count) == count;
    return sf_close(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chimes <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    // A bright door chime: a high note, then a major third lower.
    const auto pinpon = Render({{0.0, 1318.5, 0.22, 0.45}, {0.30, 1046.5, 0.30, 0.45}}, 0.95);
    // The closing chime: three lower notes falling to the tonic, longer.
    const auto endpinpon = Render(
        {{0.0, 784.0, 0.25, 0.40}, {0.24, 659.3, 0.25, 0.40}, {0.48, 523.3, 0.45, 0.45}}, 1.5);
    return Write(folder + "/pinpon.wav", pinpon) && Write(folder + "/endpinpon.wav", endpinpon) ? 0
                                                                                                : 1;
}
