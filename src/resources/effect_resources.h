// The effect's device objects: the two saved device surfaces, the reflection
// target and the five shaders. Created at device creation, given back around
// device loss, rebuilt after a successful Reset.
#pragma once

namespace d3d8water {

// The device's own depth-stencil surface and render target, with a reference
// each, and the line with both addresses.
void saveDeviceSurfaces();

// The reflection texture, its level-0 surface and a matching depth-stencil
// surface at reflectionWidth x reflectionHeight. Failures end the process.
void createReflectionTarget();

// The four pixel shaders and the vertex shader, in that order; at device
// creation with the line "n" after the first.
void loadEffectShaders(bool atDeviceCreation);

// After a successful Reset: surfaces, reflection target, shaders. Not cleared.
void recreateEffectResources();

// Gives back every reference and shader handle the effect holds on the current
// device and drops the queued water draws; does nothing when already given back.
void releaseEffectResources();

}  // namespace d3d8water
