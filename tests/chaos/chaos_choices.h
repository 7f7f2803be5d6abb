// The argument values chaos runs choose from: the markers and scales the
// effect reads, the render states it watches, draw sizes around the fog-off
// limit, and the sample of forwarded methods.
#pragma once

#include <cstdint>
#include <limits>

namespace chaos {

// SetTransform: which transform (the last is the world transform with a null matrix).
inline constexpr std::uint32_t transformStates[] = {256 /* WORLD */, 2 /* VIEW */, 3 /* PROJECTION */,
                                                    16 /* TEXTURE0 */, 257 /* WORLD1 */, 256};
inline constexpr std::uint32_t transformChoiceCount = 6;
inline constexpr std::uint32_t worldTransform = 0;
inline constexpr std::uint32_t nullMatrixTransform = 5;

// _11 of the world matrix: no marker, probe scales, water, reflection, mirror,
// each side of every threshold, and NaN.
inline constexpr float markers[] = {0.0f,    1.0f,    1.0005f, 1.25f,  1.75f,   50.0f,   100.0f,
                                    100.5f,  150.0f,  -150.0f, 250.0f, 400.0f,  400.5f,  500.0f,
                                    -1000.0f, -1400.0f, -1400.5f, -1500.0f, std::numeric_limits<float>::quiet_NaN()};
inline constexpr std::uint32_t markerChoiceCount = sizeof markers / sizeof markers[0];
inline constexpr std::uint32_t waterMarkerChoice = 10;  // 250

// The lengths of the world matrix's second and third rows (the probe's green and blue).
inline constexpr float scales[][2] = {{1.0f, 1.0f}, {1.5f, 1.25f}, {1.5f, 1.0f}, {1.0f, 1.5f}, {1.5f, 1.5f},
                                      {1.0005f, 1.0005f}};
inline constexpr std::uint32_t scaleChoiceCount = sizeof scales / sizeof scales[0];

// SetRenderState: the four watched states first, then some the effect also sets.
inline constexpr std::uint32_t renderStates[] = {7 /* ZENABLE */, 27 /* ALPHABLENDENABLE */, 28 /* FOGENABLE */,
                                                 34 /* FOGCOLOR */, 152 /* CLIPPLANEENABLE */, 19 /* SRCBLEND */,
                                                 137 /* LIGHTING */, 153 /* SOFTWAREVERTEXPROCESSING */};
inline constexpr std::uint32_t renderStateChoiceCount = sizeof renderStates / sizeof renderStates[0];
inline constexpr std::uint32_t zEnableState = 0;
inline constexpr std::uint32_t alphaBlendState = 1;
inline constexpr std::uint32_t fogEnableState = 2;
inline constexpr std::uint32_t renderStateValues[] = {0, 1, 2, 5, 0xFFFFFFFFu, 0xFF336699u};
inline constexpr std::uint32_t valueChoiceCount = sizeof renderStateValues / sizeof renderStateValues[0];

// Primitive counts: the fog-off phase ends above 12.
inline constexpr std::uint32_t primitiveCounts[] = {1, 2, 12, 13, 40};
inline constexpr std::uint32_t primitiveChoiceCount = sizeof primitiveCounts / sizeof primitiveCounts[0];

// Texture widths: 256 is the probe's.
inline constexpr std::uint32_t textureWidths[] = {256, 512, 64};
inline constexpr std::uint32_t textureWidthCount = sizeof textureWidths / sizeof textureWidths[0];

// Forwarded methods the game calls (what each does: chaos_forwarded.cpp).
inline constexpr const char* forwardedNames[] = {
    "EndScene+Present",       "Clear",          "DrawPrimitive",   "SetTextureStageState", "GetRenderState",
    "SetVertexShader",        "SetViewport",    "GetRenderTarget", "GetDepthStencilSurface", "GetBackBuffer",
    "GetTexture",             "GetStreamSource", "GetIndices",     "QueryInterface",       "GetDirect3D",
    "GetDeviceCaps",          "SetPixelShader", "GetTransform",    "Direct3D.GetAdapterCount",
    "Direct3D.CheckDeviceFormat", "Direct3D.GetAdapterDisplayMode", "Direct3D.QueryInterface"};
inline constexpr std::uint32_t forwardedChoiceCount = sizeof forwardedNames / sizeof forwardedNames[0];
inline constexpr std::uint32_t endScenePresentChoice = 0;

}  // namespace chaos
