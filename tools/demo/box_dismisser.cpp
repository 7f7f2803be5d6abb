#include "box_dismisser.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace demo {

namespace {

HHOOK hook = nullptr;

// The box's text sits in its one static control that holds text (the icon's holds none).
BOOL CALLBACK findText(HWND child, LPARAM result) {
    char className[16];
    if (GetClassNameA(child, className, sizeof className) && !lstrcmpiA(className, "Static")) {
        char* text = reinterpret_cast<char*>(result);
        if (GetWindowTextA(child, text, 1024) > 0) return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16];
        // "#32770" is the dialog class that message boxes use.
        if (GetClassNameA(window, className, sizeof className) && !std::strcmp(className, "#32770")) {
            char caption[256] = "", text[1024] = "";
            GetWindowTextA(window, caption, sizeof caption);
            EnumChildWindows(window, findText, reinterpret_cast<LPARAM>(text));
            std::fprintf(stderr, "MessageBox: %s: %s\n", caption, text);
            std::fflush(stderr);
            PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

bool dismissMessageBoxes() {
    hook = SetWindowsHookExA(WH_CBT, watch, nullptr, GetCurrentThreadId());
    return hook != nullptr;
}

}  // namespace demo
