// Interceptors handed to the game live until the process ends: the game may
// call them at any time, and they own nothing that would need freeing. Each is
// kept reachable here, so that leak checkers see it as held, not lost.
#pragma once

#include <vector>

namespace d3d8water {

template <class Interceptor> Interceptor* handOut() {
    static auto* handedOut = new std::vector<Interceptor*>;
    Interceptor* interceptor = new Interceptor();
    handedOut->push_back(interceptor);
    return interceptor;
}

}  // namespace d3d8water
