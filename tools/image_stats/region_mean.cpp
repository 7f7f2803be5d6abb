#include "region_mean.h"

namespace image_stats {

bool regionMean(const png::RgbImage& image, const Rect& rect, MeanColour& mean) {
    if (rect.width <= 0 || rect.height <= 0 || rect.x < 0 || rect.y < 0 || rect.x > image.width - rect.width ||
        rect.y > image.height - rect.height)
        return false;
    double sum[3] = {0, 0, 0};
    for (int y = rect.y; y < rect.y + rect.height; ++y) {
        for (int x = rect.x; x < rect.x + rect.width; ++x) {
            std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
            for (int c = 0; c < 3; ++c) sum[c] += image.rgb[at + c];
        }
    }
    double count = static_cast<double>(rect.width) * rect.height;
    mean = {sum[0] / count, sum[1] / count, sum[2] / count};
    return true;
}

}  // namespace image_stats
