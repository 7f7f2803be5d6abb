#include "session.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <streambuf>

#include "diagnostics/diagnostic_log.h"
#include "interception/direct3d_create.h"
#include "platform/os_native.h"
#include "water/effect_state.h"

namespace bench {

D3DMATRIX worldMatrix(float marker) {
    D3DMATRIX m{};
    m._11 = marker;
    m._22 = m._33 = m._44 = 1.0f;
    return m;
}

std::ostream& discardingStream() {
    struct Discard : std::streambuf {
        int_type overflow(int_type c) override { return traits_type::not_eof(c); }
        std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    };
    static Discard buffer;
    static std::ostream stream(&buffer);
    return stream;
}

StandardOutputToNull::StandardOutputToNull() {
    std::cout.flush();
    std::fflush(stdout);
    saved_ = dup(1);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    close(null);
}

StandardOutputToNull::~StandardOutputToNull() {
    std::cout.flush();
    std::fflush(stdout);
    dup2(saved_, 1);
    close(saved_);
}

Session::Session(std::ostream* log)
    : wideTexture(256, 256, D3DFMT_A8R8G8B8, scratch_), narrowTexture(64, 64, D3DFMT_A8R8G8B8, scratch_) {
    d3d8water::effectState = d3d8water::EffectState{};
    d3d8water::diagnosticLog.redirect(log);
    os::native::doubles().createDirect3D = [this](UINT) -> IDirect3D8* { return &system_; };
    direct3D_ = Direct3DCreateF(D3D_SDK_VERSION);
    game_ = createDevice();
    real_ = d3d8water::effectState.realDevice;
}

IDirect3DDevice8* Session::createDevice() {
    D3DPRESENT_PARAMETERS params{};
    params.BackBufferWidth = 1024;
    params.BackBufferHeight = 768;
    params.BackBufferFormat = D3DFMT_X8R8G8B8;
    params.SwapEffect = D3DSWAPEFFECT_DISCARD;
    params.Windowed = 1;
    params.EnableAutoDepthStencil = 1;
    params.AutoDepthStencilFormat = D3DFMT_D24S8;
    IDirect3DDevice8* device = nullptr;
    if (direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                &params, &device) != D3D_OK || !device) {
        std::fprintf(stderr, "device creation through the library failed\n");
        std::exit(1);
    }
    return device;
}

Session::~Session() {
    // What the library holds of the game's objects goes before they do.
    d3d8water::diagnosticLog.redirect(&discardingStream());
    game_->TestCooperativeLevel();
    d3d8water::diagnosticLog.redirect(nullptr);
    d3d8water::effectState = d3d8water::EffectState{};
    os::native::reset();
}

}  // namespace bench
