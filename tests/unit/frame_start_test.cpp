// BeginScene: the normal-map frame from the clock and the once-per-frame
// depth clear of the reflection at the first redirected draw.
#include "effect_fixture.h"

namespace d3d8water::testing {
namespace {

class FrameStartTest : public EffectTest {};

TEST_F(FrameStartTest, TheNormalMapFrameAdvancesEvery33MillisecondsAndWraps) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {0, 0}, {32, 0}, {33, 1}, {956, 28}, {957, 0}, {4294967295u, 3},
    };
    for (const auto& [clock, frame] : cases) {
        os::native::doubles().clock = clock;
        runtime.scripts.once("BeginScene", D3DERR_INVALIDCALL);
        EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
        EXPECT_EQ(effectState.normalMapFrame, frame) << clock;
    }
}

TEST_F(FrameStartTest, TheReflectionDepthIsClearedOnceAtTheFirstRedirectedDrawOfAFrame) {
    struct Case {
        const char* script;  // B = BeginScene, D = redirected draw
        int clears;
    };
    for (const Case& c : {Case{"DD", 0}, Case{"BDD", 1}, Case{"BDBD", 2}, Case{"BBD", 1}, Case{"B", 0}}) {
        effectState.clearReflectionDepth = false;
        setWorld(500.0f);
        runtime.log.clear();
        for (const char* step = c.script; *step; ++step) {
            if (*step == 'B') device->BeginScene();
            else draw();
        }
        auto clears = runtime.log.only({"Clear"});
        EXPECT_EQ(clears.size(), static_cast<std::size_t>(c.clears)) << c.script;
        for (const auto& line : clears) EXPECT_EQ(line, "device1.Clear(0, null, 2, 0xFFFFFFFF, 1, 0)");
    }
}

}  // namespace
}  // namespace d3d8water::testing
