#include "normal_field.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace normal_maps {

namespace {

std::uint32_t packByte(double value) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(value * 127.5 + 127.5), 0L, 255L));
}

}  // namespace

Image normalMapFrame(const std::vector<Wave>& waves, int size, int frame, int frameCount) {
    constexpr double twoPi = 2.0 * std::numbers::pi;
    Image image;
    image.size = size;
    image.pixels.resize(static_cast<std::size_t>(size) * size);
    double time = static_cast<double>(frame) / frameCount;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double u = static_cast<double>(x) / size;
            double v = static_cast<double>(y) / size;
            double height = 0, slopeX = 0, slopeY = 0;
            for (const Wave& wave : waves) {
                double angle = twoPi * (wave.kx * u + wave.ky * v + wave.cycles * time) + wave.phase;
                height += wave.amplitude * std::cos(angle);
                // d/du and d/dv of the cosine, in height per tile width.
                double slope = -wave.amplitude * twoPi * std::sin(angle);
                slopeX += slope * wave.kx;
                slopeY += slope * wave.ky;
            }
            double length = std::sqrt(slopeX * slopeX + slopeY * slopeY + 1.0);
            std::uint32_t red = packByte(-slopeX / length);
            std::uint32_t green = packByte(-slopeY / length);
            std::uint32_t blue = packByte(1.0 / length);
            std::uint32_t alpha = packByte(height * 20.0);
            image.pixels[static_cast<std::size_t>(y) * size + x] = alpha << 24 | red << 16 | green << 8 | blue;
        }
    }
    return image;
}

}  // namespace normal_maps
