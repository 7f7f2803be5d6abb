// The device methods the effect replaces: each hands the call to the water or
// resources code, which records and decides, then passes it on unchanged.
#include "interception/device_interceptor.h"

#include "resources/device_loss.h"
#include "water/classification.h"
#include "water/draw_deferral.h"
#include "water/frame_start.h"
#include "water/render_state.h"

namespace d3d8water {

HRESULT DeviceInterceptor::TestCooperativeLevel() { return testCooperativeLevel(); }

HRESULT DeviceInterceptor::Reset(D3DPRESENT_PARAMETERS* pPresentationParameters) {
    return resetDevice(pPresentationParameters);
}

HRESULT DeviceInterceptor::BeginScene() { return beginScene(); }

HRESULT DeviceInterceptor::SetTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix) {
    recordTransform(State, pMatrix);
    return real()->SetTransform(State, pMatrix);
}

HRESULT DeviceInterceptor::SetRenderState(D3DRENDERSTATETYPE State, DWORD Value) {
    return setRenderState(this, State, Value);
}

HRESULT DeviceInterceptor::SetTexture(DWORD Stage, IDirect3DBaseTexture8* pTexture) {
    recordTexture(pTexture);
    return real()->SetTexture(Stage, pTexture);
}

HRESULT DeviceInterceptor::DrawIndexedPrimitive(D3DPRIMITIVETYPE PrimitiveType, UINT MinIndex,
                                                UINT NumVertices, UINT StartIndex, UINT PrimitiveCount) {
    if (drawPassesStraightOn())
        return real()->DrawIndexedPrimitive(PrimitiveType, MinIndex, NumVertices, StartIndex, PrimitiveCount);
    return drawIndexedPrimitive(PrimitiveType, MinIndex, NumVertices, StartIndex, PrimitiveCount);
}

HRESULT DeviceInterceptor::SetStreamSource(UINT StreamNumber, IDirect3DVertexBuffer8* pStreamData, UINT Stride) {
    recordStreamSource(pStreamData, Stride);
    return real()->SetStreamSource(StreamNumber, pStreamData, Stride);
}

HRESULT DeviceInterceptor::SetIndices(IDirect3DIndexBuffer8* pIndexData, UINT BaseVertexIndex) {
    recordIndices(pIndexData, BaseVertexIndex);
    return real()->SetIndices(pIndexData, BaseVertexIndex);
}

}  // namespace d3d8water
