// Native stand-ins for the operating-system seam. A message box is written to
// standard error (so that a death test can see it) and recorded; the process
// exit is the real one.
#include "platform/os_native.h"

#include <cstdio>
#include <cstdlib>

#include "platform/os.h"

namespace os {

namespace native {
Doubles& doubles() {
    static Doubles instance;
    return instance;
}
void reset() { doubles() = Doubles{}; }
}  // namespace native

d3d8::IDirect3D8* createSystemDirect3D(d3d8::UINT sdkVersion) {
    auto& create = native::doubles().createDirect3D;
    return create ? create(sdkVersion) : nullptr;
}

std::uint32_t milliseconds() { return native::doubles().clock; }

void showMessageBox(const char* text, const char* caption) {
    native::doubles().messageBoxes += std::string(caption) + ": " + text + "\n";
    if (native::doubles().onMessageBox) native::doubles().onMessageBox();
    std::fprintf(stderr, "MessageBoxA(NULL, \"%s\", \"%s\", 0)\n", text, caption);
    std::fflush(stderr);
}

void exitProcess(int status) { std::exit(status); }

}  // namespace os
