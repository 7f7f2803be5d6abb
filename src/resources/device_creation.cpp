#include "resources/device_creation.h"

#include <cstdio>

#include "d3dx/texture_from_file.h"
#include "diagnostics/diagnostic_log.h"
#include "diagnostics/fatal_resource_error.h"
#include "interception/device_interceptor.h"
#include "interception/handed_out.h"
#include "resources/effect_resources.h"
#include "water/effect_state.h"

namespace d3d8water {

namespace {

// The earlier device's effect objects, so the library does not keep it alive.
void giveBackEarlierDevice() {
    releaseEffectResources();
    for (IDirect3DTexture8*& frame : effectState.normalMaps) {
        if (frame) frame->Release();
        frame = nullptr;
    }
}

// The reflection takes the size of the device's depth-stencil surface, or of
// its render target when the device was made without one.
void recordReflectionSize() {
    EffectState& s = effectState;
    IDirect3DSurface8* sized = s.backDepthSurface ? s.backDepthSurface : s.backBufferSurface;
    D3DSURFACE_DESC desc{};
    // No description, no size: creating the reflection then fails as it should.
    if (sized && sized->GetDesc(&desc) != D3D_OK) desc = D3DSURFACE_DESC{};
    s.reflectionWidth = desc.Width;
    s.reflectionHeight = desc.Height;
    diagnosticLog << s.reflectionWidth << " " << s.reflectionHeight << endLine;
}

void clearReflectionTarget() {
    EffectState& s = effectState;
    s.realDevice->SetRenderTarget(s.reflectionSurface, s.reflectionDepthSurface);
    s.realDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFFFFFFFF, 1.0f, 0);
    s.realDevice->SetRenderTarget(s.backBufferSurface, s.backDepthSurface);
}

}  // namespace

void loadNormalMaps() {
    for (int frame = 0; frame < normalMapFrameCount; ++frame) {
        char name[32];
        std::snprintf(name, sizeof name, "water_normal_%d.dds", frame);
        if (D3DXCreateTextureFromFileA(effectState.realDevice, name, &effectState.normalMaps[frame]) != D3D_OK)
            fatalResourceError("Can't load texture", "Can't load");
    }
}

HRESULT createDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                     D3DPRESENT_PARAMETERS* presentationParameters, IDirect3DDevice8** returnedDevice) {
    EffectState& s = effectState;
    // Whatever the game asked for: the water pass switches software vertex
    // processing, which only a mixed-mode device accepts.
    constexpr DWORD behavior = D3DCREATE_MIXED_VERTEXPROCESSING;
    // Nowhere to put a device: the runtime answers that call as it would the game's.
    if (!returnedDevice)
        return s.realDirect3D->CreateDevice(adapter, deviceType, focusWindow, behavior, presentationParameters,
                                            nullptr);
    IDirect3DDevice8* device = nullptr;
    HRESULT result = s.realDirect3D->CreateDevice(adapter, deviceType, focusWindow, behavior,
                                                  presentationParameters, &device);
    if (result != D3D_OK || !device) {
        *returnedDevice = nullptr;
        return result;
    }
    giveBackEarlierDevice();
    s.realDevice = device;
    *returnedDevice = handOut<DeviceInterceptor>();

    saveDeviceSurfaces();
    recordReflectionSize();
    loadEffectShaders(true);
    loadNormalMaps();
    createReflectionTarget();
    s.effectResourcesHeld = true;
    clearReflectionTarget();
    return result;
}

}  // namespace d3d8water
