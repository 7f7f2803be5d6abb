// Arbitrary bytes through the DDS reader; where a file is accepted, every
// level is decoded and the mip chain made, as the texture loader would, and
// the result is checked for the shape the upload relies on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "d3dx/dds_file.h"
#include "d3dx/image_conversion.h"

namespace {

using namespace d3d8water;

// Every level of a full chain, each exactly the size of its rows.
void checkShape(const Image& image) {
    const PixelFormatInfo* format = findPixelFormat(image.format);
    if (!format || image.levels.empty()) std::abort();
    const ImageLevel& top = image.levels.front();
    if (image.levels.size() != fullMipChainLength(top.width, top.height)) std::abort();
    UINT width = top.width, height = top.height;
    for (const ImageLevel& level : image.levels) {
        if (level.width != width || level.height != height) std::abort();
        if (level.bytes.size() != levelByteSize(*format, width, height)) std::abort();
        width = nextMipSize(width);
        height = nextMipSize(height);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DdsFile file;
    if (parseDdsFile({data, size}, file) != D3D_OK) return 0;
    Image image = imageFromDds(file);
    checkShape(image);
    // The path taken when the device refuses a compressed format.
    decodeToArgb(image);
    checkShape(image);
    return 0;
}
