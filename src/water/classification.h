// What the device interceptor records from the game's transform and binding
// calls before passing them on: the matrices, the markers in the world
// transform that classify the draws that follow, and the current bindings.
#pragma once

#include <cmath>

#include "platform/d3d8_api.h"
#include "water/effect_state.h"

namespace d3d8water {

// Marker thresholds on _11 of the world matrix.
inline constexpr float waterMarkerMinimum = 100.0f;    // |m| above: water
inline constexpr float redirectMarkerMinimum = 400.0f;  // |m| above: reflection
inline constexpr float mirrorMarkerMaximum = -1400.0f;  // m below: mirror

// These run inline in the device interceptor, on every transform and binding
// call of the game; only a change of a recorded texture or buffer makes a call.
inline void classifyWorld(float marker) {
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

inline void recordTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
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

// Takes a reference on `texture`, records it and gives back the one on the
// texture recorded before.
void replaceRecordedTexture(IDirect3DBaseTexture8* texture);
// Gives back the reference on the last bound texture and forgets it.
void forgetRecordedTexture();

inline void recordTexture(IDirect3DBaseTexture8* texture) {
    if (texture != effectState.lastBoundTexture) replaceRecordedTexture(texture);
}

// The buffers are recorded with a reference each, like the texture: a water
// draw queued later takes them from here, and by then the game may have let
// go of them and the device unbound them (a failed bind, a water pass binding
// its own, a device released). Given back at device loss.
void replaceRecordedVertexBuffer(IDirect3DVertexBuffer8* buffer);
void replaceRecordedIndexBuffer(IDirect3DIndexBuffer8* buffer);
// Gives back the references on the recorded buffers and forgets them.
void forgetRecordedBuffers();

inline void recordStreamSource(IDirect3DVertexBuffer8* buffer, UINT stride) {
    if (buffer != effectState.currentVertexBuffer) replaceRecordedVertexBuffer(buffer);
    effectState.currentStride = stride;
}

inline void recordIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex) {
    if (buffer != effectState.currentIndexBuffer) replaceRecordedIndexBuffer(buffer);
    effectState.currentBaseVertexIndex = baseVertexIndex;
}

}  // namespace d3d8water
