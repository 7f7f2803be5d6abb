// The replaced methods that record and pass on: the world transform (copy and
// classification), the texture, stream source and index bindings.
#include "pairs.h"
#include "session.h"

namespace bench {
namespace {

// Two calls an iteration, binding one object, then the other.
template <class Call> PairBody alternating(Call call) {
    return [call](benchmark::State& state, Side side) {
        Session session;
        IDirect3DDevice8* device = session.device(side);
        for (auto _ : state) {
            benchmark::DoNotOptimize(call(device, session, true));
            benchmark::DoNotOptimize(call(device, session, false));
        }
        setCallsPerIteration(state, 2);
    };
}

const D3DMATRIX plainWorld = worldMatrix(noMarker);
const D3DMATRIX waterWorld = worldMatrix(waterMarker);

const bool registered = [] {
    registerPair("SetTransform/world", oneCallEach([](IDirect3DDevice8* device, Session&) {
        return device->SetTransform(D3DTS_WORLD, &plainWorld);
    }));
    registerPair("SetTransform/world_water_marker", oneCallEach([](IDirect3DDevice8* device, Session&) {
        return device->SetTransform(D3DTS_WORLD, &waterWorld);
    }));
    registerPair("SetTransform/view", oneCallEach([](IDirect3DDevice8* device, Session&) {
        return device->SetTransform(D3DTS_VIEW, &plainWorld);
    }));
    registerPair("SetTexture/same_texture", oneCallEach([](IDirect3DDevice8* device, Session& session) {
        return device->SetTexture(0, &session.wideTexture);
    }));
    registerPair("SetStreamSource/same_buffer", oneCallEach([](IDirect3DDevice8* device, Session& session) {
        return device->SetStreamSource(0, &session.vertexBuffer, 24);
    }));
    registerPair("SetIndices/same_buffer", oneCallEach([](IDirect3DDevice8* device, Session& session) {
        return device->SetIndices(&session.indexBuffer, 0);
    }));
    // Every call binds another object than the last, what a game does most:
    // the library takes a reference on the new one and gives back the old.
    registerPair("SetTexture/changing_texture", alternating([](IDirect3DDevice8* device, Session& s, bool first) {
        return device->SetTexture(0, first ? &s.wideTexture : &s.narrowTexture);
    }));
    registerPair("SetStreamSource/changing_buffer", alternating([](IDirect3DDevice8* device, Session& s, bool first) {
        return device->SetStreamSource(0, first ? &s.vertexBuffer : &s.otherVertexBuffer, 24);
    }));
    registerPair("SetIndices/changing_buffer", alternating([](IDirect3DDevice8* device, Session& s, bool first) {
        return device->SetIndices(first ? &s.indexBuffer : &s.otherIndexBuffer, 0);
    }));
    return true;
}();

}  // namespace
}  // namespace bench
