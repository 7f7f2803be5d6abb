// Every forwarded method of both interceptors, over the method tables: the
// real object receives the same arguments the game passed, and the game gets
// the real result and out-parameters back unchanged.
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "interception/device_interceptor.h"
#include "library_fixture.h"

namespace d3d8water::testing {
namespace {

// Distinct argument values for each parameter position, and zeroed buffers for
// out-parameters so that what the real object writes can be compared.
class Arguments {
public:
    template <class T> T make(int position) {
        if constexpr (std::is_pointer_v<T>) {
            using Pointee = std::remove_pointer_t<T>;
            if constexpr (!std::is_const_v<Pointee> && fake::IsComplete<Pointee>::value) {
                if constexpr (std::is_trivially_copyable_v<Pointee>) {
                    buffers_.emplace_back(sizeof(Pointee), 0);
                    return reinterpret_cast<T>(buffers_.back().data());
                }
            }
            // An input pointer: a distinct address the runtime never reads.
            return reinterpret_cast<T>(static_cast<std::uintptr_t>(0x51000 + position * 0x100));
        } else if constexpr (std::is_reference_v<T>) {
            return guid_;
        } else if constexpr (std::is_floating_point_v<T>) {
            return static_cast<T>(1.5 + position);
        } else {
            return static_cast<T>(1000 + position * 7);
        }
    }
    template <class... T> std::tuple<T...> make() {
        int position = 0;
        return std::tuple<T...>{make<T>(position++)...};
    }
    void clearOutputs() {
        for (auto& buffer : buffers_) std::fill(buffer.begin(), buffer.end(), 0);
    }
    std::vector<std::vector<unsigned char>> outputs() const { return buffers_; }

private:
    std::vector<std::vector<unsigned char>> buffers_;
    GUID guid_{0x12345678, 1, 2, {1, 2, 3, 4, 5, 6, 7, 8}};
};

// What one call produced: the real object's log line, result and out-parameters.
struct Outcome {
    std::string line;
    std::int64_t result = 0;
    std::vector<std::vector<unsigned char>> outputs;
};

template <class Interface>
using Call = std::function<Outcome(Interface* target, Arguments& arguments, fake::Runtime& runtime)>;

template <class Result, class Target, class Tuple, class Method>
Outcome invoke(Target* target, Tuple& args, Arguments& arguments, fake::Runtime& runtime, Method method) {
    runtime.log.clear();
    arguments.clearOutputs();
    Outcome outcome;
    if constexpr (std::is_void_v<Result>) {
        std::apply([&](auto&... a) { (target->*method)(a...); }, args);
    } else if constexpr (std::is_pointer_v<Result>) {
        outcome.result = reinterpret_cast<std::intptr_t>(std::apply([&](auto&... a) { return (target->*method)(a...); }, args));
    } else {
        outcome.result = static_cast<std::int64_t>(std::apply([&](auto&... a) { return (target->*method)(a...); }, args));
    }
    outcome.line = runtime.log.lines().empty() ? "(no call)" : runtime.log.lines().back();
    outcome.outputs = arguments.outputs();
    return outcome;
}

template <class Interface> struct Method {
    std::string name;
    int slot;
    // Calls the method on `target` with the same arguments every time.
    std::function<Outcome(Interface*, fake::Runtime&)> call;
};

// A method's arguments, made once so that every call passes the same values.
template <class... T> struct Bound {
    Arguments arguments;
    std::tuple<T...> args;
    Bound() : args(arguments.template make<T...>()) {}
};

#define METHOD_ENTRY(Interface, result, name, ...)                                                    \
    methods.push_back({#name, slot++,                                                                 \
                       [bound = std::make_shared<Bound<D3D8_TYPES(__VA_ARGS__)>>()](                  \
                           Interface* target, fake::Runtime& runtime) {                               \
                           return invoke<result>(target, bound->args, bound->arguments, runtime,      \
                                                 &Interface::name);                                   \
                       }});
#define DEVICE_METHOD(result, name, ...) METHOD_ENTRY(IDirect3DDevice8, result, name, __VA_ARGS__)
#define DIRECT3D_METHOD(result, name, ...) METHOD_ENTRY(IDirect3D8, result, name, __VA_ARGS__)

std::vector<Method<IDirect3DDevice8>> deviceMethods() {
    std::vector<Method<IDirect3DDevice8>> methods;
    int slot = 0;
    D3D8_DEVICE_ALL_METHODS(DEVICE_METHOD)
    return methods;
}

std::vector<Method<IDirect3D8>> direct3DMethods() {
    std::vector<Method<IDirect3D8>> methods;
    int slot = 0;
    D3D8_DIRECT3D_ALL_METHODS(DIRECT3D_METHOD)
    return methods;
}

bool replacedOnDevice(const std::string& name) {
    static const std::vector<std::string> replaced = {INTERCEPTION_REPLACED_DEVICE_METHODS};
    return std::find(replaced.begin(), replaced.end(), name) != replaced.end();
}

// A result the real object gives for this slot and no other: a failure code
// for HRESULT methods, a distinct number for the others.
std::int64_t distinctResult(int slot) { return static_cast<std::int64_t>(0x88760000u + 0x40u + slot); }

template <class Interface>
void expectForwarded(const Method<Interface>& method, Interface* real, Interface* interceptor,
                     fake::Runtime& runtime, const std::string& realName) {
    SCOPED_TRACE(method.name);
    runtime.scripts.always(method.name, distinctResult(method.slot));
    Outcome direct = method.call(real, runtime);
    Outcome forwarded = method.call(interceptor, runtime);
    runtime.scripts.clear();

    ASSERT_EQ(forwarded.line.rfind(realName + "." + method.name + "(", 0), 0u) << forwarded.line;
    EXPECT_EQ(forwarded.line, direct.line);
    EXPECT_EQ(forwarded.result, direct.result);
    EXPECT_EQ(forwarded.outputs, direct.outputs);
    for (const auto& output : forwarded.outputs)
        EXPECT_TRUE(std::all_of(output.begin(), output.end(), [](unsigned char b) { return b == 0xA5; }))
            << "an out-parameter was not passed to the real object";
}

class ForwardingTest : public LibraryTest {};

TEST_F(ForwardingTest, EveryForwardedDeviceMethodReachesTheRealDeviceUnchanged) {
    IDirect3DDevice8* interceptor = createDevice(createDirect3D());
    ASSERT_NE(interceptor, nullptr);
    int forwarded = 0;
    for (const auto& method : deviceMethods()) {
        if (replacedOnDevice(method.name)) continue;
        ++forwarded;
        expectForwarded<IDirect3DDevice8>(method, runtime.device(), interceptor, runtime, "device1");
    }
    EXPECT_EQ(forwarded, 88);
}

TEST_F(ForwardingTest, EveryForwardedDirect3DMethodReachesTheRealObjectUnchanged) {
    IDirect3D8* interceptor = createDirect3D();
    ASSERT_NE(interceptor, nullptr);
    int forwarded = 0;
    for (const auto& method : direct3DMethods()) {
        if (method.name == "CreateDevice") continue;
        ++forwarded;
        expectForwarded<IDirect3D8>(method, runtime.direct3D(), interceptor, runtime, "d3d1");
    }
    EXPECT_EQ(forwarded, 15);
}

TEST_F(ForwardingTest, TheInterfacesHaveTheirFullMethodCounts) {
    EXPECT_EQ(deviceMethods().size(), 97u);
    EXPECT_EQ(direct3DMethods().size(), 16u);
}

}  // namespace
}  // namespace d3d8water::testing
