#include "diagnostics/fatal_resource_error.h"

#include "platform/os.h"

namespace d3d8water {

void fatalResourceError(const char* text, const char* caption) {
    os::showMessageBox(text, caption);
    os::exitProcess(0);
}

}  // namespace d3d8water
