// Device creation with the effect's set-up: the device calls, their order and
// arguments, the lines written, and what becomes of an earlier device.
#include <unistd.h>

#include <cstdio>

#include "library_fixture.h"

namespace d3d8water::testing {
namespace {

class DeviceCreationTest : public LibraryTest {
protected:
    const std::vector<std::string> setUpCalls = {
        "CreateDevice", "GetDepthStencilSurface", "GetRenderTarget", "GetDesc", "CreatePixelShader",
        "CreateVertexShader", "CreateTexture", "GetSurfaceLevel", "CreateDepthStencilSurface",
        "SetRenderTarget", "Clear"};

    std::string pixelShaderLines(const char* name) {
        return std::string("1\nattempting to load ") + name + "\n2\n3\n28\n4\n5\n";
    }
};

TEST_F(DeviceCreationTest, SetsTheEffectUpInOrderOnTheRealDevice) {
    IDirect3D8* direct3D = createDirect3D();
    nameEffectFields();
    D3DPRESENT_PARAMETERS params = presentParameters(800, 600);
    runtime.name(&params, "params");
    IDirect3DDevice8* device = nullptr;
    runtime.name(&device, "&device");
    ASSERT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING, &params,
                                     &device),
              D3D_OK);

    std::vector<std::string> expected = {
        "d3d1.CreateDevice(0, 1, null, 128, params, ptr)",
        "device1.GetDepthStencilSurface(&backDepthSurface)",
        "device1.GetRenderTarget(&backBufferSurface)",
        "depth1.GetDesc(ptr)",
        "device1.CreatePixelShader(ptr, &waterPixelShader)",
        "device1.CreatePixelShader(ptr, &nightPixelShader)",
        "device1.CreatePixelShader(ptr, &brightPixelShader)",
        "device1.CreatePixelShader(ptr, &sunsetPixelShader)",
        "device1.CreateVertexShader(waterVertexDeclaration, ptr, &waterVertexShader, 0)",
    };
    for (int frame = 0; frame < 29; ++frame) expected.push_back("device1.CreateTexture(2, 2, 2, 0, 21, 1, ptr)");
    for (const char* line : {"device1.CreateTexture(800, 600, 1, 1, 22, 0, &reflectionTexture)",
                             "texture30.GetSurfaceLevel(0, &reflectionSurface)",
                             "device1.CreateDepthStencilSurface(800, 600, 75, 0, &reflectionDepthSurface)",
                             "device1.SetRenderTarget(texture30.level0, surface1)",
                             "device1.Clear(0, null, 3, 0xFFFFFFFF, 1, 0)",
                             "device1.SetRenderTarget(backbuffer1, depth1)"})
        expected.push_back(line);
    EXPECT_EQ(masked(runtime.log.only(setUpCalls)), expected);

    EXPECT_EQ(takeOutput(), address(runtime.device()->depthSurface()) + " " +
                                address(runtime.device()->backBuffer()) + "\n800 600\n" +
                                pixelShaderLines("testPS.pso") + "n\n" + pixelShaderLines("testPS_night.pso") +
                                pixelShaderLines("testPS_x2.pso") + pixelShaderLines("testPS_sunset.pso") +
                                "attempting to load testVS.vso\n");

    // The game holds the interceptor; the device draws into its own target again.
    EXPECT_NE(device, static_cast<IDirect3DDevice8*>(runtime.device()));
    EXPECT_EQ(runtime.device()->renderTarget(), runtime.device()->backBuffer());
    EXPECT_EQ(runtime.device()->shaders().at(effectState.waterVertexShader).function.size(), 5u);
    EXPECT_EQ(runtime.device()->shaders().at(effectState.waterVertexShader).declaration,
              std::vector<DWORD>(std::begin(EffectState::waterVertexDeclaration),
                                 std::end(EffectState::waterVertexDeclaration)));
    EXPECT_TRUE(effectState.effectResourcesHeld);
    for (int frame = 0; frame < 29; ++frame)
        EXPECT_EQ(runtime.nameOf(effectState.normalMaps[frame]), "texture" + std::to_string(frame + 1));
}

TEST_F(DeviceCreationTest, EveryBehaviourTheGameAsksForIsReplacedByMixedVertexProcessing) {
    IDirect3D8* direct3D = createDirect3D();
    for (DWORD flags : {D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_PUREDEVICE, D3DCREATE_MULTITHREADED,
                        D3DCREATE_FPU_PRESERVE | D3DCREATE_SOFTWARE_VERTEXPROCESSING, DWORD{0}}) {
        D3DPRESENT_PARAMETERS params = presentParameters(64, 64);
        IDirect3DDevice8* device = nullptr;
        ASSERT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, flags, &params, &device), D3D_OK);
        EXPECT_EQ(runtime.direct3D()->lastBehaviorFlags, D3DCREATE_MIXED_VERTEXPROCESSING) << flags;
    }
}

TEST_F(DeviceCreationTest, WithoutADepthBufferTheReflectionTakesTheRenderTargetSize) {
    IDirect3D8* direct3D = createDirect3D();
    D3DPRESENT_PARAMETERS params = presentParameters(320, 200);
    params.EnableAutoDepthStencil = 0;
    IDirect3DDevice8* device = nullptr;
    ASSERT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, &device), D3D_OK);
    EXPECT_EQ(effectState.backDepthSurface, nullptr);
    EXPECT_EQ(effectState.reflectionWidth, 320u);
    EXPECT_EQ(effectState.reflectionHeight, 200u);
    EXPECT_EQ(takeOutput().substr(0, 2 * sizeof(void*) * 2 + 2 + 8),
              std::string(2 * sizeof(void*), '0') + " " + address(runtime.device()->backBuffer()) + "\n320 200\n");
}

TEST_F(DeviceCreationTest, AFailedCreationSetsNothingUpAndWritesNothing) {
    IDirect3D8* direct3D = createDirect3D();
    runtime.scripts.once("CreateDevice", D3DERR_OUTOFVIDEOMEMORY);
    D3DPRESENT_PARAMETERS params = presentParameters(64, 64);
    IDirect3DDevice8* device = reinterpret_cast<IDirect3DDevice8*>(0x1);
    EXPECT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, &device), D3DERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(takeOutput(), "");
    EXPECT_EQ(runtime.log.size(), 1u);
}

TEST_F(DeviceCreationTest, ANullPlaceForTheDeviceGetsTheRuntimesOwnAnswer) {
    IDirect3D8* direct3D = createDirect3D();
    D3DPRESENT_PARAMETERS params = presentParameters(64, 64);
    runtime.name(&params, "params");
    EXPECT_EQ(direct3D->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"d3d1.CreateDevice(0, 1, null, 128, params, null)"});
    EXPECT_EQ(effectState.realDevice, nullptr);
    EXPECT_EQ(takeOutput(), "");
}

TEST_F(DeviceCreationTest, ASecondDeviceGivesTheFirstDevicesEffectObjectsBack) {
    IDirect3D8* direct3D = createDirect3D();
    createDevice(direct3D);
    fake::FakeDevice* first = runtime.device();
    auto* firstReflection = runtime.objectAt(effectState.reflectionTexture);
    auto* firstFrame = runtime.objectAt(effectState.normalMaps[28]);
    ULONG backBufferReferences = first->backBuffer()->references();

    createDevice(direct3D);
    EXPECT_NE(runtime.device(), first);
    EXPECT_FALSE(firstReflection->alive());
    EXPECT_FALSE(firstFrame->alive());
    EXPECT_EQ(first->liveShaders(), 0);
    EXPECT_EQ(first->backBuffer()->references(), backBufferReferences - 1);
    EXPECT_EQ(runtime.objectAt(effectState.reflectionTexture)->name(), "texture60");
    EXPECT_TRUE(runtime.violations().empty());
}

// The child process's diagnostic lines go to its standard error, after the
// test's own stream, so that the death test can read them.
void toStandardError() {
    dup2(2, 1);
    diagnosticLog.redirect(nullptr);
}

TEST_F(DeviceCreationTest, AMissingShaderEndsTheProcessBeforeLaterFilesAreOpened) {
    IDirect3D8* direct3D = createDirect3D();
    assets.remove("testPS_x2.pso");
    EXPECT_EXIT(
        {
            toStandardError();
            createDevice(direct3D);
        },
        ::testing::ExitedWithCode(0),
        "\n800 600\n|\n640 480\n"
        "1\nattempting to load testPS.pso\n2\n3\n28\n4\n5\nn\n"
        "1\nattempting to load testPS_night.pso\n2\n3\n28\n4\n5\n"
        "1\nattempting to load testPS_x2.pso\n"
        "MessageBoxA\\(NULL, \"Can't load shader\", \"Can't load\", 0\\)\n$");
}

TEST_F(DeviceCreationTest, AMissingNormalMapEndsTheProcessAfterTheFramesBeforeIt) {
    IDirect3D8* direct3D = createDirect3D();
    assets.remove("water_normal_28.dds");
    EXPECT_EXIT(
        {
            toStandardError();
            os::native::doubles().onMessageBox = [this] {
                std::fprintf(stderr, "frames loaded: %zu\n", runtime.log.only({"CreateTexture"}).size());
            };
            createDevice(direct3D);
        },
        ::testing::ExitedWithCode(0),
        "attempting to load testVS.vso\nframes loaded: 28\n"
        "MessageBoxA\\(NULL, \"Can't load texture\", \"Can't load\", 0\\)\n$");
}

TEST_F(DeviceCreationTest, AReflectionTargetTheRuntimeRefusesEndsTheProcess) {
    IDirect3D8* direct3D = createDirect3D();
    struct Case {
        const char* method;
        int earlierCalls;  // the 29 normal maps come before the reflection texture
        const char* text;
    };
    for (const Case& c : {Case{"CreateTexture", 29, "Error creating texture"},
                          Case{"CreateDepthStencilSurface", 0, "Error creating DSS"}}) {
        EXPECT_EXIT(
            {
                toStandardError();
                runtime.scripts.once(c.method, D3DERR_OUTOFVIDEOMEMORY, c.earlierCalls);
                createDevice(direct3D);
            },
            ::testing::ExitedWithCode(0),
            std::string("attempting to load testVS.vso\nMessageBoxA\\(NULL, \"") + c.text +
                "\", \"Can't create\", 0\\)\n$");
    }
}

}  // namespace
}  // namespace d3d8water::testing
