#include "mip_chain.h"

namespace normal_maps {

Image boxFilterHalf(const Image& image) {
    Image half;
    half.size = image.size / 2;
    half.pixels.resize(static_cast<std::size_t>(half.size) * half.size);
    for (int y = 0; y < half.size; ++y) {
        for (int x = 0; x < half.size; ++x) {
            std::uint32_t quad[4] = {image.at(2 * x, 2 * y), image.at(2 * x + 1, 2 * y),
                                     image.at(2 * x, 2 * y + 1), image.at(2 * x + 1, 2 * y + 1)};
            std::uint32_t mean = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                std::uint32_t sum = 2;  // rounds half up
                for (std::uint32_t pixel : quad) sum += pixel >> shift & 0xFF;
                mean |= (sum / 4) << shift;
            }
            half.pixels[static_cast<std::size_t>(y) * half.size + x] = mean;
        }
    }
    return half;
}

std::vector<Image> mipChain(Image top) {
    std::vector<Image> levels;
    levels.push_back(std::move(top));
    while (levels.back().size > 1) levels.push_back(boxFilterHalf(levels.back()));
    return levels;
}

}  // namespace normal_maps
