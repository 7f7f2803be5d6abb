#include "resources/shader_loading.h"

#include <fstream>
#include <vector>

#include "diagnostics/diagnostic_log.h"
#include "diagnostics/fatal_resource_error.h"
#include "resources/shader_file.h"
#include "water/effect_state.h"

namespace d3d8water {

namespace {

std::ifstream openShaderFile(const char* fileName) {
    std::ifstream file(fileName, std::ios::binary);
    diagnosticLog << "attempting to load " << fileName << endLine;
    if (!file.is_open()) fatalResourceError("Can't load shader", "Can't load");
    return file;
}

std::streamoff measure(std::ifstream& file) {
    file.seekg(0, std::ios::end);
    std::streamoff size = file.tellg();
    file.seekg(0, std::ios::beg);
    return size < 0 ? 0 : size;
}

// No compiled shader comes near this; a larger "file" (a device, a directory on
// some systems) is not read, and its load ends as a refused shader.
constexpr std::streamoff largestShaderFile = 16 << 20;

std::vector<unsigned char> readAll(std::ifstream& file, std::streamoff size) {
    if (size > largestShaderFile) size = 0;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), size);
    // A short read leaves zeros, which the stream check then refuses.
    file.close();
    return bytes;
}

// Creates the shader if its token stream is whole; otherwise the platform is
// never given it and the handle stays 0.
template <class Create> void createShader(const std::vector<unsigned char>& bytes, DWORD& handle, Create create) {
    HRESULT result = D3DERR_INVALIDCALL;
    // A handle from before (given back at the last loss) must not survive a refusal.
    handle = 0;
    if (shaderStreamEndsInside(bytes.data(), bytes.size())) {
        std::vector<DWORD> function = shaderFunctionBuffer(bytes.data(), bytes.size());
        result = create(function.data());
    }
    if (result != D3D_OK) {
        // Whatever a refused creation left in the handle is no shader.
        handle = 0;
        diagnosticLog << "Error creating shader\n";
    }
}

}  // namespace

void loadVertexShader(const char* fileName, DWORD& handle) {
    std::ifstream file = openShaderFile(fileName);
    std::vector<unsigned char> bytes = readAll(file, measure(file));
    createShader(bytes, handle, [&](const DWORD* function) {
        return effectState.realDevice->CreateVertexShader(EffectState::waterVertexDeclaration, function, &handle, 0);
    });
}

void loadPixelShader(const char* fileName, DWORD& handle) {
    diagnosticLog << "1\n";
    std::ifstream file = openShaderFile(fileName);
    std::streamoff size = measure(file);
    diagnosticLog << "2\n";
    std::vector<unsigned char> bytes = readAll(file, size);
    diagnosticLog << "3\n" << static_cast<std::int64_t>(size) << endLine;
    createShader(bytes, handle, [&](const DWORD* function) {
        return effectState.realDevice->CreatePixelShader(function, &handle);
    });
    diagnosticLog << "4\n";
    diagnosticLog << "5\n";
}

}  // namespace d3d8water
