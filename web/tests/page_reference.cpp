// What the page must show, from the C++ both editions share, for the page's
// scenarios to hold the page against; answers as JSON on standard output:
//   page_reference texts
//       the boxes' titles, prompts and default answer, and the chimes' files,
//       as the program gives them
//   page_reference graph <pixels> <ratio> <customers> <trials>
//       the page's graph read back: the tallies its bars show, the rows, the
//       name and the mean the program gives those tallies, the chi-square of
//       the tallies against the exact law, how far the page's pixels are from
//       the shared rule's drawing of those tallies, and where the label row's
//       numbers stand against the ticks drawn
//   page_reference help <pixels> <ratio>
//       the help text's printed lines read back against those the shared
//       drawing prints, and what a screen reader is given to read
// <pixels> is a file with the canvas's width on a line, then each pixel, row
// by row, as black (k), light blue (b), another dark colour (d) or anything
// else (.).
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/frequency_graph.h"
#include "engine/help_page.h"
#include "engine/mean_format.h"
#include "form/layout.h"
#include "form/spoken.h"
#include "program/program_model.h"
#include "support/engine_fakes.h"
#include "support/minimum_law.h"
#include "support/raster_sink.h"

namespace {

using nlohmann::ordered_json;
using program::StepKind;

constexpr const form::Control& kGraph = form::ControlNamed(form::kMainWindow, "graph");
constexpr const form::Control& kHelpText = form::ControlNamed(form::kHelpWindow, "helpText");
constexpr double kCssDpi = 96.0;

struct Pixels {
    int width = 0;
    int height = 0;
    std::string classes;
    char At(int x, int y) const {
        return classes[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)];
    }
    bool Dark(int x, int y) const { return At(x, y) == 'k' || At(x, y) == 'd'; }
};

Pixels Read(const char* path) {
    std::ifstream in(path);
    Pixels pixels;
    in >> pixels.width >> pixels.classes;
    pixels.height = pixels.width > 0 ? static_cast<int>(pixels.classes.size()) / pixels.width : 0;
    return pixels;
}

// A program driven from start-up, a step at a time.
class Driven {
public:
    program::Step Until(StepKind kind) {
        for (program::Step step = model.Next(); step.kind != StepKind::Wait; step = model.Next()) {
            if (step.kind == StepKind::ShowWindow) {
                model.Activated(step.window);
            }
            if (step.kind == kind) {
                return step;
            }
        }
        std::cerr << "the program never took that step\n";
        std::exit(1);
    }

    test_support::FrozenClock clock;
    test_support::ScriptedDraws draws{{0.75F}};
    program::ProgramModel model{clock, draws};
};

ordered_json Box(const program::Step& step) {
    return {{"title", step.title}, {"prompt", step.prompt}, {"defaultText", step.text}};
}

ordered_json Texts() {
    Driven driven;
    const program::Step customers = driven.Until(StepKind::AskCount);
    driven.model.AnswerCount("");
    const program::Step confirm = driven.Until(StepKind::AskYesNo);
    driven.model.AnswerYesNo(false);
    driven.Until(StepKind::AskCount);
    driven.model.AnswerCount("35");
    const program::Step trials = driven.Until(StepKind::AskCount);
    driven.model.AnswerCount("100");
    driven.Until(StepKind::Focus);
    driven.model.Clicked("quitButton");
    const program::Step closing = driven.Until(StepKind::PlayChime);
    const program::Step quit = driven.Until(StepKind::AskYesNo);
    driven.model.AnswerYesNo(false);
    driven.model.Clicked("helpButton");
    const program::Step door = driven.Until(StepKind::PlayChime);
    return {{"boxes",
             {{"customers", Box(customers)},
              {"trials", Box(trials)},
              {"confirm", Box(confirm)},
              {"quit", Box(quit)}}},
            {"doorChime", door.text},
            {"closingChime", closing.text}};
}

// The count each bar shows: from the axis up while it is light blue, back
// into trials by the rule that drew it; -1 where no bar of a count stands.
std::vector<int> BarsOf(const Pixels& page, form::DeviceSize area) {
    const form::UserScale scale{kGraph.scaleWidth, kGraph.scaleHeight};
    const auto row = [&](int units) { return form::ToDevice(0, units, scale, area).y; };
    const int baseline = row(engine::kBaseline);
    std::vector<int> counts;
    for (int bin = 1; bin <= engine::ShortageTallies::kBins; ++bin) {
        const int x = form::ToDevice(engine::BarLeft(bin) + 0.5, 0, scale, area).x;
        int top = baseline;
        while (top > 0 && page.At(x, top - 1) == 'b') {
            --top;
        }
        int count = 0;
        while (row(engine::kBaseline - count) > top) {
            ++count;
        }
        counts.push_back(
            page.At(x, baseline) == 'b' && row(engine::kBaseline - count) == top ? count : -1);
    }
    return counts;
}

struct Rows final : engine::FrequencyTable {
    void AddRow(std::string_view axisValue, int trials) override {
        rows.push_back(form::spoken::GraphRow(axisValue, trials));
    }
    std::vector<std::string> rows;
};

// Columns where the ticks below the axis stand in the shared drawing, and
// where the page's label row has its numbers: centres of dark columns under
// the ticks, grouped where they lie less than two units apart.
std::vector<double> Centres(const std::vector<bool>& inked, double perUnit) {
    std::vector<std::pair<int, int>> groups;
    for (int x = 0; x < static_cast<int>(inked.size()); ++x) {
        if (!inked[static_cast<std::size_t>(x)]) {
            continue;
        }
        if (!groups.empty() && x - groups.back().second <= 2 * perUnit) {
            groups.back().second = x;
        } else {
            groups.emplace_back(x, x);
        }
    }
    std::vector<double> centres;
    centres.reserve(groups.size());
    for (const auto& [first, last] : groups) {
        centres.push_back((first + last) / 2.0 / perUnit);
    }
    return centres;
}

ordered_json Graph(const Pixels& page, double ratio, int customers, int trials) {
    test_support::RasterSink drawn;
    picture::PictureSurface surface(picture::GeometryOf(kGraph, kCssDpi), ratio, drawn);
    const form::DeviceSize area = surface.Area();
    ordered_json answer{{"width", area.width}, {"height", area.height}};
    if (page.width != area.width || page.height != area.height) {
        return answer;
    }
    const std::vector<int> bars = BarsOf(page, area);
    engine::ShortageTallies tallies;
    bool readable = true;
    for (int bin = 1; bin <= engine::ShortageTallies::kBins; ++bin) {
        const int count = bars[static_cast<std::size_t>(bin - 1)];
        readable = readable && count >= 0;
        tallies(bin) = std::max(count, 0);
    }
    Rows rows;
    engine::DrawFrequencyGraph(tallies, surface, rows);

    // Every bar's pixel where the drawing has one, and only there; every line's
    // pixel dark; nothing else drawn but texts.
    int barsDiffer = 0;
    int linesMissing = 0;
    int stray = 0;
    std::vector<int> first;
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const engine::Rgb rule = drawn.At(x, y);
            const bool bar = rule == engine::kLightBlue;
            const bool wrong =
                bar != (page.At(x, y) == 'b') || (rule == engine::kBlack && !page.Dark(x, y));
            barsDiffer += bar != (page.At(x, y) == 'b') ? 1 : 0;
            linesMissing += rule == engine::kBlack && !page.Dark(x, y) ? 1 : 0;
            stray += rule == test_support::RasterSink::kBackground && page.At(x, y) != '.' ? 1 : 0;
            if (wrong && first.empty()) {
                first = {x, y};
            }
        }
    }

    // The label row's numbers against the ticks, below the ticks' ends.
    const form::UserScale scale{kGraph.scaleWidth, kGraph.scaleHeight};
    const double perUnit = area.width / scale.width;
    const int tickRow = form::ToDevice(0, engine::kBaseline + 3, scale, area).y;
    const int below =
        form::ToDevice(0, engine::kBaseline + 6, scale, area).y + form::PenWidth(ratio);
    std::vector<bool> ticks(static_cast<std::size_t>(area.width));
    std::vector<bool> numbers(static_cast<std::size_t>(area.width));
    for (int x = 0; x < area.width; ++x) {
        ticks[static_cast<std::size_t>(x)] = drawn.At(x, tickRow) == engine::kBlack;
        for (int y = below; y < area.height; ++y) {
            numbers[static_cast<std::size_t>(x)] =
                numbers[static_cast<std::size_t>(x)] || page.Dark(x, y);
        }
    }

    // Minima by bin, by the rule that tallied them.
    int trialsShown = 0;
    long long sum = 0;
    bool reachable = true;
    for (int bin = 1; bin <= engine::ShortageTallies::kBins; ++bin) {
        const int minimum = bin - engine::ShortageTallies::BinOf(0);
        trialsShown += tallies(bin);
        sum += static_cast<long long>(minimum) * tallies(bin);
        reachable = reachable && (tallies(bin) == 0 || (minimum >= -customers && minimum <= 1));
    }
    // The mean follows from the bars only where no trial is in an open bin.
    const bool exact = tallies(1) == 0 && tallies(engine::ShortageTallies::kBins) == 0;
    const std::string mean = engine::FormatMean(
        static_cast<float>(static_cast<double>(sum) / static_cast<double>(std::max(trials, 1))));
    answer["readable"] = readable;
    answer["tallies"] = bars;
    answer["trialsShown"] = trialsShown;
    answer["reachable"] = reachable;
    answer["rows"] = rows.rows;
    answer["mean"] = exact ? ordered_json(mean) : ordered_json();
    answer["name"] =
        exact ? ordered_json(form::spoken::GraphOutcome(trials, mean)) : ordered_json();
    // Every minimum a run can reach has a bin of its own below 115 customers.
    if (engine::ShortageTallies::BinOf(-customers) > 1) {
        const test_support::ChiSquare test =
            test_support::TestAgainstLaw(tallies, test_support::MinimumLaw(customers), trials);
        answer["chiSquare"] = {{"statistic", test.statistic},
                               {"critical", test.critical},
                               {"freedom", test.freedom},
                               {"holds", test.Holds()}};
    }
    answer["barsDiffer"] = barsDiffer;
    answer["linesMissing"] = linesMissing;
    answer["stray"] = stray;
    answer["firstDifference"] = first;
    answer["ticks"] = Centres(ticks, perUnit);
    answer["labelRow"] = Centres(numbers, perUnit);
    return answer;
}

ordered_json Help(const Pixels& page, double ratio) {
    test_support::RasterSink printed;
    picture::PictureSurface surface(picture::GeometryOf(kHelpText, kCssDpi), ratio, printed);
    engine::PrintHelpPage(surface);
    const form::DeviceSize area = surface.Area();
    ordered_json answer{{"width", area.width}, {"height", area.height}};
    if (page.width != area.width || page.height != area.height) {
        return answer;
    }
    const int pitch = surface.DeviceFontPixels();
    const auto lines = static_cast<std::size_t>((area.height + pitch - 1) / pitch);
    std::vector<bool> expected(lines);
    for (const test_support::RasterSink::Printed& line : printed.printed) {
        expected.at(static_cast<std::size_t>(line.at.y / pitch)) = true;
    }
    std::vector<bool> inked(lines);
    int rightmost = -1;
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            if (page.Dark(x, y)) {
                inked[static_cast<std::size_t>(y / pitch)] = true;
                rightmost = std::max(rightmost, x);
            }
        }
    }
    Driven driven;
    driven.Until(StepKind::AskCount);
    driven.model.AnswerCount("35");
    driven.Until(StepKind::AskCount);
    driven.model.AnswerCount("100");
    driven.Until(StepKind::Focus);
    driven.model.Clicked("helpButton");
    const program::Step entries = driven.Until(StepKind::SetSpokenEntries);
    answer["printed"] = expected;
    answer["inked"] = inked;
    answer["rightmost"] = rightmost;
    ordered_json spoken = ordered_json::array();
    for (const form::spoken::Entry& entry : driven.model.SpokenEntries(entries.control)) {
        spoken.push_back({{"text", entry.text}, {"heading", entry.heading}});
    }
    answer["spoken"] = spoken;
    return answer;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "texts" && argc == 2) {
        std::cout << Texts().dump() << '\n';
    } else if (command == "graph" && argc == 6) {
        std::cout << Graph(Read(argv[2]), std::atof(argv[3]), std::atoi(argv[4]),
                           std::atoi(argv[5]))
                         .dump()
                  << '\n';
    } else if (command == "help" && argc == 4) {
        std::cout << Help(Read(argv[2]), std::atof(argv[3])).dump() << '\n';
    } else {
        std::cerr << "usage: page_reference texts | graph <pixels> <ratio> <customers> <trials> | "
                     "help <pixels> <ratio>\n";
        return 2;
    }
    return 0;
}
