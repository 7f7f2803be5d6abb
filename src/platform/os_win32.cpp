// The Windows side of the operating-system seam.
//
// The project's Direct3D declarations come before <windows.h>, whose macros
// (E_FAIL and others) would otherwise rewrite them.
#include "platform/os.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace os {

namespace {
using Direct3DCreate8Function = d3d8::IDirect3D8*(WINAPI*)(UINT);

// The system runtime, found by full path so that neither this DLL (should it be
// renamed d3d8.dll) nor a planted copy in the game's folder can be loaded.
Direct3DCreate8Function systemDirect3DCreate8() {
    static Direct3DCreate8Function function = [] () -> Direct3DCreate8Function {
        char directory[MAX_PATH];
        UINT length = GetSystemDirectoryA(directory, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        std::string path(directory, length);
        path += "\\d3d8.dll";
        HMODULE module = LoadLibraryA(path.c_str());
        if (!module) return nullptr;
        return reinterpret_cast<Direct3DCreate8Function>(
            reinterpret_cast<void*>(GetProcAddress(module, "Direct3DCreate8")));
    }();
    return function;
}
}  // namespace

d3d8::IDirect3D8* createSystemDirect3D(d3d8::UINT sdkVersion) {
    Direct3DCreate8Function create = systemDirect3DCreate8();
    return create ? create(sdkVersion) : nullptr;
}

std::uint32_t milliseconds() { return timeGetTime(); }

void showMessageBox(const char* text, const char* caption) { MessageBoxA(nullptr, text, caption, 0); }

void exitProcess(int status) { std::exit(status); }

}  // namespace os
