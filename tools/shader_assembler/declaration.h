// dcl_<usage>[index] v# lines in vs.1.1. A Direct3D 8 vertex shader takes its
// input layout from the declaration passed at creation, so these lines add
// no tokens; they are accepted so that one source serves Direct3D 9 tools too.
#pragma once

#include "lexer.h"
#include "shader_version.h"
#include "token_cursor.h"

namespace d3d8asm {

// `mnemonic` is the whole "dcl_texcoord1" token; the cursor stands after it.
// Checks the usage name and the input register, and reads to the end.
void parseDeclaration(const Token& mnemonic, TokenCursor& cursor, ShaderVersion version);

}  // namespace d3d8asm
