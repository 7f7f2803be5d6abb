// A scripted game frame for callgrind. Each part of the frame runs twice, in
// functions of its own: straight on the null device (frame_<part>_baseline)
// and through the library (frame_<part>_library). The difference of their
// inclusive instruction counts, divided by the part's count of calls, is what
// the library adds per call; scripts/bench --instructions does the sums from
// the lines this prints on standard error. Standard output carries the
// library's lines (send it to /dev/null).
#include <unistd.h>

#include <cstdio>

#include "session.h"

namespace {

using namespace d3d8;
using bench::Session;

constexpr int forwardedRounds = 50;  // six forwarded calls each
constexpr int transformCount = 100;
constexpr int bindingRounds = 50;    // a texture, a stream source and indices each, all changed
constexpr int plainDraws = 100;
constexpr int redirectedDraws = 20;
constexpr int queuedDraws = 40;

const D3DMATRIX plainWorld = bench::worldMatrix(bench::noMarker);
const D3DMATRIX waterWorld = bench::worldMatrix(bench::waterMarker);
const D3DMATRIX redirectWorld = bench::worldMatrix(bench::redirectMarker);

D3DMATERIAL8 material{};

[[gnu::always_inline]] inline void forwarded(IDirect3DDevice8* device) {
    for (int i = 0; i < forwardedRounds; ++i) {
        device->SetTextureStageState(0, D3DTSS_COLOROP, 4 /* modulate */);
        device->SetTextureStageState(1, D3DTSS_ALPHAOP, 1 /* disable */);
        device->SetVertexShader(0x142);
        device->LightEnable(0, 1);
        device->SetMaterial(&material);
        device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
    }
}

[[gnu::always_inline]] inline void transforms(IDirect3DDevice8* device) {
    for (int i = 0; i < transformCount; ++i) device->SetTransform(D3DTS_WORLD, i % 4 == 1 ? &waterWorld : &plainWorld);
}

[[gnu::always_inline]] inline void bindings(IDirect3DDevice8* device, Session& session) {
    for (int i = 0; i < bindingRounds; ++i) {
        device->SetTexture(0, i % 2 ? &session.wideTexture : &session.narrowTexture);
        device->SetStreamSource(0, i % 2 ? &session.vertexBuffer : &session.otherVertexBuffer, 24);
        device->SetIndices(i % 2 ? &session.indexBuffer : &session.otherIndexBuffer, 0);
    }
}

[[gnu::always_inline]] inline void draws(IDirect3DDevice8* device, int count) {
    for (int i = 0; i < count; ++i) device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 24, 0, 8);
}

}  // namespace

#define FRAME_PART(part, ...)                                                                   \
    extern "C" [[gnu::noinline]] void frame_##part##_baseline(IDirect3DDevice8* device, Session& session) { \
        (void)session;                                                                          \
        __VA_ARGS__;                                                                            \
    }                                                                                           \
    extern "C" [[gnu::noinline]] void frame_##part##_library(IDirect3DDevice8* device, Session& session) { \
        (void)session;                                                                          \
        __VA_ARGS__;                                                                            \
    }

FRAME_PART(forwarded, forwarded(device))
FRAME_PART(transforms, transforms(device))
FRAME_PART(bindings, bindings(device, session))
FRAME_PART(plain_draws, draws(device, plainDraws))
FRAME_PART(redirected_draws, draws(device, redirectedDraws))
FRAME_PART(queued_draws, draws(device, queuedDraws))
FRAME_PART(water_pass, device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1))

namespace {

// The game's frame on one side: the calls between the parts set the state each
// part needs (through the library on both sides, so that it classifies).
template <class Part> void part(Part baseline, Part library, Session& session, bench::Side side) {
    (side == bench::Side::library ? library : baseline)(session.device(side), session);
}

void frame(Session& session, bench::Side side) {
    IDirect3DDevice8* game = session.game();
    game->BeginScene();
    game->SetRenderState(D3DRS_ZENABLE, 1);
    game->SetRenderState(D3DRS_FOGENABLE, 1);
    game->SetStreamSource(0, &session.vertexBuffer, 24);
    game->SetIndices(&session.indexBuffer, 0);
    part(frame_forwarded_baseline, frame_forwarded_library, session, side);
    part(frame_transforms_baseline, frame_transforms_library, session, side);
    part(frame_bindings_baseline, frame_bindings_library, session, side);
    game->SetTransform(D3DTS_WORLD, &plainWorld);
    part(frame_plain_draws_baseline, frame_plain_draws_library, session, side);
    game->SetTransform(D3DTS_WORLD, &redirectWorld);
    part(frame_redirected_draws_baseline, frame_redirected_draws_library, session, side);
    game->SetTransform(D3DTS_WORLD, &waterWorld);
    // The baseline's draws go straight to the null device and queue nothing.
    part(frame_queued_draws_baseline, frame_queued_draws_library, session, side);
    game->SetTransform(D3DTS_WORLD, &plainWorld);
    part(frame_water_pass_baseline, frame_water_pass_library, session, side);
    game->EndScene();
}

}  // namespace

int main(int argc, char** argv) {
    const char* assets = argc > 1 ? argv[1] : D3D8WATER_BENCH_ASSETS;
    if (chdir(assets) != 0) {
        std::fprintf(stderr, "cannot enter the asset folder %s\n", assets);
        return 2;
    }
    Session session(nullptr);
    frame(session, bench::Side::baseline);
    frame(session, bench::Side::library);
    // part, calls in it, what one call is
    std::fprintf(stderr, "part forwarded %d forwarded call\n", forwardedRounds * 6);
    std::fprintf(stderr, "part transforms %d SetTransform(WORLD)\n", transformCount);
    std::fprintf(stderr, "part bindings %d SetTexture+SetStreamSource+SetIndices, each changed\n", bindingRounds);
    std::fprintf(stderr, "part plain_draws %d plain draw\n", plainDraws);
    std::fprintf(stderr, "part redirected_draws %d redirected draw\n", redirectedDraws);
    std::fprintf(stderr, "part queued_draws %d queued draw\n", queuedDraws);
    std::fprintf(stderr, "part water_pass %d water-pass entry\n", queuedDraws);
    return 0;
}
