// One frame of the water's normal map: the normals of the summed height field,
// packed as A8R8G8B8 pixels (red x, green y, blue z, each n * 127.5 + 127.5;
// alpha the height).
#pragma once

#include <cstdint>
#include <vector>

#include "wave_spectrum.h"

namespace normal_maps {

// One square image, rows top to bottom, pixels as 0xAARRGGBB.
struct Image {
    int size = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * size + x]; }
};

// Frame `frame` of `frameCount`, `size` pixels square.
Image normalMapFrame(const std::vector<Wave>& waves, int size, int frame, int frameCount);

}  // namespace normal_maps
