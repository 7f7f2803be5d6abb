// The scene's device objects: one vertex buffer, one index buffer and the sky
// texture, all in the managed pool so that they survive a Reset.
#pragma once

#include <d3d8.h>

#include <string>

#include "scene_geometry.h"

namespace demo {

constexpr DWORD vertexFormat = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct SceneResources {
    SceneGeometry geometry;
    IDirect3DVertexBuffer8* vertexBuffer = nullptr;
    IDirect3DIndexBuffer8* indexBuffer = nullptr;
    IDirect3DTexture8* skyTexture = nullptr;
};

// False and `error` set if a device object cannot be made or filled.
bool createSceneResources(IDirect3DDevice8* device, const float (&waterColor)[3], SceneResources& scene,
                          std::string& error);

void releaseSceneResources(SceneResources& scene);

}  // namespace demo
