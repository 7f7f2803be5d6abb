// The game of a chaos run: plays actions through the library's interceptors
// as a game would (holding and giving back its own references, using only
// objects it holds), checks each result it receives against the one the
// runtime gave for its own call, and runs the invariants after every call.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <sstream>

#include "chaos_action.h"
#include "chaos_coverage.h"
#include "chaos_invariants.h"
#include "chaos_ledger.h"
#include "platform/d3d8_api.h"
#include "water/effect_state.h"

namespace chaos {

class Game {
public:
    Game(fake::Runtime& runtime, std::ostringstream& output)
        : runtime_(runtime), output_(output), ledger_(runtime), invariants_(runtime, ledger_) {}

    // Plays one action (nothing when the game holds no object to make it on).
    void play(const Action& action);
    // The last loss cycle (with a device made first if the game has none) and
    // the final checks.
    void finish();
    std::uint64_t calls() const { return calls_; }
    const Coverage& coverage() const { return coverage_; }

private:
    struct Resource {
        void* pointer = nullptr;  // the game's reference, null when the slot is empty
        const fake::FakeObject* device = nullptr;
    };

    // One call through the library: scripts the action's result and fault,
    // makes the call, checks the game's result against the runtime's answer
    // to the call of `method` on `target`, lets `received` note what the game
    // was handed, then checks the invariants.
    template <class Result> Result call(const Action& action, const char* method, const void* target,
                                        const std::function<Result()>& make,
                                        const std::function<void(Result)>& received = nullptr);
    void checkResult(const char* method, const void* target, std::size_t firstLine, std::int64_t result,
                     int queuedBefore) const;
    // What the state before a call is compared with, to count the situations reached.
    struct Before {
        std::size_t firstLine;
        int queued;
        bool held;
        bool water;
        const void* device;
    };
    void count(const char* method, const Before& before, std::int64_t result, bool faulted);

    bool haveDevice() const { return device_ != nullptr; }
    const fake::FakeObject* realDevice() const;
    void* slotObject(std::uint32_t kind, std::uint32_t slot) const;

    void createDirect3D(const Action& action);
    void releaseDirect3D(const Action& action);
    void createDevice(const Action& action);
    void releaseDevice(const Action& action, bool completely);
    void createResource(const Action& action);
    void releaseResource(const Action& action);
    void bind(const Action& action);
    void setTransform(const Action& action);
    void loss(const Action& action);
    void forwarded(const Action& action);
    void direct3DForwarded(const Action& action);
    // The game gives back a reference a getter handed it (noted in the ledger).
    void giveBack(void* pointer);

    fake::Runtime& runtime_;
    std::ostringstream& output_;
    Ledger ledger_;
    Invariants invariants_;
    std::uint64_t calls_ = 0;
    Coverage coverage_{};

    d3d8::IDirect3D8* direct3D_ = nullptr;  // the newest interceptor the game holds a reference through
    d3d8::IDirect3DDevice8* device_ = nullptr;
    int deviceReferences_ = 0;
    std::array<std::array<Resource, slotCount>, kindCount> resources_{};
};

// Calls whose result the runtime may be told to answer for the game: never
// the reference counting, which every object shares.
inline bool scriptable(const char* method) {
    const std::string name = method;
    return name != "AddRef" && name != "Release";
}

// Runtime faults are not injected where they leave the library nothing to do
// but its fatal box (device set-up, the reflection target's level at Reset),
// nor into the unbinding of the reflection at loss: a runtime that refuses to
// unbind a texture refuses the game's Reset whatever the library does.
inline bool faultAllowed(const char* method, std::uint32_t fault) {
    const std::string name = method;
    if (name == "CreateDevice") return false;
    const std::string faulty = runtimeFaults[fault];
    const bool loss = name == "Reset" || name == "TestCooperativeLevel";
    return !(name == "Reset" && (faulty == "GetSurfaceLevel" || faulty == "GetDesc")) &&
           !(loss && faulty == "SetTexture");
}

template <class Result>
Result Game::call(const Action& action, const char* method, const void* target, const std::function<Result()>& make,
                  const std::function<void(Result)>& received) {
    using d3d8water::effectState;
    if (action.scripted != 0 && scriptable(method)) runtime_.scripts.always(method, scriptedResults[action.scripted]);
    if (action.fault != 0 && faultAllowed(method, action.fault))
        runtime_.scripts.always(runtimeFaults[action.fault], static_cast<std::int64_t>(d3d8::E_FAIL) & 0xFFFFFFFF);
    const Before before{runtime_.log.size(), effectState.deferredDrawCount, effectState.effectResourcesHeld,
                        effectState.queueAsWater, effectState.realDevice};
    Result result = make();
    runtime_.scripts.clear();
    ++calls_;
    checkResult(method, target, before.firstLine, static_cast<std::int64_t>(result), before.queued);
    count(method, before, static_cast<std::int64_t>(result), action.fault != 0 && faultAllowed(method, action.fault));
    if (received) received(result);
    invariants_.afterCall();
    return result;
}

}  // namespace chaos
