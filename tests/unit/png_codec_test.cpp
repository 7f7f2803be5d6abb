// The PNG writer and reader of the demo tools, and the region means that the
// Wine picture checks compare.
#include <gtest/gtest.h>

#include <string>

#include "png_reader.h"
#include "png_writer.h"
#include "region_mean.h"

namespace {

// A picture large enough to need several stored deflate blocks.
png::RgbImage gradient(int width, int height) {
    png::RgbImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.rgb.insert(image.rgb.end(), {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)});
    return image;
}

TEST(PngCodec, ReadsBackWhatItWrote) {
    for (auto [width, height] : {std::pair{1, 1}, std::pair{300, 250}, std::pair{7, 3}}) {
        auto image = gradient(width, height);
        png::RgbImage back;
        std::string error;
        ASSERT_TRUE(png::decodePng(png::encodePng(image), back, error)) << error;
        EXPECT_EQ(back.width, width);
        EXPECT_EQ(back.height, height);
        EXPECT_EQ(back.rgb, image.rgb);
    }
}

TEST(PngCodec, RefusesDamagedFiles) {
    const auto good = png::encodePng(gradient(300, 250));
    struct Case {
        const char* name;
        std::size_t offset;  // byte to flip
        const char* error;
    } cases[] = {
        {"signature", 1, "not a PNG file"},
        {"header data", 20, "bad chunk CRC"},
        {"pixel data", 5000, "bad chunk CRC"},
    };
    for (const Case& c : cases) {
        auto bad = good;
        bad[c.offset] ^= 0x40;
        png::RgbImage image;
        std::string error;
        EXPECT_FALSE(png::decodePng(bad, image, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    auto truncated = good;
    truncated.resize(good.size() / 2);
    png::RgbImage image;
    std::string error;
    EXPECT_FALSE(png::decodePng(truncated, image, error));
    EXPECT_EQ(error, "truncated chunk");
}

TEST(RegionMean, AveragesEachChannelInsideTheRectangle) {
    auto image = gradient(64, 32);
    image_stats::MeanColour mean;
    ASSERT_TRUE(image_stats::regionMean(image, {10, 4, 4, 2}, mean));
    EXPECT_DOUBLE_EQ(mean.red, 11.5);   // x from 10 to 13
    EXPECT_DOUBLE_EQ(mean.green, 4.5);  // y 4 and 5
    ASSERT_TRUE(image_stats::regionMean(image, {0, 0, 64, 32}, mean));
    EXPECT_DOUBLE_EQ(mean.red, 31.5);
    EXPECT_DOUBLE_EQ(mean.green, 15.5);
}

TEST(RegionMean, RefusesRectanglesOutsideThePicture) {
    auto image = gradient(64, 32);
    image_stats::MeanColour mean;
    for (image_stats::Rect rect : {image_stats::Rect{60, 0, 5, 1}, image_stats::Rect{0, 31, 1, 2},
                                   image_stats::Rect{-1, 0, 2, 2}, image_stats::Rect{0, 0, 0, 4}})
        EXPECT_FALSE(image_stats::regionMean(image, rect, mean)) << rect.x << " " << rect.y;
}

}  // namespace
