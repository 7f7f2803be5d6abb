#include "d3dx/dds_file.h"

#include <cstdint>

#include "d3dx/image.h"

namespace d3d8water {
namespace {

// The file: "DDS ", a 124-byte header holding a 32-byte pixel format, then the
// levels of the image one after another, largest first.
constexpr std::size_t magicSize = 4;
constexpr DWORD headerSize = 124;
constexpr DWORD pixelFormatSize = 32;
constexpr std::size_t dataOffset = magicSize + headerSize;

// Byte offsets of the header fields from the start of the file.
constexpr std::size_t offsetHeaderSize = 4;
constexpr std::size_t offsetFlags = 8;
constexpr std::size_t offsetHeight = 12;
constexpr std::size_t offsetWidth = 16;
constexpr std::size_t offsetDepth = 24;
constexpr std::size_t offsetMipMapCount = 28;
constexpr std::size_t offsetPixelFormat = 76;
constexpr std::size_t offsetCaps2 = 112;

// Offsets inside the pixel format.
constexpr std::size_t pfSize = 0;
constexpr std::size_t pfFlags = 4;
constexpr std::size_t pfFourCC = 8;
constexpr std::size_t pfBitCount = 12;
constexpr std::size_t pfRedMask = 16;
constexpr std::size_t pfGreenMask = 20;
constexpr std::size_t pfBlueMask = 24;
constexpr std::size_t pfAlphaMask = 28;

constexpr DWORD headerFlagDepth = 0x800000;
constexpr DWORD pixelAlphaPixels = 0x1;
constexpr DWORD pixelAlphaOnly = 0x2;
constexpr DWORD pixelFourCC = 0x4;
constexpr DWORD pixelRgb = 0x40;
constexpr DWORD pixelLuminance = 0x20000;
constexpr DWORD caps2CubeMap = 0x200;
constexpr DWORD caps2Volume = 0x200000;

DWORD readDword(std::span<const BYTE> bytes, std::size_t offset) {
    return static_cast<DWORD>(bytes[offset]) | static_cast<DWORD>(bytes[offset + 1]) << 8 |
           static_cast<DWORD>(bytes[offset + 2]) << 16 | static_cast<DWORD>(bytes[offset + 3]) << 24;
}

const PixelFormatInfo* fourCCFormat(DWORD fourCC) {
    switch (fourCC) {
    case D3DFMT_DXT1:
    case D3DFMT_DXT2:
    case D3DFMT_DXT3:
    case D3DFMT_DXT4:
    case D3DFMT_DXT5:
        return findPixelFormat(static_cast<D3DFORMAT>(fourCC));
    default:
        return nullptr;
    }
}

// An uncompressed format is known by its bit count and masks; the alpha mask
// counts only where the flags say the pixels carry alpha.
const PixelFormatInfo* maskedFormat(std::span<const BYTE> pf) {
    const DWORD flags = readDword(pf, pfFlags);
    const DWORD kinds = flags & (pixelRgb | pixelLuminance | pixelAlphaOnly);
    if (kinds != pixelRgb && kinds != pixelLuminance && kinds != pixelAlphaOnly) return nullptr;
    const bool hasAlpha = (flags & (pixelAlphaPixels | pixelAlphaOnly)) != 0;
    const DWORD bitCount = readDword(pf, pfBitCount);
    const DWORD red = kinds == pixelAlphaOnly ? 0 : readDword(pf, pfRedMask);
    const DWORD green = kinds == pixelRgb ? readDword(pf, pfGreenMask) : 0;
    const DWORD blue = kinds == pixelRgb ? readDword(pf, pfBlueMask) : 0;
    const DWORD alpha = hasAlpha ? readDword(pf, pfAlphaMask) : 0;
    for (const PixelFormatInfo& info : uncompressedPixelFormats()) {
        const bool isLuminance = info.format == D3DFMT_L8 || info.format == D3DFMT_A8L8;
        const bool isAlphaOnly = info.format == D3DFMT_A8;
        const DWORD infoKind = isLuminance ? pixelLuminance : isAlphaOnly ? pixelAlphaOnly : pixelRgb;
        if (infoKind == kinds && info.bytesPerPixel * 8 == bitCount && info.redMask == red &&
            info.greenMask == green && info.blueMask == blue && info.alphaMask == alpha)
            return &info;
    }
    return nullptr;
}

HRESULT readFormat(std::span<const BYTE> pf, const PixelFormatInfo*& format) {
    if (readDword(pf, pfSize) != pixelFormatSize) return D3DERR_INVALIDCALL;
    const DWORD flags = readDword(pf, pfFlags);
    format = (flags & pixelFourCC) ? fourCCFormat(readDword(pf, pfFourCC)) : maskedFormat(pf);
    return format ? D3D_OK : D3DERR_NOTAVAILABLE;
}

}  // namespace

HRESULT parseDdsFile(std::span<const BYTE> bytes, DdsFile& file) {
    file = {};
    if (bytes.size() < dataOffset) return D3DERR_INVALIDCALL;
    if (bytes[0] != 'D' || bytes[1] != 'D' || bytes[2] != 'S' || bytes[3] != ' ') return D3DERR_INVALIDCALL;
    if (readDword(bytes, offsetHeaderSize) != headerSize) return D3DERR_INVALIDCALL;

    const DWORD width = readDword(bytes, offsetWidth);
    const DWORD height = readDword(bytes, offsetHeight);
    if (width == 0 || height == 0 || width > maxDdsDimension || height > maxDdsDimension)
        return D3DERR_INVALIDCALL;

    const PixelFormatInfo* format = nullptr;
    if (HRESULT hr = readFormat(bytes.subspan(offsetPixelFormat, pixelFormatSize), format); hr != D3D_OK) return hr;

    const DWORD caps2 = readDword(bytes, offsetCaps2);
    const bool volume = (caps2 & caps2Volume) ||
                        ((readDword(bytes, offsetFlags) & headerFlagDepth) && readDword(bytes, offsetDepth) > 1);
    if ((caps2 & caps2CubeMap) || volume) return D3DERR_NOTAVAILABLE;

    // Writers disagree on the flag that announces the count, so the count
    // alone decides; zero means the one level.
    const DWORD mipMapCount = readDword(bytes, offsetMipMapCount);
    const UINT levelCount = mipMapCount == 0 ? 1 : mipMapCount;
    if (levelCount > fullMipChainLength(width, height)) return D3DERR_INVALIDCALL;

    // Each level's size is bounded by the dimension limit, so the running
    // offset stays far from overflowing 64 bits; it is checked against the
    // file's size before any level is handed out.
    std::vector<DdsLevel> levels;
    std::uint64_t offset = dataOffset;
    UINT levelWidth = width;
    UINT levelHeight = height;
    for (UINT i = 0; i < levelCount; ++i) {
        const std::uint64_t size = levelByteSize(*format, levelWidth, levelHeight);
        if (size > bytes.size() - offset) return D3DERR_INVALIDCALL;
        levels.push_back({levelWidth, levelHeight,
                          bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size))});
        offset += size;
        levelWidth = nextMipSize(levelWidth);
        levelHeight = nextMipSize(levelHeight);
    }
    file.format = format;
    file.levels = std::move(levels);
    return D3D_OK;
}

}  // namespace d3d8water
