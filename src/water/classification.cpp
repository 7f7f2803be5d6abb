#include "water/classification.h"

#include <cmath>

#include "water/effect_state.h"

namespace d3d8water {

void classifyWorld(float marker) {
    EffectState& s = effectState;
    if (marker < mirrorMarkerMaximum) {
        s.mirrorDraw = true;
        s.redirectToReflection = true;
        return;
    }
    float magnitude = std::fabs(marker);
    if (magnitude > redirectMarkerMinimum) {
        s.redirectToReflection = true;
        return;
    }
    // NaN fails every comparison and so lands here, as no marker.
    s.queueAsWater = magnitude > waterMarkerMinimum;
    // During the fog-off phase every draw stays redirected until the phase ends.
    if (!s.fogOffPhase) s.redirectToReflection = false;
}

void recordTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (!matrix) return;
    if (state == D3DTS_WORLD) {
        effectState.worldMatrix = *matrix;
        classifyWorld(matrix->_11);
    } else if (state == D3DTS_VIEW) {
        effectState.viewMatrix = *matrix;
    } else if (state == D3DTS_PROJECTION) {
        effectState.projectionMatrix = *matrix;
    }
}

void recordTexture(IDirect3DBaseTexture8* texture) {
    // The colour probe reads this texture later: it holds a reference so that a
    // texture the game releases meanwhile (unbound by a state block, say) is
    // still there. Given back at device loss (releaseEffectResources).
    IDirect3DBaseTexture8* previous = effectState.lastBoundTexture;
    if (texture == previous) return;
    if (texture) texture->AddRef();
    effectState.lastBoundTexture = texture;
    if (previous) previous->Release();
}

void forgetRecordedTexture() {
    IDirect3DBaseTexture8* previous = effectState.lastBoundTexture;
    effectState.lastBoundTexture = nullptr;
    if (previous) previous->Release();
}

void recordStreamSource(IDirect3DVertexBuffer8* buffer, UINT stride) {
    effectState.currentVertexBuffer = buffer;
    effectState.currentStride = stride;
}

void recordIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex) {
    effectState.currentIndexBuffer = buffer;
    effectState.currentBaseVertexIndex = baseVertexIndex;
}

}  // namespace d3d8water
