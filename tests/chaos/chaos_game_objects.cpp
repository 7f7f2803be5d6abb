// The game's own buffers and textures: made, bound, unbound and released at
// any moment, and its transforms.
#include <cmath>

#include "chaos_choices.h"
#include "chaos_game.h"
#include "water/effect_state.h"

namespace chaos {

using namespace d3d8;
using d3d8water::effectState;

void* Game::slotObject(std::uint32_t kind, std::uint32_t slot) const {
    if (slot >= slotCount) return nullptr;
    const Resource& resource = resources_[kind][slot];
    // Only what the game holds, and only on the device it draws with.
    return resource.device == realDevice() ? resource.pointer : nullptr;
}

void Game::createResource(const Action& action) {
    Resource& resource = resources_[action.a][action.b];
    if (!haveDevice() || resource.pointer) return;
    const auto pool = static_cast<D3DPOOL>(action.c);
    const UINT size = 32 * (1 + action.d);
    void* made = nullptr;
    // Makes one object of the action's kind; `made` is set only on success.
    auto make = [&]() -> HRESULT {
        HRESULT result;
        if (action.a == vertexBufferKind) {
            IDirect3DVertexBuffer8* buffer = nullptr;
            result = device_->CreateVertexBuffer(size, D3DUSAGE_WRITEONLY, D3DFVF_XYZ, pool, &buffer);
            if (result == D3D_OK) made = buffer;
        } else if (action.a == indexBufferKind) {
            IDirect3DIndexBuffer8* buffer = nullptr;
            result = device_->CreateIndexBuffer(size, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16, pool, &buffer);
            if (result == D3D_OK) made = buffer;
        } else {
            IDirect3DTexture8* texture = nullptr;
            result = device_->CreateTexture(textureWidths[action.d % textureWidthCount], 4, 1, 0, D3DFMT_A8R8G8B8,
                                            pool, &texture);
            if (result == D3D_OK) made = static_cast<IDirect3DBaseTexture8*>(texture);
        }
        return result;
    };
    static const char* const methods[] = {"CreateVertexBuffer", "CreateIndexBuffer", "CreateTexture"};
    // The game's reference on what it made is noted before the invariants look.
    call<HRESULT>(action, methods[action.a], effectState.realDevice, make, [&](HRESULT result) {
        if (result != D3D_OK) return;
        ledger_.took(made, true);
        resource = {made, realDevice()};
    });
}

void Game::releaseResource(const Action& action) {
    Resource& resource = resources_[action.a][action.b];
    if (!resource.pointer) return;
    const d3d8water::EffectState& s = effectState;
    for (int i = 0; i < s.deferredDrawCount; ++i)
        if (resource.pointer == s.deferredDraws[i].vertexBuffer || resource.pointer == s.deferredDraws[i].indexBuffer) {
            ++coverage_[releasedWhileQueued];
            break;
        }
    if (resource.pointer == s.currentVertexBuffer || resource.pointer == s.currentIndexBuffer ||
        resource.pointer == s.lastBoundTexture)
        ++coverage_[releasedWhileRecorded];
    // Straight to the runtime object: the library never sees this call.
    if (action.a == vertexBufferKind) static_cast<IDirect3DVertexBuffer8*>(resource.pointer)->Release();
    else if (action.a == indexBufferKind) static_cast<IDirect3DIndexBuffer8*>(resource.pointer)->Release();
    else static_cast<IDirect3DBaseTexture8*>(resource.pointer)->Release();
    ledger_.gave(resource.pointer);
    resource = {};
    ++calls_;
    invariants_.afterCall();
}

void Game::bind(const Action& action) {
    if (!haveDevice()) return;
    const void* device = effectState.realDevice;
    if (action.call == Call::SetStreamSource) {
        auto* buffer = static_cast<IDirect3DVertexBuffer8*>(slotObject(vertexBufferKind, action.b));
        if (action.b < slotCount && !buffer) return;
        call<HRESULT>(action, "SetStreamSource", device,
                      [&] { return device_->SetStreamSource(action.a, buffer, 12 * (1 + action.c)); });
    } else if (action.call == Call::SetIndices) {
        auto* buffer = static_cast<IDirect3DIndexBuffer8*>(slotObject(indexBufferKind, action.a));
        if (action.a < slotCount && !buffer) return;
        call<HRESULT>(action, "SetIndices", device, [&] { return device_->SetIndices(buffer, action.b); });
    } else {
        auto* texture = static_cast<IDirect3DBaseTexture8*>(slotObject(textureKind, action.b));
        if (action.b < slotCount && !texture) return;
        call<HRESULT>(action, "SetTexture", device, [&] { return device_->SetTexture(action.a, texture); });
    }
}

void Game::setTransform(const Action& action) {
    if (!haveDevice()) return;
    const float m = markers[action.b];
    D3DMATRIX matrix{};
    const std::uint32_t state = transformStates[action.a];
    if (state == 2) {
        // A view: a translated identity; all zero (singular) for marker 0, NaN for NaN.
        if (m != 0.0f) {
            matrix._11 = matrix._22 = matrix._33 = matrix._44 = 1.0f;
            matrix._41 = m;
            matrix._43 = -5.0f;
        }
    } else {
        matrix._11 = m;
        matrix._22 = scales[action.c][0];
        matrix._33 = scales[action.c][1];
        matrix._44 = 1.0f;
    }
    const D3DMATRIX* passed = action.a == nullMatrixTransform ? nullptr : &matrix;
    call<HRESULT>(action, "SetTransform", effectState.realDevice, [&] {
        return device_->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(state), passed);
    });
}

void Game::giveBack(void* pointer) {
    if (!pointer) return;
    static_cast<IUnknown*>(pointer)->Release();
    ledger_.gave(pointer);
}

}  // namespace chaos
