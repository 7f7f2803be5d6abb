#include "fake/fake_runtime.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/os_native.h"

namespace fake {

Runtime::Runtime() {
    os::native::doubles().createDirect3D = [this](UINT sdkVersion) -> IDirect3D8* {
        if (refuseDirect3D) return nullptr;
        return make<FakeDirect3D>(nextName("d3d"), sdkVersion);
    };
}

Runtime::~Runtime() { os::native::doubles().createDirect3D = nullptr; }

void Runtime::adopt(std::unique_ptr<FakeObject> object) {
    FakeObject* raw = object.get();
    byAddress_[raw->comPointer()] = raw;
    if (auto* d3d = dynamic_cast<FakeDirect3D*>(raw)) newestDirect3D_ = d3d;
    if (auto* device = dynamic_cast<FakeDevice*>(raw)) newestDevice_ = device;
    objects_.push_back(std::move(object));
}

std::string Runtime::nextName(const std::string& kind) { return kind + std::to_string(++counters_[kind]); }

std::string Runtime::nameOf(const void* address) const {
    if (!address) return "null";
    if (auto object = byAddress_.find(address); object != byAddress_.end()) return object->second->name();
    if (auto named = names_.find(address); named != names_.end()) return named->second;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%p", address);
    return buffer;
}

FakeObject* Runtime::objectAt(const void* address) const {
    auto found = byAddress_.find(address);
    return found == byAddress_.end() ? nullptr : found->second;
}

std::vector<const FakeObject*> Runtime::objects() const {
    std::vector<const FakeObject*> all;
    for (const auto& object : objects_) all.push_back(object.get());
    return all;
}

void Runtime::violation(const std::string& message) {
    violations_.push_back(message);
    ADD_FAILURE() << "fake runtime: " << message;
}

}  // namespace fake
