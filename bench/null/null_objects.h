// One null class template per interface, made from the method tables the way
// the unit tests' recorders are: every method only returns (zero, null, or
// nothing), so a benchmark measures the library and not a runtime. A class
// derives from its template and gives a method behaviour by defining
// `impl_<Method>` with the same parameters.
#pragma once

#include "platform/d3d8_api.h"

#define NULL_RUNTIME_METHOD(result, name, ...)                                                 \
    result D3D8_CALL name(D3D8_PARAMS(__VA_ARGS__)) override {                                 \
        return static_cast<Derived*>(this)->impl_##name(D3D8_ARGS(__VA_ARGS__));               \
    }                                                                                          \
    result impl_##name(D3D8_TYPES(__VA_ARGS__)) { return result(); }

#define NULL_RUNTIME_DECLARE(interface, base, own, all)                                        \
    template <class Derived> class interface##Null : public d3d8::interface {                  \
    public:                                                                                    \
        all(NULL_RUNTIME_METHOD)                                                               \
    };

namespace null_runtime {
using namespace d3d8;
D3D8_INTERFACES(NULL_RUNTIME_DECLARE)
}  // namespace null_runtime

#undef NULL_RUNTIME_DECLARE
#undef NULL_RUNTIME_METHOD
