// AddRef, Release and QueryInterface as every fake object answers them: a real
// reference count, and QueryInterface giving the object itself.
#pragma once

#include "fake/recorders.h"

namespace fake {

template <template <class> class Recorder, class Derived>
class Counted : public Recorder<Derived> {
public:
    using Recorder<Derived>::Recorder;

    ULONG impl_AddRef() { return this->retain(); }
    ULONG impl_Release() { return this->releaseReference(); }
    HRESULT impl_QueryInterface(REFIID, void** object) {
        if (!object) return E_FAIL;
        this->retain();
        *object = const_cast<void*>(this->comPointer());
        return D3D_OK;
    }
};

}  // namespace fake
