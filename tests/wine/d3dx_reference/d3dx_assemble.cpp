// d3dx_assemble [--raw] OUTDIR INPUT...
//
// Assembles each INPUT (.vsh/.psh) with D3DXAssembleShader from d3dx9_36.dll,
// an assembler independent of the project's, and writes OUTDIR/<name>.tokens:
// one token a line as eight hex digits. Without --raw the tokens are first
// brought to the Direct3D 8 form (toDirect3D8Form below), which is what the
// project's assembler must produce for the same source. Exits 1 if any input
// fails. Runs on Windows or under Wine; it declares the little of d3dx9 it
// uses instead of including its headers.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The ID3DXBuffer interface: IUnknown's three methods, then two of its own.
// Outside the anonymous namespace: the objects come from d3dx9, and a type the
// compiler sees no implementation of in a closed scope lets it treat the calls
// as unreachable.
struct D3DXBuffer {
    virtual HRESULT __stdcall QueryInterface(const GUID& iid, void** object) = 0;
    virtual ULONG __stdcall AddRef() = 0;
    virtual ULONG __stdcall Release() = 0;
    virtual void* __stdcall GetBufferPointer() = 0;
    virtual DWORD __stdcall GetBufferSize() = 0;
};

namespace {

using AssembleShaderFunction = HRESULT(WINAPI*)(const char* source, UINT sourceLength, const void* defines,
                                                void* include, DWORD flags, D3DXBuffer** shader,
                                                D3DXBuffer** errors);

struct BufferHolder {
    D3DXBuffer* buffer = nullptr;
    ~BufferHolder() {
        if (buffer) buffer->Release();
    }
};

constexpr uint32_t kEndToken = 0x0000FFFFu;
constexpr uint32_t kCommentOpcode = 0xFFFEu;
constexpr uint32_t kDeclarationOpcode = 0x1Fu;
constexpr uint32_t kDefineOpcode = 0x51u;
constexpr uint32_t kInstructionLengthMask = 0x0F000000u;
constexpr uint32_t kParameterBit = 0x80000000u;
constexpr uint32_t kWriteMaskBits = 0x000F0000u;
constexpr uint32_t kWriteMaskX = 0x00010000u;

bool isScalarVertexOutput(uint32_t parameter) {
    const uint32_t type = (parameter >> 28) & 0x7u;
    const uint32_t number = parameter & 0x7FFu;
    return type == 4 && (number == 1 || number == 2);  // rasterizer outputs oFog and oPts
}

// The one place where d3dx9's output is brought to the Direct3D 8 form.
// For vs.1.1 and ps.1.1-1.4, d3dx9 and Direct3D 8 differ in these points,
// found by assembling the whole corpus with d3dx9 (run with --raw to see it):
//  - dcl: a Direct3D 9 vs_1_1 declares its inputs with dcl instructions
//    (opcode 0x1F, a usage token and a register token). A Direct3D 8 vertex
//    shader has none; its inputs come from the declaration passed to
//    CreateVertexShader. Dropped.
//  - comment blocks (opcode 0xFFFE, length in bits 16-30): d3dx9's own
//    annotations, not code. Dropped if present.
//  - oFog and oPts: d3dx9 writes these destinations with the full write mask
//    whatever mask the source gives; they are scalar registers, and the
//    Direct3D 8 form carries the .x mask the source writes. Set to .x.
// Everything else is taken as it is, after two checks that fail loudly if
// they ever stop holding: the version is 1.x, and instruction tokens leave
// the instruction-length field (bits 24-27) empty, as Direct3D 8 does (d3dx9
// fills it only from shader model 2).
bool toDirect3D8Form(const std::vector<uint32_t>& in, std::vector<uint32_t>& out, std::string& error) {
    const bool vertexShader = !in.empty() && (in[0] & 0xFFFF0000u) == 0xFFFE0000u;
    if (in.empty() || (in[0] & 0xFF00u) != 0x0100u) {
        error = "not a version 1.x shader";
        return false;
    }
    out.assign(1, in[0]);
    size_t i = 1;
    while (i < in.size() && in[i] != kEndToken) {
        const uint32_t instruction = in[i];
        const uint32_t opcode = instruction & 0xFFFFu;
        if (opcode == kCommentOpcode) {
            i += 1 + ((instruction >> 16) & 0x7FFFu);
            continue;
        }
        if (instruction & kInstructionLengthMask) {
            error = "instruction token with a length field at token " + std::to_string(i);
            return false;
        }
        size_t parameters = 0;  // def's four numbers need not have bit 31 set
        if (opcode == kDefineOpcode) {
            parameters = 5;
        } else {
            while (i + 1 + parameters < in.size() && (in[i + 1 + parameters] & kParameterBit)) ++parameters;
        }
        if (opcode == kDeclarationOpcode) {
            i += 1 + parameters;
            continue;
        }
        out.push_back(instruction);
        for (size_t p = 0; p < parameters && i + 1 + p < in.size(); ++p) {
            uint32_t parameter = in[i + 1 + p];
            if (vertexShader && p == 0 && isScalarVertexOutput(parameter)) {
                parameter = (parameter & ~kWriteMaskBits) | kWriteMaskX;
            }
            out.push_back(parameter);
        }
        i += 1 + parameters;
    }
    if (i >= in.size()) {
        error = "no end token";
        return false;
    }
    out.push_back(kEndToken);
    return true;
}

std::string baseName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool assembleOne(AssembleShaderFunction assembleShader, const std::string& input, const std::string& outputDir,
                 bool raw) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "%s: cannot open\n", input.c_str());
        return false;
    }
    const std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    BufferHolder shader;
    BufferHolder errors;
    const HRESULT result =
        assembleShader(source.data(), UINT(source.size()), nullptr, nullptr, 0, &shader.buffer, &errors.buffer);
    if (FAILED(result) || !shader.buffer) {
        const std::string messages = errors.buffer ? std::string(static_cast<const char*>(errors.buffer->GetBufferPointer()),
                                                                 errors.buffer->GetBufferSize())
                                                   : std::string();
        std::fprintf(stderr, "%s: D3DXAssembleShader failed (0x%08lx)\n%s\n", input.c_str(), (unsigned long)result,
                     messages.c_str());
        return false;
    }
    const auto* words = static_cast<const uint32_t*>(shader.buffer->GetBufferPointer());
    const std::vector<uint32_t> tokens(words, words + shader.buffer->GetBufferSize() / 4);
    std::vector<uint32_t> converted;
    std::string error;
    if (!raw && !toDirect3D8Form(tokens, converted, error)) {
        std::fprintf(stderr, "%s: %s\n", input.c_str(), error.c_str());
        return false;
    }
    const std::string outputPath = outputDir + "/" + baseName(input) + ".tokens";
    std::ofstream output(outputPath, std::ios::binary);
    for (uint32_t token : raw ? tokens : converted) {
        char line[16];
        std::snprintf(line, sizeof line, "%08x\n", (unsigned)token);
        output << line;
    }
    if (!output.flush()) {
        std::fprintf(stderr, "%s: cannot write\n", outputPath.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool raw = argc > 1 && std::string(argv[1]) == "--raw";
    if (raw) ++first;
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: d3dx_assemble [--raw] OUTDIR INPUT...\n");
        return 1;
    }
    HMODULE d3dx = LoadLibraryA("d3dx9_36.dll");
    const auto assembleShader =
        d3dx ? reinterpret_cast<AssembleShaderFunction>(reinterpret_cast<void*>(GetProcAddress(d3dx, "D3DXAssembleShader")))
             : nullptr;
    if (!assembleShader) {
        std::fprintf(stderr, "d3dx9_36.dll with D3DXAssembleShader is not available\n");
        return 1;
    }
    bool allAssembled = true;
    for (int i = first + 1; i < argc; ++i) allAssembled = assembleOne(assembleShader, argv[i], argv[first], raw) && allAssembled;
    return allAssembled ? 0 : 1;
}
