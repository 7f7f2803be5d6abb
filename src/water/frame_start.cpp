#include "water/frame_start.h"

#include "platform/os.h"
#include "water/effect_state.h"

namespace d3d8water {

HRESULT beginScene() {
    EffectState& s = effectState;
    s.clearReflectionDepth = true;
    std::uint32_t milliseconds = os::milliseconds();
    s.normalMapFrame = (milliseconds / normalMapFrameMilliseconds) % static_cast<std::uint32_t>(normalMapFrameCount);
    return s.realDevice->BeginScene();
}

void switchToReflectionTarget() {
    EffectState& s = effectState;
    s.realDevice->SetRenderTarget(s.reflectionSurface, s.reflectionDepthSurface);
    if (s.clearReflectionDepth) {
        s.realDevice->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0xFFFFFFFF, 1.0f, 0);
        s.clearReflectionDepth = false;
    }
}

}  // namespace d3d8water
