// The start of a frame for the effect, and the switch into the reflection.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// One normal-map frame lasts this many milliseconds: the 29 repeat every 957 ms.
inline constexpr std::uint32_t normalMapFrameMilliseconds = 33;

// Arms the once-per-frame depth clear of the reflection and picks the
// normal-map frame from the millisecond clock; then the real BeginScene.
HRESULT beginScene();

// Makes the reflection the render target and, first in a frame, clears its depth.
void switchToReflectionTarget();

}  // namespace d3d8water
