// Loading the effect's compiled shaders from files in the working directory.
#pragma once

#include "platform/d3d8_api.h"

namespace d3d8water {

// Each reads the named file whole and creates a shader from it on the real
// device into `handle`. A file that does not open ends the process (box "Can't
// load shader"); a shader the platform refuses, or a file whose token stream
// does not end inside it, writes "Error creating shader" and loading goes on.
void loadVertexShader(const char* fileName, DWORD& handle);
void loadPixelShader(const char* fileName, DWORD& handle);

}  // namespace d3d8water
