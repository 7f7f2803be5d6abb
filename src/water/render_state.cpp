#include "water/render_state.h"

#include "water/effect_state.h"
#include "water/water_pass.h"

namespace d3d8water {

HRESULT setRenderState(IDirect3DDevice8* interceptor, D3DRENDERSTATETYPE state, DWORD value) {
    EffectState& s = effectState;
    switch (state) {
    case D3DRS_FOGENABLE:
        s.gameFogEnable = value;
        s.fogOffPhase = s.redirectToReflection = (value == 0);
        break;
    case D3DRS_FOGCOLOR:
        s.gameFogColor = value;
        break;
    case D3DRS_ZENABLE:
        s.gameZEnable = value;
        break;
    case D3DRS_ALPHABLENDENABLE:
        // Exactly TRUE: other non-zero values enable blending too, but do not
        // start the pass. No pass while the effect's objects are given back.
        if (value == 1 && s.gameZEnable != 0 && s.effectResourcesHeld) drawDeferredWater(interceptor);
        break;
    default:
        break;
    }
    return s.realDevice->SetRenderState(state, value);
}

}  // namespace d3d8water
