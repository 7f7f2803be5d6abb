#include "swizzle.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "text.h"

namespace d3d8asm {
namespace {

constexpr std::string_view kPositionLetters = "xyzw";
constexpr std::string_view kColorLetters = "rgba";

// Component numbers of the letters, all from one of the two sets; empty if not.
std::string components(std::string_view letters) {
    const std::string lower = toLower(letters);
    for (std::string_view set : {kPositionLetters, kColorLetters}) {
        std::string result;
        for (char c : lower) {
            const size_t index = set.find(c);
            if (index == std::string_view::npos) break;
            result.push_back(char(index));
        }
        if (result.size() == lower.size()) return result;
    }
    return {};
}

uint8_t replicate(int component) { return uint8_t(component * 0x55); }

bool oneOf(uint8_t value, std::initializer_list<uint8_t> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

}  // namespace

uint8_t parseWriteMask(const Token& token) {
    const std::string parts = components(token.text);
    bool inOrder = !parts.empty() && parts.size() <= 4;
    for (size_t i = 1; inOrder && i < parts.size(); ++i) inOrder = parts[i - 1] < parts[i];
    if (!inOrder) throw AssemblyError(token.position, "bad write mask " + quoted(token.text));
    uint8_t mask = 0;
    for (char component : parts) mask |= uint8_t(1u << component);
    return mask;
}

uint8_t parseSwizzle(const Token& token) {
    const std::string parts = components(token.text);
    if (parts.empty() || parts.size() > 4) throw AssemblyError(token.position, "bad swizzle " + quoted(token.text));
    uint8_t swizzle = 0;
    for (size_t i = 0; i < 4; ++i) {
        const int component = parts[std::min(i, parts.size() - 1)];
        swizzle |= uint8_t(component << (2 * i));
    }
    return swizzle;
}

void checkWriteMask(uint8_t mask, const Token& token, ShaderVersion version) {
    // ps.1.1-1.3 write colour, alpha or both; ps.1.4 and vs.1.1 any components.
    if (!kPixel11to13.contains(version) || oneOf(mask, {kFullMask, 0x7, 0x8})) return;
    throw AssemblyError(token.position, "write mask " + quoted(token.text) + " is not allowed in " +
                                            std::string(versionName(version)) + " (use .rgb, .a or none)");
}

void checkSwizzle(uint8_t swizzle, const Token& token, ShaderVersion version, SwizzleRule rule) {
    const std::string name = quoted(token.text);
    switch (rule) {
        case SwizzleRule::Any:
            return;
        case SwizzleRule::TextureCoordinate:
            if (oneOf(swizzle, {kIdentitySwizzle, 0xA4, 0xF4})) return;
            throw AssemblyError(token.position, "swizzle " + name + " is not allowed here (use .xyz, .xyw or none)");
        case SwizzleRule::Replicate:
            if (version == ShaderVersion::PS14) {
                if (oneOf(swizzle, {kIdentitySwizzle, replicate(0), replicate(1), replicate(2), replicate(3)})) return;
                throw AssemblyError(token.position, "swizzle " + name + " is not allowed in ps.1.4 (use .r, .g, .b, .a or none)");
            }
            if (oneOf(swizzle, {kIdentitySwizzle, replicate(2), replicate(3)})) return;
            throw AssemblyError(token.position, "swizzle " + name + " is not allowed in " +
                                                    std::string(versionName(version)) + " (use .b, .a or none)");
    }
}

}  // namespace d3d8asm
