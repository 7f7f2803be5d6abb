#include "d3dx/block_decode.h"

#include <array>
#include <cstdint>

namespace d3d8water {
namespace {

struct Colour {
    BYTE blue, green, red, alpha;
};

using BlockPixels = std::array<Colour, 16>;  // row by row

unsigned readWord(const BYTE* p) { return p[0] | p[1] << 8; }

std::uint32_t readDword(const BYTE* p) { return static_cast<std::uint32_t>(readWord(p)) | static_cast<std::uint32_t>(readWord(p + 2)) << 16; }

Colour fromR5G6B5(unsigned value) {
    const unsigned r = (value >> 11) & 0x1F, g = (value >> 5) & 0x3F, b = value & 0x1F;
    return {static_cast<BYTE>(b << 3 | b >> 2), static_cast<BYTE>(g << 2 | g >> 4), static_cast<BYTE>(r << 3 | r >> 2),
            0xFF};
}

// (weightA * a + weightB * b) / (weightA + weightB), rounded to nearest.
BYTE blend(unsigned a, unsigned weightA, unsigned b, unsigned weightB) {
    const unsigned total = weightA + weightB;
    return static_cast<BYTE>((weightA * a + weightB * b + total / 2) / total);
}

Colour blendColour(Colour a, unsigned weightA, Colour b, unsigned weightB) {
    return {blend(a.blue, weightA, b.blue, weightB), blend(a.green, weightA, b.green, weightB),
            blend(a.red, weightA, b.red, weightB), 0xFF};
}

// The 8-byte colour part: two R5G6B5 end points, then 2-bit indices, pixel 0
// in the lowest bits.
void decodeColours(const BYTE* block, bool allowThreeColourMode, BlockPixels& pixels) {
    const unsigned end0 = readWord(block), end1 = readWord(block + 2);
    std::array<Colour, 4> palette{fromR5G6B5(end0), fromR5G6B5(end1), {}, {}};
    if (end0 > end1 || !allowThreeColourMode) {
        palette[2] = blendColour(palette[0], 2, palette[1], 1);
        palette[3] = blendColour(palette[0], 1, palette[1], 2);
    } else {
        palette[2] = blendColour(palette[0], 1, palette[1], 1);
        palette[3] = {0, 0, 0, 0};
    }
    const std::uint32_t indices = readDword(block + 4);
    for (unsigned i = 0; i < 16; ++i) pixels[i] = palette[(indices >> (2 * i)) & 3];
}

// DXT2/3: sixteen 4-bit alpha values, pixel 0 in the lowest bits.
void decodeExplicitAlpha(const BYTE* block, BlockPixels& pixels) {
    for (unsigned i = 0; i < 16; ++i) {
        const unsigned nibble = (block[i / 2] >> (4 * (i % 2))) & 0xF;
        pixels[i].alpha = static_cast<BYTE>(nibble * 17);
    }
}

// DXT4/5: two 8-bit end points, then 3-bit indices over 48 bits. Eight
// interpolated values where the first end point is greater, otherwise six
// plus 0 and 255.
void decodeInterpolatedAlpha(const BYTE* block, BlockPixels& pixels) {
    const unsigned a0 = block[0], a1 = block[1];
    std::array<BYTE, 8> palette{static_cast<BYTE>(a0), static_cast<BYTE>(a1)};
    if (a0 > a1) {
        for (unsigned i = 1; i <= 6; ++i) palette[i + 1] = blend(a0, 7 - i, a1, i);
    } else {
        for (unsigned i = 1; i <= 4; ++i) palette[i + 1] = blend(a0, 5 - i, a1, i);
        palette[6] = 0;
        palette[7] = 0xFF;
    }
    std::uint64_t indices = 0;
    for (unsigned i = 0; i < 6; ++i) indices |= static_cast<std::uint64_t>(block[2 + i]) << (8 * i);
    for (unsigned i = 0; i < 16; ++i) pixels[i].alpha = palette[(indices >> (3 * i)) & 7];
}

void decodeBlock(D3DFORMAT format, const BYTE* block, BlockPixels& pixels) {
    switch (format) {
    case D3DFMT_DXT1:
        decodeColours(block, true, pixels);
        break;
    case D3DFMT_DXT2:
    case D3DFMT_DXT3:
        decodeColours(block + 8, false, pixels);
        decodeExplicitAlpha(block, pixels);
        break;
    default:  // DXT4, DXT5
        decodeColours(block + 8, false, pixels);
        decodeInterpolatedAlpha(block, pixels);
        break;
    }
}

}  // namespace

std::vector<BYTE> decodeBlockLevel(D3DFORMAT format, UINT width, UINT height, std::span<const BYTE> blocks) {
    const std::size_t blockBytes = format == D3DFMT_DXT1 ? 8 : 16;
    const std::size_t blocksAcross = (std::size_t{width} + 3) / 4;
    const std::size_t blocksDown = (std::size_t{height} + 3) / 4;
    std::vector<BYTE> argb(std::size_t{width} * height * 4);
    BlockPixels pixels;
    for (std::size_t by = 0; by < blocksDown; ++by) {
        for (std::size_t bx = 0; bx < blocksAcross; ++bx) {
            decodeBlock(format, blocks.data() + (by * blocksAcross + bx) * blockBytes, pixels);
            for (std::size_t py = 0; py < 4 && by * 4 + py < height; ++py) {
                for (std::size_t px = 0; px < 4 && bx * 4 + px < width; ++px) {
                    const Colour& c = pixels[py * 4 + px];
                    BYTE* out = &argb[((by * 4 + py) * width + bx * 4 + px) * 4];
                    out[0] = c.blue;
                    out[1] = c.green;
                    out[2] = c.red;
                    out[3] = c.alpha;
                }
            }
        }
    }
    return argb;
}

}  // namespace d3d8water
