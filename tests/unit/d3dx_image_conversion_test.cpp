#include <gtest/gtest.h>

#include <vector>

#include "d3dx/block_decode.h"
#include "d3dx/image_conversion.h"
#include "d3dx_dds_builder.h"

namespace d3d8water {
namespace {

using d3dx_test::countingBytes;
using d3dx_test::DdsBuilder;

Image imageOf(const DdsBuilder& builder, std::vector<BYTE>& storage) {
    storage = builder.bytes();
    DdsFile file;
    EXPECT_EQ(parseDdsFile(storage, file), D3D_OK);
    return file.levels.empty() ? Image{} : imageFromDds(file);
}

TEST(D3dxImageConversion, KeepsTheLevelsGivenAndMakesTheRest) {
    // 4 x 2 A8R8G8B8 carrying two of three levels; the second is not the
    // average of the first, and the third must come from the second.
    DdsBuilder builder(D3DFMT_A8R8G8B8, 4, 2);
    builder.mipMapCount = 2;
    builder.data = countingBytes(32);
    const std::vector<BYTE> second = {10, 20, 30, 40, 50, 60, 70, 80};
    builder.data.insert(builder.data.end(), second.begin(), second.end());
    std::vector<BYTE> storage;
    const Image image = imageOf(builder, storage);
    EXPECT_EQ(image.format, D3DFMT_A8R8G8B8);
    ASSERT_EQ(image.levels.size(), 3u);
    EXPECT_EQ(image.levels[0].bytes, countingBytes(32));
    EXPECT_EQ(image.levels[1].bytes, second);
    EXPECT_EQ(image.levels[2].bytes, (std::vector<BYTE>{30, 40, 50, 60}));
}

TEST(D3dxImageConversion, WidensR8G8B8ToX8R8G8B8) {
    DdsBuilder builder(D3DFMT_R8G8B8, 2, 1);
    builder.data = {1, 2, 3, 5, 6, 7};  // blue, green, red of two pixels
    std::vector<BYTE> storage;
    const Image image = imageOf(builder, storage);
    EXPECT_EQ(image.format, D3DFMT_X8R8G8B8);
    ASSERT_EQ(image.levels.size(), 2u);
    EXPECT_EQ(image.levels[0].bytes, (std::vector<BYTE>{1, 2, 3, 0xFF, 5, 6, 7, 0xFF}));
    EXPECT_EQ(image.levels[1].bytes, (std::vector<BYTE>{3, 4, 5, 0xFF}));
}

// Four 4 x 4 DXT1 blocks for an 8 x 8 level, then one block for each of 4 x 4, 2 x 2 and 1 x 1.
std::vector<BYTE> dxt1Chain() {
    std::vector<BYTE> data;
    for (int i = 0; i < 7; ++i) {
        const std::vector<BYTE> block = {static_cast<BYTE>(0x10 * i), 0xA5, 0x02, 0x21, 0xE4, 0x1B, 0xE4, 0x1B};
        data.insert(data.end(), block.begin(), block.end());
    }
    return data;
}

TEST(D3dxImageConversion, KeepsAFullBlockChainCompressed) {
    DdsBuilder builder(D3DFMT_DXT1, 8, 8);
    builder.mipMapCount = 4;
    builder.data = dxt1Chain();
    std::vector<BYTE> storage;
    const Image image = imageOf(builder, storage);
    EXPECT_EQ(image.format, D3DFMT_DXT1);
    ASSERT_EQ(image.levels.size(), 4u);
    EXPECT_EQ(image.levels[0].bytes, std::vector<BYTE>(builder.data.begin(), builder.data.begin() + 32));
    EXPECT_EQ(image.levels[3].bytes, std::vector<BYTE>(builder.data.end() - 8, builder.data.end()));
}

TEST(D3dxImageConversion, DecodesABlockFileWithoutAFullChainAndFiltersTheRest) {
    DdsBuilder builder(D3DFMT_DXT1, 8, 8);
    builder.mipMapCount = 2;
    builder.data = dxt1Chain();
    builder.data.resize(40);
    std::vector<BYTE> storage;
    const Image image = imageOf(builder, storage);
    EXPECT_EQ(image.format, D3DFMT_A8R8G8B8);
    ASSERT_EQ(image.levels.size(), 4u);
    const std::vector<BYTE> level0 = std::vector<BYTE>(builder.data.begin(), builder.data.begin() + 32);
    EXPECT_EQ(image.levels[0].bytes, decodeBlockLevel(D3DFMT_DXT1, 8, 8, level0));
    const std::vector<BYTE> level1 = std::vector<BYTE>(builder.data.begin() + 32, builder.data.end());
    EXPECT_EQ(image.levels[1].bytes, decodeBlockLevel(D3DFMT_DXT1, 4, 4, level1));
    EXPECT_EQ(image.levels[2].bytes.size(), 2u * 2u * 4u);
    EXPECT_EQ(image.levels[3].bytes.size(), 4u);
}

TEST(D3dxImageConversion, DecodeToArgbConvertsEveryLevelAndLeavesOtherFormats) {
    DdsBuilder builder(D3DFMT_DXT1, 8, 8);
    builder.mipMapCount = 4;
    builder.data = dxt1Chain();
    std::vector<BYTE> storage;
    Image image = imageOf(builder, storage);
    const Image compressed = image;
    decodeToArgb(image);
    EXPECT_EQ(image.format, D3DFMT_A8R8G8B8);
    ASSERT_EQ(image.levels.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const ImageLevel& level = compressed.levels[i];
        EXPECT_EQ(image.levels[i].bytes, decodeBlockLevel(D3DFMT_DXT1, level.width, level.height, level.bytes));
    }
    const Image argb = image;
    decodeToArgb(image);
    EXPECT_EQ(image.levels[0].bytes, argb.levels[0].bytes);
}

}  // namespace
}  // namespace d3d8water
