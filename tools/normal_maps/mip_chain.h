// The full mip chain of an image: each level a 2x2 box filter of the one above,
// down to 1x1.
#pragma once

#include <vector>

#include "normal_field.h"

namespace normal_maps {

// Half the size of `image` (a power of two above 1), each pixel the rounded mean of
// the four pixels it covers, channel by channel.
Image boxFilterHalf(const Image& image);

// `top` first, then every smaller level down to 1x1.
std::vector<Image> mipChain(Image top);

}  // namespace normal_maps
