// Where the demo gets its Direct3D object: from the library, as a game patched to
// use it would, or (control) from the system runtime directly.
#pragma once

#include <d3d8.h>

#include <string>

namespace demo {

// d3d8water.dll's Direct3DCreateF (the DLL from the program's folder, else the
// usual search), or with `control` the system d3d8.dll's Direct3DCreate8.
// Null and `error` set on failure.
IDirect3D8* loadDirect3D(bool control, std::string& error);

}  // namespace demo
