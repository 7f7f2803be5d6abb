#include "water/classification.h"

#include "water/effect_state.h"

namespace d3d8water {

void replaceRecordedTexture(IDirect3DBaseTexture8* texture) {
    // The colour probe reads this texture later: it holds a reference so that a
    // texture the game releases meanwhile (unbound by a state block, say) is
    // still there. Given back at device loss (releaseEffectResources).
    IDirect3DBaseTexture8* previous = effectState.lastBoundTexture;
    if (texture == previous) return;
    if (texture) texture->AddRef();
    effectState.lastBoundTexture = texture;
    if (previous) previous->Release();
}

void forgetRecordedTexture() {
    IDirect3DBaseTexture8* previous = effectState.lastBoundTexture;
    effectState.lastBoundTexture = nullptr;
    if (previous) previous->Release();
}

namespace {
// Takes a reference on `object` and gives back the one on what `recorded` held.
template <class Object> void replaceRecorded(Object*& recorded, Object* object) {
    Object* previous = recorded;
    if (object == previous) return;
    if (object) object->AddRef();
    recorded = object;
    if (previous) previous->Release();
}
}  // namespace

void replaceRecordedVertexBuffer(IDirect3DVertexBuffer8* buffer) {
    replaceRecorded(effectState.currentVertexBuffer, buffer);
}

void replaceRecordedIndexBuffer(IDirect3DIndexBuffer8* buffer) { replaceRecorded(effectState.currentIndexBuffer, buffer); }

void forgetRecordedBuffers() {
    replaceRecorded(effectState.currentVertexBuffer, static_cast<IDirect3DVertexBuffer8*>(nullptr));
    replaceRecorded(effectState.currentIndexBuffer, static_cast<IDirect3DIndexBuffer8*>(nullptr));
}

}  // namespace d3d8water
