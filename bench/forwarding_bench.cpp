// Forwarded methods: the interceptor's forwarder against the same call made
// straight on the null object.
#include "pairs.h"
#include "session.h"

namespace bench {
namespace {

const bool registered = [] {
    registerPair("Forwarded/SetTextureStageState", oneCallEach([](IDirect3DDevice8* device, Session&) {
        return device->SetTextureStageState(0, D3DTSS_COLOROP, 4 /* modulate */);
    }));
    registerPair("Forwarded/DrawPrimitive", oneCallEach([](IDirect3DDevice8* device, Session&) {
        return device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    }));
    registerPair("Forwarded/EndScene",
                 oneCallEach([](IDirect3DDevice8* device, Session&) { return device->EndScene(); }));
    registerPair("Forwarded/Direct3D.GetAdapterCount", [](benchmark::State& state, Side side) {
        Session session;
        IDirect3D8* direct3D = session.direct3D(side);
        for (auto _ : state) benchmark::DoNotOptimize(direct3D->GetAdapterCount());
    });
    return true;
}();

}  // namespace
}  // namespace bench
