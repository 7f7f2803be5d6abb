// The fixture every library test starts from: a fresh EffectState, the fake
// runtime standing in for the system one, and the diagnostic output captured.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "diagnostics/diagnostic_log.h"
#include "fake/fake_runtime.h"
#include "interception/direct3d_create.h"
#include "platform/os_native.h"
#include "water/effect_state.h"

namespace d3d8water::testing {

// Puts the process-wide state back before the runtime is made and after the test.
struct CleanProcess {
    CleanProcess() { reset(); }
    ~CleanProcess() { reset(); }
    static void reset() {
        effectState = EffectState{};
        os::native::reset();
        diagnosticLog.redirect(nullptr);
    }
};

class LibraryTest : public ::testing::Test {
protected:
    LibraryTest() { diagnosticLog.redirect(&output); }

    // Direct3DCreateF as the game calls it.
    IDirect3D8* createDirect3D() { return Direct3DCreateF(D3D_SDK_VERSION); }

    // A windowed device with an automatic depth buffer, created through the library.
    IDirect3DDevice8* createDevice(IDirect3D8* direct3D, UINT width = 640, UINT height = 480) {
        D3DPRESENT_PARAMETERS params = presentParameters(width, height);
        IDirect3DDevice8* device = nullptr;
        EXPECT_EQ(direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                         D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &device),
                  D3D_OK);
        return device;
    }

    static D3DPRESENT_PARAMETERS presentParameters(UINT width, UINT height) {
        D3DPRESENT_PARAMETERS params{};
        params.BackBufferWidth = width;
        params.BackBufferHeight = height;
        params.BackBufferFormat = D3DFMT_X8R8G8B8;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.Windowed = 1;
        params.EnableAutoDepthStencil = 1;
        params.AutoDepthStencilFormat = D3DFMT_D24S8;
        return params;
    }

    std::string takeOutput() {
        std::string text = output.str();
        output.str({});
        return text;
    }

    CleanProcess clean;
    fake::Runtime runtime;
    std::ostringstream output;
};

}  // namespace d3d8water::testing
