#include "interception/direct3d_interceptor.h"

#include "resources/device_creation.h"

namespace d3d8water {

HRESULT Direct3DInterceptor::CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow, DWORD,
                                          D3DPRESENT_PARAMETERS* pPresentationParameters,
                                          IDirect3DDevice8** ppReturnedDeviceInterface) {
    return createDevice(Adapter, DeviceType, hFocusWindow, pPresentationParameters, ppReturnedDeviceInterface);
}

}  // namespace d3d8water
