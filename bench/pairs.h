// Every case runs twice in one run: on the null device straight (the baseline,
// what the call costs without the library) and through the library. The
// summary printed at the end gives both and the difference.
#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <functional>
#include <string>

#include "session.h"

namespace bench {

using PairBody = std::function<void(benchmark::State&, Side)>;

// Registers NAME/baseline and NAME/library, in that order, for the caller to configure.
std::array<benchmark::internal::Benchmark*, 2> registerPair(const std::string& name, PairBody body);

// A case of one call per iteration on the side's device: call(device, session).
template <class Call> PairBody oneCallEach(Call call) {
    return [call](benchmark::State& state, Side side) {
        Session session;
        IDirect3DDevice8* device = session.device(side);
        for (auto _ : state) benchmark::DoNotOptimize(call(device, session));
    };
}

// A case whose iteration makes several of the calls measured says how many
// here; the summary divides by it.
inline void setCallsPerIteration(benchmark::State& state, double calls) { state.counters["calls"] = calls; }

// A case that reads files says how many bytes an iteration reads; the summary
// gives the rate.
inline void setBytesPerIteration(benchmark::State& state, double bytes) { state.counters["bytes"] = bytes; }

// The reporter: the console table as usual, then one line per case.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figure {
        double nanoseconds = 0;  // per call
        double calls = 1;        // per iteration
        double bytesPerSecond = 0;
        bool seen = false;
    };
    struct Case {
        std::string name;
        Figure baseline;
        Figure library;
    };
    Case& find(const std::string& name);
    std::vector<Case> cases_;
};

}  // namespace bench
