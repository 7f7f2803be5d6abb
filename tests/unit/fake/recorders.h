// One recorder class template per interface, made from the method tables:
// every method records its call and answers through `dispatch`. A fake class
// derives from its recorder and gives behaviour to a method by defining
// `impl_<Method>` with the same parameters; the others keep the default
// (fill the out-parameters, succeed).
#pragma once

#include "fake/fake_object.h"

#define FAKE_RECORD_METHOD(result, name, ...)                                                  \
    result D3D8_CALL name(D3D8_PARAMS(__VA_ARGS__)) override {                                 \
        return this->template dispatch<result>(                                                \
            #name, [&]() -> result { return static_cast<Derived*>(this)->impl_##name(D3D8_ARGS(__VA_ARGS__)); } \
            D3D8_COMMA_ARGS(__VA_ARGS__));                                                     \
    }                                                                                          \
    result impl_##name(D3D8_PARAMS(__VA_ARGS__)) {                                             \
        return this->template defaultResult<result>(D3D8_ARGS(__VA_ARGS__));                   \
    }

#define FAKE_DECLARE_RECORDER(interface, base, own, all)                                       \
    template <class Derived>                                                                   \
    class interface##Recorder : public d3d8::interface, public FakeObject {                     \
    public:                                                                                    \
        using FakeObject::FakeObject;                                                          \
        const void* comPointer() const override { return static_cast<const d3d8::interface*>(this); } \
        all(FAKE_RECORD_METHOD)                                                                \
    };

namespace fake {
using namespace d3d8;
D3D8_INTERFACES(FAKE_DECLARE_RECORDER)
}  // namespace fake
