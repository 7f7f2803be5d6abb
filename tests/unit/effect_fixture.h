// A device created through the library, with the helpers the effect's tests
// share: setting marked world matrices, the fog-off switch, game buffers and
// textures, and indexed draws.
#pragma once

#include "library_fixture.h"
#include "water/draw_deferral.h"

namespace d3d8water::testing {

class EffectTest : public LibraryTest {
protected:
    void SetUp() override {
        device = createDevice(createDirect3D());
        nameEffectFields();
        runtime.name(reflectionClipPlane, "clipPlane");
        takeOutput();
        runtime.log.clear();
    }

    // A world matrix scaled by (x, y, z): _11 = x also carries the marker.
    void setWorld(float x, float y = 1.0f, float z = 1.0f) {
        D3DMATRIX world{};
        world._11 = x;
        world._22 = y;
        world._33 = z;
        world._44 = 1.0f;
        device->SetTransform(D3DTS_WORLD, &world);
    }

    HRESULT draw(UINT primitives = 2) { return device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, primitives); }

    IDirect3DTexture8* makeTexture(UINT width) {
        IDirect3DTexture8* texture = nullptr;
        EXPECT_EQ(device->CreateTexture(width, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
        return texture;
    }

    IDirect3DDevice8* device = nullptr;
};

}  // namespace d3d8water::testing
