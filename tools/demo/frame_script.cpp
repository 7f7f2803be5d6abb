#include "frame_script.h"

#include <cstring>

#include "matrices.h"

namespace demo {

namespace {

DWORD floatBits(float value) {
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

void setWorld(IDirect3DDevice8* device, const Matrix& world) {
    D3DMATRIX matrix;
    std::memcpy(&matrix, world.m, sizeof matrix);
    device->SetTransform(D3DTS_WORLD, &matrix);
}

void draw(IDirect3DDevice8* device, const Mesh& mesh) {
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, mesh.minIndex, mesh.vertexCount, mesh.firstIndex,
                                 mesh.triangleCount);
}

// Stage 0 passes the vertex colour, or (textured) the texture times it.
void useTexture(IDirect3DDevice8* device, IDirect3DTexture8* texture) {
    device->SetTexture(0, texture);
    device->SetTextureStageState(0, D3DTSS_COLOROP, texture ? D3DTOP_MODULATE : D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
}

const float eye[3] = {0.0f, 4.0f, -30.0f};
const float lookTarget[3] = {0.0f, -3.0f, 100.0f};
constexpr D3DCOLOR hazeColor = 0xFFCDDCE8;

void setCamera(IDirect3DDevice8* device, const Options& options) {
    D3DMATRIX matrix;
    Matrix view = lookAt(eye, lookTarget);
    std::memcpy(&matrix, view.m, sizeof matrix);
    device->SetTransform(D3DTS_VIEW, &matrix);
    Matrix projection = perspective(1.0f, static_cast<float>(options.width) / static_cast<float>(options.height),
                                    1.0f, 2000.0f);
    std::memcpy(&matrix, projection.m, sizeof matrix);
    device->SetTransform(D3DTS_PROJECTION, &matrix);
}

void setFixedStates(IDirect3DDevice8* device, const SceneResources& scene) {
    device->SetVertexShader(vertexFormat);
    device->SetStreamSource(0, scene.vertexBuffer, sizeof(Vertex));
    device->SetIndices(scene.indexBuffer, 0);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device->SetRenderState(D3DRS_FOGCOLOR, hazeColor);
    device->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
    device->SetRenderState(D3DRS_FOGSTART, floatBits(250.0f));
    device->SetRenderState(D3DRS_FOGEND, floatBits(1600.0f));
    // Smooth filtering on the two stages the water uses as well: the library sets
    // no filter of its own, and the normal map's mip chain only helps with a mip filter.
    for (DWORD stage = 0; stage < 2; ++stage) {
        device->SetTextureStageState(stage, D3DTSS_MINFILTER, D3DTEXF_LINEAR);
        device->SetTextureStageState(stage, D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
        device->SetTextureStageState(stage, D3DTSS_MIPFILTER, D3DTEXF_LINEAR);
    }
}

}  // namespace

void drawFrame(IDirect3DDevice8* device, const SceneResources& scene, const Options& options) {
    const SceneGeometry& geometry = scene.geometry;
    device->BeginScene();
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    setCamera(device, options);
    setFixedStates(device, scene);

    // Fog off starts the library's fog-off phase: with depth off, the sky goes into
    // the reflection and the frame, and its world scale carries the water colour.
    device->SetRenderState(D3DRS_FOGENABLE, FALSE);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    useTexture(device, scene.skyTexture);
    setWorld(device, translated(scaling(1 + options.waterColor[0], 1 + options.waterColor[1],
                                        1 + options.waterColor[2]),
                                eye[0], eye[1], eye[2]));
    draw(device, geometry.sky);

    // Depth on; the bank, a draw of more than 12 triangles, ends the phase.
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    useTexture(device, nullptr);
    setWorld(device, identity());
    draw(device, geometry.bank);
    device->SetRenderState(D3DRS_FOGENABLE, TRUE);
    draw(device, geometry.objects);
    draw(device, geometry.lantern);

    // The mirror images, for the reflection only.
    setWorld(device, scaling(redirectMarker, 1, 1));
    draw(device, geometry.mirroredScene);
    setWorld(device, scaling(mirrorMarker, 1, 1));
    draw(device, geometry.mirroredLantern);

    // The water, held back by the library until alpha blending comes on.
    setWorld(device, scaling(waterMarker, 1, 1));
    draw(device, geometry.water);
    setWorld(device, identity());

    if (options.trigger) device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    useTexture(device, nullptr);
    draw(device, geometry.flag);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device->EndScene();
}

}  // namespace demo
