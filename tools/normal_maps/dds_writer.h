// DDS files of uncompressed A8R8G8B8 images with a mip chain.
#pragma once

#include <cstdint>
#include <vector>

#include "normal_field.h"

namespace normal_maps {

// The whole file: "DDS ", the 124-byte header, then every level's pixels,
// largest first, each pixel little-endian (blue, green, red, alpha bytes).
std::vector<std::uint8_t> ddsFile(const std::vector<Image>& levels);

}  // namespace normal_maps
