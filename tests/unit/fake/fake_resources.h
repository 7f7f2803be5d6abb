// Fake surfaces, textures and buffers: real memory behind Lock, descriptions
// as created, and the rule of the real runtime that a Reset is refused while a
// default-pool object is alive.
#pragma once

#include <vector>

#include "fake/counted.h"

namespace fake {

class FakeDevice;

// Bytes of one row (of blocks, for DXT formats) and the number of rows.
UINT rowPitch(D3DFORMAT format, UINT width);
UINT rowCount(D3DFORMAT format, UINT height);

// The description of a surface as the fakes create it (Size is filled in by FakeSurface).
D3DSURFACE_DESC surfaceDesc(UINT width, UINT height, D3DFORMAT format, DWORD usage, D3DPOOL pool,
                            D3DMULTISAMPLE_TYPE multiSample = D3DMULTISAMPLE_NONE);

// What every device-owned fake object knows about itself.
class DeviceChild {
public:
    DeviceChild(FakeDevice* device, D3DPOOL pool) : device_(device), pool_(pool) {}
    FakeDevice* device() const { return device_; }
    D3DPOOL pool() const { return pool_; }
    // GetDevice: the owning device, with a reference for the caller.
    HRESULT giveDevice(IDirect3DDevice8** device) const;
    // Tells the device that this resource's count changed (it may now hold or
    // no longer hold the device).
    void countChanged(const FakeObject& self) const;

private:
    FakeDevice* device_;
    D3DPOOL pool_;
};

class FakeSurface : public Counted<IDirect3DSurface8Recorder, FakeSurface>, public DeviceChild {
public:
    FakeSurface(Runtime& runtime, std::string name, FakeDevice* device, const D3DSURFACE_DESC& desc,
                FakeObject* container = nullptr);

    const D3DSURFACE_DESC& desc() const { return desc_; }
    std::vector<BYTE>& bytes() { return bytes_; }
    UINT pitch() const { return rowPitch(desc_.Format, desc_.Width); }
    bool locked() const { return locked_; }
    // True for the device's own back buffer and depth surface.
    bool implicit = false;

    HRESULT impl_GetDesc(D3DSURFACE_DESC* desc);
    HRESULT impl_LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);
    HRESULT impl_UnlockRect();
    HRESULT impl_GetDevice(IDirect3DDevice8** device) { return giveDevice(device); }

protected:
    void onCountChanged() override { countChanged(*this); }

private:
    D3DSURFACE_DESC desc_;
    std::vector<BYTE> bytes_;
    bool locked_ = false;
};

class FakeTexture : public Counted<IDirect3DTexture8Recorder, FakeTexture>, public DeviceChild {
public:
    FakeTexture(Runtime& runtime, std::string name, FakeDevice* device, UINT width, UINT height, UINT levels,
                DWORD usage, D3DFORMAT format, D3DPOOL pool);

    UINT levelCount() const { return static_cast<UINT>(levels_.size()); }
    FakeSurface* level(UINT index) const { return levels_.at(index); }
    // The resource type GetType reports; a test may make it another kind of texture.
    D3DRESOURCETYPE type = D3DRTYPE_TEXTURE;
    DWORD usage() const { return usage_; }

    DWORD impl_GetLevelCount() { return levelCount(); }
    D3DRESOURCETYPE impl_GetType() { return type; }
    HRESULT impl_GetLevelDesc(UINT level, D3DSURFACE_DESC* desc);
    HRESULT impl_GetSurfaceLevel(UINT level, IDirect3DSurface8** surface);
    HRESULT impl_LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags);
    HRESULT impl_UnlockRect(UINT level);
    HRESULT impl_GetDevice(IDirect3DDevice8** device) { return giveDevice(device); }

protected:
    void onCountChanged() override { countChanged(*this); }

private:
    std::vector<FakeSurface*> levels_;
    DWORD usage_;
};

// Vertex and index buffers share everything but their description.
template <template <class> class Recorder, class Derived, class Desc>
class FakeBuffer : public Counted<Recorder, Derived>, public DeviceChild {
public:
    FakeBuffer(Runtime& runtime, std::string name, FakeDevice* device, const Desc& desc)
        : Counted<Recorder, Derived>(runtime, std::move(name)), DeviceChild(device, desc.Pool), desc_(desc),
          bytes_(desc.Size) {}

    const Desc& desc() const { return desc_; }
    std::vector<BYTE>& bytes() { return bytes_; }

    HRESULT impl_Lock(UINT offset, UINT size, BYTE** data, DWORD) {
        if (!data || offset > bytes_.size() || size > bytes_.size() - offset) return D3DERR_INVALIDCALL;
        *data = bytes_.data() + offset;
        return D3D_OK;
    }
    HRESULT impl_Unlock() { return D3D_OK; }
    HRESULT impl_GetDesc(Desc* desc) {
        if (!desc) return D3DERR_INVALIDCALL;
        *desc = desc_;
        return D3D_OK;
    }
    D3DRESOURCETYPE impl_GetType() { return desc_.Type; }
    HRESULT impl_GetDevice(IDirect3DDevice8** device) { return giveDevice(device); }

protected:
    void onCountChanged() override { countChanged(*this); }

private:
    Desc desc_;
    std::vector<BYTE> bytes_;
};

class FakeVertexBuffer
    : public FakeBuffer<IDirect3DVertexBuffer8Recorder, FakeVertexBuffer, D3DVERTEXBUFFER_DESC> {
public:
    using FakeBuffer::FakeBuffer;
};

class FakeIndexBuffer : public FakeBuffer<IDirect3DIndexBuffer8Recorder, FakeIndexBuffer, D3DINDEXBUFFER_DESC> {
public:
    using FakeBuffer::FakeBuffer;
};

}  // namespace fake
