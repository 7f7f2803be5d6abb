#include "scene_resources.h"

#include <cstring>

#include "sky_texture.h"

namespace demo {

namespace {

template <typename Buffer>
bool fill(Buffer* buffer, const void* data, UINT size) {
    BYTE* target = nullptr;
    if (FAILED(buffer->Lock(0, size, &target, 0))) return false;
    std::memcpy(target, data, size);
    buffer->Unlock();
    return true;
}

bool createSkyTexture(IDirect3DDevice8* device, IDirect3DTexture8** texture) {
    if (FAILED(device->CreateTexture(skyTextureSize, skyTextureSize, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, texture)))
        return false;
    D3DLOCKED_RECT locked;
    if (FAILED((*texture)->LockRect(0, &locked, nullptr, 0))) return false;
    const auto pixels = skyTexturePixels();
    for (int row = 0; row < skyTextureSize; ++row)
        std::memcpy(static_cast<BYTE*>(locked.pBits) + row * locked.Pitch, &pixels[row * skyTextureSize],
                    skyTextureSize * 4);
    (*texture)->UnlockRect(0);
    return true;
}

}  // namespace

bool createSceneResources(IDirect3DDevice8* device, const float (&waterColor)[3], SceneResources& scene,
                          std::string& error) {
    scene.geometry = buildSceneGeometry(waterColor);
    const auto& vertices = scene.geometry.vertices;
    const auto& indices = scene.geometry.indices;
    const UINT vertexBytes = static_cast<UINT>(vertices.size() * sizeof(Vertex));
    const UINT indexBytes = static_cast<UINT>(indices.size() * sizeof(indices[0]));
    if (FAILED(device->CreateVertexBuffer(vertexBytes, D3DUSAGE_WRITEONLY, vertexFormat, D3DPOOL_MANAGED,
                                          &scene.vertexBuffer)) ||
        !fill(scene.vertexBuffer, vertices.data(), vertexBytes)) {
        error = "cannot create the vertex buffer";
        return false;
    }
    if (FAILED(device->CreateIndexBuffer(indexBytes, D3DUSAGE_WRITEONLY, D3DFMT_INDEX16, D3DPOOL_MANAGED,
                                         &scene.indexBuffer)) ||
        !fill(scene.indexBuffer, indices.data(), indexBytes)) {
        error = "cannot create the index buffer";
        return false;
    }
    if (!createSkyTexture(device, &scene.skyTexture)) {
        error = "cannot create the sky texture";
        return false;
    }
    return true;
}

void releaseSceneResources(SceneResources& scene) {
    if (scene.skyTexture) scene.skyTexture->Release();
    if (scene.indexBuffer) scene.indexBuffer->Release();
    if (scene.vertexBuffer) scene.vertexBuffer->Release();
    scene.skyTexture = nullptr;
    scene.indexBuffer = nullptr;
    scene.vertexBuffer = nullptr;
}

}  // namespace demo
