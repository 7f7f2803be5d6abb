// The demo's command line.
#pragma once

#include <string>

namespace demo {

struct Options {
    bool control = false;        // straight through the system d3d8.dll, without the library
    int frames = 3;
    int intervalMs = 0;          // pause between frames, so that the normal map animates
    float waterColor[3] = {0.16f, 0.30f, 0.34f};
    bool trigger = true;         // false: never switch alpha blending on
    bool reset = false;          // a TestCooperativeLevel/Reset cycle half-way
    std::string outPath;         // PNG of the last frame, if given
    int width = 640;
    int height = 480;
};

// True and `options` filled, or false and `error` saying what is wrong.
bool parseOptions(int argc, char** argv, Options& options, std::string& error);

extern const char* const usage;

}  // namespace demo
