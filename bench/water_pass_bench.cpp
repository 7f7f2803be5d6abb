// The water pass, run by the game's SetRenderState(D3DRS_ALPHABLENDENABLE,
// TRUE): a full queue of 50 and a single entry, with the library's lines on
// standard output sent to /dev/null, and with them thrown away unwritten; and
// the per-entry line with its flush alone. Only the pass is timed; the draws
// that queue its entries are made between the timings.
#include <chrono>
#include <optional>

#include "diagnostics/diagnostic_log.h"
#include "pairs.h"
#include "session.h"

namespace bench {
namespace {

enum class Output { devNull, discarded };

PairBody waterPass(int entries, Output output) {
    return [=](benchmark::State& state, Side side) {
        std::optional<StandardOutputToNull> quiet;
        if (output == Output::devNull) quiet.emplace();
        Session session(output == Output::devNull ? nullptr : &discardingStream());
        IDirect3DDevice8* game = session.game();
        const D3DMATRIX water = worldMatrix(waterMarker);
        const D3DMATRIX plain = worldMatrix(noMarker);
        game->SetStreamSource(0, &session.vertexBuffer, 24);
        game->SetIndices(&session.indexBuffer, 0);
        game->SetRenderState(D3DRS_ZENABLE, 1);
        IDirect3DDevice8* device = session.device(side);
        for (auto _ : state) {
            // The baseline's call never reaches the library: it queues nothing.
            if (side == Side::library) {
                game->SetTransform(D3DTS_WORLD, &water);
                for (int i = 0; i < entries; ++i) game->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 24, 0, 8);
                game->SetTransform(D3DTS_WORLD, &plain);
            }
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1));
            const auto end = std::chrono::steady_clock::now();
            state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        }
        setCallsPerIteration(state, entries);
    };
}

// The line each entry writes, and its flush.
void entryLine(benchmark::State& state, Side side) {
    StandardOutputToNull quiet;
    d3d8water::diagnosticLog.redirect(nullptr);
    const float red = 0.125f, green = 0.118f, blue = 0.098f;
    for (auto _ : state) {
        if (side == Side::library)
            d3d8water::diagnosticLog << "waterColor: " << red << ", " << green << ", " << blue << d3d8water::endLine;
    }
}

const bool registered = [] {
    for (int entries : {50, 1}) {
        const std::string count = std::to_string(entries);
        for (auto output : {Output::devNull, Output::discarded}) {
            const std::string name = "WaterPass/entries:" + count +
                                     (output == Output::devNull ? "/stdout_to_dev_null" : "/lines_discarded");
            for (auto* b : registerPair(name, waterPass(entries, output)))
                b->UseManualTime()->Unit(benchmark::kMicrosecond);
        }
    }
    for (auto* b : registerPair("WaterPass/entry_line_and_flush", entryLine)) b->Unit(benchmark::kNanosecond);
    return true;
}();

}  // namespace
}  // namespace bench
