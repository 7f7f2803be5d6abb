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

}  // namespace d3d8water
