#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "d3dx/mip_generation.h"

namespace d3d8water {
namespace {

std::vector<BYTE> pixelBytes(const std::vector<std::uint32_t>& values, unsigned bytesPerPixel) {
    std::vector<BYTE> bytes;
    for (std::uint32_t v : values)
        for (unsigned i = 0; i < bytesPerPixel; ++i) bytes.push_back(static_cast<BYTE>(v >> (8 * i)));
    return bytes;
}

struct SquareCase {
    D3DFORMAT format;
    std::vector<std::uint32_t> square;  // 2 x 2, row by row
    std::uint32_t average;
};

// Every channel is averaged alone and rounded to nearest (halves up), and
// padding bits travel with the pixel.
TEST(D3dxMipGeneration, AveragesEachChannelOfATwoByTwoSquare) {
    const SquareCase cases[] = {
        // a: 0 0 0 2 -> 0.5 -> 1; r: 255 255 255 254 -> 255; g: 10 20 30 41 -> 25.25 -> 25; b: 0 1 1 1 -> 1.
        {D3DFMT_A8R8G8B8, {0x00FF0A00, 0x00FF1401, 0x00FF1E01, 0x02FE2901}, 0x01FF1901},
        {D3DFMT_X8R8G8B8, {0xFFFF0A00, 0xFFFF1401, 0xFFFF1E01, 0xFFFE2901}, 0xFFFF1901},
        // r 31 0 0 31, g 0 63 0 63, b 0 0 31 31: 15.5 -> 16, 31.5 -> 32, 16; no carry between channels.
        {D3DFMT_R5G6B5, {0xF800, 0x07E0, 0x001F, 0xFFFF}, (16u << 11) | (32u << 5) | 16u},
        {D3DFMT_X1R5G5B5, {0xFC00, 0x83E0, 0x801F, 0xFFFF}, 0x8000 | (16u << 10) | (16u << 5) | 16u},
        // alpha bits 1 0 0 0 -> 0.25 -> 0.
        {D3DFMT_A1R5G5B5, {0xFC00, 0x03E0, 0x001F, 0x7FFF}, (16u << 10) | (16u << 5) | 16u},
        // each channel 15 0 0 0 -> 3.75 -> 4.
        {D3DFMT_A4R4G4B4, {0xF000, 0x0F00, 0x00F0, 0x000F}, 0x4444},
        {D3DFMT_A8, {1, 2, 3, 4}, 3},
        {D3DFMT_L8, {250, 251, 252, 255}, 252},
        // l: 255 0 0 1 -> 64; a: 0 255 0 1 -> 64.
        {D3DFMT_A8L8, {0x00FF, 0xFF00, 0x0000, 0x0101}, 0x4040},
    };
    for (const SquareCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format);
        const PixelFormatInfo& format = *findPixelFormat(c.format);
        const std::vector<BYTE> out = boxFilterLevel(format, 2, 2, pixelBytes(c.square, format.bytesPerPixel));
        EXPECT_EQ(out, pixelBytes({c.average}, format.bytesPerPixel));
    }
}

struct OddCase {
    const char* name;
    UINT width, height;
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint32_t> expected;
};

TEST(D3dxMipGeneration, ClampsTheSquareAtOddEdges) {
    const OddCase cases[] = {
        // Of 3 x 3 the last row and column do not contribute: (10 + 20 + 30 + 40) / 4.
        {"3 x 3", 3, 3, {10, 20, 99, 30, 40, 99, 99, 99, 99}, {25}},
        // A column 1 wide averages each pixel with itself: (8 + 8 + 16 + 16) / 4.
        {"1 x 3", 1, 3, {8, 16, 99}, {12}},
        {"5 x 1", 5, 1, {10, 20, 30, 41, 99}, {15, 36}},
        {"1 x 1", 1, 1, {77}, {77}},
        {"4 x 2", 4, 2, {0, 4, 8, 12, 16, 20, 24, 28}, {10, 18}},
    };
    const PixelFormatInfo& l8 = *findPixelFormat(D3DFMT_L8);
    for (const OddCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(boxFilterLevel(l8, c.width, c.height, pixelBytes(c.pixels, 1)), pixelBytes(c.expected, 1));
    }
}

TEST(D3dxMipGeneration, FullChainLengthFollowsTheLargerSide) {
    const struct {
        UINT width, height, levels;
    } cases[] = {{1, 1, 1}, {2, 1, 2}, {1, 2, 2}, {4, 4, 3}, {5, 3, 3}, {255, 255, 8}, {256, 1, 9}, {8192, 8192, 14}};
    for (const auto& c : cases) EXPECT_EQ(fullMipChainLength(c.width, c.height), c.levels) << c.width << "x" << c.height;
}

TEST(D3dxMipGeneration, CompletesTheChainFromTheLastLevelGiven) {
    // 4 x 2 L8 -> 2 x 1 (10, 18) -> 1 x 1: (10 + 18 + 10 + 18) / 4 = 14.
    Image image{D3DFMT_L8, {{4, 2, {0, 4, 8, 12, 16, 20, 24, 28}}}};
    completeMipChain(image);
    ASSERT_EQ(image.levels.size(), 3u);
    EXPECT_EQ(image.levels[1].width, 2u);
    EXPECT_EQ(image.levels[1].height, 1u);
    EXPECT_EQ(image.levels[1].bytes, (std::vector<BYTE>{10, 18}));
    EXPECT_EQ(image.levels[2].width, 1u);
    EXPECT_EQ(image.levels[2].height, 1u);
    EXPECT_EQ(image.levels[2].bytes, (std::vector<BYTE>{14}));

    // A chain already full is left alone.
    completeMipChain(image);
    EXPECT_EQ(image.levels.size(), 3u);
}

}  // namespace
}  // namespace d3d8water
