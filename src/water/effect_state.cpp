#include "water/effect_state.h"

namespace d3d8water {

EffectState effectState;

}  // namespace d3d8water
