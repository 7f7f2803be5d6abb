#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "d3dx/block_decode.h"

namespace d3d8water {
namespace {

struct Argb {
    int a, r, g, b;
    bool operator==(const Argb&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Argb& c) {
    return out << "(a " << c.a << ", r " << c.r << ", g " << c.g << ", b " << c.b << ")";
}

Argb pixelAt(const std::vector<BYTE>& argb, UINT width, UINT x, UINT y) {
    const BYTE* p = &argb[(y * width + x) * 4];
    return {p[3], p[2], p[1], p[0]};
}

// End points used throughout. 0xA50A is R5G6B5 (20, 40, 10), widened to
// (165, 162, 82); 0x2102 is (4, 8, 2), widened to (33, 32, 16).
constexpr unsigned bright = 0xA50A, dark = 0x2102;

void putWord(std::vector<BYTE>& block, unsigned value) {
    block.push_back(static_cast<BYTE>(value));
    block.push_back(static_cast<BYTE>(value >> 8));
}

// A colour block whose pixel i takes index i % 4: every row reads 0, 1, 2, 3.
std::vector<BYTE> colourBlock(unsigned end0, unsigned end1) {
    std::vector<BYTE> block;
    putWord(block, end0);
    putWord(block, end1);
    for (int i = 0; i < 4; ++i) block.push_back(0xE4);  // 0b11'10'01'00
    return block;
}

std::vector<BYTE> concat(std::vector<BYTE> a, const std::vector<BYTE>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void expectRowsRead(const std::vector<BYTE>& argb, const std::array<Argb, 4>& row) {
    ASSERT_EQ(argb.size(), 64u);
    for (UINT y = 0; y < 4; ++y)
        for (UINT x = 0; x < 4; ++x) EXPECT_EQ(pixelAt(argb, 4, x, y), row[x]) << "pixel " << x << "," << y;
}

TEST(D3dxBlockDecode, Dxt1FourColourModeInterpolatesThirds) {
    // (2 x 165 + 33) / 3 = 121, (2 x 162 + 32) / 3 = 118.7 -> 119, (2 x 82 + 16) / 3 = 60;
    // (165 + 2 x 33) / 3 = 77, (162 + 2 x 32) / 3 = 75.3 -> 75, (82 + 2 x 16) / 3 = 38.
    expectRowsRead(decodeBlockLevel(D3DFMT_DXT1, 4, 4, colourBlock(bright, dark)),
                   {{{255, 165, 162, 82}, {255, 33, 32, 16}, {255, 121, 119, 60}, {255, 77, 75, 38}}});
}

TEST(D3dxBlockDecode, Dxt1ThreeColourModeHasAHalfwayColourAndTransparentBlack) {
    // (165 + 33) / 2 = 99, (162 + 32) / 2 = 97, (82 + 16) / 2 = 49.
    expectRowsRead(decodeBlockLevel(D3DFMT_DXT1, 4, 4, colourBlock(dark, bright)),
                   {{{255, 33, 32, 16}, {255, 165, 162, 82}, {255, 99, 97, 49}, {0, 0, 0, 0}}});
    // Equal end points are the three-colour mode too.
    expectRowsRead(decodeBlockLevel(D3DFMT_DXT1, 4, 4, colourBlock(dark, dark)),
                   {{{255, 33, 32, 16}, {255, 33, 32, 16}, {255, 33, 32, 16}, {0, 0, 0, 0}}});
}

TEST(D3dxBlockDecode, Dxt2And3TakeExplicitAlphaAndAlwaysFourColours) {
    // Pixel i has alpha nibble i (pixel 0 in the low nibble of byte 0): alpha 17 x i.
    std::vector<BYTE> alpha;
    for (int i = 0; i < 8; ++i) alpha.push_back(static_cast<BYTE>((2 * i) | (2 * i + 1) << 4));
    // End points in three-colour order: DXT3 still reads four opaque colours.
    const std::vector<BYTE> block = concat(alpha, colourBlock(dark, bright));
    const Argb row[4] = {{0, 33, 32, 16}, {0, 165, 162, 82}, {0, 77, 75, 38}, {0, 121, 119, 60}};
    for (D3DFORMAT format : {D3DFMT_DXT2, D3DFMT_DXT3}) {
        SCOPED_TRACE(format);
        const std::vector<BYTE> argb = decodeBlockLevel(format, 4, 4, block);
        for (UINT i = 0; i < 16; ++i) {
            Argb expected = row[i % 4];
            expected.a = static_cast<int>(17 * i);
            EXPECT_EQ(pixelAt(argb, 4, i % 4, i / 4), expected) << "pixel " << i;
        }
    }
}

// Alpha part of a DXT4/5 block whose pixel i takes alpha index i % 8: 3-bit
// indices 0..7 are the 24 bits 0xFAC688, twice.
std::vector<BYTE> alphaBlock(BYTE a0, BYTE a1) { return {a0, a1, 0x88, 0xC6, 0xFA, 0x88, 0xC6, 0xFA}; }

TEST(D3dxBlockDecode, Dxt4And5InterpolateAlphaInEightAndSixValueModes) {
    struct AlphaCase {
        const char* name;
        BYTE a0, a1;
        std::array<int, 8> palette;
    } cases[] = {
        // a0 > a1: ((7 - i) x 200 + i x 10) / 7 = 172.9, 145.7, 118.6, 91.4, 64.3, 37.1.
        {"eight values", 200, 10, {200, 10, 173, 146, 119, 91, 64, 37}},
        // a0 <= a1: ((5 - i) x 10 + i x 201) / 5 = 48.2, 86.4, 124.6, 162.8, then 0 and 255.
        {"six values", 10, 201, {10, 201, 48, 86, 125, 163, 0, 255}},
    };
    for (const AlphaCase& c : cases) {
        for (D3DFORMAT format : {D3DFMT_DXT4, D3DFMT_DXT5}) {
            SCOPED_TRACE(testing::Message() << c.name << ", format " << format);
            const std::vector<BYTE> argb =
                decodeBlockLevel(format, 4, 4, concat(alphaBlock(c.a0, c.a1), colourBlock(bright, dark)));
            const Argb row[4] = {{0, 165, 162, 82}, {0, 33, 32, 16}, {0, 121, 119, 60}, {0, 77, 75, 38}};
            for (UINT i = 0; i < 16; ++i) {
                Argb expected = row[i % 4];
                expected.a = c.palette[i % 8];
                EXPECT_EQ(pixelAt(argb, 4, i % 4, i / 4), expected) << "pixel " << i;
            }
        }
    }
}

TEST(D3dxBlockDecode, CropsEdgeBlocksToTheLevelSize) {
    // 5 x 3 pixels are two blocks side by side: the first all end point 0
    // (index 0), the second all end point 1 (index 1).
    std::vector<BYTE> blocks = {0x0A, 0xA5, 0x02, 0x21, 0, 0, 0, 0};
    blocks = concat(blocks, {0x0A, 0xA5, 0x02, 0x21, 0x55, 0x55, 0x55, 0x55});
    const std::vector<BYTE> argb = decodeBlockLevel(D3DFMT_DXT1, 5, 3, blocks);
    ASSERT_EQ(argb.size(), 5u * 3u * 4u);
    for (UINT y = 0; y < 3; ++y) {
        for (UINT x = 0; x < 4; ++x) EXPECT_EQ(pixelAt(argb, 5, x, y), (Argb{255, 165, 162, 82}));
        EXPECT_EQ(pixelAt(argb, 5, 4, y), (Argb{255, 33, 32, 16}));
    }
    // A 1 x 1 level is the top-left pixel of its block.
    const std::vector<BYTE> single = decodeBlockLevel(D3DFMT_DXT1, 1, 1, colourBlock(bright, dark));
    ASSERT_EQ(single.size(), 4u);
    EXPECT_EQ(pixelAt(single, 1, 0, 0), (Argb{255, 165, 162, 82}));
}

}  // namespace
}  // namespace d3d8water
