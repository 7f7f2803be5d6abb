// The export and the two interceptors as the game sees them: what it is handed,
// which real objects answer, and what it gets back.
#include "interception/device_interceptor.h"
#include "interception/direct3d_interceptor.h"
#include "library_fixture.h"

namespace d3d8water::testing {
namespace {

class InterceptionTest : public LibraryTest {};

TEST_F(InterceptionTest, Direct3DCreateFHandsOutAnInterceptorForTheSystemObject) {
    IDirect3D8* direct3D = createDirect3D();
    ASSERT_NE(direct3D, nullptr);
    EXPECT_NE(direct3D, static_cast<IDirect3D8*>(runtime.direct3D()));
    EXPECT_NE(dynamic_cast<Direct3DInterceptor*>(direct3D), nullptr);
    EXPECT_EQ(effectState.realDirect3D, runtime.direct3D());
    EXPECT_EQ(runtime.direct3D()->sdkVersion, D3D_SDK_VERSION);
    EXPECT_EQ(takeOutput(), "");
}

TEST_F(InterceptionTest, ASecondObjectTakesOverEveryInterceptor) {
    IDirect3D8* first = createDirect3D();
    IDirect3D8* second = createDirect3D();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    runtime.log.clear();
    first->GetAdapterCount();
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"d3d2.GetAdapterCount()"});
}

TEST_F(InterceptionTest, ARefusedSdkVersionGivesNullAndLeavesEarlierInterceptorsWorking) {
    IDirect3D8* first = createDirect3D();
    runtime.refuseDirect3D = true;
    EXPECT_EQ(Direct3DCreateF(1), nullptr);
    EXPECT_EQ(effectState.realDirect3D, runtime.direct3D());
    runtime.log.clear();
    first->GetAdapterCount();
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"d3d1.GetAdapterCount()"});
}

TEST_F(InterceptionTest, QueryInterfaceAndGetDirect3DAnswerWithTheSystemObjects) {
    IDirect3D8* direct3D = createDirect3D();
    IDirect3DDevice8* device = createDevice(direct3D);
    ASSERT_NE(device, nullptr);
    EXPECT_NE(device, static_cast<IDirect3DDevice8*>(runtime.device()));

    void* queried = nullptr;
    GUID deviceInterface{};
    EXPECT_EQ(device->QueryInterface(deviceInterface, &queried), D3D_OK);
    EXPECT_EQ(queried, static_cast<IDirect3DDevice8*>(runtime.device()));

    IDirect3D8* parent = nullptr;
    EXPECT_EQ(device->GetDirect3D(&parent), D3D_OK);
    EXPECT_EQ(parent, static_cast<IDirect3D8*>(runtime.direct3D()));
    EXPECT_NE(parent, direct3D);

    EXPECT_EQ(direct3D->QueryInterface(deviceInterface, &queried), D3D_OK);
    EXPECT_EQ(queried, static_cast<IDirect3D8*>(runtime.direct3D()));
}

TEST_F(InterceptionTest, AddRefAndReleaseReportTheSystemCounts) {
    IDirect3D8* direct3D = createDirect3D();
    IDirect3DDevice8* device = createDevice(direct3D);
    ULONG counted = runtime.device()->references();
    EXPECT_EQ(device->AddRef(), counted + 1);
    EXPECT_EQ(device->Release(), counted);
    ULONG afterAddRef = direct3D->AddRef();
    EXPECT_EQ(afterAddRef, runtime.direct3D()->references());
    ULONG afterRelease = direct3D->Release();
    EXPECT_EQ(afterRelease, afterAddRef - 1);
    EXPECT_EQ(afterRelease, runtime.direct3D()->references());
}

TEST_F(InterceptionTest, CreateDeviceHandsOutADeviceInterceptorAndAllActOnTheNewestDevice) {
    IDirect3D8* direct3D = createDirect3D();
    IDirect3DDevice8* first = createDevice(direct3D);
    IDirect3DDevice8* second = createDevice(direct3D);
    EXPECT_NE(dynamic_cast<DeviceInterceptor*>(first), nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(effectState.realDevice, runtime.device());
    runtime.log.clear();
    first->EndScene();
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device2.EndScene()"});
}

TEST_F(InterceptionTest, AFailedCreateDeviceReturnsTheRealResultAndNoDevice) {
    IDirect3D8* direct3D = createDirect3D();
    runtime.scripts.once("CreateDevice", D3DERR_NOTAVAILABLE);
    D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
    auto* marker = reinterpret_cast<IDirect3DDevice8*>(0x1234);
    IDirect3DDevice8* device = marker;
    EXPECT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, &device), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(effectState.realDevice, nullptr);
}

TEST_F(InterceptionTest, DrawPrimitiveUnderAWaterMarkerIsDrawnAtOnce) {
    IDirect3DDevice8* device = createDevice(createDirect3D());
    D3DMATRIX water{};
    water._11 = 250.0f;
    device->SetTransform(D3DTS_WORLD, &water);
    runtime.log.clear();
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3D_OK);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device1.DrawPrimitive(4, 0, 2)"});
}

}  // namespace
}  // namespace d3d8water::testing
