// The fixture every library test starts from: a fresh EffectState, the fake
// runtime standing in for the system one, and the diagnostic output captured.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <vector>
#include <string>

#include "diagnostics/diagnostic_log.h"
#include "fake/fake_runtime.h"
#include "interception/direct3d_create.h"
#include "platform/os_native.h"
#include "test_assets.h"
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

public:
    // Windowed, with an automatic depth buffer (the chaos game uses this too).
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

protected:
    // Log names for the effect's own fields, whose addresses the library passes.
    void nameEffectFields() {
        EffectState& s = effectState;
        runtime.name(&s.backDepthSurface, "&backDepthSurface");
        runtime.name(&s.backBufferSurface, "&backBufferSurface");
        runtime.name(&s.reflectionTexture, "&reflectionTexture");
        runtime.name(&s.reflectionSurface, "&reflectionSurface");
        runtime.name(&s.reflectionDepthSurface, "&reflectionDepthSurface");
        runtime.name(&s.waterPixelShader, "&waterPixelShader");
        runtime.name(&s.nightPixelShader, "&nightPixelShader");
        runtime.name(&s.brightPixelShader, "&brightPixelShader");
        runtime.name(&s.sunsetPixelShader, "&sunsetPixelShader");
        runtime.name(&s.waterVertexShader, "&waterVertexShader");
        runtime.name(&s.savedVertexShader, "&savedVertexShader");
        runtime.name(EffectState::waterVertexDeclaration, "waterVertexDeclaration");
        runtime.name(s.halfConstant, "halfConstant");
        runtime.name(s.tilingConstant, "tilingConstant");
        runtime.name(s.cameraPositionConstant, "cameraPositionConstant");
        runtime.name(s.fogColorConstant, "fogColorConstant");
        runtime.name(&s.waterColor, "waterColor");
        for (int i = 0; i < normalMapFrameCount; ++i)
            runtime.name(&s.normalMaps[i], "&normalMaps[" + std::to_string(i) + "]");
    }

    // The log with every pointer that has no name shown as "ptr".
    static std::vector<std::string> masked(std::vector<std::string> lines) {
        for (auto& line : lines) line = std::regex_replace(line, std::regex("0x[0-9a-f]{6,}"), "ptr");
        return lines;
    }

    // The library's address form of a pointer: upper-case hex, no prefix.
    static std::string address(const void* pointer) {
        std::ostringstream text;
        DiagnosticLog log;
        log.redirect(&text);
        log << pointer;
        return text.str();
    }

    std::string takeOutput() {
        std::string text = output.str();
        output.str({});
        return text;
    }

    CleanProcess clean;
    AssetDirectory assets;
    fake::Runtime runtime;
    std::ostringstream output;
};

}  // namespace d3d8water::testing
