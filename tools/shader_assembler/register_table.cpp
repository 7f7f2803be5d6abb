#include "register_table.h"

#include <array>
#include <optional>

#include "text.h"

namespace d3d8asm {
namespace {

// Register types as the parameter token stores them.
enum : uint32_t {
    kTemp = 0,
    kInput = 1,
    kConst = 2,
    kAddressOrTexture = 3,
    kRasterizerOut = 4,
    kAttributeOut = 5,
    kTexCoordOut = 6,
};

// ps.1.4 keeps its texture coordinates in t#, read only by texld and texcrd:
// no ordinary access. The constant file of vs.1.1 is sized for the largest
// devices; the address register a0 is read only through c[a0.x + n].
constexpr std::array kRegisterFiles{
    RegisterFile{"r", kTemp, true, 0, 12, kReadWrite, false, kVertex},
    RegisterFile{"v", kInput, true, 0, 16, kReadable, false, kVertex},
    RegisterFile{"c", kConst, true, 0, 256, kReadable, false, kVertex},
    RegisterFile{"a", kAddressOrTexture, true, 0, 1, kWritable, false, kVertex},
    RegisterFile{"oPos", kRasterizerOut, false, 0, 1, kWritable, false, kVertex},
    RegisterFile{"oFog", kRasterizerOut, false, 1, 1, kWritable, true, kVertex},
    RegisterFile{"oPts", kRasterizerOut, false, 2, 1, kWritable, true, kVertex},
    RegisterFile{"oD", kAttributeOut, true, 0, 2, kWritable, false, kVertex},
    RegisterFile{"oT", kTexCoordOut, true, 0, 8, kWritable, false, kVertex},
    RegisterFile{"r", kTemp, true, 0, 2, kReadWrite, false, kPixel11to13},
    RegisterFile{"c", kConst, true, 0, 8, kReadable, false, kPixel11to13},
    RegisterFile{"t", kAddressOrTexture, true, 0, 4, kReadWrite, false, kPixel11to13},
    RegisterFile{"v", kInput, true, 0, 2, kReadable, false, kPixel11to13},
    RegisterFile{"r", kTemp, true, 0, 6, kReadWrite, false, kPixel14},
    RegisterFile{"c", kConst, true, 0, 8, kReadable, false, kPixel14},
    RegisterFile{"t", kAddressOrTexture, true, 0, 6, kNoAccess, false, kPixel14},
    RegisterFile{"v", kInput, true, 0, 2, kReadable, false, kPixel14},
};

struct NameMatch {
    std::string_view fileName;
    std::optional<uint32_t> number;  // empty for an unindexed file
    bool numberTooLong = false;
};

// Splits "oT3" into the file name it starts with and the number after it.
std::optional<NameMatch> matchName(const RegisterFile& file, std::string_view text) {
    if (!file.indexed) {
        if (!equalsIgnoringCase(text, file.name)) return std::nullopt;
        return NameMatch{file.name, std::nullopt};
    }
    if (text.size() <= file.name.size() || !equalsIgnoringCase(text.substr(0, file.name.size()), file.name)) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(file.name.size());
    uint64_t number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        if (number < (uint64_t(1) << 32)) number = number * 10 + uint64_t(c - '0');
    }
    const bool tooLong = number >= (uint64_t(1) << 32);
    return NameMatch{file.name, uint32_t(tooLong ? UINT32_MAX : number), tooLong};
}

std::string rangeText(const RegisterFile& file) {
    if (file.count == 1) return std::string(file.name) + "0";
    return std::string(file.name) + "0 to " + std::string(file.name) + std::to_string(file.count - 1);
}

}  // namespace

bool Register::is(std::string_view fileName) const { return file != nullptr && file->name == fileName; }

const RegisterFile* findRegisterFile(std::string_view name, ShaderVersion version) {
    for (const RegisterFile& file : kRegisterFiles) {
        if (file.versions.contains(version) && equalsIgnoringCase(file.name, name)) return &file;
    }
    return nullptr;
}

Register findRegister(std::string_view text, ShaderVersion version, SourcePosition position) {
    bool knownElsewhere = false;
    for (const RegisterFile& file : kRegisterFiles) {
        const std::optional<NameMatch> match = matchName(file, text);
        if (!match) continue;
        if (!file.versions.contains(version)) {
            knownElsewhere = true;
            continue;
        }
        if (!match->number) return Register{&file, file.fixedNumber};
        if (match->numberTooLong || *match->number >= file.count) {
            throw AssemblyError(position, "register " + quoted(text) + " is out of range for " +
                                              std::string(versionName(version)) + " (" + rangeText(file) + ")");
        }
        return Register{&file, *match->number};
    }
    if (knownElsewhere) {
        throw AssemblyError(position,
                            "register " + quoted(text) + " is not available in " + std::string(versionName(version)));
    }
    throw AssemblyError(position, "unknown register " + quoted(text));
}

}  // namespace d3d8asm
