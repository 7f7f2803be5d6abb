#include "options.h"

#include <cstdlib>
#include <cstring>

namespace demo {

const char* const usage =
    "usage: demo [--control] [--frames N] [--interval-ms M] [--water-color R,G,B]\n"
    "            [--no-trigger] [--reset] [--out PATH.png] [--width W] [--height H]\n";

namespace {

bool parseInt(const char* text, int low, int high, int& value) {
    char* end = nullptr;
    long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < low || parsed > high) return false;
    value = static_cast<int>(parsed);
    return true;
}

// Three numbers from 0 to 10, separated by commas.
bool parseColor(const char* text, float (&color)[3]) {
    const char* at = text;
    for (int i = 0; i < 3; ++i) {
        char* end = nullptr;
        double value = std::strtod(at, &end);
        if (end == at || !(value >= 0.0 && value <= 10.0)) return false;
        color[i] = static_cast<float>(value);
        if (*end != (i < 2 ? ',' : '\0')) return false;
        at = end + 1;
    }
    return true;
}

}  // namespace

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto needsValue = [&](const char* name) {
            if (value) return true;
            error = std::string(name) + " needs a value";
            return false;
        };
        if (!std::strcmp(arg, "--control")) {
            options.control = true;
        } else if (!std::strcmp(arg, "--no-trigger")) {
            options.trigger = false;
        } else if (!std::strcmp(arg, "--reset")) {
            options.reset = true;
        } else if (!std::strcmp(arg, "--frames")) {
            if (!needsValue(arg)) return false;
            if (!parseInt(value, 1, 100000, options.frames)) return error = "bad --frames value", false;
            ++i;
        } else if (!std::strcmp(arg, "--interval-ms")) {
            if (!needsValue(arg)) return false;
            if (!parseInt(value, 0, 60000, options.intervalMs)) return error = "bad --interval-ms value", false;
            ++i;
        } else if (!std::strcmp(arg, "--width") || !std::strcmp(arg, "--height")) {
            if (!needsValue(arg)) return false;
            int& target = arg[2] == 'w' ? options.width : options.height;
            if (!parseInt(value, 16, 4096, target)) return error = std::string("bad ") + arg + " value", false;
            ++i;
        } else if (!std::strcmp(arg, "--water-color")) {
            if (!needsValue(arg)) return false;
            if (!parseColor(value, options.waterColor)) return error = "bad --water-color value (R,G,B)", false;
            ++i;
        } else if (!std::strcmp(arg, "--out")) {
            if (!needsValue(arg)) return false;
            options.outPath = value;
            ++i;
        } else {
            error = std::string("unknown option ") + arg;
            return false;
        }
    }
    if (options.reset && options.frames < 2) {
        error = "--reset needs at least 2 frames";
        return false;
    }
    return true;
}

}  // namespace demo
