// The demo scene as vertices and triangle-list indices, before any device is
// involved: sky box, bank, objects standing in the water, their mirror images,
// the water plane and a translucent flag.
//
// The library reads markers from the world matrix's _11, so every marked mesh is
// built with its x divided by that marker: the marked world matrix then puts it
// back where it belongs.
#pragma once

#include <cstdint>
#include <vector>

namespace demo {

// Vertex layout: D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1. Position at byte 0 and
// colour at byte 12, as the water shader reads them.
struct Vertex {
    float x, y, z;
    std::uint32_t color;
    float u, v;
};

// One indexed triangle-list draw.
struct Mesh {
    unsigned firstIndex = 0;
    unsigned triangleCount = 0;
    unsigned minIndex = 0;
    unsigned vertexCount = 0;
};

// World _11 values the library recognises.
constexpr float waterMarker = 250.0f;      // 100 < |_11| <= 400: a water surface
constexpr float redirectMarker = 500.0f;   // |_11| > 400: drawn into the reflection
constexpr float mirrorMarker = -1500.0f;   // _11 < -1400: drawn into the reflection, additively

// The water's height. The library clips reflected geometry to y <= -9.5.
constexpr float waterLevel = -9.5f;

struct SceneGeometry {
    std::vector<Vertex> vertices;
    std::vector<std::uint16_t> indices;
    Mesh sky;              // 12 triangles, drawn under the colour-carrying world scale
    Mesh bank;             // more than 12 triangles: ends the library's fog-off phase
    Mesh objects;          // crates and pillar, unmarked
    Mesh lantern;          // unmarked
    Mesh mirroredScene;    // bank and objects mirrored in the water, x / redirectMarker
    Mesh mirroredLantern;  // x / mirrorMarker
    Mesh water;            // x / waterMarker
    Mesh flag;             // translucent, drawn after alpha blending is on
};

// `waterColor` is carried by the sky's world scale (1 + r, 1 + g, 1 + b): the sky
// box is pre-divided by it so that it comes out as a cube.
SceneGeometry buildSceneGeometry(const float (&waterColor)[3]);

}  // namespace demo
