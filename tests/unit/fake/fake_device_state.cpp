// The fake device's state: bindings (with the references the real runtime
// takes on them), render and stage states, transforms, shaders and constants.
#include <algorithm>
#include <cstring>

#include "fake/fake_device.h"
#include "fake/fake_runtime.h"

namespace fake {

void FakeDevice::swapReferences(const void* taken, const void* givenBack) {
    if (taken) hold(runtime().objectAt(taken));
    if (givenBack) letGo(runtime().objectAt(givenBack));
}

HRESULT FakeDevice::impl_SetRenderTarget(IDirect3DSurface8* renderTarget, IDirect3DSurface8* depthStencil) {
    if (renderTarget) {
        IDirect3DSurface8* current = renderTarget_;
        bind(current, renderTarget);
        renderTarget_ = static_cast<FakeSurface*>(renderTarget);
    }
    IDirect3DSurface8* currentDepth = depthStencil_;
    bind(currentDepth, depthStencil);
    depthStencil_ = static_cast<FakeSurface*>(depthStencil);
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetRenderTarget(IDirect3DSurface8** surface) {
    if (!surface || !renderTarget_) return D3DERR_INVALIDCALL;
    renderTarget_->retain();
    *surface = renderTarget_;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetBackBuffer(UINT index, D3DBACKBUFFER_TYPE, IDirect3DSurface8** surface) {
    if (!surface || index != 0 || !backBuffer_) return D3DERR_INVALIDCALL;
    backBuffer_->retain();
    *surface = backBuffer_;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetDepthStencilSurface(IDirect3DSurface8** surface) {
    if (!surface) return D3DERR_INVALIDCALL;
    *surface = depthStencil_;
    if (!depthStencil_) return D3DERR_NOTFOUND;
    depthStencil_->retain();
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetTexture(DWORD stage, IDirect3DBaseTexture8* texture) {
    if (stage >= textures_.size()) return D3DERR_INVALIDCALL;
    bind(textures_[stage], texture);
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetTexture(DWORD stage, IDirect3DBaseTexture8** texture) {
    if (stage >= textures_.size() || !texture) return D3DERR_INVALIDCALL;
    *texture = textures_[stage];
    if (*texture) runtime().objectAt(*texture)->retain();
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetStreamSource(UINT number, IDirect3DVertexBuffer8* buffer, UINT stride) {
    if (number >= streams_.size()) return D3DERR_INVALIDCALL;
    bind(streams_[number].first, buffer);
    streams_[number].second = stride;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetStreamSource(UINT number, IDirect3DVertexBuffer8** buffer, UINT* stride) {
    if (number >= streams_.size() || !buffer || !stride) return D3DERR_INVALIDCALL;
    *buffer = streams_[number].first;
    *stride = streams_[number].second;
    if (*buffer) runtime().objectAt(*buffer)->retain();
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex) {
    bind(indices_.first, buffer);
    indices_.second = baseVertexIndex;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetIndices(IDirect3DIndexBuffer8** buffer, UINT* baseVertexIndex) {
    if (!buffer || !baseVertexIndex) return D3DERR_INVALIDCALL;
    *buffer = indices_.first;
    *baseVertexIndex = indices_.second;
    if (*buffer) runtime().objectAt(*buffer)->retain();
    return D3D_OK;
}

DWORD FakeDevice::renderState(D3DRENDERSTATETYPE state) const {
    auto found = renderStates_.find(state);
    return found == renderStates_.end() ? 0 : found->second;
}

HRESULT FakeDevice::impl_SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    renderStates_[state] = value;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) {
    if (!value) return D3DERR_INVALIDCALL;
    *value = renderState(state);
    return D3D_OK;
}

DWORD FakeDevice::textureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type) const {
    auto found = stageStates_.find({stage, type});
    return found == stageStates_.end() ? 0 : found->second;
}

HRESULT FakeDevice::impl_SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    stageStates_[{stage, type}] = value;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value) {
    if (!value) return D3DERR_INVALIDCALL;
    *value = textureStageState(stage, type);
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (!matrix) return D3DERR_INVALIDCALL;
    transforms_[state] = *matrix;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) {
    if (!matrix) return D3DERR_INVALIDCALL;
    auto found = transforms_.find(state);
    *matrix = found == transforms_.end() ? D3DMATRIX{} : found->second;
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetClipPlane(DWORD index, const float* plane) {
    if (!plane) return D3DERR_INVALIDCALL;
    std::copy(plane, plane + 4, clipPlanes_[index].begin());
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetClipPlane(DWORD index, float* plane) {
    if (!plane) return D3DERR_INVALIDCALL;
    auto values = clipPlanes_[index];
    std::copy(values.begin(), values.end(), plane);
    return D3D_OK;
}

// Copies a token stream up to and including its terminator. The library must
// hand over only streams that end inside their buffer; a stream longer than
// any real shader is reported as the runaway read it would be on a real runtime.
static bool copyTokens(const DWORD* tokens, DWORD end, std::vector<DWORD>& out) {
    constexpr std::size_t longestShader = 1 << 16;
    for (std::size_t i = 0; i < longestShader; ++i) {
        out.push_back(tokens[i]);
        if (tokens[i] == end) return true;
    }
    return false;
}

HRESULT FakeDevice::createShader(bool pixel, const DWORD* declaration, const DWORD* function, DWORD* handle) {
    if (!function || !handle) return D3DERR_INVALIDCALL;
    ShaderRecord record;
    record.pixel = pixel;
    if (declaration && !copyTokens(declaration, 0xFFFFFFFFu, record.declaration))
        runtime().violation(name() + ": vertex declaration without an end token");
    if (!copyTokens(function, 0x0000FFFFu, record.function)) {
        runtime().violation(name() + ": shader function without an end token");
        return D3DERR_INVALIDCALL;
    }
    *handle = nextShader_++;
    shaders_[*handle] = std::move(record);
    return D3D_OK;
}

HRESULT FakeDevice::deleteShader(bool pixel, DWORD handle) {
    auto found = shaders_.find(handle);
    if (found == shaders_.end() || found->second.pixel != pixel) return D3DERR_INVALIDCALL;
    if (found->second.deleted) {
        runtime().violation(name() + ": shader " + std::to_string(handle) + " deleted twice");
        return D3DERR_INVALIDCALL;
    }
    found->second.deleted = true;
    return D3D_OK;
}

int FakeDevice::liveShaders() const {
    return static_cast<int>(std::count_if(shaders_.begin(), shaders_.end(),
                                          [](const auto& entry) { return !entry.second.deleted; }));
}

HRESULT FakeDevice::impl_CreateVertexShader(const DWORD* declaration, const DWORD* function, DWORD* handle,
                                            DWORD) {
    return createShader(false, declaration, function, handle);
}

HRESULT FakeDevice::impl_CreatePixelShader(const DWORD* function, DWORD* handle) {
    return createShader(true, nullptr, function, handle);
}

HRESULT FakeDevice::impl_DeleteVertexShader(DWORD handle) { return deleteShader(false, handle); }
HRESULT FakeDevice::impl_DeletePixelShader(DWORD handle) { return deleteShader(true, handle); }

// A deleted shader handle is no longer the caller's to use.
bool FakeDevice::deletedShader(DWORD handle) const {
    auto found = shaders_.find(handle);
    if (found == shaders_.end() || !found->second.deleted) return false;
    runtime().violation(name() + ": shader " + std::to_string(handle) + " set after it was deleted");
    return true;
}

HRESULT FakeDevice::impl_SetVertexShader(DWORD handle) {
    if (deletedShader(handle)) return D3DERR_INVALIDCALL;
    vertexShader_ = handle;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetVertexShader(DWORD* handle) {
    if (!handle) return D3DERR_INVALIDCALL;
    *handle = vertexShader_;
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetPixelShader(DWORD handle) {
    if (deletedShader(handle)) return D3DERR_INVALIDCALL;
    pixelShader_ = handle;
    return D3D_OK;
}

HRESULT FakeDevice::impl_GetPixelShader(DWORD* handle) {
    if (!handle) return D3DERR_INVALIDCALL;
    *handle = pixelShader_;
    return D3D_OK;
}

HRESULT FakeDevice::setConstants(bool pixel, DWORD reg, const void* data, DWORD count) {
    if (!data) return D3DERR_INVALIDCALL;
    ConstantUpload upload{pixel, reg, std::vector<float>(count * 4)};
    std::memcpy(upload.values.data(), data, count * 4 * sizeof(float));
    auto& registers = pixel ? pixelConstants_ : vertexConstants_;
    for (DWORD i = 0; i < count; ++i)
        std::copy_n(upload.values.begin() + i * 4, 4, registers[reg + i].begin());
    constantUploads_.push_back(std::move(upload));
    return D3D_OK;
}

HRESULT FakeDevice::impl_SetVertexShaderConstant(DWORD reg, const void* data, DWORD count) {
    return setConstants(false, reg, data, count);
}

HRESULT FakeDevice::impl_SetPixelShaderConstant(DWORD reg, const void* data, DWORD count) {
    return setConstants(true, reg, data, count);
}

}  // namespace fake
