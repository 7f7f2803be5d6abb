// The null runtime the benchmarks run the library against: every method only
// returns, except the few that device set-up and the colour probe cannot do
// without (objects to create, a surface size, memory to lock, shader handles).
// Nothing is counted or logged; Release never frees: every object lives as
// long as the Direct3D object that made its device.
#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "null/null_objects.h"

namespace null_runtime {

class NullSurface final : public IDirect3DSurface8Null<NullSurface> {
public:
    NullSurface(UINT width, UINT height) : width_(width), height_(height) {}
    HRESULT impl_GetDesc(D3DSURFACE_DESC* desc);

private:
    UINT width_;
    UINT height_;
};

class NullTexture final : public IDirect3DTexture8Null<NullTexture> {
public:
    // `scratch` is the memory every lock of every level hands out.
    NullTexture(UINT width, UINT height, D3DFORMAT format, std::vector<BYTE>& scratch);
    D3DRESOURCETYPE impl_GetType() { return D3DRTYPE_TEXTURE; }
    HRESULT impl_GetSurfaceLevel(UINT level, IDirect3DSurface8** surface);
    HRESULT impl_LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);

private:
    UINT width_;
    UINT height_;
    D3DFORMAT format_;
    NullSurface level0_;
    std::vector<BYTE>& scratch_;
};

class NullVertexBuffer final : public IDirect3DVertexBuffer8Null<NullVertexBuffer> {};
class NullIndexBuffer final : public IDirect3DIndexBuffer8Null<NullIndexBuffer> {};

class NullDevice final : public IDirect3DDevice8Null<NullDevice> {
public:
    // Locks of the device's textures hand out `scratch`.
    NullDevice(UINT width, UINT height, std::vector<BYTE>& scratch);

    HRESULT impl_GetRenderTarget(IDirect3DSurface8** surface);
    HRESULT impl_GetDepthStencilSurface(IDirect3DSurface8** surface);
    HRESULT impl_CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                               IDirect3DTexture8** texture);
    HRESULT impl_CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format,
                                           D3DMULTISAMPLE_TYPE multiSample, IDirect3DSurface8** surface);
    HRESULT impl_CreateVertexShader(const DWORD* declaration, const DWORD* function, DWORD* handle, DWORD usage);
    HRESULT impl_CreatePixelShader(const DWORD* function, DWORD* handle);

private:
    NullSurface backBuffer_;
    NullSurface depthStencil_;
    std::vector<BYTE>& scratch_;
    std::deque<NullTexture> textures_;
    std::deque<NullSurface> surfaces_;
    DWORD nextShader_ = 1;
};

class NullDirect3D final : public IDirect3D8Null<NullDirect3D> {
public:
    HRESULT impl_CreateDevice(UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags,
                              D3DPRESENT_PARAMETERS* parameters, IDirect3DDevice8** device);

private:
    std::vector<BYTE> scratch_;
    std::deque<std::unique_ptr<NullDevice>> devices_;
};

}  // namespace null_runtime
