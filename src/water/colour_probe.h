// The colour probe: the water colour carried by the scale of the world
// transform of a fog-off-phase draw through a 256-wide texture.
#pragma once

namespace d3d8water {

// A channel below this (compared in double precision) counts as zero.
inline constexpr double probeZeroThreshold = 0.001;
inline constexpr float probeBrightThreshold = 0.5f;
inline constexpr int probeTextureWidth = 256;

inline bool probeChannelIsZero(float channel) { return static_cast<double>(channel) < probeZeroThreshold; }

// Reads the world scale into waterColor and picks at most one variant, when
// the last bound texture is a 2D texture whose level 0 is 256 wide.
void runColourProbe();

// The choice alone, from the three lengths minus one (what the probe stores).
void chooseWaterVariant(float red, float green, float blue);

}  // namespace d3d8water
