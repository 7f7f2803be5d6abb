// Device set-up from the real asset files (5 shaders, 29 normal maps) in the
// working directory into the null runtime: the whole CreateDevice, and the
// normal-map loader alone, with the bytes each reads.
#include <filesystem>
#include <string>

#include "pairs.h"
#include "resources/device_creation.h"
#include "session.h"

namespace bench {
namespace {

std::int64_t fileBytes(const std::string& name) {
    std::error_code error;
    const auto size = std::filesystem::file_size(name, error);
    return error ? 0 : static_cast<std::int64_t>(size);
}

std::int64_t normalMapBytes() {
    std::int64_t total = 0;
    for (int frame = 0; frame < 29; ++frame) total += fileBytes("water_normal_" + std::to_string(frame) + ".dds");
    return total;
}

std::int64_t shaderBytes() {
    std::int64_t total = 0;
    for (const char* name : {"testVS.vso", "testPS.pso", "testPS_night.pso", "testPS_x2.pso", "testPS_sunset.pso"})
        total += fileBytes(name);
    return total;
}

void deviceSetUp(benchmark::State& state, Side side) {
    StandardOutputToNull quiet;
    Session session(nullptr);
    D3DPRESENT_PARAMETERS params{};
    params.BackBufferWidth = 1024;
    params.BackBufferHeight = 768;
    params.Windowed = 1;
    for (auto _ : state) {
        if (side == Side::library) {
            benchmark::DoNotOptimize(session.createDevice());
        } else {
            IDirect3DDevice8* device = nullptr;
            IDirect3D8* system = session.direct3D(side);
            benchmark::DoNotOptimize(system->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, &device));
        }
    }
    if (side == Side::library) setBytesPerIteration(state, static_cast<double>(normalMapBytes() + shaderBytes()));
}

void normalMapLoader(benchmark::State& state, Side side) {
    Session session;
    for (auto _ : state) {
        if (side == Side::library) d3d8water::loadNormalMaps();
    }
    if (side == Side::library) setBytesPerIteration(state, static_cast<double>(normalMapBytes()));
}

const bool registered = [] {
    for (auto* b : registerPair("DeviceSetUp/all_34_files", deviceSetUp)) b->Unit(benchmark::kMillisecond);
    for (auto* b : registerPair("DeviceSetUp/normal_map_loader", normalMapLoader)) b->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace bench
