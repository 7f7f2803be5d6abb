// The texture formats the file loader handles: how their pixels are laid out
// in memory and how large one level of each is.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/d3d8_api.h"

namespace d3d8water {

// One channel of an uncompressed pixel, as a run of bits of the little-endian
// pixel value.
struct PixelChannel {
    unsigned shift;
    unsigned bits;
};

struct PixelFormatInfo {
    D3DFORMAT format;
    unsigned bytesPerPixel;  // 0 for block-compressed formats
    unsigned blockBytes;     // bytes per 4x4 block; 0 for uncompressed formats
    // Bit masks of the pixel value; for luminance formats the luminance is in
    // redMask. Bits outside the four masks are padding (the X of X8R8G8B8).
    DWORD redMask, greenMask, blueMask, alphaMask;
};

// Null for a format the loader does not handle.
const PixelFormatInfo* findPixelFormat(D3DFORMAT format);

// Every handled uncompressed format, for matching a file's bit masks.
std::span<const PixelFormatInfo> uncompressedPixelFormats();

inline bool isBlockCompressed(const PixelFormatInfo& info) { return info.blockBytes != 0; }

// Channels of an uncompressed format, padding included, so that an operation
// applied to each channel carries every bit of the pixel along.
std::vector<PixelChannel> pixelChannels(const PixelFormatInfo& info);

// Bytes of one row of pixels (or of 4x4 blocks) of a level, and the number of
// such rows. 64-bit so that no width or height can overflow them.
std::uint64_t levelRowBytes(const PixelFormatInfo& info, std::uint64_t width);
std::uint64_t levelRowCount(const PixelFormatInfo& info, std::uint64_t height);
inline std::uint64_t levelByteSize(const PixelFormatInfo& info, std::uint64_t width, std::uint64_t height) {
    return levelRowBytes(info, width) * levelRowCount(info, height);
}

// R8G8B8 pixels (blue, green, red in memory) widened to X8R8G8B8 with X = 0xFF.
std::vector<BYTE> expandR8G8B8(std::span<const BYTE> pixels);

}  // namespace d3d8water
