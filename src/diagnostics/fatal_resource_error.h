#pragma once

namespace d3d8water {

// A resource without which the effect cannot run is missing: shows a message
// box (no owner, style 0) and, once it is closed, ends the process with status 0.
[[noreturn]] void fatalResourceError(const char* text, const char* caption);

}  // namespace d3d8water
