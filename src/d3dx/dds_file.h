// Reading a DDS file: the header is checked against the file's size before any
// pixel data is looked at, and the result describes each level the file
// carries as a view into the caller's byte buffer.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "d3dx/pixel_formats.h"
#include "platform/d3d8_api.h"

namespace d3d8water {

// Larger images are refused: at this size one A8R8G8B8 level already takes 256 MiB.
inline constexpr UINT maxDdsDimension = 8192;

struct DdsLevel {
    UINT width;
    UINT height;
    std::span<const BYTE> bytes;  // tightly packed rows
};

struct DdsFile {
    const PixelFormatInfo* format = nullptr;
    std::vector<DdsLevel> levels;  // at least one, never more than a full chain
};

// D3D_OK and a filled `file`; D3DERR_INVALIDCALL for a file that is not a
// well-formed DDS file (wrong magic or sizes, truncated data, a zero or too
// large size, more levels than a full chain); D3DERR_NOTAVAILABLE for a
// well-formed file the loader does not take (cube map, volume, unknown format).
HRESULT parseDdsFile(std::span<const BYTE> bytes, DdsFile& file);

}  // namespace d3d8water
