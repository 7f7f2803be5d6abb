// DeviceInterceptor: the IDirect3DDevice8 the game draws through. It has no
// data of its own; every method acts on the newest real device in EffectState.
// 88 methods are plain forwarders; the nine below are the effect's own.
#pragma once

#include "interception/forwarding.h"
#include "water/effect_state.h"

namespace d3d8water {

class DeviceForwarder : public IDirect3DDevice8 {
protected:
    static IDirect3DDevice8* real() { return effectState.realDevice; }

public:
    D3D8_DEVICE_ALL_METHODS(INTERCEPTION_FORWARD)
};

class DeviceInterceptor final : public DeviceForwarder {
public:
    HRESULT D3D8_CALL TestCooperativeLevel() override;
    HRESULT D3D8_CALL Reset(D3DPRESENT_PARAMETERS* pPresentationParameters) override;
    HRESULT D3D8_CALL BeginScene() override;
    HRESULT D3D8_CALL SetTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix) override;
    HRESULT D3D8_CALL SetRenderState(D3DRENDERSTATETYPE State, DWORD Value) override;
    HRESULT D3D8_CALL SetTexture(DWORD Stage, IDirect3DBaseTexture8* pTexture) override;
    HRESULT D3D8_CALL DrawIndexedPrimitive(D3DPRIMITIVETYPE PrimitiveType, UINT MinIndex, UINT NumVertices,
                                           UINT StartIndex, UINT PrimitiveCount) override;
    HRESULT D3D8_CALL SetStreamSource(UINT StreamNumber, IDirect3DVertexBuffer8* pStreamData,
                                      UINT Stride) override;
    HRESULT D3D8_CALL SetIndices(IDirect3DIndexBuffer8* pIndexData, UINT BaseVertexIndex) override;
};

// The methods the effect replaces; every other device method is forwarded.
#define INTERCEPTION_REPLACED_DEVICE_METHODS                                                  \
    "TestCooperativeLevel", "Reset", "BeginScene", "SetTransform", "SetRenderState", "SetTexture", \
        "DrawIndexedPrimitive", "SetStreamSource", "SetIndices"

}  // namespace d3d8water
