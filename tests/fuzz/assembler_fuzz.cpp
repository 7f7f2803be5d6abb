// Arbitrary text through the shader assembler: it either gives a token stream
// that starts with a version token and ends with the end token, or one
// diagnostic at a position inside the text; never an exception, a crash or a
// read past the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shader_assembler/assembler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    const d3d8asm::AssemblyResult result = d3d8asm::assemble(source);
    if (result.ok()) {
        if (result.tokens.size() < 2 || result.tokens.back() != 0x0000FFFFu) std::abort();
        const std::uint32_t version = result.tokens.front() & 0xFFFF0000u;
        if (version != 0xFFFE0000u && version != 0xFFFF0000u) std::abort();
    } else {
        const d3d8asm::Diagnostic& error = *result.error;
        if (!result.tokens.empty() || error.message.empty() || error.line < 1 || error.column < 1) std::abort();
        // The position lies in the text, or just past its last line.
        std::size_t lines = 1;
        for (char c : source) lines += c == '\n';
        if (static_cast<std::size_t>(error.line) > lines + 1) std::abort();
    }
    return 0;
}
