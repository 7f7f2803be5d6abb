// Reads the PNG files that png_writer makes: 8-bit RGB, unfiltered rows, stored
// deflate blocks. Anything else is refused with a reason, never misread.
#pragma once

#include <string>
#include <vector>

#include "rgb_image.h"

namespace png {

// True and `image` filled, or false and `error` saying why.
bool decodePng(const std::vector<std::uint8_t>& bytes, RgbImage& image, std::string& error);

bool readPng(const std::string& path, RgbImage& image, std::string& error);

}  // namespace png
