#include "d3dx/pixel_formats.h"

#include <algorithm>
#include <bit>

namespace d3d8water {
namespace {

constexpr PixelFormatInfo uncompressedFormats[] = {
    {D3DFMT_A8R8G8B8, 4, 0, 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
    {D3DFMT_X8R8G8B8, 4, 0, 0x00FF0000, 0x0000FF00, 0x000000FF, 0},
    {D3DFMT_R8G8B8, 3, 0, 0x00FF0000, 0x0000FF00, 0x000000FF, 0},
    {D3DFMT_R5G6B5, 2, 0, 0xF800, 0x07E0, 0x001F, 0},
    {D3DFMT_X1R5G5B5, 2, 0, 0x7C00, 0x03E0, 0x001F, 0},
    {D3DFMT_A1R5G5B5, 2, 0, 0x7C00, 0x03E0, 0x001F, 0x8000},
    {D3DFMT_A4R4G4B4, 2, 0, 0x0F00, 0x00F0, 0x000F, 0xF000},
    {D3DFMT_A8, 1, 0, 0, 0, 0, 0xFF},
    {D3DFMT_L8, 1, 0, 0xFF, 0, 0, 0},
    {D3DFMT_A8L8, 2, 0, 0x00FF, 0, 0, 0xFF00},
};

constexpr PixelFormatInfo blockFormats[] = {
    {D3DFMT_DXT1, 0, 8, 0, 0, 0, 0}, {D3DFMT_DXT2, 0, 16, 0, 0, 0, 0}, {D3DFMT_DXT3, 0, 16, 0, 0, 0, 0},
    {D3DFMT_DXT4, 0, 16, 0, 0, 0, 0}, {D3DFMT_DXT5, 0, 16, 0, 0, 0, 0},
};

void addChannel(std::vector<PixelChannel>& channels, DWORD mask) {
    if (mask == 0) return;
    channels.push_back({static_cast<unsigned>(std::countr_zero(mask)), static_cast<unsigned>(std::popcount(mask))});
}

}  // namespace

const PixelFormatInfo* findPixelFormat(D3DFORMAT format) {
    for (const PixelFormatInfo& info : uncompressedFormats)
        if (info.format == format) return &info;
    for (const PixelFormatInfo& info : blockFormats)
        if (info.format == format) return &info;
    return nullptr;
}

std::span<const PixelFormatInfo> uncompressedPixelFormats() { return uncompressedFormats; }

std::vector<PixelChannel> pixelChannels(const PixelFormatInfo& info) {
    std::vector<PixelChannel> channels;
    addChannel(channels, info.redMask);
    addChannel(channels, info.greenMask);
    addChannel(channels, info.blueMask);
    addChannel(channels, info.alphaMask);
    // Every table entry keeps its padding bits in one run (X8, X1).
    const std::uint64_t allBits = (std::uint64_t{1} << (8 * info.bytesPerPixel)) - 1;
    const DWORD padding =
        static_cast<DWORD>(allBits) & ~(info.redMask | info.greenMask | info.blueMask | info.alphaMask);
    addChannel(channels, padding);
    return channels;
}

std::uint64_t levelRowBytes(const PixelFormatInfo& info, std::uint64_t width) {
    if (isBlockCompressed(info)) return std::max<std::uint64_t>(1, (width + 3) / 4) * info.blockBytes;
    return width * info.bytesPerPixel;
}

std::uint64_t levelRowCount(const PixelFormatInfo& info, std::uint64_t height) {
    if (isBlockCompressed(info)) return std::max<std::uint64_t>(1, (height + 3) / 4);
    return height;
}

std::vector<BYTE> expandR8G8B8(std::span<const BYTE> pixels) {
    const std::size_t count = pixels.size() / 3;
    std::vector<BYTE> expanded(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        expanded[4 * i + 0] = pixels[3 * i + 0];
        expanded[4 * i + 1] = pixels[3 * i + 1];
        expanded[4 * i + 2] = pixels[3 * i + 2];
        expanded[4 * i + 3] = 0xFF;
    }
    return expanded;
}

}  // namespace d3d8water
