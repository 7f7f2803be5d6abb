#include "device_setup.h"

#include <cstdio>

namespace demo {

namespace {

std::string hresultText(const char* what, HRESULT result) {
    char text[96];
    std::snprintf(text, sizeof text, "%s failed (0x%08lX)", what, static_cast<unsigned long>(result));
    return text;
}

}  // namespace

bool presentParameters(IDirect3D8* direct3D, HWND window, const Options& options, D3DPRESENT_PARAMETERS& parameters,
                       std::string& error) {
    D3DDISPLAYMODE mode;
    HRESULT result = direct3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    if (FAILED(result)) {
        error = hresultText("GetAdapterDisplayMode", result);
        return false;
    }
    parameters = {};
    parameters.BackBufferWidth = static_cast<UINT>(options.width);
    parameters.BackBufferHeight = static_cast<UINT>(options.height);
    parameters.BackBufferFormat = mode.Format;
    parameters.BackBufferCount = 1;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat =
        SUCCEEDED(direct3D->CheckDepthStencilMatch(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, mode.Format, mode.Format,
                                                   D3DFMT_D24S8))
            ? D3DFMT_D24S8
            : D3DFMT_D16;
    parameters.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    return true;
}

IDirect3DDevice8* createDevice(IDirect3D8* direct3D, HWND window, D3DPRESENT_PARAMETERS& parameters,
                               std::string& error) {
    IDirect3DDevice8* device = nullptr;
    HRESULT result = direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                            D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters, &device);
    if (FAILED(result) || !device) {
        error = hresultText("CreateDevice", result);
        return nullptr;
    }
    return device;
}

bool resetDevice(IDirect3DDevice8* device, D3DPRESENT_PARAMETERS& parameters, std::string& error) {
    device->TestCooperativeLevel();
    HRESULT result = device->Reset(&parameters);
    if (FAILED(result)) {
        error = hresultText("Reset", result);
        return false;
    }
    return true;
}

}  // namespace demo
