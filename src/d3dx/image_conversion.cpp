#include "d3dx/image_conversion.h"

#include "d3dx/block_decode.h"
#include "d3dx/mip_generation.h"

namespace d3d8water {

Image imageFromDds(const DdsFile& file) {
    Image image;
    image.format = file.format->format;
    for (const DdsLevel& level : file.levels)
        image.levels.push_back({level.width, level.height, {level.bytes.begin(), level.bytes.end()}});

    if (isBlockCompressed(*file.format)) {
        const DdsLevel& top = file.levels.front();
        if (file.levels.size() == fullMipChainLength(top.width, top.height)) return image;
        decodeToArgb(image);
    } else if (image.format == D3DFMT_R8G8B8) {
        for (ImageLevel& level : image.levels) level.bytes = expandR8G8B8(level.bytes);
        image.format = D3DFMT_X8R8G8B8;
    }
    completeMipChain(image);
    return image;
}

void decodeToArgb(Image& image) {
    const PixelFormatInfo* format = findPixelFormat(image.format);
    if (!format || !isBlockCompressed(*format)) return;
    for (ImageLevel& level : image.levels)
        level.bytes = decodeBlockLevel(image.format, level.width, level.height, level.bytes);
    image.format = D3DFMT_A8R8G8B8;
}

}  // namespace d3d8water
