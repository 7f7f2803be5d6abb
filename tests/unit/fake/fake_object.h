// The common part of every fake Direct3D object: its name in the call log, a
// real reference count, and the call recording that the generated methods use.
//
// An object whose count reached zero is dead ("poisoned"): its memory is kept
// until the runtime goes, and any later call on it, or any call that passes it
// as an argument, fails the running test.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <type_traits>

#include "platform/d3d8_api.h"

namespace fake {

class Runtime;

template <class T, class = void> struct IsComplete : std::false_type {};
template <class T> struct IsComplete<T, std::void_t<decltype(sizeof(T))>> : std::true_type {};

class FakeObject {
public:
    FakeObject(Runtime& runtime, std::string name);
    virtual ~FakeObject() = default;
    FakeObject(const FakeObject&) = delete;
    FakeObject& operator=(const FakeObject&) = delete;

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }

    // The reference count as the platform reports it. A surface that is a level
    // of a texture shares its texture's count, as on the real runtime.
    d3d8::ULONG references() const { return owner().refs_; }
    bool alive() const { return owner().refs_ > 0; }

    // Reference changes made by the runtime itself (a device holding its bound
    // texture, for example): not calls, so not logged.
    d3d8::ULONG retain();
    d3d8::ULONG releaseReference();

    // The object whose count this one shares (its texture, for a level), or itself.
    const FakeObject& counted() const { return owner(); }

    // The COM pointer under which the library sees this object.
    virtual const void* comPointer() const = 0;

protected:
    // Called once when the count drops to zero: give back what the object holds.
    virtual void onDeath() {}
    // Called after every change of the count (on the object that owns the count).
    virtual void onCountChanged() {}
    void setContainer(FakeObject* container) { container_ = container; }

    // Records one call and answers it: the scripted result if there is one,
    // otherwise whatever `impl` returns.
    template <class Result, class Impl, class... Args>
    Result dispatch(const char* method, Impl&& impl, const Args&... args);

    // What a method without behaviour of its own does: fills its out-parameters
    // with 0xA5 and succeeds.
    template <class Result, class... Args>
    Result defaultResult(const Args&... args) {
        (fillOut(args), ...);
        if constexpr (!std::is_void_v<Result>) return Result{};
    }

private:
    const FakeObject& owner() const { return container_ ? *container_ : *this; }
    FakeObject& owner() { return container_ ? *container_ : *this; }

    template <class T> static void fillOut(const T& value) {
        if constexpr (std::is_pointer_v<T>) {
            using Pointee = std::remove_pointer_t<T>;
            if constexpr (!std::is_const_v<Pointee> && IsComplete<Pointee>::value) {
                if constexpr (std::is_trivially_copyable_v<Pointee>) {
                    if (value) std::memset(static_cast<void*>(value), 0xA5, sizeof(Pointee));
                }
            }
        }
    }

    bool beginCall(const char* method, const std::string& arguments);
    std::size_t logSize() const;
    bool scripted(const char* method, std::int64_t& result);
    template <class T> std::string formatArgument(const T& value) const;
    std::string formatPointer(const void* pointer) const;
    void noteResult(std::size_t entry, std::int64_t result) const;
    bool checkArgument(const void* pointer, const char* method) const;

    Runtime& runtime_;
    std::string name_;
    d3d8::ULONG refs_ = 1;
    FakeObject* container_ = nullptr;
};

template <class T> std::string FakeObject::formatArgument(const T& value) const {
    if constexpr (std::is_pointer_v<T>) {
        checkArgument(static_cast<const void*>(value), "argument");
        return formatPointer(static_cast<const void*>(value));
    } else if constexpr (std::is_floating_point_v<T>) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
        return buffer;
    } else if constexpr (std::is_class_v<T>) {
        return "&" + formatPointer(&value);  // a reference parameter (REFIID, REFGUID)
    } else {
        auto number = static_cast<std::uint64_t>(static_cast<std::uint32_t>(value));
        char buffer[24];
        if (number < 0x10000)
            std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(number));
        else
            std::snprintf(buffer, sizeof buffer, "0x%llX", static_cast<unsigned long long>(number));
        return buffer;
    }
}

template <class Result, class Impl, class... Args>
Result FakeObject::dispatch(const char* method, Impl&& impl, const Args&... args) {
    std::string arguments;
    ((arguments += (arguments.empty() ? "" : ", ") + formatArgument(args)), ...);
    const bool alive = beginCall(method, arguments);
    const std::size_t entry = logSize() - 1;
    if (!alive) {
        if constexpr (std::is_void_v<Result>) return;
        else if constexpr (std::is_pointer_v<Result>) return nullptr;
        else {
            noteResult(entry, 0x80004005u);
            return static_cast<Result>(0x80004005u);  // E_FAIL
        }
    }
    std::int64_t result = 0;
    if (scripted(method, result)) {
        (fillOut(args), ...);
        noteResult(entry, result);
        if constexpr (std::is_void_v<Result>) return;
        else if constexpr (std::is_pointer_v<Result>) return reinterpret_cast<Result>(static_cast<std::intptr_t>(result));
        else return static_cast<Result>(result);
    }
    if constexpr (std::is_void_v<Result>) {
        impl();
    } else {
        Result answer = impl();
        if constexpr (!std::is_pointer_v<Result>) noteResult(entry, static_cast<std::int64_t>(answer));
        return answer;
    }
}

}  // namespace fake
