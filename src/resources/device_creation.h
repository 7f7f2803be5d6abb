#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// The game's CreateDevice: creates the real device with mixed vertex
// processing, hands the game a DeviceInterceptor and sets the effect up on the
// new device (saved surfaces, shaders, normal maps, a cleared reflection target).
HRESULT createDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                     D3DPRESENT_PARAMETERS* presentationParameters, IDirect3DDevice8** returnedDevice);

// "water_normal_" + frame + ".dds" into normalMaps; a frame that does not
// load ends the process (box "Can't load texture").
void loadNormalMaps();

}  // namespace d3d8water
