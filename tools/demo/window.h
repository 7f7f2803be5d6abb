// The demo's one window.
#pragma once

#include <windows.h>

namespace demo {

// A visible window whose client area is `width` x `height`, or null.
HWND createWindow(int width, int height);

// Handles whatever messages are waiting, without blocking.
void pumpMessages();

}  // namespace demo
