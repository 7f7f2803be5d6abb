// The shader-file reader under arbitrary bytes: a file it accepts must lead a
// reader that walks the tokens as the platform does (version token, then
// instructions and comment blocks up to the end token) nowhere past the buffer
// handed over; a file it refuses is never handed over at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "resources/shader_file.h"

using d3d8::DWORD;

namespace {
// Walks `tokens` like the platform: reads past the end of the vector only if
// the stream has no end token where the reader said it would.
std::size_t walk(const std::vector<DWORD>& tokens) {
    std::size_t i = 1;
    for (;;) {
        DWORD token = tokens.at(i);  // .at(): walking past the buffer aborts the run
        if (token == d3d8water::shaderEndToken) return i;
        if ((token & 0xFFFF) == 0xFFFE) i += (token >> 16) & 0x7FFF;
        ++i;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!d3d8water::shaderStreamEndsInside(data, size)) return 0;
    std::vector<DWORD> buffer = d3d8water::shaderFunctionBuffer(data, size);
    if (buffer.size() != (size + 3) / 4 + 1 || buffer.back() != d3d8water::shaderEndToken) std::abort();
    // The end must lie inside the file's own tokens, not be the one appended.
    if (walk(buffer) >= buffer.size() - 1) std::abort();
    return 0;
}
