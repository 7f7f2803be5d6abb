// The fake system Direct3D object: creates fake devices.
#pragma once

#include "fake/counted.h"

namespace fake {

class FakeDirect3D : public Counted<IDirect3D8Recorder, FakeDirect3D> {
public:
    FakeDirect3D(Runtime& runtime, std::string name, UINT sdkVersion)
        : Counted(runtime, std::move(name)), sdkVersion(sdkVersion) {}

    const UINT sdkVersion;
    // The flags and parameters of the last CreateDevice call.
    DWORD lastBehaviorFlags = 0;

    HRESULT impl_CreateDevice(UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags,
                              D3DPRESENT_PARAMETERS* params, IDirect3DDevice8** device);
};

}  // namespace fake
