// The fixed set of waves whose sum is the water's height field. Every wave has
// an integer wave vector on the tile (so the field repeats across tile edges)
// and an integer number of periods over the animation (so it loops in time).
#pragma once

#include <vector>

namespace normal_maps {

struct Wave {
    int kx = 0;             // periods across the tile in x
    int ky = 0;             // periods across the tile in y
    int cycles = 0;         // periods over the whole animation; the sign sets the travel direction
    double amplitude = 0;   // height, in units of the tile width
    double phase = 0;       // radians
};

// The waves of the shipped maps: built from a fixed seed, the same on every run.
std::vector<Wave> waterWaves();

}  // namespace normal_maps
