// The generated normal-map frames: seamless across tile edges, looping in time,
// unit normals, a full box-filtered mip chain in the DDS file, and the same
// bytes on every run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "dds_writer.h"
#include "mip_chain.h"
#include "normal_field.h"
#include "wave_spectrum.h"

namespace {

using normal_maps::Image;

constexpr int frameCount = 29;
constexpr int size = 128;

int channelDistance(std::uint32_t a, std::uint32_t b) {
    int total = 0;
    for (int shift = 0; shift < 24; shift += 8) total += std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF));
    return total;
}

double meanDistance(const Image& a, const Image& b) {
    double total = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) total += channelDistance(a.pixels[i], b.pixels[i]);
    return total / static_cast<double>(a.pixels.size());
}

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
           std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

class NormalMapFrames : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto waves = normal_maps::waterWaves();
        frames_ = new std::vector<Image>();
        for (int frame = 0; frame < frameCount; ++frame)
            frames_->push_back(normal_maps::normalMapFrame(waves, size, frame, frameCount));
    }
    static void TearDownTestSuite() { delete frames_; }
    static const Image& frame(int index) { return (*frames_)[static_cast<std::size_t>(index)]; }

private:
    static std::vector<Image>* frames_;
};
std::vector<Image>* NormalMapFrames::frames_ = nullptr;

TEST_F(NormalMapFrames, TileWithoutSeamsInBothDirections) {
    for (int index : {0, 13, 28}) {
        const Image& image = frame(index);
        double inside = 0, acrossX = 0, acrossY = 0;
        for (int i = 0; i < size; ++i) {
            acrossX += channelDistance(image.at(size - 1, i), image.at(0, i));
            acrossY += channelDistance(image.at(i, size - 1), image.at(i, 0));
            for (int j = 0; j + 1 < size; ++j) inside += channelDistance(image.at(j, i), image.at(j + 1, i));
        }
        inside /= size * (size - 1.0);
        // The step over an edge is a step like any other between neighbours.
        EXPECT_LE(acrossX / size, 1.5 * inside) << "frame " << index;
        EXPECT_LE(acrossY / size, 1.5 * inside) << "frame " << index;
        EXPECT_GT(inside, 1.0) << "the map has no relief";
    }
}

TEST_F(NormalMapFrames, LastFrameFlowsIntoTheFirst) {
    double neighbours = 0;
    for (int index = 0; index + 1 < frameCount; ++index) neighbours += meanDistance(frame(index), frame(index + 1));
    neighbours /= frameCount - 1;
    double wrap = meanDistance(frame(frameCount - 1), frame(0));
    EXPECT_GT(neighbours, 1.0) << "the frames do not animate";
    EXPECT_GT(wrap, 0.5 * neighbours);
    EXPECT_LT(wrap, 1.5 * neighbours);
    // Frames half a loop apart differ far more than neighbours do.
    EXPECT_GT(meanDistance(frame(0), frame(14)), 2.0 * neighbours);
}

TEST_F(NormalMapFrames, HoldUnitNormalsPointingUp) {
    for (int index = 0; index < frameCount; index += 7) {
        for (std::uint32_t pixel : frame(index).pixels) {
            double x = ((pixel >> 16 & 0xFF) - 127.5) / 127.5;
            double y = ((pixel >> 8 & 0xFF) - 127.5) / 127.5;
            double z = ((pixel & 0xFF) - 127.5) / 127.5;
            ASSERT_NEAR(std::sqrt(x * x + y * y + z * z), 1.0, 0.02);
            ASSERT_GT(z, 0.5);
        }
    }
}

TEST_F(NormalMapFrames, DdsFileHoldsTheFullBoxFilteredMipChain) {
    auto bytes = normal_maps::ddsFile(normal_maps::mipChain(frame(5)));
    ASSERT_GE(bytes.size(), 128u);
    EXPECT_EQ(read32(bytes, 0), 0x20534444u);  // "DDS "
    EXPECT_EQ(read32(bytes, 4), 124u);
    EXPECT_EQ(read32(bytes, 12), std::uint32_t(size));  // height
    EXPECT_EQ(read32(bytes, 16), std::uint32_t(size));  // width
    EXPECT_EQ(read32(bytes, 28), 8u);                    // 128 down to 1
    EXPECT_EQ(read32(bytes, 76), 32u);                   // pixel format size
    EXPECT_EQ(read32(bytes, 80) & 0x40u, 0x40u);         // RGB
    EXPECT_EQ(read32(bytes, 88), 32u);
    EXPECT_EQ(read32(bytes, 92), 0x00FF0000u);
    EXPECT_EQ(read32(bytes, 96), 0x0000FF00u);
    EXPECT_EQ(read32(bytes, 100), 0x000000FFu);
    EXPECT_EQ(read32(bytes, 104), 0xFF000000u);
    EXPECT_EQ(read32(bytes, 108) & 0x400000u, 0x400000u);  // mip map

    std::size_t expected = 128;
    for (int level = size; level >= 1; level /= 2) expected += std::size_t(level) * level * 4;
    ASSERT_EQ(bytes.size(), expected);

    // The top level is the frame itself; each smaller level is the 2x2 mean of the one above.
    std::size_t offset = 128;
    for (int i = 0; i < size * size; ++i) ASSERT_EQ(read32(bytes, offset + 4u * i), frame(5).pixels[i]);
    for (int level = size; level > 1; level /= 2) {
        std::size_t child = offset + std::size_t(level) * level * 4;
        int half = level / 2;
        for (int y = 0; y < half; ++y) {
            for (int x = 0; x < half; ++x) {
                std::uint32_t small = read32(bytes, child + 4u * (y * half + x));
                for (int shift = 0; shift < 32; shift += 8) {
                    int sum = 0;
                    for (int dy = 0; dy < 2; ++dy)
                        for (int dx = 0; dx < 2; ++dx)
                            sum += read32(bytes, offset + 4u * ((2 * y + dy) * level + 2 * x + dx)) >> shift & 0xFF;
                    ASSERT_LE(std::abs(4 * int(small >> shift & 0xFF) - sum), 2) << "level " << level;
                }
            }
        }
        offset = child;
    }
}

TEST(NormalMapGenerator, GivesTheSameBytesOnEveryRun) {
    auto first = normal_maps::ddsFile(normal_maps::mipChain(
        normal_maps::normalMapFrame(normal_maps::waterWaves(), size, 17, frameCount)));
    auto second = normal_maps::ddsFile(normal_maps::mipChain(
        normal_maps::normalMapFrame(normal_maps::waterWaves(), size, 17, frameCount)));
    EXPECT_EQ(first, second);
    // Different frames are different images, so the comparison above means something.
    auto other = normal_maps::ddsFile(normal_maps::mipChain(
        normal_maps::normalMapFrame(normal_maps::waterWaves(), size, 18, frameCount)));
    EXPECT_NE(first, other);
}

}  // namespace
