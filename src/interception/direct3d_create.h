#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// Creates the system Direct3D object and returns a new interceptor for it.
IDirect3D8* createDirect3D(UINT sdkVersion);

}  // namespace d3d8water

// Exported by name at ordinal 1: the game calls this instead of Direct3DCreate8.
extern "C" d3d8::IDirect3D8* D3D8_CALL Direct3DCreateF(d3d8::UINT SDKVersion);
