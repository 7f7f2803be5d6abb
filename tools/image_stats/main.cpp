// image_stats FILE.png X Y W H [X Y W H ...]: prints, one line per rectangle, the
// mean red, green and blue (0-255, one decimal) of the picture inside it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "png_reader.h"
#include "region_mean.h"

namespace {

bool parseInt(const char* text, int& value) {
    char* end = nullptr;
    long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < -1000000 || parsed > 1000000) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 6 || (argc - 2) % 4 != 0) {
        std::fprintf(stderr, "usage: %s FILE.png X Y W H [X Y W H ...]\n", argv[0]);
        return 2;
    }
    png::RgbImage image;
    std::string error;
    if (!png::readPng(argv[1], image, error)) {
        std::fprintf(stderr, "image_stats: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    for (int arg = 2; arg < argc; arg += 4) {
        image_stats::Rect rect;
        if (!parseInt(argv[arg], rect.x) || !parseInt(argv[arg + 1], rect.y) || !parseInt(argv[arg + 2], rect.width) ||
            !parseInt(argv[arg + 3], rect.height)) {
            std::fprintf(stderr, "image_stats: not a number among %s %s %s %s\n", argv[arg], argv[arg + 1],
                         argv[arg + 2], argv[arg + 3]);
            return 2;
        }
        image_stats::MeanColour mean;
        if (!image_stats::regionMean(image, rect, mean)) {
            std::fprintf(stderr, "image_stats: rectangle %d %d %d %d is empty or outside the %dx%d picture\n", rect.x,
                         rect.y, rect.width, rect.height, image.width, image.height);
            return 1;
        }
        std::printf("%.1f %.1f %.1f\n", mean.red, mean.green, mean.blue);
    }
    return 0;
}
