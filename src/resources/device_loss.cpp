#include "resources/device_loss.h"

#include "diagnostics/diagnostic_log.h"
#include "resources/effect_resources.h"
#include "water/effect_state.h"

namespace d3d8water {

HRESULT testCooperativeLevel() {
    diagnosticLog << "testc ";
    releaseEffectResources();
    HRESULT result = effectState.realDevice->TestCooperativeLevel();
    if (result == D3DERR_DEVICELOST) diagnosticLog << "lost\n";
    else if (result == D3DERR_DEVICENOTRESET) diagnosticLog << "not reset\n";
    else diagnosticLog << "OK\n";
    return result;
}

HRESULT resetDevice(D3DPRESENT_PARAMETERS* presentationParameters) {
    diagnosticLog << "reset ";
    // A Reset without a TestCooperativeLevel since the objects were made: the
    // real Reset is refused while they live, so they go first.
    releaseEffectResources();
    HRESULT result = effectState.realDevice->Reset(presentationParameters);
    if (result == D3DERR_INVALIDCALL) {
        diagnosticLog << "invalid call\n";
    } else if (result == D3D_OK) {
        diagnosticLog << "OK\n";
        recreateEffectResources();
    } else {
        diagnosticLog << "nomem\n";
    }
    return result;
}

}  // namespace d3d8water
