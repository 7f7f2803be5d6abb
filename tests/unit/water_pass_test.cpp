// The deferred water pass: set-up, every queued draw with its calls on the
// receiver they belong to, the shader choice and its lines, the constant
// registers bit for bit, and the wind-down that puts the game's state back.
#include <limits>
#include <optional>
#include <set>

#include "water_pass_fixture.h"

namespace d3d8water::testing {
namespace {

const std::string colourLine = "waterColor: 0.25, 0.5, 0.75\n";

TEST_F(WaterPassTest, AnEmptyQueueMakesOnlyTheSetUpAndWindDownCalls) {
    const DWORD gameShader = D3DFVF_XYZ | D3DFVF_DIFFUSE;
    device->SetVertexShader(gameShader);
    device->SetPixelShader(effectState.brightPixelShader);
    IDirect3DBaseTexture8* bound = makeTexture(64);
    device->SetTexture(0, bound);
    runPass();
    EXPECT_EQ(runtime.log.lines(), joined({setUpCalls(), windDownCalls(gameShader, 1)}));
    EXPECT_EQ(takeOutput(), "");
    EXPECT_EQ(effectState.lastBoundTexture, bound);
    EXPECT_EQ(runtime.device()->vertexShader(), gameShader);
    EXPECT_EQ(runtime.device()->pixelShader(), 0u);  // the game's pixel shader is not put back
}

TEST_F(WaterPassTest, TwoEntriesAreDrawnInQueueOrderWithAllTheirMessages) {
    os::native::doubles().clock = 7 * 33;
    device->BeginScene();
    const WaterDraw first = waterDraw(1), second = waterDraw(2), game = waterDraw(3);
    queue(first);
    queue(second);
    device->SetStreamSource(1, game.vertices, 40);
    device->SetIndices(game.indices, 9);
    const EffectState before = effectState;

    runPass();
    EXPECT_EQ(passCalls(), joined({setUpCalls(), entryCalls(first, effectState.waterPixelShader),
                                   entryCalls(second, effectState.waterPixelShader), windDownCalls(0, 1)}));
    EXPECT_EQ(takeOutput(), "PS\n" + colourLine + "PS\n" + colourLine);
    EXPECT_EQ(effectState.deferredDrawCount, 0);
    // The textures went through the interceptor; the stream, indices and render
    // states went to the device, so the game's recorded ones are still there.
    EXPECT_EQ(effectState.lastBoundTexture, static_cast<IDirect3DBaseTexture8*>(effectState.normalMaps[7]));
    EXPECT_EQ(effectState.currentVertexBuffer, game.vertices);
    EXPECT_EQ(effectState.currentStride, 40u);
    EXPECT_EQ(effectState.currentIndexBuffer, game.indices);
    EXPECT_EQ(effectState.currentBaseVertexIndex, 9u);
    EXPECT_EQ(effectState.gameFogEnable, before.gameFogEnable);
    EXPECT_EQ(effectState.fogOffPhase, before.fogOffPhase);
    EXPECT_EQ(effectState.redirectToReflection, before.redirectToReflection);
    EXPECT_EQ(runtime.device()->stream(0), std::make_pair(second.vertices, second.stride));
    EXPECT_EQ(runtime.device()->texture(0), static_cast<IDirect3DBaseTexture8*>(effectState.reflectionTexture));
    EXPECT_EQ(runtime.device()->textureStageState(0, D3DTSS_ADDRESSU), static_cast<DWORD>(D3DTADDRESS_WRAP));
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(WaterPassTest, EveryCallGoesToTheReceiverThePassGivesIt) {
    const WaterDraw entry = waterDraw(1);
    queue(entry);
    auto* interceptor = runtime.make<RecordingInterceptor>("interceptor");
    runtime.log.clear();
    drawDeferredWater(interceptor);
    EXPECT_EQ(masked(runtime.log.lines()),
              joined({setUpCalls(), entryCalls(entry, effectState.waterPixelShader, false, "interceptor"),
                      windDownCalls(0, 1, "interceptor"), {"vb1.Release()", "ib1.Release()"}}));
}

TEST_F(WaterPassTest, TheConstantsComeFromTheEntrysMatricesAndTheViewOfThePass) {
    const D3DMATRIX viewAtQueueing = matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1});
    // A camera at (-8, 2, 3), turned a quarter about y.
    const D3DMATRIX viewAtPass = matrix({0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 3, -2, 8, 1});
    WaterDraw entry = waterDraw(0);
    entry.world = matrix({250, 0, 0, 0, 0, 2, 1, 0, 0, 0, 4, 0, 5, 6, 7, 1});
    entry.projection = matrix({2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1, 1, 0, 0, -1, 0});
    device->SetTransform(D3DTS_VIEW, &viewAtQueueing);
    queue(entry);
    // The game moves on: a new view, world and projection before the pass.
    device->SetTransform(D3DTS_VIEW, &viewAtPass);
    setWorld(1.0f, 7.0f, 7.0f);
    device->SetTransform(D3DTS_PROJECTION, &viewAtQueueing);
    device->SetRenderState(D3DRS_FOGCOLOR, 0xFF8040C0);
    runPass();

    // c0-c3: the transpose of world x view x projection.
    EXPECT_EQ(vertexRegister(0), (std::vector<float>{0, -2, -8, -8}));
    EXPECT_EQ(vertexRegister(1), (std::vector<float>{0, 6, 0, 12}));
    EXPECT_EQ(vertexRegister(2), (std::vector<float>{250, 0, 0, 12}));
    EXPECT_EQ(vertexRegister(3), (std::vector<float>{250, 0, 0, 13}));
    // c4-c7: the transpose of the world.
    EXPECT_EQ(vertexRegister(4), (std::vector<float>{250, 0, 0, 5}));
    EXPECT_EQ(vertexRegister(5), (std::vector<float>{0, 2, 0, 6}));
    EXPECT_EQ(vertexRegister(6), (std::vector<float>{0, 1, 4, 7}));
    EXPECT_EQ(vertexRegister(7), (std::vector<float>{0, 0, 0, 1}));
    EXPECT_EQ(vertexRegister(12), (std::vector<float>{-8, 2, 3, 1}));  // the camera of the new view
    EXPECT_EQ(uploadsTo(false, 10), std::vector<Bits>{Bits(4, 0x3F000000)});
    EXPECT_EQ(uploadsTo(false, 11), std::vector<Bits>{Bits(4, 0x3DCCCCCD)});
    EXPECT_EQ(uploadsTo(true, 2), (std::vector<Bits>{{0x3E800000, 0x3F000000, 0x3F400000, 0x3F800000}}));
    EXPECT_EQ(uploadsTo(true, 5), (std::vector<Bits>{{0x3F008081, 0x3E808081, 0x3F40C0C2, 0x3F800000}}));

    // Exactly these registers, in this order, and nothing else.
    std::vector<std::pair<bool, DWORD>> registers;
    for (const fake::ConstantUpload& upload : runtime.device()->constantUploads())
        registers.emplace_back(upload.pixel, upload.reg);
    EXPECT_EQ(registers, (std::vector<std::pair<bool, DWORD>>{
                             {false, 0}, {false, 4}, {false, 10}, {false, 11}, {false, 12}, {true, 2}, {true, 5}}));
}

TEST_F(WaterPassTest, TheFogColourConstantScalesEachByteOnceAndIgnoresAlpha) {
    struct Case {
        D3DCOLOR fog;
        Bits c5;
    };
    const Case cases[] = {
        {0xFF8040C0, {0x3F008081, 0x3E808081, 0x3F40C0C2, 0x3F800000}},  // 128 k, 64 k, 192 k
        {0x00FFFFFF, {0x3F800000, 0x3F800000, 0x3F800000, 0x3F800000}},
        {0x7F000001, {0, 0, 0x3B808081, 0x3F800000}},
        {0xFFFFFFFF, {0x3F800000, 0x3F800000, 0x3F800000, 0x3F800000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.fog);
        device->SetRenderState(D3DRS_FOGCOLOR, c.fog);
        queue(waterDraw(1));
        runPass();
        EXPECT_EQ(bitsOf(runtime.device()->pixelConstant(5)), c.c5);
    }
}

TEST_F(WaterPassTest, TheCameraIsAtTheOriginWhenTheViewHasNoInverse) {
    struct Case {
        const char* name;
        bool setView;
        D3DMATRIX view;
        std::vector<float> c12;
    };
    const Case cases[] = {
        {"no view set yet", false, {}, {0, 0, 0, 1}},
        {"singular", true, matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 4, 5, 6, 1}), {0, 0, 0, 1}},
        {"holds a NaN", true,
         matrix({std::numeric_limits<float>::quiet_NaN(), 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 4, 5, 6, 1}), {0, 0, 0, 1}},
        {"a translation", true, matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 4, 5, 6, 1}), {-4, -5, -6, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.setView) device->SetTransform(D3DTS_VIEW, &c.view);
        // A camera left over from an earlier draw must not show through.
        std::fill(std::begin(effectState.cameraPositionConstant), std::end(effectState.cameraPositionConstant), 9.0f);
        queue(waterDraw(1));
        runPass();
        EXPECT_EQ(vertexRegister(12), c.c12);
    }
}

TEST_F(WaterPassTest, ThePixelShaderFollowsTheProbesResultInRuleOrder) {
    const EffectState& s = effectState;
    struct Case {
        const char* name;
        bool sunset, bright;
        float red;
        std::string message;
        const DWORD& shader;
        std::string redText;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"sunset over dark", true, false, 0.0f, "sunset\n", s.sunsetPixelShader, "0"},
        {"sunset over bright", true, true, 0.25f, "sunset\n", s.sunsetPixelShader, "0.25"},
        {"dark over bright", false, true, 0.0005f, "x8\n", s.nightPixelShader, "0.0005"},
        {"negative red is dark", false, false, -0.25f, "x8\n", s.nightPixelShader, "-0.25"},
        {"red exactly 0.001f is not dark", false, true, 0.001f, "x2\n", s.brightPixelShader, "0.001"},
        {"bright", false, true, 0.25f, "x2\n", s.brightPixelShader, "0.25"},
        {"NaN red is not dark", false, false, nan, "PS\n", s.waterPixelShader, "nan"},
        {"plain", false, false, 0.001f, "PS\n", s.waterPixelShader, "0.001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        effectState.sunsetVariant = c.sunset;
        effectState.brightVariant = c.bright;
        effectState.waterColor = {c.red, 0.5f, 0.75f};
        queue(waterDraw(1));
        queue(waterDraw(2));
        runPass();
        EXPECT_EQ(runtime.log.only({"SetPixelShader"}),
                  (std::vector<std::string>{"device1.SetPixelShader(" + number(c.shader) + ")",
                                            "device1.SetPixelShader(" + number(c.shader) + ")",
                                            "device1.SetPixelShader(0)"}));
        const std::string line = "waterColor: " + c.redText + ", 0.5, 0.75\n";
        EXPECT_EQ(takeOutput(), c.message + line + c.message + line);
    }
    const std::set<DWORD> shaders = {s.waterPixelShader, s.nightPixelShader, s.brightPixelShader, s.sunsetPixelShader};
    EXPECT_EQ(shaders.size(), 4u) << "each rule names a shader of its own";
}

TEST_F(WaterPassTest, TheTilingAndNoFogVariantsWriteTheirLineForEveryDraw) {
    struct Case {
        const char* name;
        bool tiling, noFog;
        std::uint32_t c11;
        std::string message;
    };
    const Case cases[] = {
        {"tiling", true, false, 0x3D4CCCCD, "tiling changed\n"},
        {"no fog", false, true, 0x3DCCCCCD, "noFog\n"},
        {"neither", false, false, 0x3DCCCCCD, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        effectState.tilingVariant = c.tiling;
        effectState.noFogVariant = c.noFog;
        const WaterDraw first = waterDraw(1), second = waterDraw(2);
        queue(first);
        queue(second);
        runPass();
        EXPECT_EQ(passCalls(), joined({setUpCalls(), entryCalls(first, effectState.waterPixelShader, c.tiling),
                                       entryCalls(second, effectState.waterPixelShader, c.tiling),
                                       windDownCalls(0, 1)}));
        EXPECT_EQ(uploadsTo(false, 11), (std::vector<Bits>{Bits(4, c.c11), Bits(4, c.c11)}));
        EXPECT_EQ(takeOutput(), "PS\n" + c.message + colourLine + "PS\n" + c.message + colourLine);
    }
}

TEST_F(WaterPassTest, FogIsSwitchedOffForThePassAndBackToTheGamesValue) {
    const std::pair<const char*, std::optional<DWORD>> cases[] = {
        {"never set: the initial 1", std::nullopt}, {"off", 0}, {"on", 1}, {"a non-zero value other than 1", 5}};
    for (const auto& [name, fog] : cases) {
        SCOPED_TRACE(name);
        if (fog) device->SetRenderState(D3DRS_FOGENABLE, *fog);
        const DWORD restored = fog.value_or(1);
        queue(waterDraw(1));
        runPass();
        EXPECT_EQ(runtime.log.only({"SetRenderState"}),
                  (std::vector<std::string>{"device1.SetRenderState(28, 0)", "device1.SetRenderState(153, 0)",
                                            "device1.SetRenderState(28, " + number(restored) + ")"}));
        EXPECT_EQ(effectState.gameFogEnable, restored);
    }
}

TEST_F(WaterPassTest, AFailingShaderCallIsReportedAndTheDrawGoesOn) {
    effectState.brightVariant = true;
    effectState.tilingVariant = true;
    const std::string error = "Error setting pixel shader\n";
    struct Case {
        const char* name;
        std::vector<const char*> failing;
        std::string output;
    };
    const Case cases[] = {
        {"vertex shader", {"SetVertexShader"}, error + "x2\ntiling changed\n"},
        {"pixel shader", {"SetPixelShader"}, "x2\n" + error + "tiling changed\n"},
        {"both", {"SetVertexShader", "SetPixelShader"}, error + "x2\n" + error + "tiling changed\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* method : c.failing) runtime.scripts.once(method, D3DERR_INVALIDCALL);
        const WaterDraw entry = waterDraw(1);
        queue(entry);
        runPass();
        EXPECT_EQ(takeOutput(), c.output + colourLine);
        EXPECT_EQ(passCalls(), joined({setUpCalls(), entryCalls(entry, effectState.brightPixelShader, true),
                                       windDownCalls(0, 1)}));
    }
}

TEST_F(WaterPassTest, TheEntriesGiveTheirBufferReferencesBack) {
    const WaterDraw entry = waterDraw(1);
    device->SetStreamSource(0, entry.vertices, entry.stride);
    device->SetIndices(entry.indices, 0);
    const ULONG vertices = runtime.objectAt(entry.vertices)->references();
    const ULONG indices = runtime.objectAt(entry.indices)->references();
    queue(entry);
    queue(entry);
    EXPECT_EQ(runtime.objectAt(entry.vertices)->references(), vertices + 2);
    EXPECT_EQ(runtime.objectAt(entry.indices)->references(), indices + 2);
    runPass();
    EXPECT_EQ(runtime.objectAt(entry.vertices)->references(), vertices);
    EXPECT_EQ(runtime.objectAt(entry.indices)->references(), indices);
}

TEST_F(WaterPassTest, ABufferTheGameReleasesWhileItIsQueuedIsStillThereForThePass) {
    const WaterDraw entry = waterDraw(1), other = waterDraw(2);
    queue(entry);
    // The game binds other buffers and lets go of the queued ones.
    device->SetStreamSource(0, other.vertices, other.stride);
    device->SetIndices(other.indices, 0);
    entry.vertices->Release();
    entry.indices->Release();
    device->SetRenderState(D3DRS_ZENABLE, 1);
    runtime.log.clear();
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    EXPECT_TRUE(runtime.violations().empty());
    EXPECT_EQ(runtime.log.only({"SetStreamSource", "SetIndices", "DrawIndexedPrimitive"}),
              (std::vector<std::string>{"device1.SetStreamSource(0, vb1, 20)", "device1.SetIndices(ib1, 1)",
                                        "device1.DrawIndexedPrimitive(4, 1, 9, 3, 3)"}));
    // Once the device lets go of them too, nothing holds them any more.
    device->SetStreamSource(0, other.vertices, other.stride);
    device->SetIndices(other.indices, 0);
    EXPECT_FALSE(runtime.objectAt(entry.vertices)->alive());
    EXPECT_FALSE(runtime.objectAt(entry.indices)->alive());
}

TEST_F(WaterPassTest, TheReflectionThePassLeavesOnStage0DoesNotBlockAReset) {
    device->SetRenderState(D3DRS_ZENABLE, 1);
    IDirect3DBaseTexture8* gameTexture = makeTexture(64);
    for (bool gameRebinds : {false, true}) {
        SCOPED_TRACE(gameRebinds ? "the game has bound stage 0 since" : "the reflection still on stage 0");
        queue(waterDraw(1));
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
        if (gameRebinds) device->SetTexture(0, gameTexture);
        device->TestCooperativeLevel();
        EXPECT_EQ(runtime.device()->texture(0), gameRebinds ? gameTexture : nullptr);
        D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
        EXPECT_EQ(device->Reset(&params), D3D_OK);
    }
    EXPECT_TRUE(runtime.violations().empty());
}

}  // namespace
}  // namespace d3d8water::testing
