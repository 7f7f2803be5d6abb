// Decoding DXT1 to DXT5 blocks to A8R8G8B8 pixels.
#pragma once

#include <span>
#include <vector>

#include "platform/d3d8_api.h"

namespace d3d8water {

// Decodes one level of `width` x `height` pixels stored as rows of 4x4 blocks
// in `format` (DXT1 to DXT5). The result holds width * height A8R8G8B8 pixels,
// row by row, each as the bytes blue, green, red, alpha. `blocks` must hold the
// level's whole size (levelByteSize); pixels of edge blocks outside the level
// are dropped.
//
// Colours: the 5- and 6-bit end points are widened by repeating their top bits,
// and the in-between colours are interpolated on the widened 8-bit values,
// rounded to nearest. DXT1 uses its three-colour mode (with transparent black)
// where the first end point is not greater than the second; DXT2 to DXT5
// always use four colours. DXT2 and DXT4 decode exactly as DXT3 and DXT5: the
// colours stay premultiplied, as the hardware samples them.
std::vector<BYTE> decodeBlockLevel(D3DFORMAT format, UINT width, UINT height, std::span<const BYTE> blocks);

}  // namespace d3d8water
