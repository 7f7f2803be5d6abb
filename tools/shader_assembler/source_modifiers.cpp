#include "source_modifiers.h"

#include <array>
#include <string>

#include "text.h"

namespace d3d8asm {
namespace {

struct SuffixInfo {
    std::string_view name;
    SourceModifier plain;
    SourceModifier negated;  // None where '-' cannot combine with it
    VersionSet versions;
    bool textureCoordinateOnly;
};

constexpr std::array kSuffixes{
    SuffixInfo{"_bias", SourceModifier::Bias, SourceModifier::BiasNegate, kPixel, false},
    SuffixInfo{"_bx2", SourceModifier::Sign, SourceModifier::SignNegate, kPixel, false},
    SuffixInfo{"_x2", SourceModifier::Times2, SourceModifier::Times2Negate, kPixel14, false},
    SuffixInfo{"_dz", SourceModifier::DivideByZ, SourceModifier::None, kPixel14, true},
    SuffixInfo{"_db", SourceModifier::DivideByZ, SourceModifier::None, kPixel14, true},
    SuffixInfo{"_dw", SourceModifier::DivideByW, SourceModifier::None, kPixel14, true},
    SuffixInfo{"_da", SourceModifier::DivideByW, SourceModifier::None, kPixel14, true},
};

std::string notAvailable(std::string_view what, ShaderVersion version) {
    return quoted(what) + " is not available in " + std::string(versionName(version));
}

}  // namespace

Prefix parsePrefix(TokenCursor& cursor, ShaderVersion version) {
    Prefix prefix{Prefix::Kind::None, cursor.position()};
    if (cursor.accept(TokenKind::Minus)) {
        prefix.kind = Prefix::Kind::Negate;
    } else if (cursor.peekIs(TokenKind::Number)) {
        if (cursor.expect(TokenKind::Number, "a register").text != "1") cursor.fail("expected '-' after '1'");
        cursor.expect(TokenKind::Minus, "'-' after '1'");
        if (!isPixelShader(version)) throw AssemblyError(prefix.position, notAvailable("1-", version));
        prefix.kind = Prefix::Kind::Complement;
    }
    return prefix;
}

SourceModifier combineModifiers(Prefix prefix, std::string_view suffix, SourcePosition suffixPosition,
                                bool textureCoordinate, ShaderVersion version) {
    if (suffix.empty()) {
        switch (prefix.kind) {
            case Prefix::Kind::None: return SourceModifier::None;
            case Prefix::Kind::Negate: return SourceModifier::Negate;
            case Prefix::Kind::Complement: return SourceModifier::Complement;
        }
    }
    const std::string lower = toLower(suffix);
    for (const SuffixInfo& info : kSuffixes) {
        if (lower != info.name) continue;
        if (!info.versions.contains(version)) throw AssemblyError(suffixPosition, notAvailable(suffix, version));
        if (info.textureCoordinateOnly && !textureCoordinate) {
            throw AssemblyError(suffixPosition, quoted(suffix) + " applies only to the coordinates of texld and texcrd");
        }
        if (prefix.kind == Prefix::Kind::Complement ||
            (prefix.kind == Prefix::Kind::Negate && info.negated == SourceModifier::None)) {
            throw AssemblyError(prefix.position, quoted(prefix.kind == Prefix::Kind::Negate ? "-" : "1-") +
                                                     " cannot be combined with " + quoted(suffix));
        }
        return prefix.kind == Prefix::Kind::Negate ? info.negated : info.plain;
    }
    throw AssemblyError(suffixPosition, "unknown source modifier " + quoted(suffix));
}

}  // namespace d3d8asm
