// Chaos runs: seeded random games of thousands of calls against the poisoning
// fake runtime, every invariant checked after every call. A failing seed
// prints itself and the shortest call log that still fails the same way.
//
//   chaos_tests                                   the fixed seeds
//   CHAOS_RANDOM_SEEDS=N chaos_tests --gtest_filter=Chaos.RandomSeeds
//   CHAOS_SEED=S chaos_tests --gtest_filter=Chaos.OneSeed     (replays S)
//   CHAOS_CALLS=N                                 calls per run (default 4000)
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

#include "chaos_run.h"
#include "test_assets.h"

namespace chaos {
namespace {

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 0) : fallback;
}

std::uint64_t totalCalls = 0;
Coverage totalCoverage{};

// The asset files device creation reads, in a working directory every child inherits.
class Assets : public ::testing::Environment {
public:
    void SetUp() override { directory_ = std::make_unique<d3d8water::testing::AssetDirectory>(); }
    void TearDown() override {
        directory_.reset();
        std::cout << "chaos: " << totalCalls << " game calls executed in all; " << describe(totalCoverage) << "\n";
    }

private:
    std::unique_ptr<d3d8water::testing::AssetDirectory> directory_;
};

const auto* const assets = ::testing::AddGlobalTestEnvironment(new Assets);

std::string callLog(const std::vector<Action>& actions) {
    std::string text;
    for (std::size_t i = 0; i < actions.size(); ++i) text += "  " + std::to_string(i + 1) + "  " + describe(actions[i]) + "\n";
    return text;
}

// Plays one seed; on failure shrinks the run and fails the test with the seed,
// the fault and the shortest failing call log.
void playSeed(std::uint64_t seed) {
    const std::size_t calls = environmentNumber("CHAOS_CALLS", 4000);
    std::vector<Action> actions = generate(seed, calls);
    Outcome outcome = runInChild(actions);
    totalCalls += outcome.calls;
    for (std::size_t i = 0; i < situationCount; ++i) totalCoverage[i] += outcome.coverage[i];
    std::cout << "chaos seed " << seed << ": " << outcome.calls << " game calls"
              << (outcome.failed ? ", FAILED" : "") << std::endl;
    if (!outcome.failed) return;

    const std::string kind = outcome.kind;
    std::vector<Action> shortest = shrink(
        actions,
        [&](const std::vector<Action>& candidate) -> std::optional<std::size_t> {
            Outcome tried = runInChild(candidate);
            if (tried.failed && tried.kind == kind) return tried.step;
            return std::nullopt;
        },
        environmentNumber("CHAOS_SHRINK_RUNS", 2000));
    Outcome last = runInChild(shortest);
    ADD_FAILURE() << "chaos seed " << seed << " fails at call " << outcome.step + 1 << " of " << actions.size()
                  << ": " << outcome.kind << ": " << outcome.message << "\n"
                  << "shortest failing call log (" << shortest.size() << " calls; then the last loss cycle):\n"
                  << callLog(shortest) << "which fails with " << last.kind << ": " << last.message << "\n"
                  << (last.output.empty() ? "" : "its output ends:\n" + last.output);
}

class ChaosSeed : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(ChaosSeed, TheLibrarySurvivesAHostileGame) { playSeed(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Fixed, ChaosSeed,
                         ::testing::Values(1, 2, 3, 5, 8, 13, 21, 34, 55, 89, 144, 233, 377, 610, 987, 1597, 2584,
                                           4181, 6765, 10946, 17711, 28657, 46368, 75025));

TEST(Chaos, RandomSeeds) {
    const std::uint64_t count = environmentNumber("CHAOS_RANDOM_SEEDS", 0);
    if (count == 0) GTEST_SKIP() << "set CHAOS_RANDOM_SEEDS (scripts/chaos N)";
    std::random_device entropy;
    for (std::uint64_t i = 0; i < count; ++i) playSeed((std::uint64_t{entropy()} << 32) | entropy());
}

TEST(Chaos, OneSeed) {
    const char* seed = std::getenv("CHAOS_SEED");
    if (!seed || !*seed) GTEST_SKIP() << "set CHAOS_SEED to replay one seed";
    playSeed(std::strtoull(seed, nullptr, 0));
}

}  // namespace
}  // namespace chaos
