// The windowed device the demo draws with, and the loss-and-reset cycle a game
// goes through.
#pragma once

#include <d3d8.h>

#include <string>

#include "options.h"

namespace demo {

// Presentation parameters for a lockable, windowed back buffer in the desktop's
// format, with a D24S8 depth buffer where the adapter has one, else D16.
bool presentParameters(IDirect3D8* direct3D, HWND window, const Options& options, D3DPRESENT_PARAMETERS& parameters,
                       std::string& error);

IDirect3DDevice8* createDevice(IDirect3D8* direct3D, HWND window, D3DPRESENT_PARAMETERS& parameters,
                               std::string& error);

// TestCooperativeLevel, then Reset with the same parameters, as a game does after
// losing its device. False and `error` set if the Reset fails.
bool resetDevice(IDirect3DDevice8* device, D3DPRESENT_PARAMETERS& parameters, std::string& error);

}  // namespace demo
