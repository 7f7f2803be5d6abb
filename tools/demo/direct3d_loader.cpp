#include "direct3d_loader.h"

namespace demo {

namespace {

using CreateFunction = IDirect3D8*(WINAPI*)(UINT);

std::string programFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::string systemFolder() {
    char path[MAX_PATH];
    UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::string(path, length) + "\\";
}

}  // namespace

IDirect3D8* loadDirect3D(bool control, std::string& error) {
    const char* library = control ? "d3d8.dll" : "d3d8water.dll";
    const char* function = control ? "Direct3DCreate8" : "Direct3DCreateF";
    HMODULE module = LoadLibraryA(((control ? systemFolder() : programFolder()) + library).c_str());
    if (!module && !control) module = LoadLibraryA(library);
    if (!module) {
        error = std::string("cannot load ") + library;
        return nullptr;
    }
    auto create = reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(GetProcAddress(module, function)));
    if (!create) {
        error = std::string(library) + " has no " + function;
        return nullptr;
    }
    IDirect3D8* direct3D = create(D3D_SDK_VERSION);
    if (!direct3D) error = std::string(function) + " returned null";
    return direct3D;
}

}  // namespace demo
