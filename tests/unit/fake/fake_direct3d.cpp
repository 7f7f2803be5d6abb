#include "fake/fake_direct3d.h"

#include "fake/fake_device.h"
#include "fake/fake_runtime.h"

namespace fake {

HRESULT FakeDirect3D::impl_CreateDevice(UINT, D3DDEVTYPE, HWND, DWORD flags, D3DPRESENT_PARAMETERS* params,
                                        IDirect3DDevice8** device) {
    lastBehaviorFlags = flags;
    if (!params || !device) return D3DERR_INVALIDCALL;
    *device = runtime().make<FakeDevice>(runtime().nextName("device"), this, *params);
    return D3D_OK;
}

}  // namespace fake
