// The game's calls through the library and the check of every result.
#include "chaos_game.h"

#include <cmath>

#include "chaos_choices.h"
#include "interception/direct3d_create.h"
#include "library_fixture.h"
#include "platform/os_native.h"
#include "water/effect_state.h"

namespace chaos {

using namespace d3d8;
using d3d8water::effectState;

namespace {

// A windowed swap chain of the given size, with or without a depth buffer.
D3DPRESENT_PARAMETERS presentation(UINT width, UINT height, bool depth) {
    D3DPRESENT_PARAMETERS params = d3d8water::testing::LibraryTest::presentParameters(width, height);
    params.EnableAutoDepthStencil = depth;
    return params;
}

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

}  // namespace

const fake::FakeObject* Game::realDevice() const { return runtime_.objectAt(effectState.realDevice); }

void Game::checkResult(const char* method, const void* target, std::size_t firstLine, std::int64_t result,
                       int queuedBefore) const {
    const std::string name = runtime_.nameOf(target);
    const std::string prefix = name + "." + method + "(";
    const auto& lines = runtime_.log.lines();
    for (std::size_t i = lines.size(); i > firstLine; --i) {
        if (lines[i - 1].compare(0, prefix.size(), prefix) != 0) continue;
        auto real = static_cast<std::uint32_t>(runtime_.log.result(i - 1));
        if (static_cast<std::uint32_t>(result) != real)
            throw Fault{"result", "the game received " + hex(static_cast<std::uint32_t>(result)) + " from " +
                                      method + ", the runtime answered " + lines[i - 1] + " with " + hex(real)};
        return;
    }
    // The one call that may end without reaching the runtime: a water draw queued.
    if (std::string(method) == "DrawIndexedPrimitive") {
        if (result != 0 || effectState.deferredDrawCount != queuedBefore + 1)
            throw Fault{"result", "a draw that never reached " + name + " returned " +
                                      hex(static_cast<std::uint32_t>(result)) + " and queued " +
                                      std::to_string(effectState.deferredDrawCount - queuedBefore)};
        for (std::size_t i = firstLine; i < lines.size(); ++i)
            if (lines[i].compare(0, name.size() + 1, name + ".") == 0)
                throw Fault{"result", "a queued draw called the device: " + lines[i]};
        return;
    }
    throw Fault{"result", std::string("the game's ") + method + " never reached " + name};
}

void Game::count(const char* method, const Before& before, std::int64_t result, bool faulted) {
    const std::string name = method;
    const int queued = effectState.deferredDrawCount;
    if (faulted) ++coverage_[runtimeFault];
    if (name == "DrawIndexedPrimitive") {
        if (queued > before.queued) ++coverage_[waterQueued];
        if (before.held && before.water && before.queued == d3d8water::deferredDrawCapacity) ++coverage_[queueFull];
        const auto& lines = runtime_.log.lines();
        for (std::size_t i = before.firstLine; i < lines.size(); ++i)
            if (lines[i].find(".SetRenderTarget(") != std::string::npos) {
                ++coverage_[redirectedDraw];
                break;
            }
    } else if (name == "SetRenderState" && before.queued > 0 && queued == 0) {
        ++coverage_[waterPass];
    } else if (name == "TestCooperativeLevel") {
        ++coverage_[lossCall];
    } else if (name == "Reset") {
        ++coverage_[result == 0 ? resetSucceeded : resetRefused];
        if (before.held) ++coverage_[resetWhileHeld];
    } else if (name == "CreateDevice" && result == 0 && before.device) {
        ++coverage_[secondDevice];
    }
}

void Game::play(const Action& action) {
    output_.str({});
    switch (action.call) {
    case Call::CreateDirect3D: return createDirect3D(action);
    case Call::ReleaseDirect3D: return releaseDirect3D(action);
    case Call::CreateDevice: return createDevice(action);
    case Call::AddRefDevice:
        if (!haveDevice()) return;
        call<ULONG>(
            action, "AddRef", effectState.realDevice, [&] { return device_->AddRef(); },
            [&](ULONG) {
                ledger_.took(effectState.realDevice);
                ++deviceReferences_;
            });
        return;
    case Call::ReleaseDevice:
        if (deviceReferences_ > 1) releaseDevice(action, false);
        return;
    case Call::ReleaseDeviceCompletely: return releaseDevice(action, true);
    case Call::CreateResource: return createResource(action);
    case Call::ReleaseResource: return releaseResource(action);
    case Call::SetStreamSource: case Call::SetIndices: case Call::SetTexture: return bind(action);
    case Call::SetTransform: return setTransform(action);
    case Call::SetRenderState:
        if (!haveDevice()) return;
        call<HRESULT>(action, "SetRenderState", effectState.realDevice, [&] {
            return device_->SetRenderState(static_cast<D3DRENDERSTATETYPE>(renderStates[action.a]),
                                           renderStateValues[action.b]);
        });
        return;
    case Call::DrawIndexedPrimitive:
        if (!haveDevice()) return;
        call<HRESULT>(action, "DrawIndexedPrimitive", effectState.realDevice, [&] {
            return device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, action.b, 4 + 4 * action.c, 3 * action.b,
                                                 primitiveCounts[action.a]);
        });
        return;
    case Call::BeginScene:
        if (!haveDevice()) return;
        os::native::doubles().clock = action.a;
        call<HRESULT>(action, "BeginScene", effectState.realDevice, [&] { return device_->BeginScene(); });
        return;
    case Call::TestCooperativeLevel: case Call::Reset: return loss(action);
    case Call::Forwarded: return forwarded(action);
    }
}

void Game::createDirect3D(const Action& action) {
    if (action.d == 1 && direct3D_) return;
    runtime_.refuseDirect3D = action.a == 1;
    const fake::FakeObject* before = runtime_.direct3D();
    IDirect3D8* interceptor = Direct3DCreateF(D3D_SDK_VERSION);
    runtime_.refuseDirect3D = false;
    ++calls_;
    if (action.a == 1) {
        if (interceptor) throw Fault{"result", "Direct3DCreateF returned an object where the system returned null"};
    } else {
        if (!interceptor || runtime_.direct3D() == before ||
            runtime_.objectAt(effectState.realDirect3D) != runtime_.direct3D())
            throw Fault{"result", "Direct3DCreateF did not hand out the new system object"};
        ledger_.took(effectState.realDirect3D, true);
        direct3D_ = interceptor;  // an earlier one is kept, never used again
    }
    invariants_.afterCall();
}

void Game::releaseDirect3D(const Action& action) {
    if (!direct3D_) return;
    const void* real = effectState.realDirect3D;
    call<ULONG>(action, "Release", real, [&] { return direct3D_->Release(); }, [&](ULONG) { ledger_.gave(real); });
    direct3D_ = nullptr;
}

void Game::createDevice(const Action& action) {
    if (!direct3D_ || (action.d == 1 && device_)) return;
    D3DPRESENT_PARAMETERS params = presentation(action.a, action.b, action.c & 1);
    IDirect3DDevice8* created = reinterpret_cast<IDirect3DDevice8*>(std::uintptr_t{0x1});
    call<HRESULT>(
        action, "CreateDevice", effectState.realDirect3D,
        [&] {
            return direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                           D3DCREATE_HARDWARE_VERTEXPROCESSING, &params, &created);
        },
        [&](HRESULT result) {
            if (result != D3D_OK) {
                if (created) throw Fault{"result", "a failed CreateDevice left a device pointer for the game"};
                return;
            }
            if (!created) throw Fault{"result", "CreateDevice succeeded without a device"};
            ledger_.took(effectState.realDevice, true);
            device_ = created;  // an earlier device is kept, never used again
            deviceReferences_ = 1;
        });
}

void Game::releaseDevice(const Action& action, bool completely) {
    if (!haveDevice()) return;
    do {
        const void* real = effectState.realDevice;
        call<ULONG>(action, "Release", real, [&] { return device_->Release(); }, [&](ULONG) { ledger_.gave(real); });
    } while (--deviceReferences_ > 0 && completely);
    if (deviceReferences_ == 0) {
        device_ = nullptr;
        ++coverage_[deviceLetGo];
    }
}

void Game::loss(const Action& action) {
    if (!haveDevice()) return;
    output_.str({});
    HRESULT result;
    std::string expected;
    if (action.call == Call::TestCooperativeLevel) {
        result = call<HRESULT>(action, "TestCooperativeLevel", effectState.realDevice,
                               [&] { return device_->TestCooperativeLevel(); });
        expected = result == D3DERR_DEVICELOST        ? "testc lost\n"
                   : result == D3DERR_DEVICENOTRESET ? "testc not reset\n"
                                                      : "testc OK\n";
        if (output_.str() != expected) throw Fault{"lines", "TestCooperativeLevel wrote \"" + output_.str() + "\""};
        return;
    }
    D3DPRESENT_PARAMETERS params = presentation(action.a, action.b, action.c == 1);
    D3DPRESENT_PARAMETERS* passed = action.c == 2 ? nullptr : &params;
    result = call<HRESULT>(action, "Reset", effectState.realDevice, [&] { return device_->Reset(passed); });
    expected = result == D3D_OK ? "reset OK\n" : result == D3DERR_INVALIDCALL ? "reset invalid call\n" : "reset nomem\n";
    if (output_.str().compare(0, expected.size(), expected) != 0)
        throw Fault{"lines", "Reset returned " + hex(static_cast<std::uint32_t>(result)) + " and wrote \"" +
                                 output_.str() + "\""};
}

void Game::finish() {
    output_.str({});
    if (!haveDevice()) {
        if (!direct3D_) createDirect3D({Call::CreateDirect3D});
        createDevice({Call::CreateDevice, 64, 48, 1});
    }
    if (!haveDevice()) throw Fault{"game", "no device for the last loss cycle"};
    loss({Call::TestCooperativeLevel});
    invariants_.atEnd();
}

}  // namespace chaos
