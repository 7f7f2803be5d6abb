// Random runs shaped like a game: frames with fog-off phases, marked draws and
// the alpha-blend trigger, bursts of water larger than the queue, loss cycles
// in the expected order and out of it, new devices and Direct3D objects, and
// resources made, bound and released at any moment.
#include <random>

#include "chaos_action.h"
#include "chaos_choices.h"

namespace chaos {

namespace {

class Generator {
public:
    Generator(std::uint64_t seed, std::size_t count) : random_(seed), count_(count) {}

    std::vector<Action> run() {
        add({Call::CreateDirect3D});
        add({Call::CreateDevice, 64, 48, 1});
        while (actions_.size() < count_) episode();
        actions_.resize(count_);
        return std::move(actions_);
    }

private:
    std::uint32_t below(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    static Action answered(Action action, std::uint32_t scripted) {
        action.scripted = scripted;
        return action;
    }

    void add(Action action) {
        // Now and then the game's own call gets a failure from the runtime.
        if (action.scripted == 0 && chance(0.03)) action.scripted = 2 + below(scriptedResultCount - 2);
        if (chance(0.03)) action.fault = 1 + below(runtimeFaultCount - 1);
        actions_.push_back(action);
    }
    void renderState(std::uint32_t state, std::uint32_t value) { add({Call::SetRenderState, state, value}); }
    void world(std::uint32_t marker) { add({Call::SetTransform, worldTransform, marker, below(scaleChoiceCount)}); }
    void draw(std::uint32_t primitives) { add({Call::DrawIndexedPrimitive, primitives, below(4), below(3)}); }
    void bindSomething() {
        switch (below(3)) {
        case 0: add({Call::SetStreamSource, below(2), below(slotCount + 1), below(3)}); break;
        case 1: add({Call::SetIndices, below(slotCount + 1), below(3)}); break;
        default: add({Call::SetTexture, below(3), below(slotCount + 1)}); break;
        }
    }

    // Any one call, with random arguments: the noise between the frames' calls.
    void anyCall() {
        switch (below(12)) {
        case 0: create(); break;
        case 1: add({Call::ReleaseResource, below(kindCount), below(slotCount)}); break;
        case 2: case 3: bindSomething(); break;
        case 4: add({Call::SetTransform, below(transformChoiceCount), below(markerChoiceCount), below(scaleChoiceCount)}); break;
        case 5: renderState(below(renderStateChoiceCount), below(valueChoiceCount)); break;
        case 6: draw(below(primitiveChoiceCount)); break;
        case 7: add({Call::Forwarded, below(forwardedChoiceCount)}); break;
        case 8: add({Call::BeginScene, below(0xFFFFFFFFu)}); break;
        case 9: if (chance(0.3)) lossCall(); break;
        case 10: add({Call::AddRefDevice}); break;
        default: add({Call::ReleaseDevice}); break;
        }
    }

    void lossCall() {
        add(answered({chance(0.5) ? Call::TestCooperativeLevel : Call::Reset, 32 + 16 * below(6), 32 + 16 * below(6),
                      below(3)},
                     below(scriptedResultCount)));
    }

    // A frame: the scene starts, the game binds and draws, maybe switches fog
    // off with a probe texture bound, marks water, mirrors and reflections,
    // and turns alpha blending on.
    void frame() {
        // A game that lost its device or Direct3D object makes new ones.
        add({Call::CreateDirect3D, 0, 0, 0, 1});
        add({Call::CreateDevice, 64, 48, 1, 1});
        if (chance(0.5)) create();
        add({Call::BeginScene, below(0xFFFFFFFFu)});
        renderState(zEnableState, below(3));
        for (std::uint32_t n = below(4); n > 0; --n) bindSomething();
        if (chance(0.4)) {
            renderState(fogEnableState, 0);
            for (std::uint32_t n = 1 + below(4); n > 0; --n) {
                world(below(markerChoiceCount));
                if (chance(0.3)) add({Call::SetTexture, 0, below(slotCount + 1)});
                draw(below(primitiveChoiceCount));
            }
            if (chance(0.5)) renderState(fogEnableState, 1 + below(2));
        }
        for (std::uint32_t n = below(8); n > 0; --n) {
            if (chance(0.4)) world(below(markerChoiceCount));
            if (chance(0.2)) anyCall();
            draw(below(primitiveChoiceCount));
        }
        // The game lets go of something it may have bound, recorded or queued.
        if (chance(0.3)) add({Call::ReleaseResource, below(kindCount), below(slotCount)});
        if (chance(0.7)) renderState(alphaBlendState, chance(0.6) ? 1 : below(valueChoiceCount));
        for (std::uint32_t n = below(3); n > 0; --n) draw(below(primitiveChoiceCount));
        add({Call::Forwarded, endScenePresentChoice});
    }

    // More water than the queue holds before the pass.
    void waterBurst() {
        renderState(zEnableState, 1);
        add({Call::SetTransform, worldTransform, waterMarkerChoice, 0});
        for (std::uint32_t n = 45 + below(20); n > 0; --n) {
            if (chance(0.05)) anyCall();
            draw(below(primitiveChoiceCount));
        }
        renderState(alphaBlendState, 1);
    }

    // Default pool now and then (it makes the game's own Reset fail until released).
    void create() {
        add({Call::CreateResource, below(kindCount), below(slotCount), chance(0.2) ? 0u : 1 + below(2),
             below(textureWidthCount)});
    }

    // Water queued with the game's buffers, which the game then lets go of
    // (and maybe binds others) before the pass draws it.
    void releaseWhileQueued() {
        const std::uint32_t slot = below(slotCount);
        add({Call::CreateResource, vertexBufferKind, slot, 1});
        add({Call::CreateResource, indexBufferKind, slot, 1});
        add({Call::SetStreamSource, 0, slot, 1});
        add({Call::SetIndices, slot, 0});
        renderState(zEnableState, 1);
        add({Call::SetTransform, worldTransform, waterMarkerChoice, 0});
        for (std::uint32_t n = 1 + below(3); n > 0; --n) draw(below(primitiveChoiceCount));
        if (chance(0.8)) add({Call::ReleaseResource, vertexBufferKind, slot});
        if (chance(0.8)) add({Call::ReleaseResource, indexBufferKind, slot});
        if (chance(0.5)) bindSomething();
        renderState(alphaBlendState, 1);
    }

    void resourceChurn() {
        for (std::uint32_t n = 1 + below(8); n > 0; --n) {
            if (chance(0.4)) create();
            else if (chance(0.5)) add({Call::ReleaseResource, below(kindCount), below(slotCount)});
            else bindSomething();
        }
    }

    // The cycle a well-behaved game runs on Alt-Tab.
    void orderlyLoss() {
        add(answered({Call::TestCooperativeLevel}, 2));  // lost
        add(answered({Call::TestCooperativeLevel}, 3));  // not reset
        for (std::uint32_t kind = 0; kind < kindCount; ++kind)
            for (std::uint32_t slot = 0; slot < slotCount; ++slot)
                if (chance(0.7)) add({Call::ReleaseResource, kind, slot});
        add({Call::Reset, 32 + 16 * below(6), 32 + 16 * below(6), 1});
        add({Call::TestCooperativeLevel});
    }

    void deviceChurn() {
        switch (below(5)) {
        case 0: add({Call::CreateDevice, 32 + 16 * below(4), 32 + 16 * below(4), below(2)}); break;
        case 1:
            add({Call::ReleaseDeviceCompletely});
            if (chance(0.8)) add({Call::CreateDevice, 64, 48, 1});
            break;
        case 2: add({Call::CreateDirect3D, chance(0.2) ? 1u : 0u}); break;
        case 3: add({Call::ReleaseDirect3D}); break;
        default: add(answered({Call::CreateDevice, 64, 48, 1}, 2 + below(scriptedResultCount - 2))); break;
        }
    }

    void episode() {
        std::uint32_t roll = below(100);
        if (roll < 60) frame();
        else if (roll < 66) waterBurst();
        else if (roll < 70) releaseWhileQueued();
        else if (roll < 78) resourceChurn();
        else if (roll < 82) orderlyLoss();
        else if (roll < 85) lossCall();
        else if (roll < 89) deviceChurn();
        else for (std::uint32_t n = 1 + below(5); n > 0; --n) anyCall();
    }

    std::mt19937_64 random_;
    std::size_t count_;
    std::vector<Action> actions_;
};

}  // namespace

std::vector<Action> generate(std::uint64_t seed, std::size_t count) { return Generator(seed, count).run(); }

}  // namespace chaos
