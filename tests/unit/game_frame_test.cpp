// One whole game frame through the library, as a game draws it: the sky in
// the fog-off phase carrying the water colour, a mirror draw, a reflected
// draw, two water surfaces held back until blending goes on, then the rest of
// the frame. Every call that reaches the device and every line the library
// writes is checked, in order.
#include <gmock/gmock.h>

#include "effect_fixture.h"

namespace d3d8water::testing {
namespace {

class GameFrameTest : public EffectTest {
protected:
    void SetUp() override {
        EffectTest::SetUp();
        runtime.name(effectState.waterColorConstant, "waterColorConstant");
        named(view, "view", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, -20, 50, 1});
        named(projection, "projection", {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1, 1, 0, 0, -1, 0});
        // The sky object's scale carries the water colour (0.25, 0.5, 0.75).
        named(skyWorld, "skyWorld", {1.25f, 0, 0, 0, 0, 1.5f, 0, 0, 0, 0, 1.75f, 0, 0, 0, 0, 1});
        named(plainWorld, "plainWorld", {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        named(mirrorWorld, "mirrorWorld", {-1500, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        named(reflectedWorld, "reflectedWorld", {500, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        named(waterWorld1, "waterWorld1", {250, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        named(waterWorld2, "waterWorld2", {-300, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 10, 0, 0, 1});
        skyTexture = makeTexture(256);     // texture31
        groundTexture = makeTexture(128);  // texture32
        ASSERT_EQ(device->CreateVertexBuffer(960, 0, 0, D3DPOOL_MANAGED, &sceneVertices), D3D_OK);  // vb1
        ASSERT_EQ(device->CreateIndexBuffer(600, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &sceneIndices), D3D_OK);
        ASSERT_EQ(device->CreateVertexBuffer(256, 0, 0, D3DPOOL_MANAGED, &waterVertices), D3D_OK);  // vb2
        ASSERT_EQ(device->CreateIndexBuffer(96, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &waterIndices), D3D_OK);
        runtime.log.clear();
    }

    void named(D3DMATRIX& m, const char* name, std::initializer_list<float> rows) {
        std::copy(rows.begin(), rows.end(), &m._11);
        runtime.name(&m, name);
    }

    D3DMATRIX view{}, projection{}, skyWorld{}, plainWorld{}, mirrorWorld{}, reflectedWorld{}, waterWorld1{},
        waterWorld2{};
    IDirect3DTexture8* skyTexture = nullptr;
    IDirect3DTexture8* groundTexture = nullptr;
    IDirect3DVertexBuffer8* sceneVertices = nullptr;
    IDirect3DIndexBuffer8* sceneIndices = nullptr;
    IDirect3DVertexBuffer8* waterVertices = nullptr;
    IDirect3DIndexBuffer8* waterIndices = nullptr;
};

// The calls of one queued water entry in the pass: texture30 is the reflection,
// texture2 normal-map frame 1, 0x10004 the water vertex shader and 0x10000 the
// plain water pixel shader.
std::vector<std::string> waterEntry(const std::string& previousTexture, const std::string& draw) {
    return {"device1.SetStreamSource(0, vb2, 16)",
            "device1.SetIndices(ib2, 4)",
            "texture30.AddRef()",
            previousTexture + ".Release()",
            "device1.SetTexture(0, texture30)",
            "texture2.AddRef()",
            "texture30.Release()",
            "device1.SetTexture(1, texture2)",
            "device1.SetTextureStageState(0, 13, 3)",
            "device1.SetTextureStageState(0, 14, 3)",
            "device1.SetVertexShader(0x10004)",
            "device1.SetPixelShader(0x10000)",
            "device1.SetVertexShaderConstant(0, ptr, 4)",
            "device1.SetVertexShaderConstant(4, ptr, 4)",
            "device1.SetVertexShaderConstant(10, halfConstant, 1)",
            "device1.SetVertexShaderConstant(11, tilingConstant, 1)",
            "device1.SetVertexShaderConstant(12, cameraPositionConstant, 1)",
            "device1.SetPixelShaderConstant(2, waterColorConstant, 1)",
            "device1.SetPixelShaderConstant(5, fogColorConstant, 1)",
            draw};
}

TEST_F(GameFrameTest, AWholeFrameReachesTheDeviceAndTheOutputExactlyAsExpected) {
    const DWORD gameShader = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;  // 322
    os::native::doubles().clock = 1000;  // normal-map frame (1000 / 33) mod 29 = 1

    std::vector<HRESULT> results;
    auto game = [&](HRESULT result) { results.push_back(result); };
    // Frame start: camera, depth off for the sky, the game's fog colour.
    game(device->BeginScene());
    game(device->SetVertexShader(gameShader));
    game(device->SetTransform(D3DTS_VIEW, &view));
    game(device->SetTransform(D3DTS_PROJECTION, &projection));
    game(device->SetRenderState(D3DRS_ZENABLE, 0));
    game(device->SetRenderState(D3DRS_FOGCOLOR, 0xFF8040C0));
    // The fog-off phase: the sky through a 256-wide texture, its scale read by the probe.
    game(device->SetRenderState(D3DRS_FOGENABLE, 0));
    game(device->SetTexture(0, skyTexture));
    game(device->SetStreamSource(0, sceneVertices, 24));
    game(device->SetIndices(sceneIndices, 0));
    game(device->SetTransform(D3DTS_WORLD, &skyWorld));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2));
    // The ground: more than 12 primitives end the phase; then fog on again.
    game(device->SetTexture(0, groundTexture));
    game(device->SetTransform(D3DTS_WORLD, &plainWorld));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 100, 0, 200));
    game(device->SetRenderState(D3DRS_FOGENABLE, 1));
    // A mirror draw and a reflected draw: into the reflection only.
    game(device->SetTransform(D3DTS_WORLD, &mirrorWorld));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2));
    game(device->SetTransform(D3DTS_WORLD, &reflectedWorld));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 8, 0, 6));
    // Two water surfaces: held back.
    game(device->SetStreamSource(0, waterVertices, 16));
    game(device->SetIndices(waterIndices, 4));
    game(device->SetTransform(D3DTS_WORLD, &waterWorld1));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, 0, 10, 0, 8));
    game(device->SetTransform(D3DTS_WORLD, &waterWorld2));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 10, 6, 24, 4));
    // Depth on, then blending on: the water is drawn before the game's call goes on.
    game(device->SetRenderState(D3DRS_ZENABLE, 1));
    game(device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1));
    // The rest of the frame.
    game(device->SetTexture(0, groundTexture));
    game(device->SetStreamSource(0, sceneVertices, 24));
    game(device->SetIndices(sceneIndices, 0));
    game(device->SetTransform(D3DTS_WORLD, &plainWorld));
    game(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2));
    game(device->SetRenderState(D3DRS_ALPHABLENDENABLE, 0));
    game(device->EndScene());
    game(device->Present(nullptr, nullptr, nullptr, nullptr));

    std::vector<std::string> expected = {
        // Frame start.
        "device1.BeginScene()",
        "device1.SetVertexShader(322)",
        "device1.SetTransform(2, view)",
        "device1.SetTransform(3, projection)",
        "device1.SetRenderState(7, 0)",
        "device1.SetRenderState(34, 0xFF8040C0)",
        // The sky: into the reflection (depth cleared first in the frame, fog
        // off around it while the water colour is still dark), the probe, then
        // into the game's target.
        "device1.SetRenderState(28, 0)",
        "texture31.AddRef()",
        "device1.SetTexture(0, texture31)",
        "vb1.AddRef()",
        "device1.SetStreamSource(0, vb1, 24)",
        "ib1.AddRef()",
        "device1.SetIndices(ib1, 0)",
        "device1.SetTransform(256, skyWorld)",
        "device1.SetRenderTarget(texture30.level0, surface1)",
        "device1.Clear(0, null, 2, 0xFFFFFFFF, 1, 0)",
        "device1.SetRenderState(28, 0)",
        "device1.DrawIndexedPrimitive(4, 0, 4, 0, 2)",
        "device1.SetRenderState(28, 0)",
        "device1.SetRenderTarget(backbuffer1, depth1)",
        "texture31.GetType()",
        "texture31.GetSurfaceLevel(0, ptr)",
        "texture31.level0.GetDesc(ptr)",
        "texture31.level0.Release()",
        "device1.DrawIndexedPrimitive(4, 0, 4, 0, 2)",
        // The ground ends the phase and is drawn plainly.
        "texture32.AddRef()",
        "texture31.Release()",
        "device1.SetTexture(0, texture32)",
        "device1.SetTransform(256, plainWorld)",
        "device1.DrawIndexedPrimitive(4, 0, 100, 0, 200)",
        "device1.SetRenderState(28, 1)",
        // The mirror draw: additive blending and the clip plane, reflection only.
        "device1.SetTransform(256, mirrorWorld)",
        "device1.SetRenderTarget(texture30.level0, surface1)",
        "device1.SetRenderState(27, 1)",
        "device1.SetRenderState(19, 2)",
        "device1.SetRenderState(20, 2)",
        "device1.SetClipPlane(0, clipPlane)",
        "device1.SetRenderState(152, 1)",
        "device1.DrawIndexedPrimitive(4, 0, 4, 0, 2)",
        "device1.SetRenderState(19, 5)",
        "device1.SetRenderState(20, 6)",
        "device1.SetRenderState(27, 0)",
        "device1.SetRenderState(152, 0)",
        "device1.SetRenderTarget(backbuffer1, depth1)",
        // The reflected draw: the clip plane, reflection only.
        "device1.SetTransform(256, reflectedWorld)",
        "device1.SetRenderTarget(texture30.level0, surface1)",
        "device1.SetClipPlane(0, clipPlane)",
        "device1.SetRenderState(152, 1)",
        "device1.DrawIndexedPrimitive(4, 0, 8, 0, 6)",
        "device1.SetRenderState(152, 0)",
        "device1.SetRenderTarget(backbuffer1, depth1)",
        // Two water draws queued, each holding its buffers.
        "vb2.AddRef()",
        "vb1.Release()",
        "device1.SetStreamSource(0, vb2, 16)",
        "ib2.AddRef()",
        "ib1.Release()",
        "device1.SetIndices(ib2, 4)",
        "device1.SetTransform(256, waterWorld1)",
        "vb2.AddRef()",
        "ib2.AddRef()",
        "device1.SetTransform(256, waterWorld2)",
        "vb2.AddRef()",
        "ib2.AddRef()",
        // Depth on; blending on runs the water pass first.
        "device1.SetRenderState(7, 1)",
        "device1.GetVertexShader(&savedVertexShader)",
        "device1.SetRenderState(28, 0)",
        "device1.SetRenderState(153, 0)",
    };
    for (const auto& lines : {waterEntry("texture32", "device1.DrawIndexedPrimitive(4, 0, 10, 0, 8)"),
                              waterEntry("texture2", "device1.DrawIndexedPrimitive(4, 10, 6, 24, 4)")})
        expected.insert(expected.end(), lines.begin(), lines.end());
    expected.insert(expected.end(), {
        "device1.SetVertexShader(322)",
        "device1.SetPixelShader(0)",
        "device1.SetTextureStageState(0, 13, 1)",
        "device1.SetTextureStageState(0, 14, 1)",
        "device1.SetRenderState(28, 1)",
        "vb2.Release()",
        "ib2.Release()",
        "vb2.Release()",
        "ib2.Release()",
        "device1.SetRenderState(27, 1)",
        // The rest of the frame passes through.
        "texture32.AddRef()",
        "texture2.Release()",
        "device1.SetTexture(0, texture32)",
        "vb1.AddRef()",
        "vb2.Release()",
        "device1.SetStreamSource(0, vb1, 24)",
        "ib1.AddRef()",
        "ib2.Release()",
        "device1.SetIndices(ib1, 0)",
        "device1.SetTransform(256, plainWorld)",
        "device1.DrawIndexedPrimitive(4, 0, 4, 0, 2)",
        "device1.SetRenderState(27, 0)",
        "device1.EndScene()",
        "device1.Present(null, null, null, null)",
    });

    EXPECT_THAT(masked(runtime.log.lines()), ::testing::ElementsAreArray(expected));
    EXPECT_EQ(takeOutput(),
              "PS\n"
              "waterColor: 0.25, 0.5, 0.75\n"
              "PS\n"
              "waterColor: 0.25, 0.5, 0.75\n");
    EXPECT_EQ(results, std::vector<HRESULT>(results.size(), D3D_OK));
    EXPECT_EQ(effectState.deferredDrawCount, 0);
    EXPECT_TRUE(runtime.violations().empty());
}

}  // namespace
}  // namespace d3d8water::testing
