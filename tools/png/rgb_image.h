// An 8-bit RGB picture, rows top to bottom, three bytes a pixel.
#pragma once

#include <cstdint>
#include <vector>

namespace png {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

}  // namespace png
