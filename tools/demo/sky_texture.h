// The sky's 256 x 256 texture: pale at the horizon (v = 0.5), deep blue towards
// both ends, with a few soft bands of cloud. Symmetric about the horizon, so the
// part of the box below it shows the same sky a mirror would.
#pragma once

#include <cstdint>
#include <vector>

namespace demo {

constexpr int skyTextureSize = 256;  // the library's colour probe looks for this width

// Rows top to bottom, pixels 0xAARRGGBB.
std::vector<std::uint32_t> skyTexturePixels();

}  // namespace demo
