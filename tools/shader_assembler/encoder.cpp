#include "encoder.h"

#include <bit>

namespace d3d8asm {
namespace {

// Instruction token: opcode in the low word, bit 30 marks a co-issued instruction.
constexpr uint32_t kCoissueBit = 1u << 30;
constexpr uint32_t kEndToken = 0x0000FFFFu;

// Parameter tokens: bit 31 always set, register type in bits 28-30, number in 0-10.
constexpr uint32_t kParameterBit = 1u << 31;
constexpr int kRegisterTypeShift = 28;
constexpr uint32_t kRegisterNumberMask = 0x7FFu;
constexpr uint32_t kRelativeAddressBit = 1u << 13;
constexpr int kSwizzleShift = 16;     // sources: eight bits, two per component
constexpr int kModifierShift = 24;    // sources: four bits
constexpr int kWriteMaskShift = 16;   // destinations: one bit per component
constexpr uint32_t kSaturateBit = 1u << 20;
constexpr int kResultShiftShift = 24;  // destinations: a signed four-bit scale
constexpr uint32_t kResultShiftMask = 0xFu;

uint32_t registerBits(const Register& reg) {
    return kParameterBit | (reg.file->type << kRegisterTypeShift) | (reg.number & kRegisterNumberMask);
}

uint32_t destinationToken(const Operand& operand, const Instruction& instruction) {
    uint32_t token = registerBits(operand.reg) | (uint32_t(operand.writeMask) << kWriteMaskShift);
    if (instruction.saturate) token |= kSaturateBit;
    token |= (uint32_t(instruction.shift) & kResultShiftMask) << kResultShiftShift;
    return token;
}

uint32_t sourceToken(const Operand& operand) {
    uint32_t token = registerBits(operand.reg) | (uint32_t(operand.swizzle) << kSwizzleShift) |
                     (uint32_t(operand.modifier) << kModifierShift);
    if (operand.relative) token |= kRelativeAddressBit;
    return token;
}

uint32_t operandToken(const Operand& operand, const Instruction& instruction) {
    switch (operand.kind) {
        case Operand::Kind::Destination: return destinationToken(operand, instruction);
        case Operand::Kind::Source: return sourceToken(operand);
        case Operand::Kind::Literal: return std::bit_cast<uint32_t>(operand.literal);
    }
    return 0;
}

}  // namespace

std::vector<uint32_t> encode(const Program& program) {
    std::vector<uint32_t> tokens{versionToken(program.version)};
    for (const Instruction& instruction : program.instructions) {
        tokens.push_back(instruction.info->opcode | (instruction.coissue ? kCoissueBit : 0u));
        for (const Operand& operand : instruction.operands) tokens.push_back(operandToken(operand, instruction));
    }
    tokens.push_back(kEndToken);
    return tokens;
}

}  // namespace d3d8asm
