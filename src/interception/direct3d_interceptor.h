// Direct3DInterceptor: the IDirect3D8 the game holds. It has no data of its
// own; every method acts on the newest real Direct3D object in EffectState.
#pragma once

#include "interception/forwarding.h"
#include "water/effect_state.h"

namespace d3d8water {

class Direct3DForwarder : public IDirect3D8 {
protected:
    static IDirect3D8* real() { return effectState.realDirect3D; }

public:
    D3D8_DIRECT3D_ALL_METHODS(INTERCEPTION_FORWARD)
};

class Direct3DInterceptor final : public Direct3DForwarder {
public:
    // Creates the real device and hands the game a DeviceInterceptor instead.
    HRESULT D3D8_CALL CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow,
                                   DWORD BehaviorFlags, D3DPRESENT_PARAMETERS* pPresentationParameters,
                                   IDirect3DDevice8** ppReturnedDeviceInterface) override;
};

}  // namespace d3d8water
