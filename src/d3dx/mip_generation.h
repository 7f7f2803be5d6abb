// Making the smaller levels of a mip chain with a 2x2 box filter.
#pragma once

#include <span>
#include <vector>

#include "d3dx/image.h"
#include "d3dx/pixel_formats.h"

namespace d3d8water {

// The level below a `width` x `height` level of an uncompressed format: each
// pixel is the average, channel by channel and rounded to nearest, of the 2x2
// pixels above it. Where a size is odd, the square's second column or row is
// clamped to the level's edge: a level 1 pixel wide averages each pixel with
// itself across, and of 2n + 1 pixels the last one does not contribute.
std::vector<BYTE> boxFilterLevel(const PixelFormatInfo& format, UINT width, UINT height, std::span<const BYTE> pixels);

// Appends levels made by boxFilterLevel until `image` holds a full chain. The
// image must be in an uncompressed format and hold at least one level.
void completeMipChain(Image& image);

}  // namespace d3d8water
