#include "interception/direct3d_interceptor.h"

#include "interception/device_interceptor.h"

namespace d3d8water {

HRESULT Direct3DInterceptor::CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow,
                                          DWORD BehaviorFlags, D3DPRESENT_PARAMETERS* pPresentationParameters,
                                          IDirect3DDevice8** ppReturnedDeviceInterface) {
    IDirect3DDevice8* device = nullptr;
    HRESULT result = real()->CreateDevice(Adapter, DeviceType, hFocusWindow, BehaviorFlags,
                                          pPresentationParameters, &device);
    if (result != D3D_OK || !device) {
        if (ppReturnedDeviceInterface) *ppReturnedDeviceInterface = nullptr;
        return result;
    }
    effectState.realDevice = device;
    if (ppReturnedDeviceInterface) *ppReturnedDeviceInterface = new DeviceInterceptor();
    return result;
}

}  // namespace d3d8water
