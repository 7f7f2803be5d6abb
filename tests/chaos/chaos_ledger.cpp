#include "chaos_ledger.h"

namespace chaos {

const fake::FakeObject* Ledger::objectOf(const void* pointer) const {
    const fake::FakeObject* object = runtime_.objectAt(pointer);
    if (!object) throw Fault{"game", "the game was handed " + runtime_.nameOf(pointer) + ", not a runtime object"};
    return &object->counted();
}

void Ledger::took(const void* pointer, bool madeByGame) {
    const fake::FakeObject* object = objectOf(pointer);
    ++held_[object];
    if (madeByGame) made_.insert(object);
}

void Ledger::gave(const void* pointer) { --held_[objectOf(pointer)]; }

int Ledger::held(const fake::FakeObject* object) const {
    auto found = held_.find(object);
    return found == held_.end() ? 0 : found->second;
}

}  // namespace chaos
