// What must hold after every game call of a chaos run, and at its end. Each
// check throws a Fault naming what broke.
#pragma once

#include <cstddef>
#include <vector>

#include "chaos_ledger.h"

namespace chaos {

class Invariants {
public:
    Invariants(const fake::Runtime& runtime, const Ledger& ledger) : runtime_(runtime), ledger_(ledger) {}

    // No call on a released object (nor any other misuse the runtime saw), the
    // queue within bounds, no reference given back twice, nothing the library
    // will use again released, and nothing of the effect's left alive while it
    // counts as given back.
    void afterCall();

    // After a final loss cycle: every reference the library took given back
    // but the normal maps of the newest device (kept by design), no shader
    // left, no device kept alive by the library alone.
    void atEnd();

private:
    // References on `object` that neither the game nor the runtime itself holds.
    long libraryHeld(const fake::FakeObject& object) const;
    long runtimeHeld(const fake::FakeObject& object) const;
    void checkViolations();
    void checkReferences();
    void checkEffectObjects() const;
    void checkGivenBack() const;

    const fake::Runtime& runtime_;
    const Ledger& ledger_;
    std::size_t violationsSeen_ = 0;
    std::size_t objectsSeen_ = 0;
    // Objects still alive at the last check (a dead object stays dead).
    std::vector<const fake::FakeObject*> watched_;
};

}  // namespace chaos
