// The sample of forwarded methods the game calls: drawing and state calls,
// and getters whose references the game gives back at once.
#include "chaos_choices.h"
#include "chaos_game.h"
#include "water/effect_state.h"

namespace chaos {

using namespace d3d8;
using d3d8water::effectState;

void Game::forwarded(const Action& action) {
    if (std::string(forwardedNames[action.a]).rfind("Direct3D.", 0) == 0) return direct3DForwarded(action);
    if (!haveDevice()) return;
    const void* device = effectState.realDevice;
    auto hr = [&](const char* method, const std::function<HRESULT()>& make) {
        return call<HRESULT>(action, method, device, make);
    };
    // A getter: the game notes the reference it was handed, then gives it back.
    auto got = [&](const char* method, const std::function<HRESULT()>& make, auto& pointer) {
        if (call<HRESULT>(action, method, device, make, [&](HRESULT result) {
                if (result == D3D_OK && pointer) ledger_.took(pointer);
            }) == D3D_OK)
            giveBack(pointer);
    };
    switch (action.a) {
    case 0:
        hr("EndScene", [&] { return device_->EndScene(); });
        hr("Present", [&] { return device_->Present(nullptr, nullptr, nullptr, nullptr); });
        break;
    case 1: hr("Clear", [&] { return device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF102030u, 1.0f, 0); }); break;
    case 2: hr("DrawPrimitive", [&] { return device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2); }); break;
    case 3:
        hr("SetTextureStageState",
           [&] { return device_->SetTextureStageState(0, static_cast<D3DTEXTURESTAGESTATETYPE>(13), 1); });
        break;
    case 4: {
        DWORD value = 0;
        hr("GetRenderState", [&] { return device_->GetRenderState(static_cast<D3DRENDERSTATETYPE>(27), &value); });
        break;
    }
    case 5: hr("SetVertexShader", [&] { return device_->SetVertexShader(D3DFVF_XYZ | D3DFVF_DIFFUSE); }); break;
    case 6: {
        D3DVIEWPORT8 viewport{0, 0, 32, 32, 0.0f, 1.0f};
        hr("SetViewport", [&] { return device_->SetViewport(&viewport); });
        break;
    }
    case 7: {
        IDirect3DSurface8* surface = nullptr;
        got("GetRenderTarget", [&] { return device_->GetRenderTarget(&surface); }, surface);
        break;
    }
    case 8: {
        IDirect3DSurface8* surface = nullptr;
        got("GetDepthStencilSurface", [&] { return device_->GetDepthStencilSurface(&surface); }, surface);
        break;
    }
    case 9: {
        IDirect3DSurface8* surface = nullptr;
        got("GetBackBuffer", [&] { return device_->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &surface); }, surface);
        break;
    }
    case 10: {
        IDirect3DBaseTexture8* texture = nullptr;
        got("GetTexture", [&] { return device_->GetTexture(0, &texture); }, texture);
        break;
    }
    case 11: {
        IDirect3DVertexBuffer8* buffer = nullptr;
        UINT stride = 0;
        got("GetStreamSource", [&] { return device_->GetStreamSource(0, &buffer, &stride); }, buffer);
        break;
    }
    case 12: {
        IDirect3DIndexBuffer8* buffer = nullptr;
        UINT base = 0;
        got("GetIndices", [&] { return device_->GetIndices(&buffer, &base); }, buffer);
        break;
    }
    case 13: {
        void* object = nullptr;
        got("QueryInterface", [&] { return device_->QueryInterface(IID{}, &object); }, object);
        break;
    }
    case 14: {
        IDirect3D8* direct3D = nullptr;
        got("GetDirect3D", [&] { return device_->GetDirect3D(&direct3D); }, direct3D);
        break;
    }
    case 15: {
        D3DCAPS8 caps{};
        hr("GetDeviceCaps", [&] { return device_->GetDeviceCaps(&caps); });
        break;
    }
    case 16: hr("SetPixelShader", [&] { return device_->SetPixelShader(0); }); break;
    case 17: {
        D3DMATRIX matrix{};
        hr("GetTransform", [&] { return device_->GetTransform(D3DTS_WORLD, &matrix); });
        break;
    }
    default: break;
    }
}

void Game::direct3DForwarded(const Action& action) {
    if (!direct3D_) return;
    const void* direct3D = effectState.realDirect3D;
    const std::string name = forwardedNames[action.a];
    if (name == "Direct3D.GetAdapterCount") {
        call<UINT>(action, "GetAdapterCount", direct3D, [&] { return direct3D_->GetAdapterCount(); });
    } else if (name == "Direct3D.CheckDeviceFormat") {
        call<HRESULT>(action, "CheckDeviceFormat", direct3D, [&] {
            return direct3D_->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0,
                                                D3DRTYPE_TEXTURE, D3DFMT_A8R8G8B8);
        });
    } else if (name == "Direct3D.GetAdapterDisplayMode") {
        D3DDISPLAYMODE mode{};
        call<HRESULT>(action, "GetAdapterDisplayMode", direct3D,
                      [&] { return direct3D_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode); });
    } else {
        void* object = nullptr;
        HRESULT result = call<HRESULT>(
            action, "QueryInterface", direct3D, [&] { return direct3D_->QueryInterface(IID{}, &object); },
            [&](HRESULT answer) {
                if (answer == D3D_OK && object) ledger_.took(object);
            });
        if (result == D3D_OK) giveBack(object);
    }
}

}  // namespace chaos
