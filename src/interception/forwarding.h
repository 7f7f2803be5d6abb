// Forwarders made from the method tables: each passes the call, arguments
// unchanged, to the same method of the real object that `real()` names, and
// returns its result. A class that uses this defines `static Interface* real()`.
#pragma once

#include "platform/d3d8_api.h"

#define INTERCEPTION_FORWARD(result, name, ...)                                  \
    result D3D8_CALL name(D3D8_PARAMS(__VA_ARGS__)) override {                   \
        return real()->name(D3D8_ARGS(__VA_ARGS__));                             \
    }
