// The device interceptor's TestCooperativeLevel and Reset: the effect's
// default-pool objects are given back around device loss and rebuilt after a
// successful Reset, so that the game's own Reset can succeed.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

HRESULT testCooperativeLevel();
HRESULT resetDevice(D3DPRESENT_PARAMETERS* presentationParameters);

}  // namespace d3d8water
