// SetRenderState: the depth, fog and fog-colour values it records, the fog-off
// phase it starts and ends, and the water pass it runs when the game switches
// alpha blending on with depth enabled, always before the game's own call.
#include <cstdio>
#include <cstring>
#include <optional>

#include "effect_fixture.h"

namespace d3d8water::testing {
namespace {

class RenderStateTest : public EffectTest {
protected:
    // Two water draws in the queue.
    void queueWater() {
        setWorld(250.0f);
        draw(3);
        draw(5);
    }

    static std::string call(DWORD state, DWORD value) {
        char text[64];
        std::snprintf(text, sizeof text, value < 0x10000 ? "device1.SetRenderState(%u, %u)"
                                                         : "device1.SetRenderState(%u, 0x%X)",
                      static_cast<unsigned>(state), static_cast<unsigned>(value));
        return text;
    }
};

TEST_F(RenderStateTest, TheWaterPassRunsOnlyForAlphaBlendingExactlyOneWithDepthEnabled) {
    // Depth enable never set comes first, while gameZEnable still holds its initial 0.
    const std::optional<DWORD> depths[] = {std::nullopt, 0, 1, 2};
    const DWORD alphas[] = {0, 1, 2, 0xFFFFFFFF};
    for (const std::optional<DWORD>& depth : depths) {
        if (depth) device->SetRenderState(D3DRS_ZENABLE, *depth);
        for (DWORD alpha : alphas) {
            SCOPED_TRACE(::testing::Message() << "depth " << (depth ? std::to_string(*depth) : "never set")
                                              << ", alpha blend " << alpha);
            const bool pass = alpha == 1 && depth.value_or(0) != 0;
            queueWater();
            const int queued = effectState.deferredDrawCount;
            runtime.log.clear();
            EXPECT_EQ(device->SetRenderState(D3DRS_ALPHABLENDENABLE, alpha), D3D_OK);
            std::vector<std::string> expected;
            if (pass) {
                expected = {"device1.GetVertexShader(&savedVertexShader)", call(D3DRS_FOGENABLE, 0),
                            call(D3DRS_SOFTWAREVERTEXPROCESSING, 0)};
                for (int i = 0; i < queued; i += 2)
                    expected.insert(expected.end(), {"device1.DrawIndexedPrimitive(4, 0, 4, 0, 3)",
                                                     "device1.DrawIndexedPrimitive(4, 0, 4, 0, 5)"});
                expected.push_back(call(D3DRS_FOGENABLE, 1));
            }
            expected.push_back(call(D3DRS_ALPHABLENDENABLE, alpha));  // the game's call, last
            EXPECT_EQ(pass ? runtime.log.only({"GetVertexShader", "DrawIndexedPrimitive", "SetRenderState"})
                           : runtime.log.lines(),
                      expected);
            EXPECT_EQ(runtime.log.lines().back(), expected.back());
            EXPECT_EQ(effectState.deferredDrawCount, pass ? 0 : queued);
            EXPECT_EQ(takeOutput().empty(), !pass);
        }
    }
}

TEST_F(RenderStateTest, EveryQualifyingCallRunsAWholePass) {
    device->SetRenderState(D3DRS_ZENABLE, 1);
    queueWater();
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    takeOutput();
    runtime.log.clear();
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    EXPECT_EQ(runtime.log.lines(),
              (std::vector<std::string>{"device1.GetVertexShader(&savedVertexShader)", "device1.SetRenderState(28, 0)",
                                        "device1.SetRenderState(153, 0)", "device1.SetVertexShader(0)",
                                        "device1.SetPixelShader(0)", "device1.SetTextureStageState(0, 13, 1)",
                                        "device1.SetTextureStageState(0, 14, 1)", "device1.SetRenderState(28, 1)",
                                        "device1.SetRenderState(27, 1)"}));
    EXPECT_EQ(takeOutput(), "");
}

TEST_F(RenderStateTest, NoPassRunsWhileTheEffectsObjectsAreGivenBack) {
    device->SetRenderState(D3DRS_ZENABLE, 1);
    device->TestCooperativeLevel();
    takeOutput();
    runtime.log.clear();
    EXPECT_EQ(device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1), D3D_OK);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device1.SetRenderState(27, 1)"});

    D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
    ASSERT_EQ(device->Reset(&params), D3D_OK);
    queueWater();
    takeOutput();
    runtime.log.clear();
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    EXPECT_EQ(runtime.log.only({"DrawIndexedPrimitive"}).size(), 2u) << "a pass again after the reset";
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(RenderStateTest, TheGameGetsTheResultOfItsOwnCallWhateverThePassMet) {
    struct Case {
        const char* name;
        D3DRENDERSTATETYPE state;
        DWORD value;
        HRESULT passCalls;  // the result of each of the pass's own SetRenderState calls
        HRESULT gameCall;
    };
    const HRESULT failed = D3DERR_INVALIDCALL;
    const Case cases[] = {
        {"pass fails, game succeeds", D3DRS_ALPHABLENDENABLE, 1, failed, D3D_OK},
        {"pass succeeds, game fails", D3DRS_ALPHABLENDENABLE, 1, D3D_OK, D3DERR_DEVICELOST},
        {"no pass", D3DRS_ALPHABLENDENABLE, 0, D3D_OK, failed},
        {"depth", D3DRS_ZENABLE, 1, D3D_OK, failed},
        {"fog", D3DRS_FOGENABLE, 1, D3D_OK, failed},
        {"fog colour", D3DRS_FOGCOLOR, 0xFF102030, D3D_OK, D3DERR_DEVICELOST},
        {"lighting", D3DRS_LIGHTING, 0, D3D_OK, failed},
    };
    device->SetRenderState(D3DRS_ZENABLE, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        queueWater();
        const bool pass = c.state == D3DRS_ALPHABLENDENABLE && c.value == 1;
        // Everything the pass could meet fails; the game's own call answers c.gameCall.
        if (pass) {
            for (int i = 0; i < 3; ++i) runtime.scripts.once("SetRenderState", c.passCalls);
            for (const char* method : {"DrawIndexedPrimitive", "SetVertexShader", "SetPixelShader", "SetTexture",
                                       "SetVertexShaderConstant", "GetVertexShader"})
                runtime.scripts.always(method, failed);
        }
        runtime.scripts.once("SetRenderState", c.gameCall);
        EXPECT_EQ(device->SetRenderState(c.state, c.value), c.gameCall);
        runtime.scripts.clear();
        takeOutput();
    }
    // Recorded even where the device refused.
    EXPECT_EQ(effectState.gameFogColor, 0xFF102030u);
    EXPECT_EQ(effectState.gameZEnable, 1u);
}

TEST_F(RenderStateTest, FogEnableIsRecordedAsSetAndSwitchesTheFogOffPhase) {
    struct Case {
        DWORD value;
        bool phase;
    };
    for (const Case& c : {Case{0, true}, Case{5, false}, Case{1, false}, Case{0, true}}) {
        SCOPED_TRACE(c.value);
        effectState.fogOffPhase = effectState.redirectToReflection = !c.phase;
        runtime.log.clear();
        EXPECT_EQ(device->SetRenderState(D3DRS_FOGENABLE, c.value), D3D_OK);
        EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{call(D3DRS_FOGENABLE, c.value)});
        EXPECT_EQ(effectState.gameFogEnable, c.value);
        EXPECT_EQ(effectState.fogOffPhase, c.phase);
        EXPECT_EQ(effectState.redirectToReflection, c.phase);
    }
}

TEST_F(RenderStateTest, FogColourIsRecordedWholeWithItsAlpha) {
    for (D3DCOLOR colour : {0xFF8040C0u, 0x00FFFFFFu, 0x80112233u, 0x00000000u}) {
        SCOPED_TRACE(::testing::Message() << std::hex << colour);
        runtime.log.clear();
        device->SetRenderState(D3DRS_FOGCOLOR, colour);
        EXPECT_EQ(effectState.gameFogColor, colour);
        EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{call(D3DRS_FOGCOLOR, colour)});
    }
}

TEST_F(RenderStateTest, OtherStatesAreOnlyForwarded) {
    device->SetRenderState(D3DRS_ZENABLE, 1);
    queueWater();
    const D3DRENDERSTATETYPE states[] = {D3DRS_SRCBLEND, D3DRS_DESTBLEND, D3DRS_ZWRITEENABLE, D3DRS_LIGHTING,
                                         D3DRS_CLIPPLANEENABLE, D3DRS_SOFTWAREVERTEXPROCESSING,
                                         D3DRS_ALPHATESTENABLE, D3DRS_DITHERENABLE};
    for (D3DRENDERSTATETYPE state : states) {
        SCOPED_TRACE(state);
        const EffectState before = effectState;
        runtime.log.clear();
        runtime.scripts.once("SetRenderState", D3DERR_INVALIDCALL);
        EXPECT_EQ(device->SetRenderState(state, 1), D3DERR_INVALIDCALL);
        EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{call(state, 1)});
        EXPECT_EQ(std::memcmp(&before, &effectState, sizeof(EffectState)), 0);
    }
}

}  // namespace
}  // namespace d3d8water::testing
