// Shader-model-1 assembly (vs.1.1, ps.1.1 to ps.1.4) to Direct3D 8 shader
// function tokens. This is the library's whole interface.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace d3d8asm {

struct Diagnostic {
    int line = 0;    // 1-based
    int column = 0;  // 1-based, in bytes
    std::string message;
};

struct AssemblyResult {
    std::vector<uint32_t> tokens;      // empty when assembly failed
    std::optional<Diagnostic> error;   // the first fault found

    bool ok() const { return !error; }
};

AssemblyResult assemble(std::string_view source);

// "file:line:column: error: message", the form compilers and editors read.
std::string formatDiagnostic(std::string_view fileName, const Diagnostic& diagnostic);

}  // namespace d3d8asm
