// Splits shader source into tokens. Comments (';' and '//' to the end of the
// line, '/* */' anywhere) count as blanks; every line break outside a block
// comment becomes a Newline token, since one statement takes one line.
#pragma once

#include <string_view>
#include <vector>

#include "source_error.h"

namespace d3d8asm {

enum class TokenKind { Identifier, Number, Comma, Dot, Plus, Minus, LeftBracket, RightBracket, Newline };

struct Token {
    TokenKind kind;
    std::string_view text;  // points into the source, which must outlive the tokens
    SourcePosition position;

    // The column just past the token, where a missing continuation is reported.
    SourcePosition end() const { return {position.line, position.column + int(text.size())}; }
};

// Throws AssemblyError on a character no token starts with, or an unclosed '/*'.
std::vector<Token> tokenize(std::string_view source);

}  // namespace d3d8asm
