#pragma once

#include <string>

namespace test_support {

// A wave file's bytes, built up for the reader's tests and the recording.
inline std::string Le(unsigned value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFU));
    }
    return out;
}

inline std::string Chunk(const std::string& tag, const std::string& body) {
    return tag + Le(static_cast<unsigned>(body.size()), 4) + body +
           (body.size() % 2 == 1 ? std::string(1, '\0') : "");
}

// A format chunk: coding, channels, bits, rate; extensible with a sub-format.
inline std::string Fmt(unsigned coding, unsigned channels, unsigned bits, unsigned subFormat = 0,
                       unsigned rate = 8000) {
    const unsigned align = channels * bits / 8;
    std::string body = Le(coding, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) +
                       Le(align, 2) + Le(bits, 2);
    if (subFormat != 0) {
        body += Le(22, 2) + Le(bits, 2) + Le(0, 4) + Le(subFormat, 2) + std::string(14, 'g');
    }
    return Chunk("fmt ", body);
}

inline std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(static_cast<unsigned>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

}  // namespace test_support
