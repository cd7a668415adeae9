#include "sound/wave_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/wave_bytes.h"

namespace {

using Sample = sound::WaveSound::Sample;
using test_support::Chunk;
using test_support::Fmt;
using test_support::Le;
using test_support::Riff;

std::optional<sound::WaveSound> Read(const std::string& file) {
    return sound::ReadWave(std::as_bytes(std::span(file.data(), file.size())));
}

TEST(ReadWave, TakesPcmAndFloatInTheFormsADeviceTakes) {
    const std::string sample16 = Le(0x1234, 2);
    const struct {
        std::string file;
        Sample sample;
        std::string frames;
    } cases[] = {
        {Riff(Fmt(1, 1, 16) + Chunk("data", sample16 + sample16)), Sample::Int16,
         sample16 + sample16},
        {Riff(Fmt(1, 2, 8) + Chunk("data", "\x80\x81")), Sample::UInt8, "\x80\x81"},
        // 24 bits widen to 32; a stray odd-sized chunk before them is skipped.
        {Riff(Chunk("LIST", "abc") + Fmt(1, 1, 24) + Chunk("data", Le(0x123456, 3))), Sample::Int32,
         Le(0x12345600, 4)},
        {Riff(Fmt(3, 1, 64) + Chunk("data", Le(0, 4) + Le(0x3FE00000, 4))), Sample::Float,
         Le(0x3F000000, 4)},  // 0.5 narrowed to single precision
        {Riff(Fmt(0xFFFE, 1, 16, 1) + Chunk("data", sample16)), Sample::Int16, sample16},
        // A data chunk that claims more than the file holds plays its whole frames.
        {Riff(Fmt(1, 2, 16) + "data" + Le(400, 4) + sample16 + sample16 + "x"), Sample::Int16,
         sample16 + sample16},
    };
    for (const auto& c : cases) {
        const auto wave = Read(c.file);
        ASSERT_TRUE(wave.has_value()) << testing::PrintToString(c.file);
        EXPECT_EQ(wave->sample, c.sample);
        EXPECT_EQ(
            std::string(reinterpret_cast<const char*>(wave->frames.data()), wave->frames.size()),
            c.frames);
    }
}

TEST(ReadWave, AnythingElseReadsAsNothing) {
    const std::string frame = Le(1, 2);
    const std::string refused[] = {
        "",
        "not a wave file",
        "RIFF" + Le(4, 4) + "AVI " + Fmt(1, 1, 16) + Chunk("data", frame),
        Riff(Fmt(1, 1, 16)),                                              // no data
        Riff(Chunk("data", frame) + Fmt(1, 1, 16)),                       // data before its format
        Riff(Fmt(1, 1, 16) + Chunk("data", "")),                          // not one frame
        Riff(Fmt(1, 1, 12) + Chunk("data", frame)),                       // 12-bit samples
        Riff(Fmt(2, 1, 16) + Chunk("data", frame)),                       // compressed
        Riff(Fmt(1, 0, 16) + Chunk("data", frame)),                       // no channel
        Riff(Fmt(0xFFFE, 1, 16, 2) + Chunk("data", frame)),               // extensible, compressed
        Riff(Chunk("fmt ", Le(1, 2) + Le(1, 2)) + Chunk("data", frame)),  // format cut short
    };
    for (const std::string& file : refused) {
        EXPECT_FALSE(Read(file).has_value()) << testing::PrintToString(file);
    }
}

}  // namespace
