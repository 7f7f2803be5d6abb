// Turning the levels a DDS file carries into the image that is uploaded: in a
// format a texture can have, with a full mip chain.
#pragma once

#include "d3dx/dds_file.h"
#include "d3dx/image.h"

namespace d3d8water {

// Levels the file carries are kept as they are; R8G8B8 becomes X8R8G8B8; a
// block-compressed file without a full chain is decoded to A8R8G8B8, since
// missing levels can only be made from pixels; the chain is then completed
// with the box filter.
Image imageFromDds(const DdsFile& file);

// Decodes a block-compressed image level by level to A8R8G8B8, for a device
// that refuses the compressed format. Other images are left as they are.
void decodeToArgb(Image& image);

}  // namespace d3d8water
