#include "d3dx/mip_generation.h"

#include <algorithm>
#include <cstdint>

namespace d3d8water {
namespace {

std::uint32_t readPixel(const BYTE* p, unsigned bytes) {
    std::uint32_t value = 0;
    for (unsigned i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return value;
}

void writePixel(BYTE* p, unsigned bytes, std::uint32_t value) {
    for (unsigned i = 0; i < bytes; ++i) p[i] = static_cast<BYTE>(value >> (8 * i));
}

std::uint32_t averagePixels(const std::vector<PixelChannel>& channels, const std::uint32_t (&square)[4]) {
    std::uint32_t result = 0;
    for (const PixelChannel& channel : channels) {
        const std::uint32_t mask = static_cast<std::uint32_t>((std::uint64_t{1} << channel.bits) - 1);
        std::uint32_t sum = 0;
        for (std::uint32_t pixel : square) sum += (pixel >> channel.shift) & mask;
        result |= ((sum + 2) / 4) << channel.shift;
    }
    return result;
}

}  // namespace

std::vector<BYTE> boxFilterLevel(const PixelFormatInfo& format, UINT width, UINT height, std::span<const BYTE> pixels) {
    const unsigned bpp = format.bytesPerPixel;
    const std::vector<PixelChannel> channels = pixelChannels(format);
    const UINT outWidth = nextMipSize(width), outHeight = nextMipSize(height);
    std::vector<BYTE> out(std::size_t{outWidth} * outHeight * bpp);
    auto at = [&](UINT x, UINT y) { return readPixel(&pixels[(std::size_t{y} * width + x) * bpp], bpp); };
    for (UINT y = 0; y < outHeight; ++y) {
        const UINT y0 = 2 * y, y1 = std::min(2 * y + 1, height - 1);
        for (UINT x = 0; x < outWidth; ++x) {
            const UINT x0 = 2 * x, x1 = std::min(2 * x + 1, width - 1);
            const std::uint32_t square[4] = {at(x0, y0), at(x1, y0), at(x0, y1), at(x1, y1)};
            writePixel(&out[(std::size_t{y} * outWidth + x) * bpp], bpp, averagePixels(channels, square));
        }
    }
    return out;
}

void completeMipChain(Image& image) {
    const PixelFormatInfo& format = *findPixelFormat(image.format);
    const ImageLevel& top = image.levels.front();
    const std::size_t fullLength = fullMipChainLength(top.width, top.height);
    image.levels.reserve(fullLength);
    while (image.levels.size() < fullLength) {
        const ImageLevel& last = image.levels.back();
        std::vector<BYTE> next = boxFilterLevel(format, last.width, last.height, last.bytes);
        image.levels.push_back({nextMipSize(last.width), nextMipSize(last.height), std::move(next)});
    }
}

}  // namespace d3d8water
