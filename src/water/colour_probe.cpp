#include "water/colour_probe.h"

#include <cmath>

#include "water/effect_state.h"

namespace d3d8water {

namespace {
// Width of level 0 of the last bound texture; 0 when it is not a 2D texture or
// its level cannot be had (then the probe does not run).
UINT boundTextureWidth() {
    IDirect3DBaseTexture8* bound = effectState.lastBoundTexture;
    if (!bound || bound->GetType() != D3DRTYPE_TEXTURE) return 0;
    IDirect3DSurface8* level = nullptr;
    if (static_cast<IDirect3DTexture8*>(bound)->GetSurfaceLevel(0, &level) != D3D_OK || !level) return 0;
    D3DSURFACE_DESC desc{};
    level->GetDesc(&desc);
    level->Release();
    return desc.Width;
}

float rowLengthMinusOne(float x, float y, float z) { return std::sqrt(x * x + y * y + z * z) - 1.0f; }
}  // namespace

void chooseWaterVariant(float red, float green, float blue) {
    EffectState& s = effectState;
    s.brightVariant = s.sunsetVariant = s.tilingVariant = s.noFogVariant = false;
    s.waterColor = {red, green, blue};
    if (red > probeBrightThreshold) {
        s.brightVariant = true;
        s.waterColor.r = red - 0.5f;
    } else if (probeChannelIsZero(red) && probeChannelIsZero(green) && probeChannelIsZero(blue)) {
        s.sunsetVariant = true;
        s.waterColor = {0.125f, 0.118f, 0.098f};
    } else if (probeChannelIsZero(blue)) {
        s.tilingVariant = true;
    } else if (probeChannelIsZero(green)) {
        s.noFogVariant = true;
    }
}

void runColourProbe() {
    if (boundTextureWidth() != static_cast<UINT>(probeTextureWidth)) return;
    const D3DMATRIX& w = effectState.worldMatrix;
    chooseWaterVariant(rowLengthMinusOne(w._11, w._12, w._13), rowLengthMinusOne(w._21, w._22, w._23),
                       rowLengthMinusOne(w._31, w._32, w._33));
}

}  // namespace d3d8water
