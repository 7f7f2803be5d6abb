#include "pairs.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace bench {

namespace {
// Case names in the order they were registered: the summary's order.
std::vector<std::string>& registered() {
    static std::vector<std::string> names;
    return names;
}

double minimum(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}
}  // namespace

std::array<benchmark::internal::Benchmark*, 2> registerPair(const std::string& name, PairBody body) {
    auto* baseline = benchmark::RegisterBenchmark((name + "/baseline").c_str(),
                                                  [body](benchmark::State& state) { body(state, Side::baseline); });
    auto* library = benchmark::RegisterBenchmark((name + "/library").c_str(),
                                                 [body](benchmark::State& state) { body(state, Side::library); });
    baseline->ComputeStatistics("min", minimum);
    library->ComputeStatistics("min", minimum);
    registered().push_back(name);
    return {baseline, library};
}

SummaryReporter::Case& SummaryReporter::find(const std::string& name) {
    for (Case& c : cases_)
        if (c.name == name) return c;
    return cases_.emplace_back(Case{name, {}, {}});
}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions the fastest stands for the case: on a shared machine
        // the others carry time the benchmark lost to other programs.
        if (run.repetitions > 1 && run.aggregate_name != "min") continue;
        if (run.error_occurred) continue;
        // The registered name, without the suffixes the library adds (/manual_time).
        const std::string& name = run.run_name.function_name;
        const std::size_t slash = name.rfind('/');
        if (slash == std::string::npos) continue;
        const std::string side = name.substr(slash + 1);
        if (side != "baseline" && side != "library") continue;
        Figure figure;
        double calls = 1;
        if (auto it = run.counters.find("calls"); it != run.counters.end() && it->second.value > 0)
            calls = it->second.value;
        const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (auto it = run.counters.find("bytes"); it != run.counters.end() && seconds > 0)
            figure.bytesPerSecond = it->second.value / seconds;
        figure.nanoseconds = seconds * 1e9 / calls;
        figure.calls = calls;
        figure.seen = true;
        Case& c = find(name.substr(0, slash));
        (side == "baseline" ? c.baseline : c.library) = figure;
    }
}

namespace {
// A duration in the unit that suits it.
std::string duration(double nanoseconds) {
    char text[32];
    if (nanoseconds >= 1e6 || nanoseconds <= -1e6) std::snprintf(text, sizeof text, "%.3f ms", nanoseconds / 1e6);
    else if (nanoseconds >= 1e4 || nanoseconds <= -1e4) std::snprintf(text, sizeof text, "%.3f us", nanoseconds / 1e3);
    else std::snprintf(text, sizeof text, "%.2f ns", nanoseconds);
    return text;
}
}  // namespace

void SummaryReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    char line[160];
    out << "\nPer call (real time; the fastest repetition where repeated); baseline: straight on the null device\n";
    std::snprintf(line, sizeof line, "%-52s %12s %12s %12s\n", "case", "baseline", "library", "added");
    out << line;
    for (const std::string& name : registered()) {
        const Case& c = find(name);
        if (!c.baseline.seen || !c.library.seen) continue;
        std::snprintf(line, sizeof line, "%-52s %12s %12s %12s", c.name.c_str(),
                      duration(c.baseline.nanoseconds).c_str(), duration(c.library.nanoseconds).c_str(),
                      duration(c.library.nanoseconds - c.baseline.nanoseconds).c_str());
        out << line;
        if (c.library.calls > 1) {
            std::snprintf(line, sizeof line, "   (%.0f a time: %s)", c.library.calls,
                          duration(c.library.nanoseconds * c.library.calls).c_str());
            out << line;
        }
        if (c.library.bytesPerSecond > 0) {
            std::snprintf(line, sizeof line, "   %.1f MB/s", c.library.bytesPerSecond / 1e6);
            out << line;
        }
        out << '\n';
    }
    out.flush();
}

}  // namespace bench
