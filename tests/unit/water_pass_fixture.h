// The deferred water pass's tests: a game's water draw made from its parts,
// the calls the pass is expected to make for it, and readers of the constant
// registers it leaves on the device.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <string>
#include <vector>

#include "effect_fixture.h"
#include "water/water_pass.h"

namespace d3d8water::testing {

// A stand-in for the device interceptor that only records: the pass's calls
// that belong on the interceptor show up as "interceptor.Method(...)".
class RecordingInterceptor : public fake::Counted<fake::IDirect3DDevice8Recorder, RecordingInterceptor> {
public:
    RecordingInterceptor(fake::Runtime& runtime, std::string name) : Counted(runtime, std::move(name)) {}
};

// One water draw as the game makes it: bindings, matrices and draw arguments.
struct WaterDraw {
    IDirect3DVertexBuffer8* vertices = nullptr;
    UINT stride = 0;
    IDirect3DIndexBuffer8* indices = nullptr;
    UINT baseVertexIndex = 0;
    UINT minIndex = 0, numVertices = 0, startIndex = 0, primitiveCount = 0;
    D3DMATRIX world{};
    D3DMATRIX projection{};
};

using Bits = std::vector<std::uint32_t>;

inline Bits bitsOf(const std::array<float, 4>& values) {
    Bits bits;
    for (float value : values) bits.push_back(std::bit_cast<std::uint32_t>(value));
    return bits;
}

// A number as the fake's call log writes it.
inline std::string number(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, value < 0x10000 ? "%u" : "0x%X", static_cast<unsigned>(value));
    return text;
}

inline D3DMATRIX matrix(std::initializer_list<float> rows) {
    D3DMATRIX m{};
    std::copy(rows.begin(), rows.end(), &m._11);
    return m;
}

class WaterPassTest : public EffectTest {
protected:
    void SetUp() override {
        EffectTest::SetUp();
        runtime.name(effectState.waterColorConstant, "waterColorConstant");
        effectState.waterColor = {0.25f, 0.5f, 0.75f};
    }

    // A water draw of its own buffers; `n` makes its numbers differ from other draws'.
    WaterDraw waterDraw(UINT n) {
        WaterDraw d;
        EXPECT_EQ(device->CreateVertexBuffer(256, 0, 0, D3DPOOL_MANAGED, &d.vertices), D3D_OK);
        EXPECT_EQ(device->CreateIndexBuffer(64, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &d.indices), D3D_OK);
        d.stride = 16 + 4 * n;
        d.baseVertexIndex = n;
        d.minIndex = n;
        d.numVertices = 8 + n;
        d.startIndex = 3 * n;
        d.primitiveCount = 2 + n;
        d.world = matrix({250.0f + n, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
        d.projection = matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, -1.0f - n, 0});
        return d;
    }

    // The game's calls that queue `d` (as a strip: the pass draws every entry as a list).
    void queue(const WaterDraw& d) {
        device->SetStreamSource(0, d.vertices, d.stride);
        device->SetIndices(d.indices, d.baseVertexIndex);
        device->SetTransform(D3DTS_PROJECTION, &d.projection);
        device->SetTransform(D3DTS_WORLD, &d.world);
        EXPECT_EQ(device->DrawIndexedPrimitive(D3DPT_TRIANGLESTRIP, d.minIndex, d.numVertices, d.startIndex,
                                               d.primitiveCount),
                  D3D_OK);
    }

    // The pass as the game's SetRenderState starts it, with only the pass's calls logged.
    void runPass() {
        runtime.log.clear();
        uploadsBefore = runtime.device()->constantUploads().size();
        drawDeferredWater(device);
    }

    std::string name(const void* object) const { return runtime.nameOf(object); }

    static std::vector<std::string> setUpCalls() {
        return {"device1.GetVertexShader(&savedVertexShader)", "device1.SetRenderState(28, 0)",
                "device1.SetRenderState(153, 0)"};
    }

    // The calls drawing one entry; `via` names the receiver of the interceptor's calls.
    std::vector<std::string> entryCalls(const WaterDraw& d, DWORD pixelShader, bool tiling = false,
                                        const std::string& via = "device1") const {
        const EffectState& s = effectState;
        const std::string own = via + ".";
        std::vector<std::string> lines = {
            "device1.SetStreamSource(0, " + name(d.vertices) + ", " + number(d.stride) + ")",
            "device1.SetIndices(" + name(d.indices) + ", " + number(d.baseVertexIndex) + ")",
            own + "SetTexture(0, " + name(s.reflectionTexture) + ")",
            own + "SetTexture(1, " + name(s.normalMaps[s.normalMapFrame]) + ")",
            own + "SetTextureStageState(0, 13, 3)",
            own + "SetTextureStageState(0, 14, 3)",
            own + "SetVertexShader(" + number(s.waterVertexShader) + ")",
            own + "SetPixelShader(" + number(pixelShader) + ")",
        };
        const std::string tilingUpload = own + "SetVertexShaderConstant(11, tilingConstant, 1)";
        if (tiling) lines.push_back(tilingUpload);
        lines.insert(lines.end(), {own + "SetVertexShaderConstant(0, ptr, 4)",
                                   own + "SetVertexShaderConstant(4, ptr, 4)",
                                   own + "SetVertexShaderConstant(10, halfConstant, 1)"});
        if (!tiling) lines.push_back(tilingUpload);
        lines.insert(lines.end(), {own + "SetVertexShaderConstant(12, cameraPositionConstant, 1)",
                                   own + "SetPixelShaderConstant(2, waterColorConstant, 1)",
                                   own + "SetPixelShaderConstant(5, fogColorConstant, 1)",
                                   "device1.DrawIndexedPrimitive(4, " + number(d.minIndex) + ", " +
                                       number(d.numVertices) + ", " + number(d.startIndex) + ", " +
                                       number(d.primitiveCount) + ")"});
        return lines;
    }

    static std::vector<std::string> windDownCalls(DWORD savedShader, DWORD fog, const std::string& via = "device1") {
        return {"device1.SetVertexShader(" + number(savedShader) + ")", "device1.SetPixelShader(0)",
                via + ".SetTextureStageState(0, 13, 1)", via + ".SetTextureStageState(0, 14, 1)",
                "device1.SetRenderState(28, " + number(fog) + ")"};
    }

    static std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    }

    // The calls of the pass without the reference counting of the bindings.
    std::vector<std::string> passCalls() const { return masked(runtime.log.without({"AddRef", "Release"})); }

    // The values of every upload of the last pass to one register, in order.
    std::vector<Bits> uploadsTo(bool pixel, DWORD reg) const {
        std::vector<Bits> values;
        const auto& uploads = runtime.device()->constantUploads();
        for (auto upload = uploads.begin() + uploadsBefore; upload != uploads.end(); ++upload)
            if (upload->pixel == pixel && upload->reg == reg)
                values.push_back(bitsOf({upload->values[0], upload->values[1], upload->values[2], upload->values[3]}));
        return values;
    }

    std::vector<float> vertexRegister(DWORD reg) const {
        auto values = runtime.device()->vertexConstant(reg);
        return {values.begin(), values.end()};
    }

    std::size_t uploadsBefore = 0;
};

}  // namespace d3d8water::testing
