// The native build's stand-ins for the operating system. Tests set what the
// "system" answers; the library calls them through platform/os.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/d3d8_api.h"

namespace os::native {

struct Doubles {
    // What Direct3DCreate8 returns for an SDK version; null when unset.
    std::function<d3d8::IDirect3D8*(d3d8::UINT)> createDirect3D;
    // The clock's current reading.
    std::uint32_t clock = 0;
    // Every message box shown, as "caption: text" lines.
    std::string messageBoxes;
    // Runs as a box is shown (a death test reports what it needs to see here).
    std::function<void()> onMessageBox;
};

// The one set of doubles; reset() puts every field back to its default.
Doubles& doubles();
void reset();

}  // namespace os::native
