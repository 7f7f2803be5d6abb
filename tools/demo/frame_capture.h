// Reads the frame just drawn out of the back buffer.
#pragma once

#include <d3d8.h>

#include <string>

#include "rgb_image.h"

namespace demo {

// The back buffer (created lockable) as RGB. False and `error` set if it cannot be
// read or is not a 32-bit format.
bool captureBackBuffer(IDirect3DDevice8* device, png::RgbImage& image, std::string& error);

}  // namespace demo
