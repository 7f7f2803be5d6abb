// The mean colour of a rectangle of a picture.
#pragma once

#include "rgb_image.h"

namespace image_stats {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct MeanColour {
    double red = 0, green = 0, blue = 0;
};

// False if the rectangle is empty or reaches outside the picture.
bool regionMean(const png::RgbImage& image, const Rect& rect, MeanColour& mean);

}  // namespace image_stats
