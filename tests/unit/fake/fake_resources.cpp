#include "fake/fake_resources.h"

#include <algorithm>

#include "fake/fake_device.h"
#include "fake/fake_runtime.h"

namespace fake {

static UINT bytesPerPixel(D3DFORMAT format) {
    switch (format) {
    case D3DFMT_A8R8G8B8: case D3DFMT_X8R8G8B8: case D3DFMT_D32: case D3DFMT_D24S8:
    case D3DFMT_D24X8: case D3DFMT_D24X4S4: case D3DFMT_X8L8V8U8: case D3DFMT_Q8W8V8U8:
    case D3DFMT_V16U16: case D3DFMT_W11V11U10:
        return 4;
    case D3DFMT_R8G8B8:
        return 3;
    case D3DFMT_R5G6B5: case D3DFMT_X1R5G5B5: case D3DFMT_A1R5G5B5: case D3DFMT_A4R4G4B4:
    case D3DFMT_A8R3G3B2: case D3DFMT_X4R4G4B4: case D3DFMT_A8L8: case D3DFMT_A8P8: case D3DFMT_V8U8:
    case D3DFMT_L6V5U5: case D3DFMT_D16: case D3DFMT_D16_LOCKABLE: case D3DFMT_D15S1:
        return 2;
    default:
        return 1;
    }
}

static UINT blockBytes(D3DFORMAT format) {
    if (format == D3DFMT_DXT1) return 8;
    if (format == D3DFMT_DXT2 || format == D3DFMT_DXT3 || format == D3DFMT_DXT4 || format == D3DFMT_DXT5) return 16;
    return 0;
}

UINT rowPitch(D3DFORMAT format, UINT width) {
    if (UINT block = blockBytes(format)) return std::max(1u, (width + 3) / 4) * block;
    return width * bytesPerPixel(format);
}

D3DSURFACE_DESC surfaceDesc(UINT width, UINT height, D3DFORMAT format, DWORD usage, D3DPOOL pool,
                            D3DMULTISAMPLE_TYPE multiSample) {
    D3DSURFACE_DESC desc{};
    desc.Format = format;
    desc.Type = D3DRTYPE_SURFACE;
    desc.Usage = usage;
    desc.Pool = pool;
    desc.MultiSampleType = multiSample;
    desc.Width = width;
    desc.Height = height;
    return desc;
}

HRESULT DeviceChild::giveDevice(IDirect3DDevice8** device) const {
    if (!device) return D3DERR_INVALIDCALL;
    device_->retain();
    *device = device_;
    return D3D_OK;
}

void DeviceChild::countChanged(const FakeObject& self) const {
    if (device_) device_->noteResourceCount(self);
}

UINT rowCount(D3DFORMAT format, UINT height) {
    return blockBytes(format) ? std::max(1u, (height + 3) / 4) : height;
}

FakeSurface::FakeSurface(Runtime& runtime, std::string name, FakeDevice* device, const D3DSURFACE_DESC& desc,
                         FakeObject* container)
    : Counted(runtime, std::move(name)), DeviceChild(device, desc.Pool), desc_(desc) {
    desc_.Size = rowPitch(desc.Format, desc.Width) * rowCount(desc.Format, desc.Height);
    bytes_.resize(desc_.Size);
    if (container) setContainer(container);
}

HRESULT FakeSurface::impl_GetDesc(D3DSURFACE_DESC* desc) {
    if (!desc) return D3DERR_INVALIDCALL;
    *desc = desc_;
    return D3D_OK;
}

HRESULT FakeSurface::impl_LockRect(D3DLOCKED_RECT* locked, const RECT*, DWORD) {
    if (!locked || locked_) return D3DERR_INVALIDCALL;
    locked_ = true;
    locked->Pitch = static_cast<INT>(pitch());
    locked->pBits = bytes_.data();
    return D3D_OK;
}

HRESULT FakeSurface::impl_UnlockRect() {
    if (!locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    return D3D_OK;
}

FakeTexture::FakeTexture(Runtime& runtime, std::string name, FakeDevice* device, UINT width, UINT height,
                         UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : Counted(runtime, std::move(name)), DeviceChild(device, pool), usage_(usage) {
    UINT full = 1;
    for (UINT size = std::max(width, height); size > 1; size >>= 1) ++full;
    if (levels == 0 || levels > full) levels = full;
    for (UINT i = 0; i < levels; ++i) {
        D3DSURFACE_DESC desc = surfaceDesc(std::max(1u, width >> i), std::max(1u, height >> i), format, usage, pool);
        levels_.push_back(runtime.make<FakeSurface>(this->name() + ".level" + std::to_string(i), device, desc, this));
    }
}

HRESULT FakeTexture::impl_GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    if (level >= levelCount() || !desc) return D3DERR_INVALIDCALL;
    *desc = levels_[level]->desc();
    return D3D_OK;
}

HRESULT FakeTexture::impl_GetSurfaceLevel(UINT level, IDirect3DSurface8** surface) {
    if (level >= levelCount() || !surface) return D3DERR_INVALIDCALL;
    retain();
    *surface = levels_[level];
    return D3D_OK;
}

HRESULT FakeTexture::impl_LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    if (level >= levelCount()) return D3DERR_INVALIDCALL;
    return levels_[level]->impl_LockRect(locked, rect, flags);
}

HRESULT FakeTexture::impl_UnlockRect(UINT level) {
    if (level >= levelCount()) return D3DERR_INVALIDCALL;
    return levels_[level]->impl_UnlockRect();
}

}  // namespace fake
