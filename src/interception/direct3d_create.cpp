// The library's one export, called by the game instead of Direct3DCreate8.
#include "interception/direct3d_create.h"

#include "interception/direct3d_interceptor.h"
#include "interception/handed_out.h"
#include "platform/os.h"

namespace d3d8water {

IDirect3D8* createDirect3D(UINT sdkVersion) {
    IDirect3D8* real = os::createSystemDirect3D(sdkVersion);
    // A refused SDK version gives the game what the system gives it: null.
    // Interceptors handed out earlier keep acting on the object they had.
    if (!real) return nullptr;
    effectState.realDirect3D = real;
    return handOut<Direct3DInterceptor>();
}

}  // namespace d3d8water

extern "C" d3d8::IDirect3D8* D3D8_CALL Direct3DCreateF(d3d8::UINT SDKVersion) {
    return d3d8water::createDirect3D(SDKVersion);
}
