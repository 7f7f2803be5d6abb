#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "d3dx/dds_file.h"
#include "d3dx_dds_builder.h"

namespace d3d8water {
namespace {

using d3dx_test::countingBytes;
using d3dx_test::DdsBuilder;

struct FormatCase {
    D3DFORMAT format;
    UINT width, height;
    std::size_t levelBytes;  // worked out by hand for this size
};

const FormatCase formatCases[] = {
    {D3DFMT_A8R8G8B8, 3, 2, 24}, {D3DFMT_X8R8G8B8, 3, 2, 24}, {D3DFMT_R8G8B8, 3, 2, 18},
    {D3DFMT_R5G6B5, 3, 2, 12},   {D3DFMT_X1R5G5B5, 3, 2, 12}, {D3DFMT_A1R5G5B5, 3, 2, 12},
    {D3DFMT_A4R4G4B4, 3, 2, 12}, {D3DFMT_A8, 3, 2, 6},        {D3DFMT_L8, 3, 2, 6},
    {D3DFMT_A8L8, 3, 2, 12},
    // 5 x 6 pixels are 2 x 2 blocks; 2 x 1 pixels are one block.
    {D3DFMT_DXT1, 5, 6, 32},     {D3DFMT_DXT2, 5, 6, 64},     {D3DFMT_DXT3, 5, 6, 64},
    {D3DFMT_DXT4, 5, 6, 64},     {D3DFMT_DXT5, 2, 1, 16},
};

TEST(D3dxDdsFile, ReadsEveryFormatAndRefusesTheFileOneByteShort) {
    for (const FormatCase& c : formatCases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format);
        DdsBuilder builder(c.format, c.width, c.height);
        builder.data = countingBytes(c.levelBytes, 7);
        const std::vector<BYTE> bytes = builder.bytes();

        DdsFile file;
        ASSERT_EQ(parseDdsFile(bytes, file), D3D_OK);
        ASSERT_NE(file.format, nullptr);
        EXPECT_EQ(file.format->format, c.format);
        ASSERT_EQ(file.levels.size(), 1u);
        EXPECT_EQ(file.levels[0].width, c.width);
        EXPECT_EQ(file.levels[0].height, c.height);
        EXPECT_EQ(file.levels[0].bytes.data(), bytes.data() + 128);
        EXPECT_EQ(file.levels[0].bytes.size(), c.levelBytes);

        const std::vector<BYTE> shortFile(bytes.begin(), bytes.end() - 1);
        EXPECT_EQ(parseDdsFile(shortFile, file), D3DERR_INVALIDCALL);
    }
}

TEST(D3dxDdsFile, LaysOutMipLevelsOneAfterAnother) {
    // 8 x 4 A8R8G8B8: 128, 32 and 8 bytes for 8 x 4, 4 x 2 and 2 x 1.
    DdsBuilder argb(D3DFMT_A8R8G8B8, 8, 4);
    argb.mipMapCount = 3;
    argb.data = countingBytes(128 + 32 + 8);
    std::vector<BYTE> bytes = argb.bytes();
    DdsFile file;
    ASSERT_EQ(parseDdsFile(bytes, file), D3D_OK);
    ASSERT_EQ(file.levels.size(), 3u);
    const UINT sizes[3][2] = {{8, 4}, {4, 2}, {2, 1}};
    const std::size_t offsets[3] = {128, 256, 288};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(file.levels[i].width, sizes[i][0]);
        EXPECT_EQ(file.levels[i].height, sizes[i][1]);
        EXPECT_EQ(file.levels[i].bytes.data(), bytes.data() + offsets[i]);
    }
    EXPECT_EQ(file.levels[2].bytes.size(), 8u);

    // A full DXT1 chain of 8 x 8: every level takes at least one 8-byte block.
    DdsBuilder dxt(D3DFMT_DXT1, 8, 8);
    dxt.mipMapCount = 4;
    dxt.data = countingBytes(32 + 8 + 8 + 8);
    bytes = dxt.bytes();
    ASSERT_EQ(parseDdsFile(bytes, file), D3D_OK);
    ASSERT_EQ(file.levels.size(), 4u);
    EXPECT_EQ(file.levels[3].width, 1u);
    EXPECT_EQ(file.levels[3].bytes.data(), bytes.data() + 128 + 48);
    EXPECT_EQ(file.levels[3].bytes.size(), 8u);

    // One level short of the data it announces.
    dxt.data.resize(dxt.data.size() - 1);
    EXPECT_EQ(parseDdsFile(dxt.bytes(), file), D3DERR_INVALIDCALL);
}

TEST(D3dxDdsFile, AcceptsDataAfterTheLastLevel) {
    DdsBuilder builder(D3DFMT_L8, 2, 2);
    builder.data = countingBytes(4 + 100);
    DdsFile file;
    ASSERT_EQ(parseDdsFile(builder.bytes(), file), D3D_OK);
    EXPECT_EQ(file.levels[0].bytes.size(), 4u);
}

TEST(D3dxDdsFile, AlphaMaskCountsOnlyWithTheAlphaFlag) {
    DdsBuilder builder(D3DFMT_A8R8G8B8, 1, 1);
    builder.pixelFormat.flags = 0x40;  // RGB, no alpha-pixels flag
    builder.data = countingBytes(4);
    DdsFile file;
    ASSERT_EQ(parseDdsFile(builder.bytes(), file), D3D_OK);
    EXPECT_EQ(file.format->format, D3DFMT_X8R8G8B8);
}

struct BrokenCase {
    const char* name;
    std::function<void(DdsBuilder&)> change;
    HRESULT expected;
};

// A 4 x 4 A8R8G8B8 file of one level (a full chain has 3), for each case to break.
DdsBuilder validFile() {
    DdsBuilder builder(D3DFMT_A8R8G8B8, 4, 4);
    builder.data = countingBytes(64);
    return builder;
}

TEST(D3dxDdsFile, RefusesMalformedAndUnsupportedFiles) {
    DdsFile valid;
    ASSERT_EQ(parseDdsFile(validFile().bytes(), valid), D3D_OK);
    const BrokenCase cases[] = {
        {"wrong magic", [](DdsBuilder& b) { b.magic[3] = 'X'; }, D3DERR_INVALIDCALL},
        {"header size 123", [](DdsBuilder& b) { b.headerSize = 123; }, D3DERR_INVALIDCALL},
        {"pixel format size 24", [](DdsBuilder& b) { b.pixelFormat.size = 24; }, D3DERR_INVALIDCALL},
        {"zero width", [](DdsBuilder& b) { b.width = 0; }, D3DERR_INVALIDCALL},
        {"zero height", [](DdsBuilder& b) { b.height = 0; }, D3DERR_INVALIDCALL},
        {"width past the limit", [](DdsBuilder& b) { b.width = maxDdsDimension + 1; }, D3DERR_INVALIDCALL},
        {"largest sizes", [](DdsBuilder& b) { b.width = b.height = 0xFFFFFFFFu; }, D3DERR_INVALIDCALL},
        {"largest size allowed, tiny file", [](DdsBuilder& b) { b.width = b.height = maxDdsDimension; },
         D3DERR_INVALIDCALL},
        {"more levels than a full chain", [](DdsBuilder& b) { b.mipMapCount = 4, b.data.resize(64 + 16 + 4 + 4); },
         D3DERR_INVALIDCALL},
        {"largest level count", [](DdsBuilder& b) { b.mipMapCount = 0xFFFFFFFFu; }, D3DERR_INVALIDCALL},
        {"levels announced but missing", [](DdsBuilder& b) { b.mipMapCount = 2; }, D3DERR_INVALIDCALL},
        {"cube map", [](DdsBuilder& b) { b.caps2 = 0x200 | 0xFC00; }, D3DERR_NOTAVAILABLE},
        {"volume", [](DdsBuilder& b) { b.caps2 = 0x200000; }, D3DERR_NOTAVAILABLE},
        {"depth of 4", [](DdsBuilder& b) { b.flags |= 0x800000, b.depth = 4; }, D3DERR_NOTAVAILABLE},
        {"extended header", [](DdsBuilder& b) { b.pixelFormat = {32, 0x4, 0x30315844, 0, 0, 0, 0, 0}; },
         D3DERR_NOTAVAILABLE},
        {"unknown four-character code", [](DdsBuilder& b) { b.pixelFormat = {32, 0x4, 0x32495441, 0, 0, 0, 0, 0}; },
         D3DERR_NOTAVAILABLE},
        {"A8B8G8R8 masks", [](DdsBuilder& b) { b.pixelFormat = {32, 0x41, 0, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000}; },
         D3DERR_NOTAVAILABLE},
        {"RGB masks of 16 bits at 32 bits", [](DdsBuilder& b) { b.pixelFormat = {32, 0x40, 0, 32, 0xF800, 0x7E0, 0x1F, 0}; },
         D3DERR_NOTAVAILABLE},
        {"palette", [](DdsBuilder& b) { b.pixelFormat = {32, 0x20, 0, 8, 0, 0, 0, 0}; }, D3DERR_NOTAVAILABLE},
        {"no format flags", [](DdsBuilder& b) { b.pixelFormat.flags = 0; }, D3DERR_NOTAVAILABLE},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.name);
        DdsBuilder builder = validFile();
        c.change(builder);
        DdsFile file;
        EXPECT_EQ(parseDdsFile(builder.bytes(), file), c.expected);
        EXPECT_TRUE(file.levels.empty());
    }
}

TEST(D3dxDdsFile, RefusesFilesShorterThanTheHeader) {
    DdsBuilder builder(D3DFMT_L8, 1, 1);
    builder.data = {0x55};
    const std::vector<BYTE> bytes = builder.bytes();
    DdsFile file;
    for (std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{127}, std::size_t{128}}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(parseDdsFile(std::span(bytes.data(), size), file), D3DERR_INVALIDCALL);
    }
    EXPECT_EQ(parseDdsFile(bytes, file), D3D_OK);
}

// Headers of random values (with a valid magic and sizes, so that the checks
// past them are reached) either fail or describe levels inside the file.
TEST(D3dxDdsFile, RandomHeadersFailOrStayInsideTheFile) {
    std::uint32_t state = 12345;
    auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    int accepted = 0;
    for (int round = 0; round < 5000; ++round) {
        std::vector<BYTE> bytes(128 + next() % 512);
        for (BYTE& b : bytes) b = static_cast<BYTE>(next() >> 24);
        DdsBuilder header(D3DFMT_A8R8G8B8, next() % 40, next() % 40);
        header.mipMapCount = next() % 8;
        if (next() % 2) header.pixelFormat = d3dx_test::ddsPixelFormat(formatCases[next() % 15].format);
        const std::vector<BYTE> fields = header.bytes();
        std::copy(fields.begin(), fields.begin() + 32, bytes.begin());
        std::copy(fields.begin() + 76, fields.begin() + 108, bytes.begin() + 76);

        DdsFile file;
        if (parseDdsFile(bytes, file) != D3D_OK) continue;
        ++accepted;
        for (const DdsLevel& level : file.levels) {
            EXPECT_GE(level.bytes.data(), bytes.data() + 128);
            EXPECT_LE(level.bytes.data() + level.bytes.size(), bytes.data() + bytes.size());
            EXPECT_EQ(level.bytes.size(), levelByteSize(*file.format, level.width, level.height));
        }
    }
    EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace d3d8water
