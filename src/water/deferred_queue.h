// The queue of water draws held back for the water pass. Each entry holds a
// reference on its vertex and index buffer from queueing until it is drawn or
// dropped, so that a buffer the game releases meanwhile is still there.
#pragma once

#include "water/effect_state.h"

namespace d3d8water {

// Appends the current bindings, matrices and the draw's arguments; false (and
// nothing written) when the queue is full.
bool queueDeferredDraw(UINT minIndex, UINT numVertices, UINT startIndex, UINT primitiveCount);

// Gives back the entries' references and empties the queue.
void dropDeferredDraws();

}  // namespace d3d8water
