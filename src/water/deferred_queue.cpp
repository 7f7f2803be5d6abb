#include "water/deferred_queue.h"

namespace d3d8water {

bool queueDeferredDraw(UINT minIndex, UINT numVertices, UINT startIndex, UINT primitiveCount) {
    EffectState& s = effectState;
    if (s.deferredDrawCount >= deferredDrawCapacity) return false;
    DeferredWaterDraw& entry = s.deferredDraws[s.deferredDrawCount];
    entry.vertexBuffer = s.currentVertexBuffer;
    entry.indexBuffer = s.currentIndexBuffer;
    entry.stride = s.currentStride;
    entry.baseVertexIndex = s.currentBaseVertexIndex;
    entry.minIndex = minIndex;
    entry.numVertices = numVertices;
    entry.startIndex = startIndex;
    entry.primitiveCount = primitiveCount;
    entry.world = s.worldMatrix;
    entry.projection = s.projectionMatrix;
    if (entry.vertexBuffer) entry.vertexBuffer->AddRef();
    if (entry.indexBuffer) entry.indexBuffer->AddRef();
    ++s.deferredDrawCount;
    return true;
}

void dropDeferredDraws() {
    EffectState& s = effectState;
    for (int i = 0; i < s.deferredDrawCount; ++i) {
        DeferredWaterDraw& entry = s.deferredDraws[i];
        if (entry.vertexBuffer) entry.vertexBuffer->Release();
        if (entry.indexBuffer) entry.indexBuffer->Release();
        entry.vertexBuffer = nullptr;
        entry.indexBuffer = nullptr;
    }
    s.deferredDrawCount = 0;
}

}  // namespace d3d8water
