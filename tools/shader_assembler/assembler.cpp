#include "assembler.h"

#include "encoder.h"
#include "lexer.h"
#include "parser.h"

namespace d3d8asm {

AssemblyResult assemble(std::string_view source) {
    try {
        const std::vector<Token> tokens = tokenize(source);
        return {encode(parseProgram(tokens)), std::nullopt};
    } catch (const AssemblyError& error) {
        return {{}, Diagnostic{error.position().line, error.position().column, error.what()}};
    }
}

std::string formatDiagnostic(std::string_view fileName, const Diagnostic& diagnostic) {
    return std::string(fileName) + ":" + std::to_string(diagnostic.line) + ":" + std::to_string(diagnostic.column) +
           ": error: " + diagnostic.message;
}

}  // namespace d3d8asm
