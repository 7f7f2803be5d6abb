// One game call of a chaos run, as data: what to call and with which
// arguments, so that a run can be replayed, cut down and printed.
//
// Objects are named by slot ("vb[2]"), never by pointer: any subsequence of a
// run is still a run a game could make. A call whose object the game does not
// hold at that moment (a slot emptied by an earlier release, no device yet)
// is skipped.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chaos {

enum class Call : std::uint8_t {
    CreateDirect3D,          // a: 1 = the system refuses the SDK version; d: 1 = only if the game holds none
    ReleaseDirect3D,         // the game gives back its reference on the Direct3D object
    CreateDevice,            // a: width, b: height, c: 1 = automatic depth buffer; d: 1 = only if the game has none
    AddRefDevice,
    ReleaseDevice,           // one of the game's references; the last one only by ReleaseDeviceCompletely
    ReleaseDeviceCompletely, // every reference the game holds on its device
    CreateResource,          // a: kind, b: slot, c: pool, d: width (textures) or size
    ReleaseResource,         // a: kind, b: slot; also while bound, recorded or queued
    SetStreamSource,         // a: stream, b: slot or none, c: stride
    SetIndices,              // a: slot or none, b: base vertex index
    SetTexture,              // a: stage, b: slot or none
    SetTransform,            // a: transform choice, b: marker choice, c: scale choice
    SetRenderState,          // a: render-state choice, b: value choice
    DrawIndexedPrimitive,    // a: primitive count, b: start index, c: vertices
    BeginScene,              // a: the clock
    TestCooperativeLevel,
    Reset,                   // a: width, b: height, c: 1 = automatic depth buffer, 2 = no parameters
    Forwarded,               // a: which forwarded method (chaos_forwarded.h)
};

// Resource kinds of CreateResource and ReleaseResource.
enum Kind : std::uint32_t { vertexBufferKind, indexBufferKind, textureKind, kindCount };
inline constexpr std::uint32_t slotCount = 3;
inline constexpr std::uint32_t noSlot = slotCount;  // binds null

struct Action {
    Call call = Call::BeginScene;
    std::uint32_t a = 0, b = 0, c = 0, d = 0;
    // The result the runtime gives the game's own call (an index into
    // scriptedResults; 0 = the runtime's real answer).
    std::uint32_t scripted = 0;
    // A failure of one of the library's own runtime calls during this game
    // call (an index into runtimeFaults; 0 = none).
    std::uint32_t fault = 0;
};

// Results a game call may be given, [0] standing for "the real one".
inline constexpr std::int64_t scriptedResults[] = {
    0, 0, 0x88760868 /* DEVICELOST */, 0x88760869 /* DEVICENOTRESET */, 0x8876086C /* INVALIDCALL */,
    0x8007000E /* E_OUTOFMEMORY */, 0x80004005 /* E_FAIL */};
inline constexpr std::uint32_t scriptedResultCount = sizeof scriptedResults / sizeof scriptedResults[0];

// The library's own runtime calls that may fail under it without ending the
// process, [0] standing for none. (Creating the reflection target and loading
// the normal maps are fatal by design and are left alone.)
inline constexpr const char* runtimeFaults[] = {
    nullptr,           "GetRenderTarget", "GetDepthStencilSurface", "GetDesc",         "GetSurfaceLevel",
    "GetType",         "GetVertexShader", "CreatePixelShader",      "CreateVertexShader", "SetRenderTarget",
    "Clear",           "SetClipPlane",    "SetVertexShader",        "SetPixelShader",  "SetStreamSource",
    "SetTexture",      "SetVertexShaderConstant"};
inline constexpr std::uint32_t runtimeFaultCount = sizeof runtimeFaults / sizeof runtimeFaults[0];

// "vb[1] = device.CreateVertexBuffer(pool 0)", "device.SetRenderState(27, 1) -> 0x88760868".
std::string describe(const Action& action);

// `count` game calls from `seed`, shaped like frames of a game with hostile
// orders mixed in.
std::vector<Action> generate(std::uint64_t seed, std::size_t count);

}  // namespace chaos
