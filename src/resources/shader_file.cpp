#include "resources/shader_file.h"

#include <cstring>

namespace d3d8water {

namespace {
constexpr DWORD commentOpcode = 0xFFFE;

DWORD tokenAt(const unsigned char* bytes, std::size_t index) {
    const unsigned char* p = bytes + index * 4;
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}
}  // namespace

bool shaderStreamEndsInside(const unsigned char* bytes, std::size_t size) {
    // Bytes after the last whole token are never part of the stream.
    const std::size_t count = size / 4;
    // Token 0 is the version; the stream proper starts after it.
    for (std::size_t i = 1; i < count; ++i) {
        DWORD token = tokenAt(bytes, i);
        if (token == shaderEndToken) return true;
        // A comment's length may run past the file: then the loop ends unfinished.
        if ((token & 0xFFFF) == commentOpcode) i += (token >> 16) & 0x7FFF;
    }
    return false;
}

std::vector<DWORD> shaderFunctionBuffer(const unsigned char* bytes, std::size_t size) {
    std::vector<DWORD> buffer((size + 3) / 4 + 1, 0);
    std::memcpy(buffer.data(), bytes, size);
    buffer.back() = shaderEndToken;
    return buffer;
}

}  // namespace d3d8water
