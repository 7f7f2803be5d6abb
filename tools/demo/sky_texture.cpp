#include "sky_texture.h"

#include <cmath>

namespace demo {

std::vector<std::uint32_t> skyTexturePixels() {
    constexpr float twoPi = 6.2831853f;
    std::vector<std::uint32_t> pixels;
    pixels.reserve(skyTextureSize * skyTextureSize);
    for (int row = 0; row < skyTextureSize; ++row) {
        float v = (static_cast<float>(row) + 0.5f) / skyTextureSize;
        float height = std::fabs(v - 0.5f) * 2.0f;  // 0 at the horizon, 1 at the zenith
        float blue = std::pow(height, 0.45f);
        for (int column = 0; column < skyTextureSize; ++column) {
            float u = (static_cast<float>(column) + 0.5f) / skyTextureSize;
            // Clouds: whole periods across u, so the faces of the box join up.
            float streak = std::sin(twoPi * (2 * u) + 9.0f * height) * std::sin(twoPi * (3 * u) + 1.3f) +
                           0.5f * std::sin(twoPi * (5 * u) + 14.0f * height);
            float band = std::exp(-std::pow((height - 0.25f) / 0.12f, 2.0f));
            float cloud = band * (streak > 0.2f ? (streak - 0.2f) * 0.6f : 0.0f);
            cloud = cloud > 0.7f ? 0.7f : cloud;
            float rgb[3] = {208 + (64 - 208) * blue, 222 + (118 - 222) * blue, 234 + (196 - 234) * blue};
            std::uint32_t pixel = 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                float value = rgb[c] + (250.0f - rgb[c]) * cloud;
                pixel |= static_cast<std::uint32_t>(value) << (16 - 8 * c);
            }
            pixels.push_back(pixel);
        }
    }
    return pixels;
}

}  // namespace demo
