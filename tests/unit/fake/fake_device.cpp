// The fake device's life: its own surfaces, creation of resources, Reset.
#include "fake/fake_device.h"

#include "fake/fake_direct3d.h"
#include "fake/fake_runtime.h"

namespace fake {

FakeDevice::FakeDevice(Runtime& runtime, std::string name, FakeDirect3D* parent,
                       const D3DPRESENT_PARAMETERS& params)
    : Counted(runtime, std::move(name)), parent_(parent) {
    parent_->retain();
    createOwnSurfaces(params);
}

void FakeDevice::createOwnSurfaces(const D3DPRESENT_PARAMETERS& params) {
    D3DSURFACE_DESC desc = surfaceDesc(params.BackBufferWidth ? params.BackBufferWidth : 640,
                                       params.BackBufferHeight ? params.BackBufferHeight : 480,
                                       params.BackBufferFormat ? params.BackBufferFormat : D3DFMT_X8R8G8B8,
                                       D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    backBuffer_ = runtime().make<FakeSurface>(runtime().nextName("backbuffer"), this, desc);
    backBuffer_->implicit = true;
    held_[backBuffer_] = 1;  // the device's own
    renderTarget_ = backBuffer_;
    hold(backBuffer_);  // bound as the render target
    depth_ = nullptr;
    depthStencil_ = nullptr;
    if (params.EnableAutoDepthStencil) {
        desc.Format = params.AutoDepthStencilFormat;
        desc.Usage = D3DUSAGE_DEPTHSTENCIL;
        depth_ = runtime().make<FakeSurface>(runtime().nextName("depth"), this, desc);
        depth_->implicit = true;
        held_[depth_] = 1;
        depthStencil_ = depth_;
        hold(depth_);
    }
}

void FakeDevice::releaseOwnSurfaces() {
    if (renderTarget_) letGo(renderTarget_);
    if (depthStencil_) letGo(depthStencil_);
    if (backBuffer_) letGo(backBuffer_);
    if (depth_) letGo(depth_);
    renderTarget_ = depthStencil_ = backBuffer_ = depth_ = nullptr;
}

void FakeDevice::onDeath() {
    releaseOwnSurfaces();
    for (auto& texture : textures_) bind(texture, static_cast<IDirect3DBaseTexture8*>(nullptr));
    for (auto& stream : streams_) bind(stream.first, static_cast<IDirect3DVertexBuffer8*>(nullptr));
    bind(indices_.first, static_cast<IDirect3DIndexBuffer8*>(nullptr));
    parent_->releaseReference();
}

ULONG FakeDevice::heldOn(const FakeObject& child) const {
    auto found = held_.find(&child.counted());
    return found == held_.end() ? 0 : found->second;
}

void FakeDevice::hold(FakeObject* object) {
    ++held_[&object->counted()];
    object->retain();
}

void FakeDevice::letGo(FakeObject* object) {
    --held_[&object->counted()];
    object->releaseReference();
}

void FakeDevice::noteResourceCount(const FakeObject& child) {
    const bool referencedFromOutside = child.alive() && child.references() > heldOn(child);
    const bool holding = holdingResources_.count(&child) > 0;
    if (referencedFromOutside && !holding) {
        holdingResources_.insert(&child);
        retain();
    } else if (!referencedFromOutside && holding) {
        holdingResources_.erase(&child);
        releaseReference();
    }
}

bool FakeDevice::defaultPoolObjectsAlive() const {
    for (const FakeObject* object : runtime().objects()) {
        auto* child = dynamic_cast<const DeviceChild*>(object);
        if (!child || child->device() != this || child->pool() != D3DPOOL_DEFAULT || !object->alive()) continue;
        auto* surface = dynamic_cast<const FakeSurface*>(object);
        // The device's own surfaces hold one reference for the device and one
        // for being bound; any more belongs to somebody else.
        if (surface && surface->implicit) {
            ULONG own = 1 + (surface == renderTarget_ || surface == depthStencil_ ? 1 : 0);
            if (surface->references() <= own) continue;
        }
        return true;
    }
    return false;
}

HRESULT FakeDevice::impl_Reset(D3DPRESENT_PARAMETERS* params) {
    if (!params || defaultPoolObjectsAlive()) return D3DERR_INVALIDCALL;
    for (auto& texture : textures_) bind(texture, static_cast<IDirect3DBaseTexture8*>(nullptr));
    releaseOwnSurfaces();
    createOwnSurfaces(*params);
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetDirect3D(IDirect3D8** direct3D) {
    if (!direct3D) return D3DERR_INVALIDCALL;
    parent_->retain();
    *direct3D = parent_;
    return D3D_OK;
}

HRESULT FakeDevice::impl_CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                                       D3DPOOL pool, IDirect3DTexture8** texture) {
    if (!texture || width == 0 || height == 0 || refusedTextureFormats.count(format)) return D3DERR_INVALIDCALL;
    *texture = track(runtime().make<FakeTexture>(runtime().nextName("texture"), this, width, height, levels,
                                                 usage, format, pool));
    return D3D_OK;
}

HRESULT FakeDevice::impl_CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                            IDirect3DVertexBuffer8** buffer) {
    if (!buffer || length == 0) return D3DERR_INVALIDCALL;
    D3DVERTEXBUFFER_DESC desc{D3DFMT_VERTEXDATA, D3DRTYPE_VERTEXBUFFER, usage, pool, length, fvf};
    *buffer = track(runtime().make<FakeVertexBuffer>(runtime().nextName("vb"), this, desc));
    return D3D_OK;
}

HRESULT FakeDevice::impl_CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                           IDirect3DIndexBuffer8** buffer) {
    if (!buffer || length == 0) return D3DERR_INVALIDCALL;
    D3DINDEXBUFFER_DESC desc{format, D3DRTYPE_INDEXBUFFER, usage, pool, length};
    *buffer = track(runtime().make<FakeIndexBuffer>(runtime().nextName("ib"), this, desc));
    return D3D_OK;
}

HRESULT FakeDevice::impl_CreateRenderTarget(UINT width, UINT height, D3DFORMAT format,
                                            D3DMULTISAMPLE_TYPE multiSample, BOOL, IDirect3DSurface8** surface) {
    if (!surface || width == 0 || height == 0) return D3DERR_INVALIDCALL;
    *surface = track(runtime().make<FakeSurface>(
        runtime().nextName("surface"), this,
        surfaceDesc(width, height, format, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT, multiSample)));
    return D3D_OK;
}

HRESULT FakeDevice::impl_CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format,
                                                   D3DMULTISAMPLE_TYPE multiSample, IDirect3DSurface8** surface) {
    if (!surface || width == 0 || height == 0) return D3DERR_INVALIDCALL;
    *surface = track(runtime().make<FakeSurface>(
        runtime().nextName("surface"), this,
        surfaceDesc(width, height, format, D3DUSAGE_DEPTHSTENCIL, D3DPOOL_DEFAULT, multiSample)));
    return D3D_OK;
}

HRESULT FakeDevice::impl_CreateImageSurface(UINT width, UINT height, D3DFORMAT format,
                                            IDirect3DSurface8** surface) {
    if (!surface || width == 0 || height == 0) return D3DERR_INVALIDCALL;
    *surface = track(runtime().make<FakeSurface>(runtime().nextName("surface"), this,
                                                 surfaceDesc(width, height, format, 0, D3DPOOL_SYSTEMMEM,
                                                             D3DMULTISAMPLE_NONE)));
    return D3D_OK;
}

}  // namespace fake
