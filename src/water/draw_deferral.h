// The fate of every indexed draw of the game: queued as water, drawn into the
// reflection (and, in the fog-off phase, again into the game's target), or
// passed on.
#pragma once

#include "platform/d3d8_api.h"
#include "water/effect_state.h"

namespace d3d8water {

// A draw of more primitives than this that is not a mirror draw ends the fog-off phase.
inline constexpr UINT fogOffPhaseLargestDraw = 12;
inline constexpr float reflectionClipPlane[4] = {0.0f, -1.0f, 0.0f, -9.5f};
inline constexpr D3DCOLOR sunsetReflectionFogColor = 0xFF23211B;
inline constexpr D3DCOLOR noFogReflectionFogColor = 0xFF344448;

HRESULT drawIndexedPrimitive(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices, UINT startIndex,
                             UINT primitiveCount);

// True when drawIndexedPrimitive would only pass the draw on (no water, no
// reflection, no fog-off phase, or the effect's objects given back): most of a
// game's draws, so the interceptor asks this inline and forwards by itself.
inline bool drawPassesStraightOn() {
    const EffectState& s = effectState;
    return !s.effectResourcesHeld || !(s.queueAsWater || s.redirectToReflection || s.fogOffPhase);
}

}  // namespace d3d8water
