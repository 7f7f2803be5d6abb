// d3d8asm INPUT OUTPUT: assembles a vs.1.1 or ps.1.x source file into a
// Direct3D 8 shader file (.vso/.pso: little-endian 32-bit tokens). On error it
// prints "INPUT:LINE:COLUMN: error: message", exits 1 and writes no output.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assembler.h"
#include "atomic_file.h"

namespace {

std::vector<unsigned char> littleEndianBytes(const std::vector<uint32_t>& tokens) {
    std::vector<unsigned char> bytes;
    bytes.reserve(tokens.size() * 4);
    for (uint32_t token : tokens) {
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(token >> shift));
    }
    return bytes;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return fail("usage: d3d8asm INPUT OUTPUT");
    const std::string input = argv[1];
    const std::string output = argv[2];

    std::ifstream file(input, std::ios::binary);
    if (!file.is_open()) return fail(input + ": error: cannot open the file");
    const std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return fail(input + ": error: cannot read the file");

    const d3d8asm::AssemblyResult result = d3d8asm::assemble(source);
    if (!result.ok()) return fail(d3d8asm::formatDiagnostic(input, *result.error));

    const std::string writeError = d3d8asm::writeFileAtomically(output, littleEndianBytes(result.tokens));
    if (!writeError.empty()) return fail(output + ": error: " + writeError);
    return 0;
}
