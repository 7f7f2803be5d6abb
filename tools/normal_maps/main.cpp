// normal_maps OUTPUT_DIR: writes water_normal_0.dds to water_normal_28.dds, the
// looping, tileable normal-map frames of the water.
#include <cstdio>
#include <fstream>
#include <string>

#include "dds_writer.h"
#include "mip_chain.h"
#include "normal_field.h"
#include "wave_spectrum.h"

namespace {
constexpr int frameCount = 29;
constexpr int frameSize = 128;
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const auto waves = normal_maps::waterWaves();
    for (int frame = 0; frame < frameCount; ++frame) {
        auto levels = normal_maps::mipChain(normal_maps::normalMapFrame(waves, frameSize, frame, frameCount));
        auto bytes = normal_maps::ddsFile(levels);
        std::string path = directory + "/water_normal_" + std::to_string(frame) + ".dds";
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::fprintf(stderr, "normal_maps: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
