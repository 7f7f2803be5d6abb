// The fake device: keeps the state a test wants to look at (render states,
// bindings, shaders, constants, render target), holds references on what is
// bound as the real runtime does, and refuses Reset while a default-pool object
// other than its own surfaces is alive. As on the real runtime, every resource
// that somebody other than the device references keeps the device alive.
#pragma once

#include <array>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "fake/fake_resources.h"

namespace fake {

class FakeDirect3D;

struct ShaderRecord {
    bool pixel = false;
    bool deleted = false;
    std::vector<DWORD> declaration;
    std::vector<DWORD> function;
};

struct ConstantUpload {
    bool pixel = false;
    DWORD reg = 0;
    std::vector<float> values;  // four per register
};

class FakeDevice : public Counted<IDirect3DDevice8Recorder, FakeDevice> {
public:
    FakeDevice(Runtime& runtime, std::string name, FakeDirect3D* parent, const D3DPRESENT_PARAMETERS& params);

    // The device's own surfaces (as created at creation or the last Reset).
    FakeSurface* backBuffer() const { return backBuffer_; }
    FakeSurface* depthSurface() const { return depth_; }
    FakeSurface* renderTarget() const { return renderTarget_; }
    FakeSurface* depthStencil() const { return depthStencil_; }
    IDirect3DBaseTexture8* texture(DWORD stage) const { return textures_.at(stage); }
    DWORD renderState(D3DRENDERSTATETYPE state) const;
    DWORD textureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type) const;
    DWORD vertexShader() const { return vertexShader_; }
    DWORD pixelShader() const { return pixelShader_; }
    const std::map<DWORD, ShaderRecord>& shaders() const { return shaders_; }
    const std::vector<ConstantUpload>& constantUploads() const { return constantUploads_; }
    std::array<float, 4> vertexConstant(DWORD reg) const { return vertexConstants_.at(reg); }
    std::array<float, 4> pixelConstant(DWORD reg) const { return pixelConstants_.at(reg); }
    std::pair<IDirect3DVertexBuffer8*, UINT> stream(UINT number) const { return streams_.at(number); }
    std::pair<IDirect3DIndexBuffer8*, UINT> indices() const { return indices_; }
    // Live shader handles created on this device and not deleted.
    int liveShaders() const;
    FakeDirect3D* parent() const { return parent_; }
    // References the device itself holds on `child` (its own surfaces, bindings).
    ULONG heldOn(const FakeObject& child) const;
    // References on this device held by its resources (one per resource that
    // is referenced from outside the device).
    ULONG heldByResources() const { return static_cast<ULONG>(holdingResources_.size()); }
    // Takes or gives back the reference `child` holds on the device after its count changed.
    void noteResourceCount(const FakeObject& child);

    // Formats CreateTexture refuses (D3DERR_INVALIDCALL), as a device without DXT support would.
    std::set<D3DFORMAT> refusedTextureFormats;

    HRESULT impl_GetDirect3D(IDirect3D8** direct3D);
    HRESULT impl_Reset(D3DPRESENT_PARAMETERS* params);
    HRESULT impl_CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                               IDirect3DTexture8** texture);
    HRESULT impl_CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                    IDirect3DVertexBuffer8** buffer);
    HRESULT impl_CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                   IDirect3DIndexBuffer8** buffer);
    HRESULT impl_CreateRenderTarget(UINT width, UINT height, D3DFORMAT format, D3DMULTISAMPLE_TYPE multiSample,
                                    BOOL lockable, IDirect3DSurface8** surface);
    HRESULT impl_CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format,
                                           D3DMULTISAMPLE_TYPE multiSample, IDirect3DSurface8** surface);
    HRESULT impl_CreateImageSurface(UINT width, UINT height, D3DFORMAT format, IDirect3DSurface8** surface);
    HRESULT impl_SetRenderTarget(IDirect3DSurface8* renderTarget, IDirect3DSurface8* depthStencil);
    HRESULT impl_GetRenderTarget(IDirect3DSurface8** surface);
    HRESULT impl_GetBackBuffer(UINT index, D3DBACKBUFFER_TYPE type, IDirect3DSurface8** surface);
    HRESULT impl_GetDepthStencilSurface(IDirect3DSurface8** surface);
    HRESULT impl_SetTexture(DWORD stage, IDirect3DBaseTexture8* texture);
    HRESULT impl_GetTexture(DWORD stage, IDirect3DBaseTexture8** texture);
    HRESULT impl_SetStreamSource(UINT number, IDirect3DVertexBuffer8* buffer, UINT stride);
    HRESULT impl_GetStreamSource(UINT number, IDirect3DVertexBuffer8** buffer, UINT* stride);
    HRESULT impl_SetIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex);
    HRESULT impl_GetIndices(IDirect3DIndexBuffer8** buffer, UINT* baseVertexIndex);
    HRESULT impl_SetRenderState(D3DRENDERSTATETYPE state, DWORD value);
    HRESULT impl_GetRenderState(D3DRENDERSTATETYPE state, DWORD* value);
    HRESULT impl_SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value);
    HRESULT impl_GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value);
    HRESULT impl_SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix);
    HRESULT impl_GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix);
    HRESULT impl_SetClipPlane(DWORD index, const float* plane);
    HRESULT impl_GetClipPlane(DWORD index, float* plane);
    HRESULT impl_CreateVertexShader(const DWORD* declaration, const DWORD* function, DWORD* handle, DWORD usage);
    HRESULT impl_SetVertexShader(DWORD handle);
    HRESULT impl_GetVertexShader(DWORD* handle);
    HRESULT impl_DeleteVertexShader(DWORD handle);
    HRESULT impl_CreatePixelShader(const DWORD* function, DWORD* handle);
    HRESULT impl_SetPixelShader(DWORD handle);
    HRESULT impl_GetPixelShader(DWORD* handle);
    HRESULT impl_DeletePixelShader(DWORD handle);
    HRESULT impl_SetVertexShaderConstant(DWORD reg, const void* data, DWORD count);
    HRESULT impl_SetPixelShaderConstant(DWORD reg, const void* data, DWORD count);

protected:
    void onDeath() override;

private:
    void createOwnSurfaces(const D3DPRESENT_PARAMETERS& params);
    void releaseOwnSurfaces();
    bool defaultPoolObjectsAlive() const;
    // Points a binding slot at `object`, holding a reference on it as the real
    // runtime does and giving back the one on what the slot held.
    template <class Binding> void bind(Binding*& slot, Binding* object) {
        Binding* old = slot;
        slot = object;
        swapReferences(object, old);
    }
    void swapReferences(const void* taken, const void* givenBack);
    void hold(FakeObject* object);
    void letGo(FakeObject* object);
    template <class T> T* track(T* resource) {
        noteResourceCount(*resource);
        return resource;
    }
    HRESULT createShader(bool pixel, const DWORD* declaration, const DWORD* function, DWORD* handle);
    HRESULT deleteShader(bool pixel, DWORD handle);
    bool deletedShader(DWORD handle) const;
    HRESULT setConstants(bool pixel, DWORD reg, const void* data, DWORD count);

    FakeDirect3D* parent_;
    std::map<const FakeObject*, ULONG> held_;
    std::set<const FakeObject*> holdingResources_;
    FakeSurface* backBuffer_ = nullptr;
    FakeSurface* depth_ = nullptr;
    FakeSurface* renderTarget_ = nullptr;
    FakeSurface* depthStencil_ = nullptr;
    std::array<IDirect3DBaseTexture8*, 8> textures_{};
    std::array<std::pair<IDirect3DVertexBuffer8*, UINT>, 16> streams_{};
    std::pair<IDirect3DIndexBuffer8*, UINT> indices_{};
    std::map<DWORD, DWORD> renderStates_;
    std::map<std::pair<DWORD, DWORD>, DWORD> stageStates_;
    std::map<DWORD, D3DMATRIX> transforms_;
    std::map<DWORD, std::array<float, 4>> clipPlanes_;
    std::map<DWORD, std::array<float, 4>> vertexConstants_;
    std::map<DWORD, std::array<float, 4>> pixelConstants_;
    std::vector<ConstantUpload> constantUploads_;
    std::map<DWORD, ShaderRecord> shaders_;
    DWORD nextShader_ = 0x10000;
    DWORD vertexShader_ = 0;
    DWORD pixelShader_ = 0;
};

}  // namespace fake
