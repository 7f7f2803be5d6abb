// The project's own declaration of the Direct3D 8 interface: types, constants
// and COM interfaces, laid out as the platform's ABI requires.
#pragma once

#include "platform/d3d8/constants.h"
#include "platform/d3d8/enums.h"
#include "platform/d3d8/interfaces.h"
#include "platform/d3d8/structs.h"
#include "platform/d3d8/win_types.h"

// The library's own code works in its namespace with the platform's names at hand.
namespace d3d8water {
using namespace d3d8;
}  // namespace d3d8water
