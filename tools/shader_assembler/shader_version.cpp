#include "shader_version.h"

#include <array>

#include "text.h"

namespace d3d8asm {
namespace {

struct VersionInfo {
    ShaderVersion version;
    std::string_view name;
    uint32_t token;
};

// Vertex shaders start with 0xFFFE, pixel shaders with 0xFFFF; major and minor follow.
constexpr std::array<VersionInfo, 5> kVersions{{
    {ShaderVersion::VS11, "vs.1.1", 0xFFFE0101u},
    {ShaderVersion::PS11, "ps.1.1", 0xFFFF0101u},
    {ShaderVersion::PS12, "ps.1.2", 0xFFFF0102u},
    {ShaderVersion::PS13, "ps.1.3", 0xFFFF0103u},
    {ShaderVersion::PS14, "ps.1.4", 0xFFFF0104u},
}};

const VersionInfo& info(ShaderVersion version) { return kVersions[size_t(version)]; }

}  // namespace

std::string_view versionName(ShaderVersion version) { return info(version).name; }

uint32_t versionToken(ShaderVersion version) { return info(version).token; }

std::optional<ShaderVersion> parseVersionName(std::string_view text) {
    std::string dotted = toLower(text);
    for (char& c : dotted) {
        if (c == '_') c = '.';
    }
    for (const VersionInfo& candidate : kVersions) {
        if (dotted == candidate.name) return candidate.version;
    }
    return std::nullopt;
}

}  // namespace d3d8asm
