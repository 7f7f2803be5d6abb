#include "water/draw_deferral.h"

#include "water/colour_probe.h"
#include "water/deferred_queue.h"
#include "water/effect_state.h"
#include "water/frame_start.h"

namespace d3d8water {

namespace {

// Draws into the reflection with the clip plane, blending and fog the draw's
// kind asks for, puts the game's states and target back, and in the fog-off
// phase draws again into the game's target. Returns the last real draw's result.
HRESULT drawRedirected(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices, UINT startIndex,
                       UINT primitiveCount) {
    EffectState& s = effectState;
    IDirect3DDevice8* device = s.realDevice;
    const bool mirror = s.mirrorDraw;
    const bool clip = !s.fogOffPhase || mirror;
    const bool dark = probeChannelIsZero(s.waterColor.r);

    switchToReflectionTarget();
    if (mirror) {
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
        device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
        device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    }
    if (clip && !s.tilingVariant) {
        device->SetClipPlane(0, reflectionClipPlane);
        device->SetRenderState(D3DRS_CLIPPLANEENABLE, D3DCLIPPLANE0);
    }
    if (dark) device->SetRenderState(D3DRS_FOGENABLE, 0);
    if (s.sunsetVariant) device->SetRenderState(D3DRS_FOGCOLOR, sunsetReflectionFogColor);
    if (s.noFogVariant) device->SetRenderState(D3DRS_FOGCOLOR, noFogReflectionFogColor);

    HRESULT result = device->DrawIndexedPrimitive(type, minIndex, numVertices, startIndex, primitiveCount);

    if (mirror) {
        device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, 0);
    }
    if (clip) device->SetRenderState(D3DRS_CLIPPLANEENABLE, 0);
    if (dark) device->SetRenderState(D3DRS_FOGENABLE, s.gameFogEnable);
    if (s.sunsetVariant || s.noFogVariant) device->SetRenderState(D3DRS_FOGCOLOR, s.gameFogColor);
    device->SetRenderTarget(s.backBufferSurface, s.backDepthSurface);

    if (s.fogOffPhase && !mirror) {
        if (s.gameZEnable == 0) runColourProbe();
        result = device->DrawIndexedPrimitive(type, minIndex, numVertices, startIndex, primitiveCount);
    }
    s.mirrorDraw = false;
    return result;
}

}  // namespace

HRESULT drawIndexedPrimitive(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices, UINT startIndex,
                             UINT primitiveCount) {
    EffectState& s = effectState;
    // While the effect's objects are given back (device lost, not yet reset)
    // nothing may use them: every draw passes through.
    if (!s.effectResourcesHeld)
        return s.realDevice->DrawIndexedPrimitive(type, minIndex, numVertices, startIndex, primitiveCount);

    if (s.fogOffPhase && primitiveCount > fogOffPhaseLargestDraw && !s.mirrorDraw)
        s.fogOffPhase = s.redirectToReflection = false;

    // A water draw waits for the water pass; one that finds the queue full is drawn now.
    if (s.queueAsWater && queueDeferredDraw(minIndex, numVertices, startIndex, primitiveCount)) return D3D_OK;
    // A redirected draw must put the game's own target back afterwards: without
    // it (the runtime refused it at the last Reset) the draw passes on plainly.
    if (s.queueAsWater || !s.redirectToReflection || !s.backBufferSurface)
        return s.realDevice->DrawIndexedPrimitive(type, minIndex, numVertices, startIndex, primitiveCount);
    return drawRedirected(type, minIndex, numVertices, startIndex, primitiveCount);
}

}  // namespace d3d8water
