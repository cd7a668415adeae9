// Times a run against the bare draws it needs and against the step-for-step
// reference, and the whole click at the largest counts. Prints the ratios of
// the medians (or of the single results without repetitions) at the end.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <array>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/picture_area.h"
#include "controls/utf8.h"
#include "controls/window_metrics.h"
#include "engine/experiment.h"
#include "engine/frequency_graph.h"
#include "engine/system_clock.h"
#include "engine/uniform_generator.h"
#include "support/step_by_step_run.h"

namespace {

// Customers x trials.
const std::vector<std::vector<std::int64_t>> kSizes = {{35, 100}, {100, 1000}, {1000, 1000}};

engine::RunSize SizeOf(const benchmark::State& bench) {
    return {static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1))};
}

void SetDraws(benchmark::State& bench) {
    bench.SetItemsProcessed(bench.iterations() * bench.range(0) * bench.range(1));
}

// The wall clock, as in the program: its cost per trial belongs to the run.
template <auto Run>
void RunWithSystemClock(benchmark::State& bench) {
    const engine::RunSize size = SizeOf(bench);
    engine::SystemClock clock;
    engine::UniformGenerator random;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(Run(size, clock, random));
    }
    SetDraws(bench);
}

// Only the draws, through the same virtual DrawMany call per trial.
void Floor(benchmark::State& bench) {
    engine::UniformGenerator generator;
    engine::RandomSource* random = &generator;
    benchmark::DoNotOptimize(random);
    std::array<float, 1000> draws{};
    const std::span<float> trial(draws.data(), static_cast<std::size_t>(bench.range(0)));
    for (auto _ : bench) {
        for (std::int64_t k = 0; k < bench.range(1); ++k) {
            random->DrawMany(trial);
            benchmark::DoNotOptimize(draws.data());
            benchmark::ClobberMemory();
        }
    }
    SetDraws(bench);
}

// The graph's rows as the main window words them, kept no longer than that.
struct SpokenRows final : engine::FrequencyTable {
    void AddRow(std::string_view axisValue, int trials) override {
        benchmark::DoNotOptimize(controls::ToQString(axisValue) + QString::number(trials));
    }
};

// The start button's work: the run, then the graph through the shared drawing
// into the off-screen picture area at the size the main window gives it. The
// clearing before each run is initialize's work, not the click's.
void Click(benchmark::State& bench) {
    const engine::RunSize size = SizeOf(bench);
    engine::SystemClock clock;
    engine::UniformGenerator random;
    const form::Control& graph = form::ControlNamed(form::kMainWindow, "graph");
    controls::PictureArea picture(nullptr, graph.spoken);
    picture.setFont(controls::GothicFont(graph.font));
    picture::PictureSurface surface(picture::GeometryOf(graph, controls::LogicalDpi()),
                                    picture.devicePixelRatioF(), picture);
    SpokenRows rows;
    for (auto _ : bench) {
        bench.PauseTiming();
        surface.Clear();
        bench.ResumeTiming();
        const engine::RunOutcome outcome = engine::RunExperiment(size, clock, random);
        engine::DrawFrequencyGraph(outcome.tallies, surface, rows);
        benchmark::DoNotOptimize(picture.Image().constBits());
    }
    SetDraws(bench);
}

// Keeps each row's median wall time per iteration, in nanoseconds.
class MedianReporter final : public benchmark::ConsoleReporter {
public:
    MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!run.error_occurred && (single || run.aggregate_name == "median")) {
                nanoseconds[run.run_name.function_name + "/" + run.run_name.args] =
                    run.GetAdjustedRealTime() * 1e9 /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    std::map<std::string, double> nanoseconds;
};

void PrintRatio(const MedianReporter& medians, const char* what, const std::string& over,
                const std::string& under, const char* target) {
    const auto top = medians.nanoseconds.find(over);
    const auto bottom = medians.nanoseconds.find(under);
    if (top != medians.nanoseconds.end() && bottom != medians.nanoseconds.end()) {
        std::printf("%-30s %9.2f   %s\n", what, top->second / bottom->second, target);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Must be set before the application picks its platform plugin.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    for (const std::vector<std::int64_t>& size : kSizes) {
        benchmark::RegisterBenchmark("engine", RunWithSystemClock<engine::RunExperiment>)
            ->Args(size)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("floor", Floor)->Args(size)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("reference", RunWithSystemClock<test_support::StepByStepRun>)
            ->Args(size)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("click", Click)
        ->Args(kSizes.back())
        ->Unit(benchmark::kMicrosecond);
    MedianReporter medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    benchmark::Shutdown();

    std::printf("\nRatios of median wall times\n");
    for (const std::string at : {"35/100", "100/1000", "1000/1000"}) {
        const bool largest = at == "1000/1000";
        PrintRatio(medians, ("engine / floor at " + at).c_str(), "engine/" + at, "floor/" + at,
                   largest ? "(target <= 1.5)" : "");
        PrintRatio(medians, ("reference / engine at " + at).c_str(), "reference/" + at,
                   "engine/" + at, largest ? "(target >= 100)" : "");
    }
    const auto click = medians.nanoseconds.find("click/1000/1000");
    if (click != medians.nanoseconds.end()) {
        std::printf("%-30s %9.2f ms (target < 16 ms)\n", "click at 1000/1000", click->second / 1e6);
    }
    return 0;
}
