// Running a list of actions in a child process of its own (a crash, a
// sanitizer report or a fatal box ends the child, not the test), and cutting a
// failing list down to the shortest one that still fails the same way.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chaos_action.h"
#include "chaos_coverage.h"

namespace chaos {

struct Outcome {
    bool failed = false;
    std::size_t step = 0;  // the action during which it failed; the list's size for the final checks
    std::string kind;      // "result", "given back twice", "crash", "fatal box", ...
    std::string message;
    std::uint64_t calls = 0;  // game calls made
    Coverage coverage{};      // the situations reached
    std::string output;       // what the child wrote to standard error (a sanitizer's report)
};

// Plays `actions` and the final loss cycle against a fresh fake runtime and
// library state, with the diagnostic output captured, in a forked child.
Outcome runInChild(const std::vector<Action>& actions);

// Where a candidate list fails (the step), or nothing when it passes.
using FailsAt = std::function<std::optional<std::size_t>(const std::vector<Action>&)>;

// Delta debugging: removes ever smaller chunks of the list while it still
// fails, keeping only the part up to the failing step. At most `runs` tries.
std::vector<Action> shrink(std::vector<Action> actions, const FailsAt& failsAt, std::size_t runs);

}  // namespace chaos
