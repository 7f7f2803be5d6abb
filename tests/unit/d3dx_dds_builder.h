// Builds small DDS files in memory for the loader's tests and fuzz seeds.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/d3d8_api.h"

namespace d3dx_test {

using d3d8::BYTE;
using d3d8::D3DFORMAT;
using d3d8::DWORD;

// The file's pixel-format block, written out field by field.
struct DdsPixelFormat {
    DWORD size = 32;
    DWORD flags = 0;
    DWORD fourCC = 0;
    DWORD bitCount = 0;
    DWORD redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
};

// How common writers describe each format.
inline DdsPixelFormat ddsPixelFormat(D3DFORMAT format) {
    constexpr DWORD alphaPixels = 0x1, alpha = 0x2, fourCC = 0x4, rgb = 0x40, luminance = 0x20000;
    switch (format) {
    case d3d8::D3DFMT_A8R8G8B8: return {32, rgb | alphaPixels, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    case d3d8::D3DFMT_X8R8G8B8: return {32, rgb, 0, 32, 0xFF0000, 0xFF00, 0xFF, 0};
    case d3d8::D3DFMT_R8G8B8: return {32, rgb, 0, 24, 0xFF0000, 0xFF00, 0xFF, 0};
    case d3d8::D3DFMT_R5G6B5: return {32, rgb, 0, 16, 0xF800, 0x7E0, 0x1F, 0};
    case d3d8::D3DFMT_X1R5G5B5: return {32, rgb, 0, 16, 0x7C00, 0x3E0, 0x1F, 0};
    case d3d8::D3DFMT_A1R5G5B5: return {32, rgb | alphaPixels, 0, 16, 0x7C00, 0x3E0, 0x1F, 0x8000};
    case d3d8::D3DFMT_A4R4G4B4: return {32, rgb | alphaPixels, 0, 16, 0xF00, 0xF0, 0xF, 0xF000};
    case d3d8::D3DFMT_A8: return {32, alpha, 0, 8, 0, 0, 0, 0xFF};
    case d3d8::D3DFMT_L8: return {32, luminance, 0, 8, 0xFF, 0, 0, 0};
    case d3d8::D3DFMT_A8L8: return {32, luminance | alphaPixels, 0, 16, 0xFF, 0, 0, 0xFF00};
    default: return {32, fourCC, static_cast<DWORD>(format), 0, 0, 0, 0, 0};  // DXT1 to DXT5
    }
}

struct DdsBuilder {
    char magic[4] = {'D', 'D', 'S', ' '};
    DWORD headerSize = 124;
    DWORD flags = 0x1007;  // caps, height, width, pixel format
    DWORD width = 4;
    DWORD height = 4;
    DWORD pitchOrLinearSize = 0;
    DWORD depth = 0;
    DWORD mipMapCount = 0;
    DdsPixelFormat pixelFormat;
    DWORD caps = 0x1000;
    DWORD caps2 = 0;
    std::vector<BYTE> data;  // the levels, largest first

    DdsBuilder(D3DFORMAT format, DWORD w, DWORD h) : width(w), height(h), pixelFormat(ddsPixelFormat(format)) {}

    std::vector<BYTE> bytes() const {
        std::vector<BYTE> out(magic, magic + 4);
        auto put = [&out](DWORD value) {
            for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(value >> (8 * i)));
        };
        put(headerSize);
        put(flags);
        put(height);
        put(width);
        put(pitchOrLinearSize);
        put(depth);
        put(mipMapCount);
        for (int i = 0; i < 11; ++i) put(0);
        put(pixelFormat.size);
        put(pixelFormat.flags);
        put(pixelFormat.fourCC);
        put(pixelFormat.bitCount);
        put(pixelFormat.redMask);
        put(pixelFormat.greenMask);
        put(pixelFormat.blueMask);
        put(pixelFormat.alphaMask);
        put(caps);
        put(caps2);
        put(0);
        put(0);
        put(0);
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }
};

// Bytes 0, 1, 2, ... (mod 256): data whose every byte differs from its neighbours.
inline std::vector<BYTE> countingBytes(std::size_t count, BYTE start = 0) {
    std::vector<BYTE> bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<BYTE>(start + i);
    return bytes;
}

}  // namespace d3dx_test
