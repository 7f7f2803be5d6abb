#include "fake/fake_object.h"

#include "fake/fake_runtime.h"

namespace fake {

FakeObject::FakeObject(Runtime& runtime, std::string name) : runtime_(runtime), name_(std::move(name)) {}

d3d8::ULONG FakeObject::retain() {
    if (!alive()) runtime_.violation(name_ + ": reference taken on a released object");
    FakeObject& counted = owner();
    ++counted.refs_;
    counted.onCountChanged();
    return counted.refs_;
}

d3d8::ULONG FakeObject::releaseReference() {
    FakeObject& counted = owner();
    if (counted.refs_ == 0) {
        runtime_.violation(name_ + ": released more often than referenced");
        return 0;
    }
    if (--counted.refs_ == 0) counted.onDeath();
    counted.onCountChanged();
    return counted.refs_;
}

bool FakeObject::beginCall(const char* method, const std::string& arguments) {
    std::string line = name_ + "." + method + "(" + arguments + ")";
    runtime_.log.add(line);
    if (!alive()) {
        runtime_.violation("call on a released object: " + line);
        return false;
    }
    return true;
}

std::size_t FakeObject::logSize() const { return runtime_.log.size(); }

void FakeObject::noteResult(std::size_t entry, std::int64_t result) const { runtime_.log.noteResult(entry, result); }

bool FakeObject::scripted(const char* method, std::int64_t& result) {
    return runtime_.scripts.take(name_, method, result);
}

std::string FakeObject::formatPointer(const void* pointer) const { return runtime_.nameOf(pointer); }

bool FakeObject::checkArgument(const void* pointer, const char* what) const {
    const FakeObject* object = runtime_.objectAt(pointer);
    if (object && !object->alive()) {
        runtime_.violation(std::string("released object passed as ") + what + ": " + object->name());
        return false;
    }
    return true;
}

}  // namespace fake
