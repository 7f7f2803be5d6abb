#include "operand_parser.h"

#include <charconv>
#include <optional>
#include <cmath>
#include <string>

#include "source_modifiers.h"
#include "swizzle.h"
#include "text.h"

namespace d3d8asm {
namespace {

// A register token such as "r1_bias": the register name and what follows '_'.
struct RegisterText {
    std::string_view name;
    std::string_view suffix;
    SourcePosition suffixPosition;
};

RegisterText splitRegisterText(const Token& token) {
    const size_t underscore = token.text.find('_');
    if (underscore == std::string_view::npos) return {token.text, {}, token.position};
    return {token.text.substr(0, underscore), token.text.substr(underscore),
            {token.position.line, token.position.column + int(underscore)}};
}

bool isDestinationKind(char kind) { return kind == 'D' || kind == 'T' || kind == 'K' || kind == 'C'; }

[[noreturn]] void wrongRegister(const Token& token, const std::string& expectation) {
    throw AssemblyError(token.position, "expected " + expectation + ", found " + quoted(token.text));
}

// Checks that the operand letter admits the register.
void checkRegisterUse(const Register& reg, const Token& token, char kind) {
    const std::string name = quoted(token.text);
    switch (kind) {
        case 'D':
            if (!(reg.file->access & kWritable)) throw AssemblyError(token.position, "register " + name + " cannot be written");
            return;
        case 'S':
            if (!(reg.file->access & kReadable)) throw AssemblyError(token.position, "register " + name + " cannot be read here");
            return;
        case 'T':
        case 't':
        case 'x':
            if (!reg.is("t")) wrongRegister(token, "a texture register t#");
            return;
        case 'X':
        case 'K':
            if (!reg.is("t") && !reg.is("r")) wrongRegister(token, "a register t# or r#");
            return;
        case 'C':
            if (!reg.is("c")) wrongRegister(token, "a constant register c#");
            return;
        default:
            return;
    }
}

Operand parseDestination(TokenCursor& cursor, char kind, ShaderVersion version) {
    const Token& token = cursor.expect(TokenKind::Identifier, "a register");
    const RegisterText text = splitRegisterText(token);
    if (!text.suffix.empty()) {
        throw AssemblyError(text.suffixPosition, "a destination takes no modifier " + quoted(text.suffix) +
                                                     " (result modifiers go on the instruction name)");
    }
    Operand operand;
    operand.kind = Operand::Kind::Destination;
    operand.reg = findRegister(text.name, version, token.position);
    checkRegisterUse(operand.reg, token, kind);
    operand.writeMask = operand.reg.file->scalar ? kMaskX : kFullMask;
    if (cursor.accept(TokenKind::Dot)) {
        const Token& mask = cursor.expect(TokenKind::Identifier, "a write mask");
        operand.writeMask = parseWriteMask(mask);
        if (operand.reg.file->scalar && operand.writeMask != kMaskX) {
            throw AssemblyError(mask.position, "register " + quoted(token.text) + " is scalar: use .x or no mask");
        }
        checkWriteMask(operand.writeMask, mask, version);
    }
    return operand;
}

uint32_t parseRegisterNumber(const Token& token) {
    uint32_t number = 0;
    const auto [end, error] = std::from_chars(token.text.data(), token.text.data() + token.text.size(), number);
    if (error != std::errc() || end != token.text.data() + token.text.size()) {
        throw AssemblyError(token.position, "expected a register number, found " + quoted(token.text));
    }
    return number;
}

// c[a0.x + n], c[n + a0.x], c[a0.x] or c[n], after the "c".
Register parseBracketedConstant(TokenCursor& cursor, Operand& operand, const Token& name, ShaderVersion version) {
    cursor.expect(TokenKind::LeftBracket, "'['");
    std::optional<uint32_t> offset;
    do {
        const SourcePosition termPosition = cursor.position();
        if (cursor.peekIs(TokenKind::Identifier)) {
            const Token& address = cursor.expect(TokenKind::Identifier, "a0.x");
            const bool isA0 = equalsIgnoringCase(address.text, "a0");
            const bool hasX = cursor.accept(TokenKind::Dot) &&
                              equalsIgnoringCase(cursor.expect(TokenKind::Identifier, "'x'").text, "x");
            if (!isA0 || !hasX) throw AssemblyError(termPosition, "relative addressing uses a0.x");
            if (operand.relative) throw AssemblyError(termPosition, "a0.x given twice");
            if (!findRegisterFile("a", version)) {
                throw AssemblyError(termPosition,
                                    "relative addressing is not available in " + std::string(versionName(version)));
            }
            operand.relative = true;
        } else {
            const Token& number = cursor.expect(TokenKind::Number, "a0.x or a register number");
            if (offset) throw AssemblyError(termPosition, "more than one register number");
            offset = parseRegisterNumber(number);
        }
    } while (cursor.accept(TokenKind::Plus));
    if (cursor.peekIs(TokenKind::Minus)) cursor.fail("expected ']' (offsets cannot be negative)");
    cursor.expect(TokenKind::RightBracket, "']'");
    return findRegister(std::string(name.text) + std::to_string(offset.value_or(0)), version, name.position);
}

Operand parseSource(TokenCursor& cursor, char kind, ShaderVersion version) {
    Operand operand;
    operand.kind = Operand::Kind::Source;
    operand.swizzle = kIdentitySwizzle;
    const Prefix prefix = parsePrefix(cursor, version);
    const Token& token = cursor.expect(TokenKind::Identifier, "a register");
    const RegisterText text = splitRegisterText(token);
    if (text.suffix.empty() && equalsIgnoringCase(text.name, "c") && cursor.peekIs(TokenKind::LeftBracket)) {
        operand.reg = parseBracketedConstant(cursor, operand, token, version);
    } else {
        operand.reg = findRegister(text.name, version, token.position);
    }
    checkRegisterUse(operand.reg, token, kind);
    const bool textureCoordinate = kind == 'X' || kind == 'x';
    operand.modifier = combineModifiers(prefix, text.suffix, text.suffixPosition, textureCoordinate, version);
    if (cursor.accept(TokenKind::Dot)) {
        const Token& swizzleToken = cursor.expect(TokenKind::Identifier, "a swizzle");
        operand.swizzle = parseSwizzle(swizzleToken);
        const SwizzleRule rule = !isPixelShader(version) ? SwizzleRule::Any
                                 : textureCoordinate     ? SwizzleRule::TextureCoordinate
                                                         : SwizzleRule::Replicate;
        checkSwizzle(operand.swizzle, swizzleToken, version, rule);
    }
    return operand;
}

Operand parseLiteral(TokenCursor& cursor) {
    const bool negative = cursor.accept(TokenKind::Minus);
    if (!negative) cursor.accept(TokenKind::Plus);
    const Token& number = cursor.expect(TokenKind::Number, "a number");
    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
    if (error != std::errc() || end != number.text.data() + number.text.size() || !std::isfinite(value)) {
        throw AssemblyError(number.position, "number " + quoted(number.text) + " does not fit a 32-bit float");
    }
    Operand operand;
    operand.kind = Operand::Kind::Literal;
    operand.literal = negative ? -value : value;
    return operand;
}

}  // namespace

Operand parseOperand(TokenCursor& cursor, char kind, ShaderVersion version) {
    if (kind == 'F') return parseLiteral(cursor);
    if (isDestinationKind(kind)) return parseDestination(cursor, kind, version);
    return parseSource(cursor, kind, version);
}

}  // namespace d3d8asm
