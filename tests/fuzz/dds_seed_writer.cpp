// Writes small DDS files, valid ones of several formats and broken ones, as
// seeds for dds_fuzz: dds_seed_writer <directory>.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "d3dx_dds_builder.h"

namespace {

using d3dx_test::countingBytes;
using d3dx_test::DdsBuilder;

void write(const std::string& directory, const std::string& name, const std::vector<d3d8::BYTE>& bytes) {
    std::ofstream out(directory + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

DdsBuilder file(d3d8::D3DFORMAT format, d3d8::DWORD width, d3d8::DWORD height, d3d8::DWORD levels,
                std::size_t bytes) {
    DdsBuilder builder(format, width, height);
    builder.mipMapCount = levels;
    builder.data = countingBytes(bytes, 0x5A);
    return builder;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: dds_seed_writer <directory>\n";
        return 2;
    }
    const std::string dir = argv[1];
    // Valid files: sizes worked out as rows x row bytes (block rows for DXT).
    write(dir, "argb_4x4_full.dds", file(d3d8::D3DFMT_A8R8G8B8, 4, 4, 3, 64 + 16 + 4).bytes());
    write(dir, "rgb_3x2.dds", file(d3d8::D3DFMT_R8G8B8, 3, 2, 1, 18).bytes());
    write(dir, "r5g6b5_5x3_two_levels.dds", file(d3d8::D3DFMT_R5G6B5, 5, 3, 2, 30 + 4).bytes());
    write(dir, "a4r4g4b4_2x2.dds", file(d3d8::D3DFMT_A4R4G4B4, 2, 2, 1, 8).bytes());
    write(dir, "a8l8_3x1.dds", file(d3d8::D3DFMT_A8L8, 3, 1, 0, 6).bytes());
    write(dir, "l8_7x5.dds", file(d3d8::D3DFMT_L8, 7, 5, 1, 35).bytes());
    write(dir, "dxt1_8x8_full.dds", file(d3d8::D3DFMT_DXT1, 8, 8, 4, 32 + 8 + 8 + 8).bytes());
    write(dir, "dxt3_5x5.dds", file(d3d8::D3DFMT_DXT3, 5, 5, 1, 64).bytes());
    write(dir, "dxt5_4x4_two_levels.dds", file(d3d8::D3DFMT_DXT5, 4, 4, 2, 32).bytes());
    // Broken files: truncated data, a cube map, an unknown code, absurd sizes.
    write(dir, "truncated_argb.dds", file(d3d8::D3DFMT_A8R8G8B8, 4, 4, 1, 63).bytes());
    DdsBuilder cube = file(d3d8::D3DFMT_A8R8G8B8, 2, 2, 1, 16 * 6);
    cube.caps2 = 0xFE00;
    write(dir, "cube_map.dds", cube.bytes());
    DdsBuilder unknown = file(d3d8::D3DFMT_DXT1, 4, 4, 1, 16);
    unknown.pixelFormat.fourCC = 0x30315844;  // "DX10"
    write(dir, "extended_header.dds", unknown.bytes());
    DdsBuilder huge = file(d3d8::D3DFMT_DXT1, 4, 4, 1, 8);
    huge.width = huge.height = 0xFFFFFFFFu;
    huge.mipMapCount = 0xFFFFFFFFu;
    write(dir, "absurd_sizes.dds", huge.bytes());
    return 0;
}
