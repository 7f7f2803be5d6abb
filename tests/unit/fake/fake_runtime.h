// The recording fake Direct3D 8 runtime that stands in for the system one in
// unit tests. It owns every fake object it makes (until it goes itself), logs
// every call made on them in a readable form, answers with scripted results
// where a test asks for them, counts references for real and fails the test on
// any use of a released object.
//
//   fake::Runtime runtime;               // Direct3DCreate8 now gives fake objects
//   runtime.scripts.once("Present", D3DERR_DEVICELOST);
//   ... drive the library ...
//   EXPECT_EQ(runtime.log.lines(), expected);
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fake/call_log.h"
#include "fake/fake_device.h"
#include "fake/fake_direct3d.h"
#include "fake/fake_resources.h"

namespace fake {

class Runtime {
public:
    Runtime();
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    CallLog log;
    Scripts scripts;
    // Direct3DCreate8 answers null (a refused SDK version) while this is set.
    bool refuseDirect3D = false;

    // The newest system objects made; null before the first.
    FakeDirect3D* direct3D() const { return newestDirect3D_; }
    FakeDevice* device() const { return newestDevice_; }

    // Makes and owns a fake object (the fakes use this; tests may too).
    template <class T, class... Args> T* make(std::string name, Args&&... args) {
        auto object = std::make_unique<T>(*this, std::move(name), std::forward<Args>(args)...);
        T* raw = object.get();
        adopt(std::move(object));
        return raw;
    }
    // "texture" -> "texture1", "texture2", ...
    std::string nextName(const std::string& kind);

    // Names for addresses that are not fake objects (a test's matrices, for
    // example), so that log lines read the same on every run.
    void name(const void* address, std::string name) { names_[address] = std::move(name); }
    // The log form of a pointer: an object's or given name, "null", or hex.
    std::string nameOf(const void* address) const;
    // The fake object behind a COM pointer, or null.
    FakeObject* objectAt(const void* address) const;
    std::vector<const FakeObject*> objects() const;

    // A misuse of the runtime: fails the running test and is counted.
    void violation(const std::string& message);
    const std::vector<std::string>& violations() const { return violations_; }

private:
    void adopt(std::unique_ptr<FakeObject> object);

    std::vector<std::unique_ptr<FakeObject>> objects_;
    std::map<const void*, FakeObject*> byAddress_;
    std::map<const void*, std::string> names_;
    std::map<std::string, int> counters_;
    std::vector<std::string> violations_;
    FakeDirect3D* newestDirect3D_ = nullptr;
    FakeDevice* newestDevice_ = nullptr;
};

}  // namespace fake
