#include "null/null_runtime.h"

#include "d3dx/pixel_formats.h"

namespace null_runtime {

HRESULT NullSurface::impl_GetDesc(D3DSURFACE_DESC* desc) {
    if (!desc) return D3DERR_INVALIDCALL;
    *desc = D3DSURFACE_DESC{};
    desc->Width = width_;
    desc->Height = height_;
    return D3D_OK;
}

NullTexture::NullTexture(UINT width, UINT height, D3DFORMAT format, std::vector<BYTE>& scratch)
    : width_(width), height_(height), format_(format), level0_(width, height), scratch_(scratch) {}

HRESULT NullTexture::impl_GetSurfaceLevel(UINT level, IDirect3DSurface8** surface) {
    if (!surface || level != 0) return D3DERR_INVALIDCALL;
    *surface = &level0_;
    return D3D_OK;
}

HRESULT NullTexture::impl_LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT*, DWORD) {
    const d3d8water::PixelFormatInfo* info = d3d8water::findPixelFormat(format_);
    if (!locked || !info || level >= 32) return D3DERR_INVALIDCALL;
    const UINT width = width_ >> level ? width_ >> level : 1;
    const UINT height = height_ >> level ? height_ >> level : 1;
    const auto pitch = d3d8water::levelRowBytes(*info, width);
    const auto size = pitch * d3d8water::levelRowCount(*info, height);
    if (scratch_.size() < size) scratch_.resize(size);
    locked->Pitch = static_cast<INT>(pitch);
    locked->pBits = scratch_.data();
    return D3D_OK;
}

NullDevice::NullDevice(UINT width, UINT height, std::vector<BYTE>& scratch)
    : backBuffer_(width, height), depthStencil_(width, height), scratch_(scratch) {}

HRESULT NullDevice::impl_GetRenderTarget(IDirect3DSurface8** surface) {
    *surface = &backBuffer_;
    return D3D_OK;
}

HRESULT NullDevice::impl_GetDepthStencilSurface(IDirect3DSurface8** surface) {
    *surface = &depthStencil_;
    return D3D_OK;
}

HRESULT NullDevice::impl_CreateTexture(UINT width, UINT height, UINT, DWORD, D3DFORMAT format, D3DPOOL,
                                       IDirect3DTexture8** texture) {
    *texture = &textures_.emplace_back(width, height, format, scratch_);
    return D3D_OK;
}

HRESULT NullDevice::impl_CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT, D3DMULTISAMPLE_TYPE,
                                                   IDirect3DSurface8** surface) {
    *surface = &surfaces_.emplace_back(width, height);
    return D3D_OK;
}

HRESULT NullDevice::impl_CreateVertexShader(const DWORD*, const DWORD*, DWORD* handle, DWORD) {
    *handle = nextShader_++;
    return D3D_OK;
}

HRESULT NullDevice::impl_CreatePixelShader(const DWORD*, DWORD* handle) {
    *handle = nextShader_++;
    return D3D_OK;
}

HRESULT NullDirect3D::impl_CreateDevice(UINT, D3DDEVTYPE, HWND, DWORD, D3DPRESENT_PARAMETERS* parameters,
                                        IDirect3DDevice8** device) {
    if (!parameters || !device) return D3DERR_INVALIDCALL;
    devices_.push_back(
        std::make_unique<NullDevice>(parameters->BackBufferWidth, parameters->BackBufferHeight, scratch_));
    *device = devices_.back().get();
    return D3D_OK;
}

}  // namespace null_runtime
