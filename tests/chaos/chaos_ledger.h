// The references the game holds, object by object, and which objects it made
// itself: what the invariants compare the runtime's counts with.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "fake/fake_runtime.h"

namespace chaos {

class Ledger {
public:
    explicit Ledger(const fake::Runtime& runtime) : runtime_(runtime) {}

    // The game was handed a reference (a new object, AddRef, a getter's result).
    void took(const void* pointer, bool madeByGame = false);
    // The game gave one back.
    void gave(const void* pointer);
    int held(const fake::FakeObject* object) const;
    bool madeByGame(const fake::FakeObject* object) const { return made_.count(object) > 0; }

private:
    const fake::FakeObject* objectOf(const void* pointer) const;

    const fake::Runtime& runtime_;
    std::unordered_map<const fake::FakeObject*, int> held_;
    std::unordered_set<const fake::FakeObject*> made_;
};

// What an invariant found: its kind (for keeping a failure the same while a run
// is cut down) and the text.
struct Fault {
    std::string kind;
    std::string message;
};

}  // namespace chaos
