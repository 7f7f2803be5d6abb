// Putting an image into a texture of the device.
#pragma once

#include "d3dx/image.h"
#include "platform/d3d8_api.h"

namespace d3d8water {

// CreateTexture with the image's size, format and level count, no usage, in
// the managed pool. The device's result is returned; a success that hands out
// no texture counts as the failure E_FAIL.
HRESULT createManagedTexture(IDirect3DDevice8* device, const Image& image, IDirect3DTexture8** texture);

// Copies every level in: LockRect of the whole level, the rows at the locked
// pitch, UnlockRect. Stops at the first failure and returns it (a failing lock
// or unlock gives the device's result; a lock without memory or with a pitch
// narrower than a row gives D3DERR_INVALIDCALL and nothing is written).
HRESULT uploadImage(IDirect3DTexture8* texture, const Image& image);

}  // namespace d3d8water
