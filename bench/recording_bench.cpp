// The replaced methods that record and pass on: the world transform (copy and
// classification), the texture, stream source and index bindings.
#include "pairs.h"
#include "session.h"

namespace bench {
namespace {

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
    // Every call binds another texture than the last: what a game does most.
    registerPair("SetTexture/changing_texture", [](benchmark::State& state, Side side) {
        Session session;
        IDirect3DDevice8* device = session.device(side);
        for (auto _ : state) {
            benchmark::DoNotOptimize(device->SetTexture(0, &session.wideTexture));
            benchmark::DoNotOptimize(device->SetTexture(0, &session.narrowTexture));
        }
        setCallsPerIteration(state, 2);
    });
    registerPair("SetStreamSource", oneCallEach([](IDirect3DDevice8* device, Session& session) {
        return device->SetStreamSource(0, &session.vertexBuffer, 24);
    }));
    registerPair("SetIndices", oneCallEach([](IDirect3DDevice8* device, Session& session) {
        return device->SetIndices(&session.indexBuffer, 0);
    }));
    return true;
}();

}  // namespace
}  // namespace bench
