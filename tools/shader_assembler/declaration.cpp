#include "declaration.h"

#include <array>
#include <string>

#include "register_table.h"
#include "swizzle.h"
#include "text.h"

namespace d3d8asm {
namespace {

constexpr std::array<std::string_view, 14> kUsages{
    "position", "blendweight", "blendindices", "normal", "psize", "texcoord", "tangent",
    "binormal", "tessfactor", "positiont", "color", "fog", "depth", "sample",
};

bool isUsage(std::string_view usageWithIndex) {
    size_t end = usageWithIndex.size();
    while (end > 0 && usageWithIndex[end - 1] >= '0' && usageWithIndex[end - 1] <= '9') --end;
    const std::string_view usage = usageWithIndex.substr(0, end);
    for (std::string_view known : kUsages) {
        if (usage == known) return true;
    }
    return false;
}

}  // namespace

void parseDeclaration(const Token& mnemonic, TokenCursor& cursor, ShaderVersion version) {
    if (isPixelShader(version)) {
        throw AssemblyError(mnemonic.position, "'dcl' is not available in " + std::string(versionName(version)));
    }
    const std::string lower = toLower(mnemonic.text);
    const std::string usage = lower.size() > 4 ? lower.substr(4) : std::string();
    if (lower.size() < 4 || lower[3] != '_' || !isUsage(usage)) {
        throw AssemblyError(mnemonic.position, "unknown declaration " + quoted(mnemonic.text));
    }
    const Token& input = cursor.expect(TokenKind::Identifier, "an input register v#");
    const Register reg = findRegister(input.text, version, input.position);
    if (!reg.is("v")) throw AssemblyError(input.position, "expected an input register v#, found " + quoted(input.text));
    if (cursor.accept(TokenKind::Dot)) parseWriteMask(cursor.expect(TokenKind::Identifier, "a write mask"));
    cursor.expectEnd();
}

}  // namespace d3d8asm
