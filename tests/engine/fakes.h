#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/drawing_surface.h"
#include "engine/random_source.h"

namespace test {

class FakeClock final : public engine::Clock {
public:
    float Timer() override { return 43200.0F; }
};

// Draws taken in turn from a script that repeats.
class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    void Randomize(float /*seed*/) override {}
    float Rnd() override { return draws_[next_++ % draws_.size()]; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

// Records every operation as a line of text: kind, coordinates, colour or text.
class RecordingSurface final : public engine::DrawingSurface {
public:
    void Line(float x1, float y1, float x2, float y2, int color) override {
        Add("L", x1, y1, x2, y2, color);
    }
    void LineBox(float x1, float y1, float x2, float y2, int color) override {
        Add("B", x1, y1, x2, y2, color);
    }
    void SetCurrentX(float x) override { Add("X", x); }
    void SetCurrentY(float y) override { Add("Y", y); }
    void Print(std::string_view text) override { ops.push_back("P " + std::string(text)); }
    void Print() override { ops.emplace_back("P"); }
    void Cls() override { ops.emplace_back("Cls"); }

    std::vector<std::string> ops;

private:
    template <typename... Values>
    void Add(const char* kind, Values... values) {
        std::ostringstream line;
        line << kind;
        ((line << ' ' << values), ...);
        ops.push_back(line.str());
    }
};

}  // namespace test
