// Device loss and Reset: the lines and results, the effect's objects given
// back and rebuilt exactly once each, and the game's Reset able to succeed.
#include "library_fixture.h"

namespace d3d8water::testing {
namespace {

class DeviceLossTest : public LibraryTest {
protected:
    void SetUp() override {
        device = createDevice(createDirect3D());
        takeOutput();
        runtime.log.clear();
    }

    HRESULT reset(UINT width = 640, UINT height = 480) {
        D3DPRESENT_PARAMETERS params = presentParameters(width, height);
        return device->Reset(&params);
    }

    // Everything the effect holds on the device beyond the device's own references.
    void expectEverythingGivenBack() {
        fake::FakeDevice* real = runtime.device();
        EXPECT_EQ(real->liveShaders(), 0);
        for (const fake::FakeObject* object : runtime.objects()) {
            auto* texture = dynamic_cast<const fake::FakeTexture*>(object);
            if (texture && texture->usage() == D3DUSAGE_RENDERTARGET) EXPECT_FALSE(object->alive()) << object->name();
            auto* surface = dynamic_cast<const fake::FakeSurface*>(object);
            if (surface && surface->desc().Usage == D3DUSAGE_DEPTHSTENCIL && !surface->implicit)
                EXPECT_FALSE(object->alive()) << object->name();
        }
        EXPECT_EQ(real->backBuffer()->references(), 2u);  // the device's and the binding's
        EXPECT_EQ(real->depthSurface()->references(), 2u);
        EXPECT_TRUE(runtime.violations().empty());
    }

    IDirect3DDevice8* device = nullptr;
};

TEST_F(DeviceLossTest, TestCooperativeLevelGivesBackAndReportsTheOutcome) {
    const std::pair<HRESULT, const char*> cases[] = {
        {D3D_OK, "testc OK\n"},
        {D3DERR_DEVICELOST, "testc lost\n"},
        {D3DERR_DEVICENOTRESET, "testc not reset\n"},
        {D3DERR_INVALIDCALL, "testc OK\n"},
        {E_FAIL, "testc OK\n"},
    };
    for (const auto& [result, line] : cases) {
        runtime.scripts.once("TestCooperativeLevel", result);
        EXPECT_EQ(device->TestCooperativeLevel(), result);
        EXPECT_EQ(takeOutput(), line);
    }
    expectEverythingGivenBack();
}

TEST_F(DeviceLossTest, ResetReportsItsOutcomeAndRebuildsOnlyOnSuccess) {
    device->TestCooperativeLevel();
    takeOutput();
    const std::pair<HRESULT, const char*> failures[] = {
        {D3DERR_INVALIDCALL, "reset invalid call\n"},
        {D3DERR_DEVICELOST, "reset nomem\n"},
        {D3DERR_DEVICENOTRESET, "reset nomem\n"},
        {E_OUTOFMEMORY, "reset nomem\n"},
    };
    for (const auto& [result, line] : failures) {
        runtime.scripts.once("Reset", result);
        EXPECT_EQ(reset(), result);
        EXPECT_EQ(takeOutput(), line);
    }
    EXPECT_FALSE(effectState.effectResourcesHeld);
    EXPECT_EQ(runtime.log.only({"CreateTexture", "CreatePixelShader"}).size(), 0u);

    EXPECT_EQ(reset(), D3D_OK);
    std::string pixel = "2\n3\n28\n4\n5\n";
    EXPECT_EQ(takeOutput(), "reset OK\n" + address(runtime.device()->depthSurface()) + " " +
                                address(runtime.device()->backBuffer()) + "\n1\nattempting to load testPS.pso\n" +
                                pixel + "1\nattempting to load testPS_night.pso\n" + pixel +
                                "1\nattempting to load testPS_x2.pso\n" + pixel +
                                "1\nattempting to load testPS_sunset.pso\n" + pixel +
                                "attempting to load testVS.vso\n");
    EXPECT_TRUE(effectState.effectResourcesHeld);
}

TEST_F(DeviceLossTest, TheReflectionKeepsItsCreationSizeAndIsNotClearedAfterAReset) {
    device->TestCooperativeLevel();
    ASSERT_EQ(reset(1024, 768), D3D_OK);
    EXPECT_EQ(masked(runtime.log.only({"CreateTexture", "CreateDepthStencilSurface", "Clear"})),
              (std::vector<std::string>{"device1.CreateTexture(640, 480, 1, 1, 22, 0, ptr)",
                                        "device1.CreateDepthStencilSurface(640, 480, 75, 0, ptr)"}));
    EXPECT_EQ(runtime.device()->backBuffer()->desc().Width, 1024u);
}

TEST_F(DeviceLossTest, AWholeLossCycleGivesEveryReferenceBackExactlyOnce) {
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(reset(), D3D_OK);
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(reset(), D3D_OK);
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    expectEverythingGivenBack();
    // The normal maps live in the managed pool and stay.
    for (IDirect3DTexture8* frame : effectState.normalMaps) EXPECT_TRUE(runtime.objectAt(frame)->alive());
}

TEST_F(DeviceLossTest, ASecondTestCooperativeLevelGivesNothingBackTwice) {
    device->TestCooperativeLevel();
    runtime.log.clear();
    device->TestCooperativeLevel();
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device1.TestCooperativeLevel()"});
    EXPECT_EQ(takeOutput(), "testc OK\ntestc OK\n");
    expectEverythingGivenBack();
}

TEST_F(DeviceLossTest, AResetWhileTheObjectsAreHeldGivesThemBackSoTheRealResetSucceeds) {
    EXPECT_EQ(reset(), D3D_OK);
    EXPECT_TRUE(effectState.effectResourcesHeld);
    EXPECT_TRUE(runtime.violations().empty());
    device->TestCooperativeLevel();
    expectEverythingGivenBack();
}

TEST_F(DeviceLossTest, QueuedWaterIsDroppedWithItsBufferReferences) {
    IDirect3DVertexBuffer8* vertices = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, 0, D3DPOOL_MANAGED, &vertices), D3D_OK);
    device->SetStreamSource(0, vertices, 16);
    D3DMATRIX water{};
    water._11 = 250.0f;
    device->SetTransform(D3DTS_WORLD, &water);
    device->SetStreamSource(0, nullptr, 0);
    device->SetStreamSource(0, vertices, 16);
    effectState.queueAsWater = true;
    ULONG before = runtime.objectAt(vertices)->references();
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2);
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2);
    EXPECT_EQ(effectState.deferredDrawCount, 2);
    EXPECT_EQ(runtime.objectAt(vertices)->references(), before + 2);
    device->TestCooperativeLevel();
    EXPECT_EQ(effectState.deferredDrawCount, 0);
    // The queue's two and the recorded binding's: what is left is the game's and the device's.
    EXPECT_EQ(runtime.objectAt(vertices)->references(), before - 1);
    EXPECT_EQ(runtime.objectAt(vertices)->references(), 2u);
    EXPECT_EQ(effectState.currentVertexBuffer, nullptr);
}

}  // namespace
}  // namespace d3d8water::testing
