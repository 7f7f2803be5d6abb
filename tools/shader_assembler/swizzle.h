// Write masks and source swizzles: reading them and the forms each version allows.
#pragma once

#include <cstdint>

#include "lexer.h"
#include "shader_version.h"

namespace d3d8asm {

inline constexpr uint8_t kFullMask = 0xF;
inline constexpr uint8_t kMaskX = 0x1;
inline constexpr uint8_t kIdentitySwizzle = 0xE4;  // .xyzw, two bits per component

// Which source swizzles an operand may carry.
enum class SwizzleRule {
    Any,              // vertex shaders
    Replicate,        // pixel shader arithmetic: none or one component repeated
    TextureCoordinate // ps.1.4 texld and texcrd: none, .xyz or .xyw
};

// Letters x y z w or r g b a, each at most once and in that order.
uint8_t parseWriteMask(const Token& token);

// One to four letters of one set; a short swizzle repeats its last component.
uint8_t parseSwizzle(const Token& token);

// Throws at `token` when the version does not allow the mask on a destination.
void checkWriteMask(uint8_t mask, const Token& token, ShaderVersion version);

// Throws at `token` when the swizzle is not one that `rule` allows in `version`.
void checkSwizzle(uint8_t swizzle, const Token& token, ShaderVersion version, SwizzleRule rule);

}  // namespace d3d8asm
