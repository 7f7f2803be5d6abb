// The printed form of an action: one game call per line, as a failing run's
// call log shows it.
#include <cstdio>

#include "chaos_action.h"
#include "chaos_choices.h"

namespace chaos {

namespace {

const char* const kindNames[] = {"vb", "ib", "tex"};

std::string slot(std::uint32_t kind, std::uint32_t index) {
    if (index >= slotCount) return "null";
    return std::string(kindNames[kind]) + "[" + std::to_string(index) + "]";
}

std::string number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string size(const Action& action) { return std::to_string(action.a) + "x" + std::to_string(action.b); }

std::string call(const Action& action) {
    const Action& x = action;
    switch (x.call) {
    case Call::CreateDirect3D:
        return std::string("d3d = Direct3DCreateF(220)") + (x.a == 1 ? " (the system refuses)" : "") +
               (x.d == 1 ? " if the game holds none" : "");
    case Call::ReleaseDirect3D: return "d3d.Release()";
    case Call::CreateDevice:
        return "device = d3d.CreateDevice(" + size(x) + (x.c & 1 ? ", depth" : ", no depth") + ")" +
               (x.d == 1 ? " if the game has none" : "");
    case Call::AddRefDevice: return "device.AddRef()";
    case Call::ReleaseDevice: return "device.Release()";
    case Call::ReleaseDeviceCompletely: return "device.Release() until the game holds no reference";
    case Call::CreateResource: {
        static const char* const creators[] = {"CreateVertexBuffer", "CreateIndexBuffer", "CreateTexture"};
        std::string what = x.a == textureKind ? std::to_string(textureWidths[x.d % textureWidthCount]) + " wide, " : "";
        return slot(x.a, x.b) + " = device." + creators[x.a] + "(" + what + "pool " + std::to_string(x.c) + ")";
    }
    case Call::ReleaseResource: return slot(x.a, x.b) + ".Release()";
    case Call::SetStreamSource:
        return "device.SetStreamSource(" + std::to_string(x.a) + ", " + slot(vertexBufferKind, x.b) + ", " +
               std::to_string(12 * (1 + x.c)) + ")";
    case Call::SetIndices: return "device.SetIndices(" + slot(indexBufferKind, x.a) + ", " + std::to_string(x.b) + ")";
    case Call::SetTexture: return "device.SetTexture(" + std::to_string(x.a) + ", " + slot(textureKind, x.b) + ")";
    case Call::SetTransform: {
        std::string state = std::to_string(transformStates[x.a]);
        if (x.a == nullMatrixTransform) return "device.SetTransform(" + state + ", null)";
        return "device.SetTransform(" + state + ", _11 or _41 " + number(markers[x.b]) + ", scales " +
               number(scales[x.c][0]) + " " + number(scales[x.c][1]) + ")";
    }
    case Call::SetRenderState:
        return "device.SetRenderState(" + std::to_string(renderStates[x.a]) + ", " +
               std::to_string(renderStateValues[x.b]) + ")";
    case Call::DrawIndexedPrimitive:
        return "device.DrawIndexedPrimitive(4, " + std::to_string(x.b) + ", " + std::to_string(4 + 4 * x.c) + ", " +
               std::to_string(3 * x.b) + ", " + std::to_string(primitiveCounts[x.a]) + ")";
    case Call::BeginScene: return "device.BeginScene() at clock " + std::to_string(x.a);
    case Call::TestCooperativeLevel: return "device.TestCooperativeLevel()";
    case Call::Reset:
        return "device.Reset(" + (x.c == 2 ? std::string("null") : size(x) + (x.c == 1 ? ", depth" : ", no depth")) +
               ")";
    case Call::Forwarded: {
        std::string name = forwardedNames[x.a];
        return (name.rfind("Direct3D.", 0) == 0 ? "d3d." + name.substr(9) : "device." + name) + "()";
    }
    }
    return "?";
}

}  // namespace

std::string describe(const Action& action) {
    std::string line = call(action);
    if (action.scripted != 0) {
        char text[48];
        std::snprintf(text, sizeof text, " -> the runtime answers 0x%08llX",
                      static_cast<unsigned long long>(scriptedResults[action.scripted]));
        line += text;
    }
    if (action.fault != 0) line += std::string(" [the runtime fails the library's ") + runtimeFaults[action.fault] + "]";
    return line;
}

}  // namespace chaos
