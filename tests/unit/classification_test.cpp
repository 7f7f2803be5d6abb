// What the device interceptor records from transforms and bindings: the marker
// classification of the world matrix, the matrices and the current bindings,
// always before the call reaches the device and whatever the device answers.
#include <cmath>
#include <cstring>
#include <limits>

#include "library_fixture.h"
#include "water/classification.h"

namespace d3d8water::testing {
namespace {

class ClassificationTest : public LibraryTest {
protected:
    void SetUp() override { device = createDevice(createDirect3D()); }

    void setWorld(float marker) {
        D3DMATRIX world{};
        world._11 = marker;
        world._22 = world._33 = world._44 = 1.0f;
        device->SetTransform(D3DTS_WORLD, &world);
    }

    IDirect3DDevice8* device = nullptr;
};

struct MarkerCase {
    float marker;
    bool queueAsWater;
    bool redirectToReflection;
    bool mirrorDraw;
};

// From a clean state: the flags each marker leaves.
TEST_F(ClassificationTest, MarkersSetTheFlagsByTheMagnitudeOfTheFirstElement) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const MarkerCase cases[] = {
        {0.0f, false, false, false},      {100.0f, false, false, false},   {-100.0f, false, false, false},
        {150.0f, true, false, false},     {-150.0f, true, false, false},   {400.0f, true, false, false},
        {-400.0f, true, false, false},    {400.5f, false, true, false},    {-400.5f, false, true, false},
        {-1400.0f, false, true, false},   {1400.5f, false, true, false},   {-1400.5f, false, true, true},
        {nan, false, false, false},       {infinity, false, true, false},  {-infinity, false, true, true},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.marker);
        effectState.queueAsWater = effectState.redirectToReflection = effectState.mirrorDraw = false;
        setWorld(c.marker);
        EXPECT_EQ(effectState.queueAsWater, c.queueAsWater);
        EXPECT_EQ(effectState.redirectToReflection, c.redirectToReflection);
        EXPECT_EQ(effectState.mirrorDraw, c.mirrorDraw);
        EXPECT_EQ(std::memcmp(&effectState.worldMatrix._11, &c.marker, sizeof(float)), 0) << "world matrix copied";
    }
}

TEST_F(ClassificationTest, RedirectAndMirrorMarkersLeaveAPendingWaterMarkerAlone) {
    setWorld(250.0f);
    setWorld(-1500.0f);
    EXPECT_TRUE(effectState.queueAsWater);
    EXPECT_TRUE(effectState.mirrorDraw);
    EXPECT_TRUE(effectState.redirectToReflection);
    // A plain world clears water and redirection, but the mirror draw stays pending.
    setWorld(1.0f);
    EXPECT_FALSE(effectState.queueAsWater);
    EXPECT_FALSE(effectState.redirectToReflection);
    EXPECT_TRUE(effectState.mirrorDraw);
}

TEST_F(ClassificationTest, DuringTheFogOffPhaseAWorldNeverSwitchesRedirectionOff) {
    for (bool phase : {false, true}) {
        for (float marker : {1.0f, 250.0f}) {
            SCOPED_TRACE(::testing::Message() << "phase " << phase << " marker " << marker);
            effectState.fogOffPhase = phase;
            effectState.redirectToReflection = true;
            setWorld(marker);
            EXPECT_EQ(effectState.redirectToReflection, phase);
        }
    }
}

TEST_F(ClassificationTest, ViewAndProjectionAreCopiedAndOtherTransformsRecordNothing) {
    D3DMATRIX view{}, projection{}, other{};
    view._41 = 3.0f;
    projection._34 = 1.0f;
    other._11 = 999.0f;
    device->SetTransform(D3DTS_VIEW, &view);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    EffectState before = effectState;
    for (auto state : {D3DTS_TEXTURE0, static_cast<D3DTRANSFORMSTATETYPE>(257)}) device->SetTransform(state, &other);
    EXPECT_EQ(effectState.viewMatrix._41, 3.0f);
    EXPECT_EQ(effectState.projectionMatrix._34, 1.0f);
    EXPECT_EQ(std::memcmp(&before, &effectState, sizeof(EffectState)), 0);
}

TEST_F(ClassificationTest, ANullMatrixIsNotReadAndStillReachesTheDevice) {
    runtime.log.clear();
    EXPECT_EQ(device->SetTransform(D3DTS_WORLD, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device1.SetTransform(256, null)"});
    EXPECT_FALSE(effectState.queueAsWater);
}

TEST_F(ClassificationTest, RecordingHappensEvenWhenTheDeviceRefusesAndItsResultIsReturned) {
    IDirect3DTexture8* texture = nullptr;
    IDirect3DVertexBuffer8* vertices = nullptr;
    IDirect3DIndexBuffer8* indices = nullptr;
    ASSERT_EQ(device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, 0, D3DPOOL_MANAGED, &vertices), D3D_OK);
    ASSERT_EQ(device->CreateIndexBuffer(64, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices), D3D_OK);
    runtime.scripts.always("SetTransform", D3DERR_INVALIDCALL);
    runtime.scripts.always("SetTexture", D3DERR_INVALIDCALL);
    runtime.scripts.always("SetStreamSource", D3DERR_INVALIDCALL);
    runtime.scripts.always("SetIndices", D3DERR_INVALIDCALL);
    D3DMATRIX world{};
    world._11 = 250.0f;
    EXPECT_EQ(device->SetTransform(D3DTS_WORLD, &world), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetTexture(3, texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetStreamSource(0, vertices, 28), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetIndices(indices, 17), D3DERR_INVALIDCALL);
    EXPECT_TRUE(effectState.queueAsWater);
    EXPECT_EQ(effectState.lastBoundTexture, static_cast<IDirect3DBaseTexture8*>(texture));
    EXPECT_EQ(effectState.currentVertexBuffer, vertices);
    EXPECT_EQ(effectState.currentStride, 28u);
    EXPECT_EQ(effectState.currentIndexBuffer, indices);
    EXPECT_EQ(effectState.currentBaseVertexIndex, 17u);
}

TEST_F(ClassificationTest, BindingsFollowTheLastCallWhateverItsStageOrStream) {
    IDirect3DTexture8* texture = nullptr;
    IDirect3DVertexBuffer8 *first = nullptr, *second = nullptr;
    ASSERT_EQ(device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, 0, D3DPOOL_MANAGED, &first), D3D_OK);
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, 0, D3DPOOL_MANAGED, &second), D3D_OK);

    device->SetTexture(5, texture);
    EXPECT_EQ(effectState.lastBoundTexture, static_cast<IDirect3DBaseTexture8*>(texture));
    device->SetTexture(0, nullptr);
    EXPECT_EQ(effectState.lastBoundTexture, nullptr);

    device->SetStreamSource(0, first, 16);
    device->SetStreamSource(1, second, 24);
    EXPECT_EQ(effectState.currentVertexBuffer, second);
    EXPECT_EQ(effectState.currentStride, 24u);
    runtime.log.clear();
    device->SetStreamSource(1, second, 24);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device1.SetStreamSource(1, vb2, 24)"});
}

}  // namespace
}  // namespace d3d8water::testing
