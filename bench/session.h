// What every benchmark starts from: a game's session with the library over the
// null runtime, made the way a game makes it (Direct3DCreateF, CreateDevice
// with the asset files in the working directory), and the objects and world
// transforms a game's frame uses.
#pragma once

#include <ostream>

#include "null/null_runtime.h"

namespace bench {

using namespace d3d8;

// World transforms whose _11 carries the library's markers.
D3DMATRIX worldMatrix(float marker);
inline constexpr float noMarker = 1.0f;
inline constexpr float waterMarker = 200.0f;
inline constexpr float redirectMarker = 500.0f;

// A stream that throws away everything written to it, flushes included.
std::ostream& discardingStream();

// While alive, file descriptor 1 (standard output) is /dev/null, as the
// figures for the water pass and device set-up ask.
// Which device a case calls: the null device straight, or the library's interceptor.
enum class Side { baseline, library };

class StandardOutputToNull {
public:
    StandardOutputToNull();
    ~StandardOutputToNull();
    StandardOutputToNull(const StandardOutputToNull&) = delete;
    StandardOutputToNull& operator=(const StandardOutputToNull&) = delete;

private:
    int saved_;
};

class Session {
    std::vector<BYTE> scratch_;  // what locks of the game's textures hand out

public:
    // The library's diagnostic lines go to `log`; null means standard output.
    explicit Session(std::ostream* log = &discardingStream());
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    IDirect3DDevice8* game() const { return game_; }          // the device interceptor
    IDirect3DDevice8* real() const { return real_; }          // the null device behind it
    IDirect3D8* direct3D(Side side) { return side == Side::library ? direct3D_ : &system_; }
    IDirect3DDevice8* createDevice();                         // another device, as the game makes it
    IDirect3DDevice8* device(Side side) const { return side == Side::library ? game_ : real_; }

    // Game objects: a 256-wide texture (the colour probe reads it), a 64-wide
    // one, and two vertex and two index buffers.
    null_runtime::NullTexture wideTexture;
    null_runtime::NullTexture narrowTexture;
    null_runtime::NullVertexBuffer vertexBuffer;
    null_runtime::NullVertexBuffer otherVertexBuffer;
    null_runtime::NullIndexBuffer indexBuffer;
    null_runtime::NullIndexBuffer otherIndexBuffer;

private:
    null_runtime::NullDirect3D system_;
    IDirect3D8* direct3D_ = nullptr;
    IDirect3DDevice8* game_ = nullptr;
    IDirect3DDevice8* real_ = nullptr;
};

}  // namespace bench
