// The device interceptor's SetRenderState: records depth, fog and fog colour,
// follows the fog-off phase, and runs the water pass when the game switches
// alpha blending on with depth enabled, before the game's call goes on.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

HRESULT setRenderState(IDirect3DDevice8* interceptor, D3DRENDERSTATETYPE state, DWORD value);

}  // namespace d3d8water
