// One frame of the demo, in the order a game that uses the library's markers
// draws it.
#pragma once

#include <d3d8.h>

#include "options.h"
#include "scene_resources.h"

namespace demo {

// Sets every state the frame depends on (so it also holds after a Reset) and draws
// the frame between BeginScene and EndScene. Presenting is the caller's.
void drawFrame(IDirect3DDevice8* device, const SceneResources& scene, const Options& options);

}  // namespace demo
