// DrawIndexedPrimitive: water queued, reflection draws redirected with their
// exact render-state sequence, the fog-off phase and its colour probe.
#include <cmath>
#include <functional>

#include "effect_fixture.h"
#include "water/colour_probe.h"

namespace d3d8water::testing {
namespace {

class DrawDeferralTest : public EffectTest {
protected:
    void fogOff() { device->SetRenderState(D3DRS_FOGENABLE, 0); }

    // The calls of one redirected draw into the reflection, from the switch to
    // the way back, for the kinds of draw the tests use.
    static std::vector<std::string> reflectionDraw(UINT primitives, bool mirror, bool clipPlane, bool clipOff) {
        std::vector<std::string> lines = {"device1.SetRenderTarget(texture30.level0, surface1)"};
        if (mirror)
            lines.insert(lines.end(), {"device1.SetRenderState(27, 1)", "device1.SetRenderState(19, 2)",
                                       "device1.SetRenderState(20, 2)"});
        if (clipPlane)
            lines.insert(lines.end(), {"device1.SetClipPlane(0, clipPlane)", "device1.SetRenderState(152, 1)"});
        lines.push_back("device1.DrawIndexedPrimitive(4, 0, 4, 0, " + std::to_string(primitives) + ")");
        if (mirror)
            lines.insert(lines.end(), {"device1.SetRenderState(19, 5)", "device1.SetRenderState(20, 6)",
                                       "device1.SetRenderState(27, 0)"});
        if (clipOff) lines.push_back("device1.SetRenderState(152, 0)");
        lines.push_back("device1.SetRenderTarget(backbuffer1, depth1)");
        return lines;
    }
    static std::string plainDraw(UINT primitives) {
        return "device1.DrawIndexedPrimitive(4, 0, 4, 0, " + std::to_string(primitives) + ")";
    }
    static std::vector<std::string> plus(std::vector<std::string> lines, const std::string& line) {
        lines.push_back(line);
        return lines;
    }
    // The log of the draw calls alone, without the probe's texture queries.
    std::vector<std::string> drawLog() {
        return runtime.log.without({"GetType", "GetSurfaceLevel", "GetDesc", "Release", "AddRef"});
    }
};

TEST_F(DrawDeferralTest, AMirrorDrawSendsTheFullSequenceAndReachesTheReflectionOnly) {
    effectState.waterColor = {0.5f, 0.5f, 0.5f};  // not dark: fog stays alone
    device->BeginScene();
    setWorld(-1500.0f);
    runtime.log.clear();
    EXPECT_EQ(draw(), D3D_OK);
    EXPECT_EQ(runtime.log.lines(),
              (std::vector<std::string>{
                  "device1.SetRenderTarget(texture30.level0, surface1)", "device1.Clear(0, null, 2, 0xFFFFFFFF, 1, 0)",
                  "device1.SetRenderState(27, 1)", "device1.SetRenderState(19, 2)", "device1.SetRenderState(20, 2)",
                  "device1.SetClipPlane(0, clipPlane)", "device1.SetRenderState(152, 1)",
                  "device1.DrawIndexedPrimitive(4, 0, 4, 0, 2)", "device1.SetRenderState(19, 5)",
                  "device1.SetRenderState(20, 6)", "device1.SetRenderState(27, 0)", "device1.SetRenderState(152, 0)",
                  "device1.SetRenderTarget(backbuffer1, depth1)"}));
    EXPECT_FALSE(effectState.mirrorDraw);
    const float* plane = reflectionClipPlane;
    EXPECT_EQ(std::vector<float>(plane, plane + 4), (std::vector<float>{0.0f, -1.0f, 0.0f, -9.5f}));
}

TEST_F(DrawDeferralTest, DarkWaterAndTheFogVariantsAdjustFogAroundTheReflectionDraw) {
    struct Case {
        const char* name;
        float red;
        bool sunset, noFog, tiling;
        std::vector<std::string> before, after;
    };
    device->SetRenderState(D3DRS_FOGCOLOR, 0x80112233);
    device->SetRenderState(D3DRS_FOGENABLE, 7);
    const Case cases[] = {
        {"dark", 0.0f, false, false, false, {"device1.SetRenderState(28, 0)"}, {"device1.SetRenderState(28, 7)"}},
        {"sunset", 0.125f, true, false, false, {"device1.SetRenderState(34, 0xFF23211B)"},
         {"device1.SetRenderState(34, 0x80112233)"}},
        {"no fog", 0.5f, false, true, false, {"device1.SetRenderState(34, 0xFF344448)"},
         {"device1.SetRenderState(34, 0x80112233)"}},
        {"tiling", 0.5f, false, false, true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        effectState.waterColor = {c.red, 0.5f, 0.5f};
        effectState.sunsetVariant = c.sunset;
        effectState.noFogVariant = c.noFog;
        effectState.tilingVariant = c.tiling;
        setWorld(500.0f);
        runtime.log.clear();
        draw();
        std::vector<std::string> expected = {"device1.SetRenderTarget(texture30.level0, surface1)"};
        if (!c.tiling)
            expected.insert(expected.end(), {"device1.SetClipPlane(0, clipPlane)", "device1.SetRenderState(152, 1)"});
        expected.insert(expected.end(), c.before.begin(), c.before.end());
        expected.push_back(plainDraw(2));
        expected.push_back("device1.SetRenderState(152, 0)");  // also under the tiling variant
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        expected.push_back("device1.SetRenderTarget(backbuffer1, depth1)");
        EXPECT_EQ(runtime.log.lines(), expected);
    }
}

TEST_F(DrawDeferralTest, TheFogOffPhaseEndsAtTheFirstLargeDrawThatIsNotAMirrorDraw) {
    effectState.waterColor = {0.5f, 0.5f, 0.5f};
    struct Case {
        const char* name;
        float marker;
        UINT primitives;
        bool phaseAfter;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"12 primitives", 1.0f, 12, true, plus(reflectionDraw(12, false, false, false), plainDraw(12))},
        {"13 primitives", 1.0f, 13, false, {plainDraw(13)}},
        {"13 under a redirect marker", 500.0f, 13, false, {plainDraw(13)}},
        {"13 as a mirror draw", -1500.0f, 13, true, reflectionDraw(13, true, true, true)},
        {"13 as water", 250.0f, 13, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fogOff();
        setWorld(c.marker);
        runtime.log.clear();
        EXPECT_EQ(draw(c.primitives), D3D_OK);
        EXPECT_EQ(drawLog(), c.calls);
        EXPECT_EQ(effectState.fogOffPhase, c.phaseAfter);
        EXPECT_EQ(effectState.redirectToReflection, c.phaseAfter);
        effectState.mirrorDraw = false;
    }
    EXPECT_EQ(effectState.deferredDrawCount, 1);
}

TEST_F(DrawDeferralTest, ARedirectedDrawReturnsTheResultOfItsLastRealDraw) {
    effectState.waterColor = {0.5f, 0.5f, 0.5f};
    setWorld(500.0f);
    runtime.scripts.once("DrawIndexedPrimitive", D3DERR_INVALIDCALL);
    EXPECT_EQ(draw(), D3DERR_INVALIDCALL);  // the reflection draw alone
    fogOff();
    runtime.scripts.once("DrawIndexedPrimitive", D3DERR_INVALIDCALL);
    EXPECT_EQ(draw(), D3D_OK);  // the second draw's result
    runtime.scripts.once("DrawIndexedPrimitive", D3DERR_DEVICELOST, 1);
    EXPECT_EQ(draw(), D3DERR_DEVICELOST);
}

TEST_F(DrawDeferralTest, APendingMirrorDrawSurvivesPlainAndQueuedDraws) {
    effectState.waterColor = {0.5f, 0.5f, 0.5f};
    setWorld(-1500.0f);
    setWorld(1.0f);  // clears redirection; the mirror draw stays pending
    EXPECT_EQ(draw(), D3D_OK);
    setWorld(250.0f);
    EXPECT_EQ(draw(), D3D_OK);
    setWorld(500.0f);
    setWorld(250.0f);  // water again: still queued, mirror still pending
    EXPECT_EQ(draw(), D3D_OK);
    EXPECT_TRUE(effectState.mirrorDraw);
    setWorld(500.0f);
    effectState.queueAsWater = false;
    runtime.log.clear();
    draw();
    EXPECT_EQ(runtime.log.lines(), reflectionDraw(2, true, true, true));
    EXPECT_EQ(effectState.deferredDrawCount, 2);
}

TEST_F(DrawDeferralTest, AWaterDrawIsQueuedWithTheCurrentBindingsAndMatricesWithoutADeviceCall) {
    IDirect3DVertexBuffer8* vertices = nullptr;
    IDirect3DIndexBuffer8* indices = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(96, 0, 0, D3DPOOL_MANAGED, &vertices), D3D_OK);
    ASSERT_EQ(device->CreateIndexBuffer(12, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices), D3D_OK);
    device->SetStreamSource(0, vertices, 24);
    device->SetIndices(indices, 5);
    D3DMATRIX projection{};
    projection._11 = 2.0f;
    device->SetTransform(D3DTS_PROJECTION, &projection);
    setWorld(-250.0f, 3.0f);
    runtime.log.clear();
    EXPECT_EQ(device->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 1, 2, 3, 4), D3D_OK);
    EXPECT_EQ(runtime.log.without({"AddRef"}), std::vector<std::string>{});
    ASSERT_EQ(effectState.deferredDrawCount, 1);
    const DeferredWaterDraw& entry = effectState.deferredDraws[0];
    EXPECT_EQ(entry.vertexBuffer, vertices);
    EXPECT_EQ(entry.indexBuffer, indices);
    EXPECT_EQ(entry.stride, 24u);
    EXPECT_EQ(entry.baseVertexIndex, 5u);
    EXPECT_EQ(std::vector<UINT>({entry.minIndex, entry.numVertices, entry.startIndex, entry.primitiveCount}),
              std::vector<UINT>({1, 2, 3, 4}));
    EXPECT_EQ(entry.world._11, -250.0f);
    EXPECT_EQ(entry.world._22, 3.0f);
    EXPECT_EQ(entry.projection._11, 2.0f);

    // The entry keeps its buffers alive when the game lets go of them.
    device->SetStreamSource(0, nullptr, 0);
    device->SetIndices(nullptr, 0);
    vertices->Release();
    indices->Release();
    EXPECT_TRUE(runtime.objectAt(vertices)->alive());
    EXPECT_TRUE(runtime.objectAt(indices)->alive());
    device->TestCooperativeLevel();
    EXPECT_FALSE(runtime.objectAt(vertices)->alive());
    EXPECT_FALSE(runtime.objectAt(indices)->alive());
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(DrawDeferralTest, AWaterDrawThatFindsTheQueueFullIsDrawnAtOnce) {
    setWorld(250.0f);
    for (int i = 0; i < 50; ++i) ASSERT_EQ(draw(), D3D_OK);
    runtime.log.clear();
    runtime.scripts.once("DrawIndexedPrimitive", D3DERR_INVALIDCALL);
    EXPECT_EQ(draw(7), D3DERR_INVALIDCALL);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{plainDraw(7)});
    EXPECT_EQ(effectState.deferredDrawCount, 50);
}

TEST_F(DrawDeferralTest, WhileTheEffectsObjectsAreGivenBackEveryDrawPassesThrough) {
    device->TestCooperativeLevel();
    for (float marker : {250.0f, 500.0f, -1500.0f}) {
        setWorld(marker);
        runtime.log.clear();
        EXPECT_EQ(draw(), D3D_OK);
        EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{plainDraw(2)});
    }
    EXPECT_EQ(effectState.deferredDrawCount, 0);
    EXPECT_TRUE(runtime.violations().empty());
}

// The colour probe, run by a fog-off-phase draw with depth off through a 256-wide texture.
class ColourProbeTest : public DrawDeferralTest {
protected:
    void SetUp() override {
        DrawDeferralTest::SetUp();
        probeTexture = makeTexture(256);
        device->SetTexture(0, probeTexture);
    }

    void probe(const D3DMATRIX& world) {
        fogOff();
        device->SetTransform(D3DTS_WORLD, &world);
        runtime.log.clear();
        draw();
    }

    static D3DMATRIX scaled(float x, float y, float z, float angle = 0.0f) {
        // A rotation about y, then the scale along the object's own axes.
        const float c = std::cos(angle), s = std::sin(angle);
        D3DMATRIX m{};
        m._11 = x * c, m._13 = -x * s;
        m._22 = y;
        m._31 = z * s, m._33 = z * c;
        m._44 = 1.0f;
        return m;
    }

    std::string variant() const {
        const EffectState& s = effectState;
        return std::string(s.brightVariant ? "bright" : "") + (s.sunsetVariant ? "sunset" : "") +
               (s.tilingVariant ? "tiling" : "") + (s.noFogVariant ? "noFog" : "");
    }

    IDirect3DTexture8* probeTexture = nullptr;
};

TEST_F(ColourProbeTest, TheWorldScaleCarriesTheColourAndPicksOneVariant) {
    struct Case {
        float x, y, z;
        const char* variant;
        WaterColor colour;
    };
    const Case cases[] = {
        {1.75f, 1.5f, 1.25f, "bright", {0.25f, 0.5f, 0.25f}},
        {1.0f, 1.0f, 1.0f, "sunset", {0.125f, 0.118f, 0.098f}},
        {1.25f, 1.5f, 1.0f, "tiling", {0.25f, 0.5f, 0.0f}},
        {1.25f, 1.0f, 1.5f, "noFog", {0.25f, 0.0f, 0.5f}},
        {1.0f, 1.5f, 1.5f, "", {0.0f, 0.5f, 0.5f}},
    };
    for (float angle : {0.0f, 0.7f}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << c.x << " " << c.y << " " << c.z << " angle " << angle);
            probe(scaled(c.x, c.y, c.z, angle));
            EXPECT_EQ(variant(), c.variant);
            EXPECT_NEAR(effectState.waterColor.r, c.colour.r, 1e-6);
            EXPECT_NEAR(effectState.waterColor.g, c.colour.g, 1e-6);
            EXPECT_NEAR(effectState.waterColor.b, c.colour.b, 1e-6);
            // Drawn into the reflection without the clip plane, then into the game's target.
            EXPECT_EQ(runtime.log.only({"SetRenderTarget", "DrawIndexedPrimitive", "SetClipPlane"}),
                      (std::vector<std::string>{"device1.SetRenderTarget(texture30.level0, surface1)", plainDraw(2),
                                                "device1.SetRenderTarget(backbuffer1, depth1)", plainDraw(2)}));
        }
    }
}

TEST_F(ColourProbeTest, AChannelOfTheFloatNearestTheThresholdIsNotZero) {
    // 1 + 8389 ulp gives 0.00100004673 (above the double 0.001); 8388 ulp gives 0.000999927.
    const float justAbove = 1.0f + 8389.0f / 8388608.0f;
    const float justBelow = 1.0f + 8388.0f / 8388608.0f;
    probe(scaled(justAbove, 1.0f, 1.0f));
    EXPECT_EQ(variant(), "tiling");
    probe(scaled(justBelow, 1.0f, 1.0f));
    EXPECT_EQ(variant(), "sunset");
    EXPECT_FALSE(probeChannelIsZero(0.001f));
    EXPECT_TRUE(probeChannelIsZero(std::nextafter(0.001f, 0.0f)));
}

TEST_F(ColourProbeTest, TheProbeLeavesItsResultsAloneWhereItMustNotRun) {
    probe(scaled(1.75f, 1.5f, 1.25f));
    ASSERT_EQ(variant(), "bright");
    IDirect3DTexture8* cube = makeTexture(256);
    static_cast<fake::FakeTexture*>(cube)->type = D3DRTYPE_CUBETEXTURE;
    struct Case {
        const char* name;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"512 wide", [&] { device->SetTexture(0, makeTexture(512)); }},
        {"depth on", [&] { device->SetRenderState(D3DRS_ZENABLE, 1); }},
        {"no texture", [&] { device->SetTexture(0, nullptr); }},
        {"not a 2D texture", [&] { device->SetTexture(0, cube); }},
        {"level 0 refused", [&] { runtime.scripts.once("GetSurfaceLevel", D3DERR_INVALIDCALL); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        device->SetTexture(0, probeTexture);
        device->SetRenderState(D3DRS_ZENABLE, 0);
        c.arrange();
        probe(scaled(1.0f, 1.0f, 1.0f));
        EXPECT_EQ(variant(), "bright");
        EXPECT_EQ(effectState.waterColor.r, 0.25f);
        EXPECT_EQ(drawLog(), plus(reflectionDraw(2, false, false, false), plainDraw(2)));
    }
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(ColourProbeTest, TheProbeGivesBackTheLevelItTook) {
    ULONG before = runtime.objectAt(probeTexture)->references();
    probe(scaled(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(runtime.objectAt(probeTexture)->references(), before);
    EXPECT_EQ(masked(runtime.log.only({"GetType", "GetSurfaceLevel", "GetDesc", "Release"})),
              (std::vector<std::string>{"texture31.GetType()", "texture31.GetSurfaceLevel(0, ptr)",
                                        "texture31.level0.GetDesc(ptr)", "texture31.level0.Release()"}));
}

TEST_F(ColourProbeTest, AProbedTextureTheGameReleasesIsStillSafeToProbe) {
    device->SetTexture(0, probeTexture);
    probeTexture->Release();   // the game's own reference
    device->ApplyStateBlock(0);  // a binding change the library does not see
    runtime.device()->impl_SetTexture(0, nullptr);
    probe(scaled(1.75f, 1.5f, 1.25f));
    EXPECT_EQ(variant(), "bright");
    EXPECT_TRUE(runtime.violations().empty());
}

}  // namespace
}  // namespace d3d8water::testing
