#include "test_assets.h"

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <random>

#include "d3dx_dds_builder.h"

namespace d3d8water::testing {

namespace {
std::vector<unsigned char> tokenBytes(const std::vector<std::uint32_t>& tokens) {
    std::vector<unsigned char> bytes;
    for (std::uint32_t token : tokens)
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(token >> shift));
    return bytes;
}
}  // namespace

std::vector<unsigned char> AssetDirectory::pixelShaderBytes() {
    // ps.1.1; a comment block; mov r0, v0; end.
    return tokenBytes({0xFFFF0101, 0x0001FFFE, 0x12345678, 0x00000001, 0x800F0000, 0x90E40000, 0x0000FFFF});
}

std::vector<unsigned char> AssetDirectory::vertexShaderBytes() {
    // vs.1.1; mov oPos, v0; end.
    return tokenBytes({0xFFFE0101, 0x00000001, 0xC00F0000, 0x90E40000, 0x0000FFFF});
}

std::vector<unsigned char> AssetDirectory::normalMapBytes() {
    d3dx_test::DdsBuilder dds(d3d8::D3DFMT_A8R8G8B8, 2, 2);
    dds.data.assign(4 * 4 + 4, 0x80);
    return dds.bytes();
}

AssetDirectory::AssetDirectory() : previous_(std::filesystem::current_path()) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("d3d8water-assets-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
    for (const char* name : {"testPS.pso", "testPS_night.pso", "testPS_x2.pso", "testPS_sunset.pso"})
        write(name, pixelShaderBytes());
    write("testVS.vso", vertexShaderBytes());
    for (int frame = 0; frame < 29; ++frame)
        write("water_normal_" + std::to_string(frame) + ".dds", normalMapBytes());
    std::filesystem::current_path(path_);
}

AssetDirectory::~AssetDirectory() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void AssetDirectory::write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream file(path_ / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void AssetDirectory::remove(const std::string& name) const { std::filesystem::remove(path_ / name); }

}  // namespace d3d8water::testing
