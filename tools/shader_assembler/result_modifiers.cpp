#include "result_modifiers.h"

#include <array>
#include <string>

#include "text.h"

namespace d3d8asm {
namespace {

struct ScaleInfo {
    std::string_view name;
    int shift;
    VersionSet versions;
};

constexpr std::array kScales{
    ScaleInfo{"x2", 1, kPixel}, ScaleInfo{"x4", 2, kPixel}, ScaleInfo{"x8", 3, kPixel14},
    ScaleInfo{"d2", -1, kPixel}, ScaleInfo{"d4", -2, kPixel14}, ScaleInfo{"d8", -3, kPixel14},
};

const ScaleInfo* findScale(std::string_view name) {
    for (const ScaleInfo& scale : kScales) {
        if (scale.name == name) return &scale;
    }
    return nullptr;
}

}  // namespace

void applyResultModifiers(Instruction& instruction, const Token& mnemonic, std::string_view suffixes,
                          ShaderVersion version) {
    const size_t baseLength = mnemonic.text.size() - suffixes.size();
    size_t start = 0;
    while (start < suffixes.size()) {
        size_t end = suffixes.find('_', start + 1);
        if (end == std::string_view::npos) end = suffixes.size();
        const std::string_view text = suffixes.substr(start, end - start);
        const std::string name = toLower(text.substr(1));
        const SourcePosition position{mnemonic.position.line, mnemonic.position.column + int(baseLength + start)};
        start = end;

        const ScaleInfo* scale = findScale(name);
        if (name != "sat" && !scale) throw AssemblyError(position, "unknown instruction modifier " + quoted(text));
        if (!isPixelShader(version) || (scale && !scale->versions.contains(version))) {
            throw AssemblyError(position, "instruction modifier " + quoted(text) + " is not available in " +
                                              std::string(versionName(version)));
        }
        if (!instruction.info->arithmetic) {
            throw AssemblyError(position, quoted(instruction.info->name) + " takes no instruction modifiers");
        }
        if (scale) {
            if (instruction.shift != 0) throw AssemblyError(position, "more than one result scale");
            instruction.shift = scale->shift;
        } else {
            if (instruction.saturate) throw AssemblyError(position, "'_sat' given twice");
            instruction.saturate = true;
        }
    }
}

}  // namespace d3d8asm
