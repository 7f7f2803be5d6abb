// Writes a parsed Program as a Direct3D 8 shader function: the version token,
// each instruction token followed by its parameter tokens, and the end token.
#pragma once

#include <cstdint>
#include <vector>

#include "program.h"

namespace d3d8asm {

std::vector<uint32_t> encode(const Program& program);

}  // namespace d3d8asm
