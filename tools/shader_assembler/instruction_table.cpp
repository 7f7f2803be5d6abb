#include "instruction_table.h"

#include <array>

namespace d3d8asm {
namespace {

constexpr VersionSet kVertexAndPixel12to14 = kVertex | kPixel12to14;

// ps.1.4 renamed tex/texcoord to texld/texcrd with new operands, and its
// texkill may name r#: those share opcodes with their ps.1.1-1.3 rows.
constexpr std::array kInstructions{
    InstructionInfo{"nop", 0, "", kAllVersions, false},
    InstructionInfo{"mov", 1, "DS", kAllVersions, true},
    InstructionInfo{"add", 2, "DSS", kAllVersions, true},
    InstructionInfo{"sub", 3, "DSS", kAllVersions, true},
    InstructionInfo{"mad", 4, "DSSS", kAllVersions, true},
    InstructionInfo{"mul", 5, "DSS", kAllVersions, true},
    InstructionInfo{"rcp", 6, "DS", kVertex, false},
    InstructionInfo{"rsq", 7, "DS", kVertex, false},
    InstructionInfo{"dp3", 8, "DSS", kAllVersions, true},
    InstructionInfo{"dp4", 9, "DSS", kVertexAndPixel12to14, true},
    InstructionInfo{"min", 10, "DSS", kVertex, false},
    InstructionInfo{"max", 11, "DSS", kVertex, false},
    InstructionInfo{"slt", 12, "DSS", kVertex, false},
    InstructionInfo{"sge", 13, "DSS", kVertex, false},
    InstructionInfo{"exp", 14, "DS", kVertex, false},
    InstructionInfo{"log", 15, "DS", kVertex, false},
    InstructionInfo{"lit", 16, "DS", kVertex, false},
    InstructionInfo{"dst", 17, "DSS", kVertex, false},
    InstructionInfo{"lrp", 18, "DSSS", kPixel, true},
    InstructionInfo{"frc", 19, "DS", kVertex, false},
    InstructionInfo{"m4x4", 20, "DSS", kVertex, false},
    InstructionInfo{"m4x3", 21, "DSS", kVertex, false},
    InstructionInfo{"m3x4", 22, "DSS", kVertex, false},
    InstructionInfo{"m3x3", 23, "DSS", kVertex, false},
    InstructionInfo{"m3x2", 24, "DSS", kVertex, false},
    InstructionInfo{"texcoord", 64, "T", kPixel11to13, false},
    InstructionInfo{"texcrd", 64, "Dx", kPixel14, false},
    InstructionInfo{"texkill", 65, "T", kPixel11to13, false},
    InstructionInfo{"texkill", 65, "K", kPixel14, false},
    InstructionInfo{"tex", 66, "T", kPixel11to13, false},
    InstructionInfo{"texld", 66, "DX", kPixel14, false},
    InstructionInfo{"texbem", 67, "Tt", kPixel11to13, false},
    InstructionInfo{"texbeml", 68, "Tt", kPixel11to13, false},
    InstructionInfo{"texreg2ar", 69, "Tt", kPixel11to13, false},
    InstructionInfo{"texreg2gb", 70, "Tt", kPixel11to13, false},
    InstructionInfo{"texm3x2pad", 71, "Tt", kPixel11to13, false},
    InstructionInfo{"texm3x2tex", 72, "Tt", kPixel11to13, false},
    InstructionInfo{"texm3x3pad", 73, "Tt", kPixel11to13, false},
    InstructionInfo{"texm3x3tex", 74, "Tt", kPixel11to13, false},
    InstructionInfo{"texm3x3spec", 76, "TtS", kPixel11to13, false},
    InstructionInfo{"texm3x3vspec", 77, "Tt", kPixel11to13, false},
    InstructionInfo{"expp", 78, "DS", kVertex, false},
    InstructionInfo{"logp", 79, "DS", kVertex, false},
    InstructionInfo{"cnd", 80, "DSSS", kPixel, true},
    InstructionInfo{"def", 81, "CFFFF", kPixel, false},
    InstructionInfo{"texreg2rgb", 82, "Tt", kPixel12to13, false},
    InstructionInfo{"texdp3tex", 83, "Tt", kPixel12to13, false},
    InstructionInfo{"texm3x2depth", 84, "Tt", kPixel13, false},
    InstructionInfo{"texdp3", 85, "Tt", kPixel12to13, false},
    InstructionInfo{"texm3x3", 86, "Tt", kPixel12to13, false},
    InstructionInfo{"texdepth", 87, "D", kPixel14, false},
    InstructionInfo{"cmp", 88, "DSSS", kPixel12to14, true},
    InstructionInfo{"bem", 89, "DSS", kPixel14, true},
    InstructionInfo{"phase", 0xFFFD, "", kPixel14, false},
};

}  // namespace

std::span<const InstructionInfo> instructionTable() { return kInstructions; }

const InstructionInfo* findInstruction(std::string_view name, ShaderVersion version) {
    for (const InstructionInfo& row : kInstructions) {
        if (row.name == name && row.versions.contains(version)) return &row;
    }
    return nullptr;
}

bool isKnownInstruction(std::string_view name) {
    for (const InstructionInfo& row : kInstructions) {
        if (row.name == name) return true;
    }
    return false;
}

}  // namespace d3d8asm
