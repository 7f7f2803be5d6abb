// Counts of the situations a chaos run reached, so that a clean run also shows
// that it went where it was meant to go.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace chaos {

enum Situation : std::size_t {
    waterQueued,           // a water draw held back
    queueFull,             // a water draw that found 50 queued
    waterPass,             // a pass that drew queued water
    redirectedDraw,        // a draw into the reflection
    releasedWhileQueued,   // the game released a buffer a queued draw holds
    releasedWhileRecorded, // the game released the recorded buffer or texture
    lossCall,              // TestCooperativeLevel
    resetSucceeded,
    resetRefused,
    resetWhileHeld,        // a Reset with the effect's objects still held
    secondDevice,          // CreateDevice while an earlier device lives
    deviceLetGo,           // the game released its device completely
    runtimeFault,          // a library call the runtime failed
    situationCount
};

inline constexpr const char* situationNames[situationCount] = {
    "water queued",       "queue full",        "water passes",         "redirected draws",
    "released while queued", "released while recorded", "TestCooperativeLevel calls", "resets succeeded",
    "resets refused",     "resets while held", "second devices",       "devices let go",
    "runtime faults"};

using Coverage = std::array<std::uint64_t, situationCount>;

inline std::string describe(const Coverage& coverage) {
    std::string text;
    for (std::size_t i = 0; i < situationCount; ++i)
        text += (i ? ", " : "") + std::to_string(coverage[i]) + " " + situationNames[i];
    return text;
}

}  // namespace chaos
