// What the device interceptor records from the game's transform and binding
// calls before passing them on: the matrices, the markers in the world
// transform that classify the draws that follow, and the current bindings.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// Marker thresholds on _11 of the world matrix.
inline constexpr float waterMarkerMinimum = 100.0f;    // |m| above: water
inline constexpr float redirectMarkerMinimum = 400.0f;  // |m| above: reflection
inline constexpr float mirrorMarkerMaximum = -1400.0f;  // m below: mirror

void recordTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix);
void classifyWorld(float marker);
void recordTexture(IDirect3DBaseTexture8* texture);
// Gives back the reference on the last bound texture and forgets it.
void forgetRecordedTexture();
void recordStreamSource(IDirect3DVertexBuffer8* buffer, UINT stride);
void recordIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex);

}  // namespace d3d8water
