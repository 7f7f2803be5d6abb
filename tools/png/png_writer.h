// Writes RGB pictures as PNG files. The image data goes into stored (uncompressed)
// deflate blocks: larger files, but no compressor to get wrong.
#pragma once

#include <string>
#include <vector>

#include "rgb_image.h"

namespace png {

std::vector<std::uint8_t> encodePng(const RgbImage& image);

// False if the file cannot be written.
bool writePng(const std::string& path, const RgbImage& image);

}  // namespace png
