// The one list of instructions: it tells the parser what operands to read and
// the encoder which opcode to write.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shader_version.h"

namespace d3d8asm {

// One letter per operand, in order:
//   D  register written by the instruction
//   S  register read by the instruction
//   T  texture register t# written by a ps.1.1-1.3 texture instruction
//   t  texture register t# read by one
//   X  texture coordinates read by ps.1.4 texld: t#, or r# (a dependent read)
//   x  texture coordinates read by ps.1.4 texcrd: t# only
//   K  register tested by ps.1.4 texkill: r# or t#, written as a destination
//   C  constant register set by def
//   F  floating-point literal
struct InstructionInfo {
    std::string_view name;
    uint16_t opcode;
    std::string_view operands;
    VersionSet versions;
    bool arithmetic;  // pixel shaders allow result modifiers and co-issue on these
};

std::span<const InstructionInfo> instructionTable();

// The row for `name` (lower case) in `version`; null if none.
const InstructionInfo* findInstruction(std::string_view name, ShaderVersion version);

// Whether any version knows `name` (lower case), so messages can tell a typo
// from an instruction of another version.
bool isKnownInstruction(std::string_view name);

}  // namespace d3d8asm
