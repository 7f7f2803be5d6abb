// D3DXCreateTextureFromFileA: a texture from a DDS file.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// Reads the file by the name given (relative to the current directory) and
// creates a managed texture of the file's size and format with a full mip
// chain: the levels the file carries, the rest made with a 2x2 box filter.
// R8G8B8 files load as X8R8G8B8; a DXT file without a full chain, or one whose
// format the device refuses, loads decoded as A8R8G8B8.
//
// D3D_OK with the texture in *texture, or a failure with *texture null and
// nothing held: D3DERR_INVALIDCALL for a null argument or a malformed file,
// D3DERR_NOTFOUND for a file that does not open, D3DERR_NOTAVAILABLE for a
// cube map, a volume or a pixel format the loader does not take,
// E_OUTOFMEMORY when memory runs out, and the device's result where one of
// its calls fails.
HRESULT D3DXCreateTextureFromFileA(IDirect3DDevice8* device, const char* fileName, IDirect3DTexture8** texture);

}  // namespace d3d8water
