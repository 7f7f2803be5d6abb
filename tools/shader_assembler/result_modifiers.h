// Result modifiers on a pixel shader instruction name: _sat and one scale of
// _x2 _x4 _x8 _d2 _d4 _d8, in any order ("mul_x2_sat").
#pragma once

#include <string_view>

#include "lexer.h"
#include "program.h"

namespace d3d8asm {

// `suffixes` is the mnemonic text from its first '_' ("_x2_sat"); the
// instruction's row is already known.
void applyResultModifiers(Instruction& instruction, const Token& mnemonic, std::string_view suffixes,
                          ShaderVersion version);

}  // namespace d3d8asm
