// The parsed shader, as the encoder reads it.
#pragma once

#include <cstdint>
#include <vector>

#include "instruction_table.h"
#include "register_table.h"
#include "shader_version.h"

namespace d3d8asm {

// Source modifiers, numbered as the parameter token stores them.
enum class SourceModifier : uint8_t {
    None = 0,
    Negate = 1,
    Bias = 2,
    BiasNegate = 3,
    Sign = 4,  // _bx2
    SignNegate = 5,
    Complement = 6,  // 1-x
    Times2 = 7,
    Times2Negate = 8,
    DivideByZ = 9,
    DivideByW = 10,
};

struct Operand {
    enum class Kind : uint8_t { Destination, Source, Literal };

    Kind kind = Kind::Source;
    Register reg;
    uint8_t writeMask = 0;  // destinations
    uint8_t swizzle = 0;    // sources
    SourceModifier modifier = SourceModifier::None;
    bool relative = false;  // c[a0.x + number]
    float literal = 0.0f;
};

struct Instruction {
    const InstructionInfo* info = nullptr;
    bool coissue = false;
    bool saturate = false;
    int shift = 0;  // result scale as a power of two: _x2 is 1, _d2 is -1
    std::vector<Operand> operands;
};

struct Program {
    ShaderVersion version = ShaderVersion::VS11;
    std::vector<Instruction> instructions;
};

}  // namespace d3d8asm
