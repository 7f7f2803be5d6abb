// Reading a compiled shader file: the Direct3D 8 token stream, from the
// version token to the end token.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/d3d8_api.h"

namespace d3d8water {

inline constexpr DWORD shaderEndToken = 0x0000FFFF;

// True when the tokens in `bytes` reach an end token before the bytes run out:
// a version token, then instructions, with comment blocks skipped by the length
// their token gives. A stream that does not would let the platform read past
// the buffer (empty files, files cut short, even inside a token, runaway
// comment lengths). Bytes after the end token are harmless and allowed.
bool shaderStreamEndsInside(const unsigned char* bytes, std::size_t size);

// The buffer handed to the platform: the file's bytes, whole and unchanged,
// followed by one more end token, so that not even a stream whose end the
// check above misjudges can lead the platform past the buffer.
std::vector<DWORD> shaderFunctionBuffer(const unsigned char* bytes, std::size_t size);

}  // namespace d3d8water
