// The chaos harness itself: the invariants do catch a reference given back
// twice and an object of the effect left alive, and shrinking finds the few
// calls a failure needs.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "chaos_game.h"
#include "chaos_run.h"
#include "diagnostics/diagnostic_log.h"
#include "platform/os_native.h"

namespace chaos {
namespace {

using d3d8water::effectState;

// A game in this process with a device made through the library.
struct GameInProcess {
    GameInProcess() {
        effectState = d3d8water::EffectState{};
        os::native::reset();
        d3d8water::diagnosticLog.redirect(&output);
        runtime = std::make_unique<fake::Runtime>();
        game = std::make_unique<Game>(*runtime, output);
        game->play({Call::CreateDirect3D});
        game->play({Call::CreateDevice, 64, 48, 1});
    }
    ~GameInProcess() {
        game.reset();
        runtime.reset();
        effectState = d3d8water::EffectState{};
        os::native::reset();
        d3d8water::diagnosticLog.redirect(nullptr);
    }

    std::ostringstream output;
    std::unique_ptr<fake::Runtime> runtime;
    std::unique_ptr<Game> game;
};

TEST(Invariants, CatchWhatTheLibraryMustNeverDo) {
    struct Case {
        const char* kind;
        std::function<void()> sabotage;  // what a faulty library would do
        Action next;                     // the game's next call, after which it is caught
    };
    const Case cases[] = {
        {"given back twice",
         [] {
             effectState.backBufferSurface->Release();
             effectState.backBufferSurface->Release();
         },
         {Call::BeginScene}},
        {"not given back", [] { effectState.reflectionTexture->AddRef(); }, {Call::TestCooperativeLevel}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        GameInProcess process;
        c.sabotage();
        try {
            process.game->play(c.next);
            ADD_FAILURE() << "nothing caught";
        } catch (const Fault& fault) {
            EXPECT_EQ(fault.kind, c.kind) << fault.message;
        }
    }
}

TEST(Shrink, KeepsOnlyTheCallsTheFailureNeeds) {
    // Fails at the first draw of 40 primitives after a Reset: those two calls
    // and nothing else are needed, nor the scripted answers and faults.
    std::vector<Action> actions = generate(7, 300);
    actions[40] = {Call::Reset, 64, 48, 1, 0, 3, 2};
    actions[250] = {Call::DrawIndexedPrimitive, 4, 0, 0, 0, 0, 5};
    auto isReset = [](const Action& a) { return a.call == Call::Reset && a.a == 64 && a.b == 48; };
    auto isDraw = [](const Action& a) { return a.call == Call::DrawIndexedPrimitive && a.a == 4; };
    FailsAt failsAt = [&](const std::vector<Action>& list) -> std::optional<std::size_t> {
        bool reset = false;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (isReset(list[i])) reset = true;
            if (reset && isDraw(list[i])) return i;
        }
        return std::nullopt;
    };
    ASSERT_TRUE(failsAt(actions));
    std::vector<Action> shortest = shrink(actions, failsAt, 2000);
    ASSERT_EQ(shortest.size(), 2u);
    EXPECT_TRUE(isReset(shortest[0]));
    EXPECT_TRUE(isDraw(shortest[1]));
    EXPECT_EQ(shortest[0].scripted + shortest[0].fault + shortest[1].fault, 0u);
}

}  // namespace
}  // namespace chaos
