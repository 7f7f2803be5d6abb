#include "water/water_pass.h"

#include "d3dx/matrix.h"
#include "diagnostics/diagnostic_log.h"
#include "water/colour_probe.h"
#include "water/deferred_queue.h"
#include "water/effect_state.h"

namespace d3d8water {

namespace {

void fill(float (&vector)[4], float x, float y, float z, float w) {
    vector[0] = x;
    vector[1] = y;
    vector[2] = z;
    vector[3] = w;
}

// The pixel shader for the probe's result, with the line that names it.
DWORD choosePixelShader() {
    EffectState& s = effectState;
    if (s.sunsetVariant) {
        diagnosticLog << "sunset\n";
        return s.sunsetPixelShader;
    }
    if (probeChannelIsZero(s.waterColor.r)) {
        diagnosticLog << "x8\n";
        return s.nightPixelShader;
    }
    if (s.brightVariant) {
        diagnosticLog << "x2\n";
        return s.brightPixelShader;
    }
    diagnosticLog << "PS\n";
    return s.waterPixelShader;
}

// The vertex constants of one draw: c0-c3 the transposed world-view-projection,
// c4-c7 the transposed world, c10 one half, c11 the tiling, c12 the camera.
void setVertexConstants(IDirect3DDevice8* interceptor, const DeferredWaterDraw& entry) {
    EffectState& s = effectState;
    D3DMATRIX product;
    D3DXMatrixMultiply(&product, &s.viewMatrix, &entry.projection);
    D3DXMatrixMultiply(&product, &entry.world, &product);
    D3DXMatrixTranspose(&product, &product);
    interceptor->SetVertexShaderConstant(0, &product, 4);

    D3DMATRIX world;
    D3DXMatrixTranspose(&world, &entry.world);
    interceptor->SetVertexShaderConstant(4, &world, 4);

    fill(s.halfConstant, halfValue, halfValue, halfValue, halfValue);
    interceptor->SetVertexShaderConstant(10, s.halfConstant, 1);

    if (!s.tilingVariant) {
        fill(s.tilingConstant, tilingValue, tilingValue, tilingValue, tilingValue);
        interceptor->SetVertexShaderConstant(11, s.tilingConstant, 1);
    }

    // The camera in world space; a view without an inverse (none set yet, for
    // one) puts it at the origin.
    D3DMATRIX inverseView;
    if (D3DXMatrixInverse(&inverseView, nullptr, &s.viewMatrix))
        fill(s.cameraPositionConstant, inverseView._41, inverseView._42, inverseView._43, 1.0f);
    else
        fill(s.cameraPositionConstant, 0.0f, 0.0f, 0.0f, 1.0f);
    interceptor->SetVertexShaderConstant(12, s.cameraPositionConstant, 1);
}

// c2 the water colour, c5 the game's fog colour scaled to 0..1.
void setPixelConstants(IDirect3DDevice8* interceptor) {
    EffectState& s = effectState;
    fill(s.waterColorConstant, s.waterColor.r, s.waterColor.g, s.waterColor.b, 1.0f);
    interceptor->SetPixelShaderConstant(2, s.waterColorConstant, 1);

    const D3DCOLOR fog = s.gameFogColor;
    fill(s.fogColorConstant, static_cast<float>((fog >> 16) & 0xFF) * byteToUnit,
         static_cast<float>((fog >> 8) & 0xFF) * byteToUnit, static_cast<float>(fog & 0xFF) * byteToUnit, 1.0f);
    interceptor->SetPixelShaderConstant(5, s.fogColorConstant, 1);
}

void drawEntry(IDirect3DDevice8* interceptor, const DeferredWaterDraw& entry) {
    EffectState& s = effectState;
    IDirect3DDevice8* device = s.realDevice;
    device->SetStreamSource(0, entry.vertexBuffer, entry.stride);
    device->SetIndices(entry.indexBuffer, entry.baseVertexIndex);
    interceptor->SetTexture(0, s.reflectionTexture);
    interceptor->SetTexture(1, s.normalMaps[s.normalMapFrame]);
    interceptor->SetTextureStageState(0, D3DTSS_ADDRESSU, D3DTADDRESS_CLAMP);
    interceptor->SetTextureStageState(0, D3DTSS_ADDRESSV, D3DTADDRESS_CLAMP);
    if (interceptor->SetVertexShader(s.waterVertexShader) != D3D_OK) diagnosticLog << "Error setting pixel shader\n";
    DWORD pixelShader = choosePixelShader();
    if (interceptor->SetPixelShader(pixelShader) != D3D_OK) diagnosticLog << "Error setting pixel shader\n";
    if (s.tilingVariant) {
        fill(s.tilingConstant, tilingVariantValue, tilingVariantValue, tilingVariantValue, tilingVariantValue);
        interceptor->SetVertexShaderConstant(11, s.tilingConstant, 1);
        diagnosticLog << "tiling changed\n";
    }
    if (s.noFogVariant) diagnosticLog << "noFog\n";
    setVertexConstants(interceptor, entry);
    setPixelConstants(interceptor);
    diagnosticLog << "waterColor: " << s.waterColor.r << ", " << s.waterColor.g << ", " << s.waterColor.b << endLine;
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, entry.minIndex, entry.numVertices, entry.startIndex,
                                 entry.primitiveCount);
}

}  // namespace

void drawDeferredWater(IDirect3DDevice8* interceptor) {
    EffectState& s = effectState;
    IDirect3DDevice8* device = s.realDevice;
    device->GetVertexShader(&s.savedVertexShader);
    device->SetRenderState(D3DRS_FOGENABLE, 0);
    device->SetRenderState(D3DRS_SOFTWAREVERTEXPROCESSING, 0);
    for (int i = 0; i < s.deferredDrawCount; ++i) drawEntry(interceptor, s.deferredDraws[i]);
    device->SetVertexShader(s.savedVertexShader);
    device->SetPixelShader(0);
    interceptor->SetTextureStageState(0, D3DTSS_ADDRESSU, D3DTADDRESS_WRAP);
    interceptor->SetTextureStageState(0, D3DTSS_ADDRESSV, D3DTADDRESS_WRAP);
    device->SetRenderState(D3DRS_FOGENABLE, s.gameFogEnable);
    dropDeferredDraws();
}

void unbindReflectionTexture() {
    EffectState& s = effectState;
    IDirect3DBaseTexture8* bound = nullptr;
    if (!s.reflectionTexture || s.realDevice->GetTexture(0, &bound) != D3D_OK || !bound) return;
    bound->Release();
    if (bound == s.reflectionTexture) s.realDevice->SetTexture(0, nullptr);
}

}  // namespace d3d8water
