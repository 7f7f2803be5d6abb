// The shader versions the assembler accepts, and sets of them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace d3d8asm {

enum class ShaderVersion : uint8_t { VS11, PS11, PS12, PS13, PS14 };

class VersionSet {
public:
    constexpr VersionSet(std::initializer_list<ShaderVersion> versions) {
        for (ShaderVersion version : versions) bits_ |= bit(version);
    }
    constexpr bool contains(ShaderVersion version) const { return (bits_ & bit(version)) != 0; }
    constexpr VersionSet operator|(VersionSet other) const { return VersionSet(bits_ | other.bits_); }

private:
    constexpr explicit VersionSet(uint8_t bits) : bits_(bits) {}
    static constexpr uint8_t bit(ShaderVersion version) { return uint8_t(1u << uint8_t(version)); }
    uint8_t bits_ = 0;
};

inline constexpr VersionSet kVertex{ShaderVersion::VS11};
inline constexpr VersionSet kPixel11to13{ShaderVersion::PS11, ShaderVersion::PS12, ShaderVersion::PS13};
inline constexpr VersionSet kPixel12to13{ShaderVersion::PS12, ShaderVersion::PS13};
inline constexpr VersionSet kPixel12to14{ShaderVersion::PS12, ShaderVersion::PS13, ShaderVersion::PS14};
inline constexpr VersionSet kPixel13{ShaderVersion::PS13};
inline constexpr VersionSet kPixel14{ShaderVersion::PS14};
inline constexpr VersionSet kPixel = kPixel11to13 | kPixel14;
inline constexpr VersionSet kAllVersions = kVertex | kPixel;

inline bool isPixelShader(ShaderVersion version) { return version != ShaderVersion::VS11; }

// "vs.1.1", "ps.1.4": how messages name a version.
std::string_view versionName(ShaderVersion version);

// The first token of the shader's token stream.
uint32_t versionToken(ShaderVersion version);

// Reads "vs.1.1" or "vs_1_1" (any letter case); nothing for other text.
std::optional<ShaderVersion> parseVersionName(std::string_view text);

}  // namespace d3d8asm
