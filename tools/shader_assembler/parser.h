// Turns the token list into a Program: the version line first, then one
// instruction (or vs.1.1 declaration) a line, checked against the tables.
#pragma once

#include <span>

#include "lexer.h"
#include "program.h"

namespace d3d8asm {

// Throws AssemblyError at the first fault.
Program parseProgram(std::span<const Token> tokens);

}  // namespace d3d8asm
