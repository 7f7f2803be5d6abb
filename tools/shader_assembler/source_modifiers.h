// Source modifiers: '-' and '1-' before a register, _bias _bx2 _x2 _dz _db _dw _da after it.
#pragma once

#include <string_view>

#include "program.h"
#include "token_cursor.h"

namespace d3d8asm {

struct Prefix {
    enum class Kind { None, Negate, Complement } kind = Kind::None;
    SourcePosition position;
};

// Reads '-' or '1-' if present; '1-' only where the version has it.
Prefix parsePrefix(TokenCursor& cursor, ShaderVersion version);

// Merges the prefix with the suffix after the register name ("_bias", or
// empty) into the one modifier a source token holds. `textureCoordinate` is
// true for the coordinates of ps.1.4 texld and texcrd, the only place for
// _dz/_dw and their aliases _db/_da.
SourceModifier combineModifiers(Prefix prefix, std::string_view suffix, SourcePosition suffixPosition,
                                bool textureCoordinate, ShaderVersion version);

}  // namespace d3d8asm
