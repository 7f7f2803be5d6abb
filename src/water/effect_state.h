// EffectState: the one record of all the library's state, and the queued water
// draw. Every part of the library reads and writes it directly.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// One water draw held back for the water pass.
struct DeferredWaterDraw {
    IDirect3DVertexBuffer8* vertexBuffer = nullptr;
    IDirect3DIndexBuffer8* indexBuffer = nullptr;
    UINT stride = 0;
    UINT baseVertexIndex = 0;
    UINT minIndex = 0;
    UINT numVertices = 0;
    UINT startIndex = 0;
    UINT primitiveCount = 0;
    D3DMATRIX world{};
    D3DMATRIX projection{};
};

struct WaterColor {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

inline constexpr int normalMapFrameCount = 29;
inline constexpr int deferredDrawCapacity = 50;

struct EffectState {
    // Real interfaces: the newest system Direct3D object and device.
    IDirect3D8* realDirect3D = nullptr;
    IDirect3DDevice8* realDevice = nullptr;

    // Effect resources: device objects the effect owns.
    DWORD waterVertexShader = 0;
    DWORD waterPixelShader = 0;
    DWORD nightPixelShader = 0;
    DWORD brightPixelShader = 0;
    DWORD sunsetPixelShader = 0;
    static constexpr DWORD waterVertexDeclaration[4] = {
        vertexDeclarationStream(0),
        vertexDeclarationRegister(D3DVSDE_POSITION, D3DVSDT_FLOAT3),
        vertexDeclarationRegister(D3DVSDE_DIFFUSE, D3DVSDT_D3DCOLOR),
        vertexDeclarationEnd(),
    };
    IDirect3DTexture8* normalMaps[normalMapFrameCount] = {};
    std::uint32_t normalMapFrame = 0;
    IDirect3DTexture8* reflectionTexture = nullptr;
    IDirect3DSurface8* reflectionSurface = nullptr;
    IDirect3DSurface8* reflectionDepthSurface = nullptr;
    UINT reflectionWidth = 0;
    UINT reflectionHeight = 0;
    IDirect3DSurface8* backBufferSurface = nullptr;
    IDirect3DSurface8* backDepthSurface = nullptr;
    // Whether the shaders, the reflection target and the two device surfaces
    // are held (since device creation or a successful Reset) or given back
    // (since TestCooperativeLevel): nothing is given back twice or used after.
    bool effectResourcesHeld = false;

    // Tracked game state. The buffers and the texture are recorded with a
    // reference each (water/classification.h).
    D3DMATRIX worldMatrix{};
    D3DMATRIX viewMatrix{};
    D3DMATRIX projectionMatrix{};
    IDirect3DVertexBuffer8* currentVertexBuffer = nullptr;
    UINT currentStride = 0;
    IDirect3DIndexBuffer8* currentIndexBuffer = nullptr;
    UINT currentBaseVertexIndex = 0;
    IDirect3DBaseTexture8* lastBoundTexture = nullptr;
    DWORD gameFogEnable = 1;
    D3DCOLOR gameFogColor = 0;
    DWORD gameZEnable = 0;
    DWORD savedVertexShader = 0;

    // Classification and frame flags.
    bool queueAsWater = false;
    bool redirectToReflection = false;
    bool mirrorDraw = false;
    bool fogOffPhase = false;
    bool clearReflectionDepth = false;

    // Colour probe results.
    WaterColor waterColor;
    bool brightVariant = false;
    bool sunsetVariant = false;
    bool tilingVariant = false;
    bool noFogVariant = false;

    // Deferred water draws, in arrival order.
    DeferredWaterDraw deferredDraws[deferredDrawCapacity];
    int deferredDrawCount = 0;

    // Water pass staging vectors: filled just before each constant upload.
    float halfConstant[4] = {};
    float tilingConstant[4] = {};
    float cameraPositionConstant[4] = {};
    float fogColorConstant[4] = {};
    float waterColorConstant[4] = {};  // waterColor with 1.0 as its fourth component
};

extern EffectState effectState;

}  // namespace d3d8water
