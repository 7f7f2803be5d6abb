// The register files of each version: their names, token types, sizes and use.
#pragma once

#include <cstdint>
#include <string_view>

#include "shader_version.h"
#include "source_error.h"

namespace d3d8asm {

enum RegisterAccess : uint8_t { kNoAccess = 0, kReadable = 1, kWritable = 2, kReadWrite = 3 };

struct RegisterFile {
    std::string_view name;  // "r", "oT", "oPos": how the source spells it, any letter case
    uint32_t type;          // the register type field of a parameter token
    bool indexed;           // "r0", "oT3" carry a number; "oPos" stands for `fixedNumber`
    uint32_t fixedNumber;
    uint32_t count;         // registers 0 to count-1 of an indexed file
    RegisterAccess access;  // as an ordinary source or destination
    bool scalar;            // only .x means anything; the write mask is .x
    VersionSet versions;
};

struct Register {
    const RegisterFile* file = nullptr;
    uint32_t number = 0;

    bool is(std::string_view fileName) const;
};

// Resolves a register name such as "r3" or "oPos" for `version`; throws at
// `position` when no file has that name, the version lacks it or the number is too big.
Register findRegister(std::string_view text, ShaderVersion version, SourcePosition position);

// The file a version offers under `name` (a file name, not a register), or null.
const RegisterFile* findRegisterFile(std::string_view name, ShaderVersion version);

}  // namespace d3d8asm
