// The deferred water pass: every queued water draw drawn with the water
// shaders, the reflection and the current normal-map frame, then the vertex
// shader, fog and stage-0 addressing put back and the queue emptied.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

inline constexpr float halfValue = 0.5f;
inline constexpr float tilingValue = 0.1f;
inline constexpr float tilingVariantValue = 0.05f;
// The single-precision value nearest 1/255 (0x3B808081).
inline constexpr float byteToUnit = 1.0f / 255.0f;

// Runs inside the game's SetRenderState. Texture, stage-state, shader and
// constant calls of each draw go through `interceptor` (the device the game
// called); the rest goes to the real device.
void drawDeferredWater(IDirect3DDevice8* interceptor);

// The pass leaves the reflection bound on stage 0, where the device holds a
// reference on it; while it is there a Reset is refused. Unbinds it if it is
// still there (and leaves a texture the game has bound since alone).
void unbindReflectionTexture();

}  // namespace d3d8water
