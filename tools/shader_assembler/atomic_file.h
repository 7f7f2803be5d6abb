// Writes a file so that readers see either the old state or the whole new
// content, never a part: the bytes go to a temporary file beside the target,
// which is renamed over it once complete.
#pragma once

#include <string>
#include <vector>

namespace d3d8asm {

// Returns an empty string on success, else what failed; on failure nothing
// is left behind at `path` or beside it.
std::string writeFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace d3d8asm
