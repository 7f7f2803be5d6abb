#include "chaos_invariants.h"

#include <algorithm>

#include "water/effect_state.h"

namespace chaos {

using d3d8water::effectState;

namespace {

std::string named(const fake::FakeObject& object) { return object.name(); }

fake::FakeDevice* realDevice(const fake::Runtime& runtime) {
    return dynamic_cast<fake::FakeDevice*>(runtime.objectAt(effectState.realDevice));
}

bool isNormalMap(const fake::FakeObject& object) {
    const void* pointer = object.comPointer();
    return std::any_of(std::begin(effectState.normalMaps), std::end(effectState.normalMaps),
                       [&](const d3d8::IDirect3DTexture8* frame) { return frame == pointer; });
}

}  // namespace

long Invariants::runtimeHeld(const fake::FakeObject& object) const {
    if (auto* device = dynamic_cast<const fake::FakeDevice*>(&object)) return device->heldByResources();
    if (auto* child = dynamic_cast<const fake::DeviceChild*>(&object)) return child->device()->heldOn(object);
    if (dynamic_cast<const fake::FakeDirect3D*>(&object)) {
        long devices = 0;
        for (const fake::FakeObject* other : runtime_.objects()) {
            auto* device = dynamic_cast<const fake::FakeDevice*>(other);
            if (device && device->alive() && device->parent() == &object) ++devices;
        }
        return devices;
    }
    return 0;
}

long Invariants::libraryHeld(const fake::FakeObject& object) const {
    return static_cast<long>(object.references()) - ledger_.held(&object) - runtimeHeld(object);
}

void Invariants::checkViolations() {
    const auto& violations = runtime_.violations();
    if (violations.size() > violationsSeen_) throw Fault{"runtime misuse", violations[violationsSeen_]};
}

void Invariants::checkReferences() {
    std::vector<const fake::FakeObject*> all = runtime_.objects();
    for (; objectsSeen_ < all.size(); ++objectsSeen_)
        if (&all[objectsSeen_]->counted() == all[objectsSeen_]) watched_.push_back(all[objectsSeen_]);
    std::vector<const fake::FakeObject*> stillAlive;
    for (const fake::FakeObject* object : watched_) {
        if (!object->alive()) {
            if (ledger_.held(object) > 0)
                throw Fault{"given back twice", named(*object) + " was released while the game still held " +
                                                     std::to_string(ledger_.held(object)) + " reference(s)"};
            continue;
        }
        if (long library = libraryHeld(*object); library < 0)
            throw Fault{"given back twice", named(*object) + " has " + std::to_string(-library) +
                                                " reference(s) fewer than the game and the runtime hold"};
        stillAlive.push_back(object);
    }
    watched_ = std::move(stillAlive);
}

// Everything the library will use again must be alive.
void Invariants::checkEffectObjects() const {
    const d3d8water::EffectState& s = effectState;
    auto mustLive = [&](const void* pointer, const char* what) {
        if (!pointer) return;
        const fake::FakeObject* object = runtime_.objectAt(pointer);
        if (!object) throw Fault{"stale pointer", std::string(what) + " is not a runtime object"};
        if (!object->alive()) throw Fault{"stale pointer", std::string(what) + " holds released " + named(*object)};
    };
    if (s.effectResourcesHeld) {
        mustLive(s.backBufferSurface, "backBufferSurface");
        mustLive(s.backDepthSurface, "backDepthSurface");
        mustLive(s.reflectionTexture, "reflectionTexture");
        mustLive(s.reflectionSurface, "reflectionSurface");
        mustLive(s.reflectionDepthSurface, "reflectionDepthSurface");
        const fake::FakeDevice* device = realDevice(runtime_);
        for (d3d8::DWORD handle : {s.waterPixelShader, s.nightPixelShader, s.brightPixelShader, s.sunsetPixelShader,
                             s.waterVertexShader}) {
            auto shader = device->shaders().find(handle);
            if (handle != 0 && (shader == device->shaders().end() || shader->second.deleted))
                throw Fault{"stale pointer", "a shader field holds " + std::to_string(handle) +
                                                 ", not a live shader of " + named(*device)};
        }
    }
    for (const d3d8::IDirect3DTexture8* frame : s.normalMaps) mustLive(frame, "normalMaps");
    mustLive(s.lastBoundTexture, "lastBoundTexture");
    if (s.deferredDrawCount < 0 || s.deferredDrawCount > d3d8water::deferredDrawCapacity)
        throw Fault{"queue", "deferredDrawCount is " + std::to_string(s.deferredDrawCount)};
    for (int i = 0; i < s.deferredDrawCount; ++i) {
        mustLive(s.deferredDraws[i].vertexBuffer, "a queued vertex buffer");
        mustLive(s.deferredDraws[i].indexBuffer, "a queued index buffer");
    }
}

// While the effect's objects count as given back, none of its default-pool
// objects may be alive (the game's Reset would be refused) and no shader left.
void Invariants::checkGivenBack() const {
    const fake::FakeDevice* device = realDevice(runtime_);
    if (effectState.effectResourcesHeld || !device) return;
    if (device->liveShaders() != 0)
        throw Fault{"not given back", named(*device) + " still has " + std::to_string(device->liveShaders()) +
                                          " shader(s) of the effect"};
    for (const fake::FakeObject* object : watched_) {
        auto* child = dynamic_cast<const fake::DeviceChild*>(object);
        auto* surface = dynamic_cast<const fake::FakeSurface*>(object);
        if (!child || child->device() != device || child->pool() != d3d8::D3DPOOL_DEFAULT || !object->alive() ||
            ledger_.madeByGame(object) || (surface && surface->implicit))
            continue;
        throw Fault{"not given back", named(*object) + " of the effect is still alive (" +
                                          std::to_string(object->references()) +
                                          " reference(s)) while the effect's objects count as given back"};
    }
}

void Invariants::afterCall() {
    checkViolations();
    checkReferences();
    checkEffectObjects();
    checkGivenBack();
}

void Invariants::atEnd() {
    afterCall();
    for (const fake::FakeObject* object : watched_) {
        long expected = isNormalMap(*object) ? 1 : 0;
        if (long library = libraryHeld(*object); library != expected)
            throw Fault{"kept", named(*object) + ": the library still holds " + std::to_string(library) +
                                    " reference(s) after the last loss cycle (expected " +
                                    std::to_string(expected) + ")"};
        auto* device = dynamic_cast<const fake::FakeDevice*>(object);
        if (device && device->liveShaders() != 0)
            throw Fault{"kept", named(*device) + " still has " + std::to_string(device->liveShaders()) + " shader(s)"};
    }
}

}  // namespace chaos
