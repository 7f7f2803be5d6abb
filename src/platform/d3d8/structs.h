// Direct3D 8 structures. Each one is a field table, F(type, name, array
// extent), from which the declaration here and the layout check against the
// toolchain's headers are both made.
#pragma once

#include "platform/d3d8/enums.h"
#include "platform/d3d8/win_types.h"

#define D3D8_STRUCT_RECT(F) F(LONG, left, ) F(LONG, top, ) F(LONG, right, ) F(LONG, bottom, )
#define D3D8_STRUCT_POINT(F) F(LONG, x, ) F(LONG, y, )
#define D3D8_STRUCT_RGNDATAHEADER(F) \
    F(DWORD, dwSize, ) F(DWORD, iType, ) F(DWORD, nCount, ) F(DWORD, nRgnSize, ) F(RECT, rcBound, )
#define D3D8_STRUCT_RGNDATA(F) F(RGNDATAHEADER, rdh, ) F(char, Buffer, [1])
#define D3D8_STRUCT_PALETTEENTRY(F) F(BYTE, peRed, ) F(BYTE, peGreen, ) F(BYTE, peBlue, ) F(BYTE, peFlags, )
#define D3D8_STRUCT_D3DVECTOR(F) F(float, x, ) F(float, y, ) F(float, z, )
#define D3D8_STRUCT_D3DCOLORVALUE(F) F(float, r, ) F(float, g, ) F(float, b, ) F(float, a, )
#define D3D8_STRUCT_D3DRECT(F) F(LONG, x1, ) F(LONG, y1, ) F(LONG, x2, ) F(LONG, y2, )
#define D3D8_STRUCT_D3DVIEWPORT8(F) \
    F(DWORD, X, ) F(DWORD, Y, ) F(DWORD, Width, ) F(DWORD, Height, ) F(float, MinZ, ) F(float, MaxZ, )
#define D3D8_STRUCT_D3DMATERIAL8(F) \
    F(D3DCOLORVALUE, Diffuse, ) F(D3DCOLORVALUE, Ambient, ) F(D3DCOLORVALUE, Specular, ) \
    F(D3DCOLORVALUE, Emissive, ) F(float, Power, )
#define D3D8_STRUCT_D3DLIGHT8(F) \
    F(D3DLIGHTTYPE, Type, ) F(D3DCOLORVALUE, Diffuse, ) F(D3DCOLORVALUE, Specular, ) \
    F(D3DCOLORVALUE, Ambient, ) F(D3DVECTOR, Position, ) F(D3DVECTOR, Direction, ) \
    F(float, Range, ) F(float, Falloff, ) F(float, Attenuation0, ) F(float, Attenuation1, ) \
    F(float, Attenuation2, ) F(float, Theta, ) F(float, Phi, )
#define D3D8_STRUCT_D3DCLIPSTATUS8(F) F(DWORD, ClipUnion, ) F(DWORD, ClipIntersection, )
#define D3D8_STRUCT_D3DDISPLAYMODE(F) \
    F(UINT, Width, ) F(UINT, Height, ) F(UINT, RefreshRate, ) F(D3DFORMAT, Format, )
#define D3D8_STRUCT_D3DPRESENT_PARAMETERS(F) \
    F(UINT, BackBufferWidth, ) F(UINT, BackBufferHeight, ) F(D3DFORMAT, BackBufferFormat, ) \
    F(UINT, BackBufferCount, ) F(D3DMULTISAMPLE_TYPE, MultiSampleType, ) \
    F(D3DSWAPEFFECT, SwapEffect, ) F(HWND, hDeviceWindow, ) F(BOOL, Windowed, ) \
    F(BOOL, EnableAutoDepthStencil, ) F(D3DFORMAT, AutoDepthStencilFormat, ) F(DWORD, Flags, ) \
    F(UINT, FullScreen_RefreshRateInHz, ) F(UINT, FullScreen_PresentationInterval, )
#define D3D8_STRUCT_D3DDEVICE_CREATION_PARAMETERS(F) \
    F(UINT, AdapterOrdinal, ) F(D3DDEVTYPE, DeviceType, ) F(HWND, hFocusWindow, ) \
    F(DWORD, BehaviorFlags, )
#define D3D8_STRUCT_D3DRASTER_STATUS(F) F(BOOL, InVBlank, ) F(UINT, ScanLine, )
#define D3D8_STRUCT_D3DGAMMARAMP(F) F(WORD, red, [256]) F(WORD, green, [256]) F(WORD, blue, [256])
#define D3D8_STRUCT_D3DSURFACE_DESC(F) \
    F(D3DFORMAT, Format, ) F(D3DRESOURCETYPE, Type, ) F(DWORD, Usage, ) F(D3DPOOL, Pool, ) \
    F(UINT, Size, ) F(D3DMULTISAMPLE_TYPE, MultiSampleType, ) F(UINT, Width, ) F(UINT, Height, )
#define D3D8_STRUCT_D3DLOCKED_RECT(F) F(INT, Pitch, ) F(void*, pBits, )
#define D3D8_STRUCT_D3DVERTEXBUFFER_DESC(F) \
    F(D3DFORMAT, Format, ) F(D3DRESOURCETYPE, Type, ) F(DWORD, Usage, ) F(D3DPOOL, Pool, ) \
    F(UINT, Size, ) F(DWORD, FVF, )
#define D3D8_STRUCT_D3DINDEXBUFFER_DESC(F) \
    F(D3DFORMAT, Format, ) F(D3DRESOURCETYPE, Type, ) F(DWORD, Usage, ) F(D3DPOOL, Pool, ) \
    F(UINT, Size, )
#define D3D8_STRUCT_D3DRECTPATCH_INFO(F) \
    F(UINT, StartVertexOffsetWidth, ) F(UINT, StartVertexOffsetHeight, ) F(UINT, Width, ) \
    F(UINT, Height, ) F(UINT, Stride, ) F(D3DBASISTYPE, Basis, ) F(D3DORDERTYPE, Order, )
#define D3D8_STRUCT_D3DTRIPATCH_INFO(F) \
    F(UINT, StartVertexOffset, ) F(UINT, NumVertices, ) F(D3DBASISTYPE, Basis, ) \
    F(D3DORDERTYPE, Order, )
#define D3D8_STRUCT_D3DADAPTER_IDENTIFIER8(F) \
    F(char, Driver, [512]) F(char, Description, [512]) F(LARGE_INTEGER, DriverVersion, ) \
    F(DWORD, VendorId, ) F(DWORD, DeviceId, ) F(DWORD, SubSysId, ) F(DWORD, Revision, ) \
    F(GUID, DeviceIdentifier, ) F(DWORD, WHQLLevel, )
#define D3D8_STRUCT_D3DCAPS8(F) \
    F(D3DDEVTYPE, DeviceType, ) F(UINT, AdapterOrdinal, ) F(DWORD, Caps, ) F(DWORD, Caps2, ) \
    F(DWORD, Caps3, ) F(DWORD, PresentationIntervals, ) F(DWORD, CursorCaps, ) \
    F(DWORD, DevCaps, ) F(DWORD, PrimitiveMiscCaps, ) F(DWORD, RasterCaps, ) \
    F(DWORD, ZCmpCaps, ) F(DWORD, SrcBlendCaps, ) F(DWORD, DestBlendCaps, ) \
    F(DWORD, AlphaCmpCaps, ) F(DWORD, ShadeCaps, ) F(DWORD, TextureCaps, ) \
    F(DWORD, TextureFilterCaps, ) F(DWORD, CubeTextureFilterCaps, ) \
    F(DWORD, VolumeTextureFilterCaps, ) F(DWORD, TextureAddressCaps, ) \
    F(DWORD, VolumeTextureAddressCaps, ) F(DWORD, LineCaps, ) F(DWORD, MaxTextureWidth, ) \
    F(DWORD, MaxTextureHeight, ) F(DWORD, MaxVolumeExtent, ) F(DWORD, MaxTextureRepeat, ) \
    F(DWORD, MaxTextureAspectRatio, ) F(DWORD, MaxAnisotropy, ) F(float, MaxVertexW, ) \
    F(float, GuardBandLeft, ) F(float, GuardBandTop, ) F(float, GuardBandRight, ) \
    F(float, GuardBandBottom, ) F(float, ExtentsAdjust, ) F(DWORD, StencilCaps, ) \
    F(DWORD, FVFCaps, ) F(DWORD, TextureOpCaps, ) F(DWORD, MaxTextureBlendStages, ) \
    F(DWORD, MaxSimultaneousTextures, ) F(DWORD, VertexProcessingCaps, ) \
    F(DWORD, MaxActiveLights, ) F(DWORD, MaxUserClipPlanes, ) F(DWORD, MaxVertexBlendMatrices, ) \
    F(DWORD, MaxVertexBlendMatrixIndex, ) F(float, MaxPointSize, ) F(DWORD, MaxPrimitiveCount, ) \
    F(DWORD, MaxVertexIndex, ) F(DWORD, MaxStreams, ) F(DWORD, MaxStreamStride, ) \
    F(DWORD, VertexShaderVersion, ) F(DWORD, MaxVertexShaderConst, ) \
    F(DWORD, PixelShaderVersion, ) F(float, MaxPixelShaderValue, )

// Every table above, in an order in which each type is declared before use.
#define D3D8_STRUCTS(S) \
    S(RECT) S(POINT) S(RGNDATAHEADER) S(RGNDATA) S(PALETTEENTRY) S(D3DVECTOR) \
    S(D3DCOLORVALUE) S(D3DRECT) S(D3DVIEWPORT8) S(D3DMATERIAL8) S(D3DLIGHT8) \
    S(D3DCLIPSTATUS8) S(D3DDISPLAYMODE) S(D3DPRESENT_PARAMETERS) \
    S(D3DDEVICE_CREATION_PARAMETERS) S(D3DRASTER_STATUS) S(D3DGAMMARAMP) \
    S(D3DSURFACE_DESC) S(D3DLOCKED_RECT) S(D3DVERTEXBUFFER_DESC) S(D3DINDEXBUFFER_DESC) \
    S(D3DRECTPATCH_INFO) S(D3DTRIPATCH_INFO) S(D3DADAPTER_IDENTIFIER8) S(D3DCAPS8)

// On 32-bit x86 the platform packs its Direct3D structures to four bytes.
#if defined(__i386__) || defined(_M_IX86)
#define D3D8_PACKED_STRUCTS 1
#pragma pack(push, 4)
#endif

namespace d3d8 {

#define D3D8_DECLARE_FIELD(type, name, extent) type name extent;
#define D3D8_DECLARE_STRUCT(name) struct name { D3D8_STRUCT_##name(D3D8_DECLARE_FIELD) };
D3D8_STRUCTS(D3D8_DECLARE_STRUCT)
#undef D3D8_DECLARE_STRUCT
#undef D3D8_DECLARE_FIELD

// Row-major 4x4 matrix used with row vectors; row 4 holds the translation.
struct D3DMATRIX {
    union {
        struct {
            float _11, _12, _13, _14;
            float _21, _22, _23, _24;
            float _31, _32, _33, _34;
            float _41, _42, _43, _44;
        };
        float m[4][4];
    };
};

}  // namespace d3d8

#if defined(D3D8_PACKED_STRUCTS)
#pragma pack(pop)
#undef D3D8_PACKED_STRUCTS
#endif
