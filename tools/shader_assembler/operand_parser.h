// Reads one operand: a destination register with its write mask, a source
// register with its modifiers and swizzle, or a number for def.
#pragma once

#include "program.h"
#include "token_cursor.h"

namespace d3d8asm {

// `kind` is the operand's letter in the instruction table.
Operand parseOperand(TokenCursor& cursor, char kind, ShaderVersion version);

}  // namespace d3d8asm
