// The Direct3D 8 interfaces, each declared once as a method table in the
// interface's slot order: X(result, name, (type, parameter)...). The abstract
// classes below, the interceptors' forwarders, the test runtime's recorders and
// the layout check against the toolchain's headers are all made from these tables.
#pragma once

#include "platform/d3d8/constants.h"
#include "platform/d3d8/enums.h"
#include "platform/d3d8/preprocessor.h"
#include "platform/d3d8/structs.h"
#include "platform/d3d8/win_types.h"

#define D3D8_IUNKNOWN_METHODS(X) \
    X(HRESULT, QueryInterface, (REFIID, riid), (void**, ppvObj)) \
    X(ULONG, AddRef) \
    X(ULONG, Release)

#define D3D8_DIRECT3D_METHODS(X) \
    X(HRESULT, RegisterSoftwareDevice, (void*, pInitializeFunction)) \
    X(UINT, GetAdapterCount) \
    X(HRESULT, GetAdapterIdentifier, (UINT, Adapter), (DWORD, Flags), (D3DADAPTER_IDENTIFIER8*, pIdentifier)) \
    X(UINT, GetAdapterModeCount, (UINT, Adapter)) \
    X(HRESULT, EnumAdapterModes, (UINT, Adapter), (UINT, Mode), (D3DDISPLAYMODE*, pMode)) \
    X(HRESULT, GetAdapterDisplayMode, (UINT, Adapter), (D3DDISPLAYMODE*, pMode)) \
    X(HRESULT, CheckDeviceType, (UINT, Adapter), (D3DDEVTYPE, CheckType), (D3DFORMAT, DisplayFormat), \
      (D3DFORMAT, BackBufferFormat), (BOOL, Windowed)) \
    X(HRESULT, CheckDeviceFormat, (UINT, Adapter), (D3DDEVTYPE, DeviceType), (D3DFORMAT, AdapterFormat), \
      (DWORD, Usage), (D3DRESOURCETYPE, RType), (D3DFORMAT, CheckFormat)) \
    X(HRESULT, CheckDeviceMultiSampleType, (UINT, Adapter), (D3DDEVTYPE, DeviceType), \
      (D3DFORMAT, SurfaceFormat), (BOOL, Windowed), (D3DMULTISAMPLE_TYPE, MultiSampleType)) \
    X(HRESULT, CheckDepthStencilMatch, (UINT, Adapter), (D3DDEVTYPE, DeviceType), \
      (D3DFORMAT, AdapterFormat), (D3DFORMAT, RenderTargetFormat), (D3DFORMAT, DepthStencilFormat)) \
    X(HRESULT, GetDeviceCaps, (UINT, Adapter), (D3DDEVTYPE, DeviceType), (D3DCAPS8*, pCaps)) \
    X(HMONITOR, GetAdapterMonitor, (UINT, Adapter)) \
    X(HRESULT, CreateDevice, (UINT, Adapter), (D3DDEVTYPE, DeviceType), (HWND, hFocusWindow), \
      (DWORD, BehaviorFlags), (D3DPRESENT_PARAMETERS*, pPresentationParameters), \
      (IDirect3DDevice8**, ppReturnedDeviceInterface))

#define D3D8_DEVICE_METHODS(X) \
    X(HRESULT, TestCooperativeLevel) \
    X(UINT, GetAvailableTextureMem) \
    X(HRESULT, ResourceManagerDiscardBytes, (DWORD, Bytes)) \
    X(HRESULT, GetDirect3D, (IDirect3D8**, ppD3D8)) \
    X(HRESULT, GetDeviceCaps, (D3DCAPS8*, pCaps)) \
    X(HRESULT, GetDisplayMode, (D3DDISPLAYMODE*, pMode)) \
    X(HRESULT, GetCreationParameters, (D3DDEVICE_CREATION_PARAMETERS*, pParameters)) \
    X(HRESULT, SetCursorProperties, (UINT, XHotSpot), (UINT, YHotSpot), (IDirect3DSurface8*, pCursorBitmap)) \
    X(void, SetCursorPosition, (UINT, XScreenSpace), (UINT, YScreenSpace), (DWORD, Flags)) \
    X(BOOL, ShowCursor, (BOOL, bShow)) \
    X(HRESULT, CreateAdditionalSwapChain, (D3DPRESENT_PARAMETERS*, pPresentationParameters), \
      (IDirect3DSwapChain8**, pSwapChain)) \
    X(HRESULT, Reset, (D3DPRESENT_PARAMETERS*, pPresentationParameters)) \
    X(HRESULT, Present, (const RECT*, pSourceRect), (const RECT*, pDestRect), (HWND, hDestWindowOverride), \
      (const RGNDATA*, pDirtyRegion)) \
    X(HRESULT, GetBackBuffer, (UINT, BackBuffer), (D3DBACKBUFFER_TYPE, Type), (IDirect3DSurface8**, ppBackBuffer)) \
    X(HRESULT, GetRasterStatus, (D3DRASTER_STATUS*, pRasterStatus)) \
    X(void, SetGammaRamp, (DWORD, Flags), (const D3DGAMMARAMP*, pRamp)) \
    X(void, GetGammaRamp, (D3DGAMMARAMP*, pRamp)) \
    X(HRESULT, CreateTexture, (UINT, Width), (UINT, Height), (UINT, Levels), (DWORD, Usage), (D3DFORMAT, Format), \
      (D3DPOOL, Pool), (IDirect3DTexture8**, ppTexture)) \
    X(HRESULT, CreateVolumeTexture, (UINT, Width), (UINT, Height), (UINT, Depth), (UINT, Levels), \
      (DWORD, Usage), (D3DFORMAT, Format), (D3DPOOL, Pool), (IDirect3DVolumeTexture8**, ppVolumeTexture)) \
    X(HRESULT, CreateCubeTexture, (UINT, EdgeLength), (UINT, Levels), (DWORD, Usage), (D3DFORMAT, Format), \
      (D3DPOOL, Pool), (IDirect3DCubeTexture8**, ppCubeTexture)) \
    X(HRESULT, CreateVertexBuffer, (UINT, Length), (DWORD, Usage), (DWORD, FVF), (D3DPOOL, Pool), \
      (IDirect3DVertexBuffer8**, ppVertexBuffer)) \
    X(HRESULT, CreateIndexBuffer, (UINT, Length), (DWORD, Usage), (D3DFORMAT, Format), (D3DPOOL, Pool), \
      (IDirect3DIndexBuffer8**, ppIndexBuffer)) \
    X(HRESULT, CreateRenderTarget, (UINT, Width), (UINT, Height), (D3DFORMAT, Format), \
      (D3DMULTISAMPLE_TYPE, MultiSample), (BOOL, Lockable), (IDirect3DSurface8**, ppSurface)) \
    X(HRESULT, CreateDepthStencilSurface, (UINT, Width), (UINT, Height), (D3DFORMAT, Format), \
      (D3DMULTISAMPLE_TYPE, MultiSample), (IDirect3DSurface8**, ppSurface)) \
    X(HRESULT, CreateImageSurface, (UINT, Width), (UINT, Height), (D3DFORMAT, Format), \
      (IDirect3DSurface8**, ppSurface)) \
    X(HRESULT, CopyRects, (IDirect3DSurface8*, pSourceSurface), (const RECT*, pSourceRectsArray), \
      (UINT, cRects), (IDirect3DSurface8*, pDestinationSurface), (const POINT*, pDestPointsArray)) \
    X(HRESULT, UpdateTexture, (IDirect3DBaseTexture8*, pSourceTexture), \
      (IDirect3DBaseTexture8*, pDestinationTexture)) \
    X(HRESULT, GetFrontBuffer, (IDirect3DSurface8*, pDestSurface)) \
    X(HRESULT, SetRenderTarget, (IDirect3DSurface8*, pRenderTarget), (IDirect3DSurface8*, pNewZStencil)) \
    X(HRESULT, GetRenderTarget, (IDirect3DSurface8**, ppRenderTarget)) \
    X(HRESULT, GetDepthStencilSurface, (IDirect3DSurface8**, ppZStencilSurface)) \
    X(HRESULT, BeginScene) \
    X(HRESULT, EndScene) \
    X(HRESULT, Clear, (DWORD, Count), (const D3DRECT*, pRects), (DWORD, Flags), (D3DCOLOR, Color), \
      (float, Z), (DWORD, Stencil)) \
    X(HRESULT, SetTransform, (D3DTRANSFORMSTATETYPE, State), (const D3DMATRIX*, pMatrix)) \
    X(HRESULT, GetTransform, (D3DTRANSFORMSTATETYPE, State), (D3DMATRIX*, pMatrix)) \
    X(HRESULT, MultiplyTransform, (D3DTRANSFORMSTATETYPE, State), (const D3DMATRIX*, pMatrix)) \
    X(HRESULT, SetViewport, (const D3DVIEWPORT8*, pViewport)) \
    X(HRESULT, GetViewport, (D3DVIEWPORT8*, pViewport)) \
    X(HRESULT, SetMaterial, (const D3DMATERIAL8*, pMaterial)) \
    X(HRESULT, GetMaterial, (D3DMATERIAL8*, pMaterial)) \
    X(HRESULT, SetLight, (DWORD, Index), (const D3DLIGHT8*, pLight)) \
    X(HRESULT, GetLight, (DWORD, Index), (D3DLIGHT8*, pLight)) \
    X(HRESULT, LightEnable, (DWORD, Index), (BOOL, Enable)) \
    X(HRESULT, GetLightEnable, (DWORD, Index), (BOOL*, pEnable)) \
    X(HRESULT, SetClipPlane, (DWORD, Index), (const float*, pPlane)) \
    X(HRESULT, GetClipPlane, (DWORD, Index), (float*, pPlane)) \
    X(HRESULT, SetRenderState, (D3DRENDERSTATETYPE, State), (DWORD, Value)) \
    X(HRESULT, GetRenderState, (D3DRENDERSTATETYPE, State), (DWORD*, pValue)) \
    X(HRESULT, BeginStateBlock) \
    X(HRESULT, EndStateBlock, (DWORD*, pToken)) \
    X(HRESULT, ApplyStateBlock, (DWORD, Token)) \
    X(HRESULT, CaptureStateBlock, (DWORD, Token)) \
    X(HRESULT, DeleteStateBlock, (DWORD, Token)) \
    X(HRESULT, CreateStateBlock, (D3DSTATEBLOCKTYPE, Type), (DWORD*, pToken)) \
    X(HRESULT, SetClipStatus, (const D3DCLIPSTATUS8*, pClipStatus)) \
    X(HRESULT, GetClipStatus, (D3DCLIPSTATUS8*, pClipStatus)) \
    X(HRESULT, GetTexture, (DWORD, Stage), (IDirect3DBaseTexture8**, ppTexture)) \
    X(HRESULT, SetTexture, (DWORD, Stage), (IDirect3DBaseTexture8*, pTexture)) \
    X(HRESULT, GetTextureStageState, (DWORD, Stage), (D3DTEXTURESTAGESTATETYPE, Type), (DWORD*, pValue)) \
    X(HRESULT, SetTextureStageState, (DWORD, Stage), (D3DTEXTURESTAGESTATETYPE, Type), (DWORD, Value)) \
    X(HRESULT, ValidateDevice, (DWORD*, pNumPasses)) \
    X(HRESULT, GetInfo, (DWORD, DevInfoID), (void*, pDevInfoStruct), (DWORD, DevInfoStructSize)) \
    X(HRESULT, SetPaletteEntries, (UINT, PaletteNumber), (const PALETTEENTRY*, pEntries)) \
    X(HRESULT, GetPaletteEntries, (UINT, PaletteNumber), (PALETTEENTRY*, pEntries)) \
    X(HRESULT, SetCurrentTexturePalette, (UINT, PaletteNumber)) \
    X(HRESULT, GetCurrentTexturePalette, (UINT*, PaletteNumber)) \
    X(HRESULT, DrawPrimitive, (D3DPRIMITIVETYPE, PrimitiveType), (UINT, StartVertex), (UINT, PrimitiveCount)) \
    X(HRESULT, DrawIndexedPrimitive, (D3DPRIMITIVETYPE, PrimitiveType), (UINT, MinIndex), (UINT, NumVertices), \
      (UINT, StartIndex), (UINT, PrimitiveCount)) \
    X(HRESULT, DrawPrimitiveUP, (D3DPRIMITIVETYPE, PrimitiveType), (UINT, PrimitiveCount), \
      (const void*, pVertexStreamZeroData), (UINT, VertexStreamZeroStride)) \
    X(HRESULT, DrawIndexedPrimitiveUP, (D3DPRIMITIVETYPE, PrimitiveType), (UINT, MinVertexIndex), \
      (UINT, NumVertexIndices), (UINT, PrimitiveCount), (const void*, pIndexData), \
      (D3DFORMAT, IndexDataFormat), (const void*, pVertexStreamZeroData), (UINT, VertexStreamZeroStride)) \
    X(HRESULT, ProcessVertices, (UINT, SrcStartIndex), (UINT, DestIndex), (UINT, VertexCount), \
      (IDirect3DVertexBuffer8*, pDestBuffer), (DWORD, Flags)) \
    X(HRESULT, CreateVertexShader, (const DWORD*, pDeclaration), (const DWORD*, pFunction), (DWORD*, pHandle), \
      (DWORD, Usage)) \
    X(HRESULT, SetVertexShader, (DWORD, Handle)) \
    X(HRESULT, GetVertexShader, (DWORD*, pHandle)) \
    X(HRESULT, DeleteVertexShader, (DWORD, Handle)) \
    X(HRESULT, SetVertexShaderConstant, (DWORD, Register), (const void*, pConstantData), (DWORD, ConstantCount)) \
    X(HRESULT, GetVertexShaderConstant, (DWORD, Register), (void*, pConstantData), (DWORD, ConstantCount)) \
    X(HRESULT, GetVertexShaderDeclaration, (DWORD, Handle), (void*, pData), (DWORD*, pSizeOfData)) \
    X(HRESULT, GetVertexShaderFunction, (DWORD, Handle), (void*, pData), (DWORD*, pSizeOfData)) \
    X(HRESULT, SetStreamSource, (UINT, StreamNumber), (IDirect3DVertexBuffer8*, pStreamData), (UINT, Stride)) \
    X(HRESULT, GetStreamSource, (UINT, StreamNumber), (IDirect3DVertexBuffer8**, ppStreamData), \
      (UINT*, pStride)) \
    X(HRESULT, SetIndices, (IDirect3DIndexBuffer8*, pIndexData), (UINT, BaseVertexIndex)) \
    X(HRESULT, GetIndices, (IDirect3DIndexBuffer8**, ppIndexData), (UINT*, pBaseVertexIndex)) \
    X(HRESULT, CreatePixelShader, (const DWORD*, pFunction), (DWORD*, pHandle)) \
    X(HRESULT, SetPixelShader, (DWORD, Handle)) \
    X(HRESULT, GetPixelShader, (DWORD*, pHandle)) \
    X(HRESULT, DeletePixelShader, (DWORD, Handle)) \
    X(HRESULT, SetPixelShaderConstant, (DWORD, Register), (const void*, pConstantData), (DWORD, ConstantCount)) \
    X(HRESULT, GetPixelShaderConstant, (DWORD, Register), (void*, pConstantData), (DWORD, ConstantCount)) \
    X(HRESULT, GetPixelShaderFunction, (DWORD, Handle), (void*, pData), (DWORD*, pSizeOfData)) \
    X(HRESULT, DrawRectPatch, (UINT, Handle), (const float*, pNumSegs), (const D3DRECTPATCH_INFO*, pRectPatchInfo)) \
    X(HRESULT, DrawTriPatch, (UINT, Handle), (const float*, pNumSegs), (const D3DTRIPATCH_INFO*, pTriPatchInfo)) \
    X(HRESULT, DeletePatch, (UINT, Handle))

#define D3D8_RESOURCE_METHODS(X) \
    X(HRESULT, GetDevice, (IDirect3DDevice8**, ppDevice)) \
    X(HRESULT, SetPrivateData, (REFGUID, refguid), (const void*, pData), (DWORD, SizeOfData), (DWORD, Flags)) \
    X(HRESULT, GetPrivateData, (REFGUID, refguid), (void*, pData), (DWORD*, pSizeOfData)) \
    X(HRESULT, FreePrivateData, (REFGUID, refguid)) \
    X(DWORD, SetPriority, (DWORD, PriorityNew)) \
    X(DWORD, GetPriority) \
    X(void, PreLoad) \
    X(D3DRESOURCETYPE, GetType)

#define D3D8_BASETEXTURE_METHODS(X) \
    X(DWORD, SetLOD, (DWORD, LODNew)) \
    X(DWORD, GetLOD) \
    X(DWORD, GetLevelCount)

#define D3D8_TEXTURE_METHODS(X) \
    X(HRESULT, GetLevelDesc, (UINT, Level), (D3DSURFACE_DESC*, pDesc)) \
    X(HRESULT, GetSurfaceLevel, (UINT, Level), (IDirect3DSurface8**, ppSurfaceLevel)) \
    X(HRESULT, LockRect, (UINT, Level), (D3DLOCKED_RECT*, pLockedRect), (const RECT*, pRect), (DWORD, Flags)) \
    X(HRESULT, UnlockRect, (UINT, Level)) \
    X(HRESULT, AddDirtyRect, (const RECT*, pDirtyRect))

#define D3D8_SURFACE_METHODS(X) \
    X(HRESULT, GetDevice, (IDirect3DDevice8**, ppDevice)) \
    X(HRESULT, SetPrivateData, (REFGUID, refguid), (const void*, pData), (DWORD, SizeOfData), (DWORD, Flags)) \
    X(HRESULT, GetPrivateData, (REFGUID, refguid), (void*, pData), (DWORD*, pSizeOfData)) \
    X(HRESULT, FreePrivateData, (REFGUID, refguid)) \
    X(HRESULT, GetContainer, (REFIID, riid), (void**, ppContainer)) \
    X(HRESULT, GetDesc, (D3DSURFACE_DESC*, pDesc)) \
    X(HRESULT, LockRect, (D3DLOCKED_RECT*, pLockedRect), (const RECT*, pRect), (DWORD, Flags)) \
    X(HRESULT, UnlockRect)

#define D3D8_VERTEXBUFFER_METHODS(X) \
    X(HRESULT, Lock, (UINT, OffsetToLock), (UINT, SizeToLock), (BYTE**, ppbData), (DWORD, Flags)) \
    X(HRESULT, Unlock) \
    X(HRESULT, GetDesc, (D3DVERTEXBUFFER_DESC*, pDesc))

#define D3D8_INDEXBUFFER_METHODS(X) \
    X(HRESULT, Lock, (UINT, OffsetToLock), (UINT, SizeToLock), (BYTE**, ppbData), (DWORD, Flags)) \
    X(HRESULT, Unlock) \
    X(HRESULT, GetDesc, (D3DINDEXBUFFER_DESC*, pDesc))

// Every method of an interface, inherited ones first: the whole slot order.
#define D3D8_DIRECT3D_ALL_METHODS(X) D3D8_IUNKNOWN_METHODS(X) D3D8_DIRECT3D_METHODS(X)
#define D3D8_DEVICE_ALL_METHODS(X) D3D8_IUNKNOWN_METHODS(X) D3D8_DEVICE_METHODS(X)
#define D3D8_RESOURCE_ALL_METHODS(X) D3D8_IUNKNOWN_METHODS(X) D3D8_RESOURCE_METHODS(X)
#define D3D8_BASETEXTURE_ALL_METHODS(X) D3D8_RESOURCE_ALL_METHODS(X) D3D8_BASETEXTURE_METHODS(X)
#define D3D8_TEXTURE_ALL_METHODS(X) D3D8_BASETEXTURE_ALL_METHODS(X) D3D8_TEXTURE_METHODS(X)
#define D3D8_SURFACE_ALL_METHODS(X) D3D8_IUNKNOWN_METHODS(X) D3D8_SURFACE_METHODS(X)
#define D3D8_VERTEXBUFFER_ALL_METHODS(X) D3D8_RESOURCE_ALL_METHODS(X) D3D8_VERTEXBUFFER_METHODS(X)
#define D3D8_INDEXBUFFER_ALL_METHODS(X) D3D8_RESOURCE_ALL_METHODS(X) D3D8_INDEXBUFFER_METHODS(X)

// I(interface, base, own methods, all methods)
#define D3D8_INTERFACES(I) \
    I(IUnknown, , D3D8_IUNKNOWN_METHODS, D3D8_IUNKNOWN_METHODS) \
    I(IDirect3D8, IUnknown, D3D8_DIRECT3D_METHODS, D3D8_DIRECT3D_ALL_METHODS) \
    I(IDirect3DDevice8, IUnknown, D3D8_DEVICE_METHODS, D3D8_DEVICE_ALL_METHODS) \
    I(IDirect3DResource8, IUnknown, D3D8_RESOURCE_METHODS, D3D8_RESOURCE_ALL_METHODS) \
    I(IDirect3DBaseTexture8, IDirect3DResource8, D3D8_BASETEXTURE_METHODS, D3D8_BASETEXTURE_ALL_METHODS) \
    I(IDirect3DTexture8, IDirect3DBaseTexture8, D3D8_TEXTURE_METHODS, D3D8_TEXTURE_ALL_METHODS) \
    I(IDirect3DSurface8, IUnknown, D3D8_SURFACE_METHODS, D3D8_SURFACE_ALL_METHODS) \
    I(IDirect3DVertexBuffer8, IDirect3DResource8, D3D8_VERTEXBUFFER_METHODS, D3D8_VERTEXBUFFER_ALL_METHODS) \
    I(IDirect3DIndexBuffer8, IDirect3DResource8, D3D8_INDEXBUFFER_METHODS, D3D8_INDEXBUFFER_ALL_METHODS)

// Interfaces the library only passes along by pointer.
#define D3D8_OPAQUE_INTERFACES(O) \
    O(IDirect3DSwapChain8) O(IDirect3DVolumeTexture8) O(IDirect3DCubeTexture8) O(IDirect3DVolume8)

namespace d3d8 {

#define D3D8_FORWARD_DECLARE(name, ...) struct name;
D3D8_INTERFACES(D3D8_FORWARD_DECLARE)
D3D8_OPAQUE_INTERFACES(D3D8_FORWARD_DECLARE)
#undef D3D8_FORWARD_DECLARE

#define D3D8_DECLARE_METHOD(result, name, ...) virtual result D3D8_CALL name(D3D8_PARAMS(__VA_ARGS__)) = 0;
#define D3D8_BASE_CLAUSE(...) __VA_OPT__(: public __VA_ARGS__)
#define D3D8_DECLARE_INTERFACE(name, base, own, all) \
    struct name D3D8_BASE_CLAUSE(base) { own(D3D8_DECLARE_METHOD) };
D3D8_INTERFACES(D3D8_DECLARE_INTERFACE)
#undef D3D8_DECLARE_INTERFACE
#undef D3D8_DECLARE_METHOD

}  // namespace d3d8
