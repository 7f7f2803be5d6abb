// DrawIndexedPrimitive on each of its paths: passed on, queued as water, and
// drawn into the reflection (alone, with the fog-off phase's second draw, and
// with the colour probe before it). The baseline is the game's one draw.
#include "pairs.h"
#include "session.h"
#include "water/deferred_queue.h"

namespace bench {
namespace {

constexpr UINT smallDraw = 8;  // primitives: small enough to stay in the fog-off phase
constexpr int queueLength = 50;

HRESULT draw(IDirect3DDevice8* device) { return device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 24, 0, smallDraw); }

// The game's state before the draws: its buffers, a texture, depth on or off,
// fog on or off (which starts or ends the fog-off phase), then a world
// transform with `marker`.
void prepare(Session& session, float marker, bool fogOff, DWORD zEnable) {
    IDirect3DDevice8* game = session.game();
    const D3DMATRIX world = worldMatrix(marker);
    game->SetStreamSource(0, &session.vertexBuffer, 24);
    game->SetIndices(&session.indexBuffer, 0);
    game->SetTexture(0, &session.wideTexture);
    game->SetRenderState(D3DRS_ZENABLE, zEnable);
    game->SetRenderState(D3DRS_FOGENABLE, fogOff ? 0 : 1);
    game->SetTransform(D3DTS_WORLD, &world);
}

PairBody drawsWith(float marker, bool fogOff, DWORD zEnable) {
    return [=](benchmark::State& state, Side side) {
        Session session;
        prepare(session, marker, fogOff, zEnable);
        IDirect3DDevice8* device = session.device(side);
        for (auto _ : state) benchmark::DoNotOptimize(draw(device));
    };
}

const bool registered = [] {
    registerPair("DrawIndexedPrimitive/plain", drawsWith(noMarker, false, 1));
    registerPair("DrawIndexedPrimitive/redirected", drawsWith(redirectMarker, false, 1));
    registerPair("DrawIndexedPrimitive/redirected_fog_off_second_draw", drawsWith(noMarker, true, 1));
    registerPair("DrawIndexedPrimitive/redirected_fog_off_probe", drawsWith(noMarker, true, 0));
    // A full queue per iteration, then its references given back as the water
    // pass does: the whole cost of queueing a draw but drawing it.
    registerPair("DrawIndexedPrimitive/queued", [](benchmark::State& state, Side side) {
        Session session;
        prepare(session, waterMarker, false, 1);
        IDirect3DDevice8* device = session.device(side);
        for (auto _ : state) {
            for (int i = 0; i < queueLength; ++i) benchmark::DoNotOptimize(draw(device));
            if (side == Side::library) d3d8water::dropDeferredDraws();
        }
        setCallsPerIteration(state, queueLength);
    });
    return true;
}();

}  // namespace
}  // namespace bench
