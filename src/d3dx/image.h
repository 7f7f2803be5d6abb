// An image on its way to a texture: its format and its mip levels, each level
// a tightly packed copy of its rows (rows of 4x4 blocks for DXT formats).
#pragma once

#include <algorithm>
#include <bit>
#include <vector>

#include "platform/d3d8_api.h"

namespace d3d8water {

struct ImageLevel {
    UINT width;
    UINT height;
    std::vector<BYTE> bytes;
};

struct Image {
    D3DFORMAT format = D3DFMT_UNKNOWN;
    std::vector<ImageLevel> levels;  // level 0 first, each half the size of the one before
};

// The number of levels of a full mip chain: floor(log2(max(width, height))) + 1.
inline UINT fullMipChainLength(UINT width, UINT height) {
    return std::max(1u, static_cast<UINT>(std::bit_width(std::max(width, height))));
}

// The size of the level below one of the given size: max(1, size / 2).
inline UINT nextMipSize(UINT size) { return size > 1 ? size / 2 : 1; }

}  // namespace d3d8water
