// The operating-system services the library uses, behind one seam: the Windows
// build calls the system, the native build calls test doubles (os_native.cpp).
#pragma once

#include <cstdint>

#include "platform/d3d8_api.h"

namespace os {

// The system runtime's Direct3DCreate8, from d3d8.dll in the Windows system
// directory (loaded by full path on first use). Null if it cannot be had.
d3d8::IDirect3D8* createSystemDirect3D(d3d8::UINT sdkVersion);

// The multimedia millisecond clock (timeGetTime): unsigned 32-bit, wrapping.
std::uint32_t milliseconds();

// MessageBoxA with no owner window and style 0.
void showMessageBox(const char* text, const char* caption);

// The standard process exit: exit handlers run and buffered output is flushed.
[[noreturn]] void exitProcess(int status);

}  // namespace os
