#include "dds_writer.h"

namespace normal_maps {

namespace {

// DDSURFACEDESC2 and DDPIXELFORMAT flags.
constexpr std::uint32_t ddsdCaps = 0x1, ddsdHeight = 0x2, ddsdWidth = 0x4, ddsdPitch = 0x8,
                        ddsdPixelFormat = 0x1000, ddsdMipMapCount = 0x20000;
constexpr std::uint32_t ddpfAlphaPixels = 0x1, ddpfRgb = 0x40;
constexpr std::uint32_t ddsCapsComplex = 0x8, ddsCapsTexture = 0x1000, ddsCapsMipMap = 0x400000;

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::vector<std::uint8_t> ddsFile(const std::vector<Image>& levels) {
    std::vector<std::uint8_t> out;
    const auto size = static_cast<std::uint32_t>(levels.front().size);
    put32(out, 0x20534444);  // "DDS "
    put32(out, 124);
    put32(out, ddsdCaps | ddsdHeight | ddsdWidth | ddsdPitch | ddsdPixelFormat | ddsdMipMapCount);
    put32(out, size);  // height
    put32(out, size);  // width
    put32(out, size * 4);  // pitch of the top level
    put32(out, 0);  // depth
    put32(out, static_cast<std::uint32_t>(levels.size()));
    for (int i = 0; i < 11; ++i) put32(out, 0);
    put32(out, 32);  // pixel format size
    put32(out, ddpfRgb | ddpfAlphaPixels);
    put32(out, 0);  // no FourCC
    put32(out, 32);
    put32(out, 0x00FF0000);
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    put32(out, 0xFF000000);
    put32(out, ddsCapsTexture | ddsCapsMipMap | ddsCapsComplex);
    for (int i = 0; i < 4; ++i) put32(out, 0);  // caps2 to caps4, reserved
    for (const Image& level : levels)
        for (std::uint32_t pixel : level.pixels) put32(out, pixel);
    return out;
}

}  // namespace normal_maps
