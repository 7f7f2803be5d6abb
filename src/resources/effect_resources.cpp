#include "resources/effect_resources.h"

#include "diagnostics/diagnostic_log.h"
#include "diagnostics/fatal_resource_error.h"
#include "resources/shader_loading.h"
#include "water/classification.h"
#include "water/deferred_queue.h"
#include "water/effect_state.h"
#include "water/water_pass.h"

namespace d3d8water {

void saveDeviceSurfaces() {
    EffectState& s = effectState;
    // A refused call leaves no surface (and no reference) behind, whatever it
    // wrote through the pointer.
    if (s.realDevice->GetDepthStencilSurface(&s.backDepthSurface) != D3D_OK) s.backDepthSurface = nullptr;
    if (s.realDevice->GetRenderTarget(&s.backBufferSurface) != D3D_OK) s.backBufferSurface = nullptr;
    diagnosticLog << static_cast<const void*>(s.backDepthSurface) << " "
                  << static_cast<const void*>(s.backBufferSurface) << endLine;
}

void createReflectionTarget() {
    EffectState& s = effectState;
    s.reflectionTexture = nullptr;
    s.reflectionSurface = nullptr;
    s.reflectionDepthSurface = nullptr;
    if (s.realDevice->CreateTexture(s.reflectionWidth, s.reflectionHeight, 1, D3DUSAGE_RENDERTARGET,
                                    D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT, &s.reflectionTexture) != D3D_OK)
        fatalResourceError("Error creating texture", "Can't create");
    if (s.reflectionTexture->GetSurfaceLevel(0, &s.reflectionSurface) != D3D_OK) {
        s.reflectionSurface = nullptr;
        fatalResourceError("Error creating texture", "Can't create");
    }
    if (s.realDevice->CreateDepthStencilSurface(s.reflectionWidth, s.reflectionHeight, D3DFMT_D24S8,
                                                D3DMULTISAMPLE_NONE, &s.reflectionDepthSurface) != D3D_OK)
        fatalResourceError("Error creating DSS", "Can't create");
}

void loadEffectShaders(bool atDeviceCreation) {
    EffectState& s = effectState;
    loadPixelShader("testPS.pso", s.waterPixelShader);
    if (atDeviceCreation) diagnosticLog << "n\n";
    loadPixelShader("testPS_night.pso", s.nightPixelShader);
    loadPixelShader("testPS_x2.pso", s.brightPixelShader);
    loadPixelShader("testPS_sunset.pso", s.sunsetPixelShader);
    loadVertexShader("testVS.vso", s.waterVertexShader);
}

void recreateEffectResources() {
    saveDeviceSurfaces();
    createReflectionTarget();
    loadEffectShaders(false);
    effectState.effectResourcesHeld = true;
}

namespace {
template <class Object> void giveBack(Object*& object) {
    if (object) object->Release();
    object = nullptr;
}

void deleteShader(DWORD& handle, bool pixel) {
    if (handle) {
        if (pixel) effectState.realDevice->DeletePixelShader(handle);
        else effectState.realDevice->DeleteVertexShader(handle);
    }
    handle = 0;
}
}  // namespace

void releaseEffectResources() {
    EffectState& s = effectState;
    // What the effect holds of the game's (the queued and recorded buffers,
    // the last bound texture) goes every time: the game's Reset needs it gone
    // too, and after a Reset the device has unbound them anyway.
    dropDeferredDraws();
    forgetRecordedTexture();
    forgetRecordedBuffers();
    if (!s.effectResourcesHeld) return;
    s.effectResourcesHeld = false;
    giveBack(s.backBufferSurface);
    giveBack(s.backDepthSurface);
    giveBack(s.reflectionSurface);
    unbindReflectionTexture();
    giveBack(s.reflectionTexture);
    giveBack(s.reflectionDepthSurface);
    deleteShader(s.waterPixelShader, true);
    deleteShader(s.nightPixelShader, true);
    deleteShader(s.brightPixelShader, true);
    deleteShader(s.sunsetPixelShader, true);
    deleteShader(s.waterVertexShader, false);
}

}  // namespace d3d8water
