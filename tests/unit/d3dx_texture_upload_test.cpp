#include <gtest/gtest.h>

#include <vector>

#include "d3dx/texture_upload.h"

namespace d3d8water {
namespace {

// A texture whose levels lock with a pitch chosen by the test, wider than a
// row as drivers often give, or broken. Only the lock methods do anything.
class PitchedTexture final : public IDirect3DTexture8 {
public:
    PitchedTexture(INT pitch, std::size_t levelBytes, UINT levels)
        : pitch_(pitch), memory_(levels, std::vector<BYTE>(levelBytes, 0xEE)) {}

#define D3DX_TEST_UNUSED_METHOD(result, name, ...) \
    result D3D8_CALL name(D3D8_TYPES(__VA_ARGS__)) override { return result(); }
    D3D8_BASETEXTURE_ALL_METHODS(D3DX_TEST_UNUSED_METHOD)
#undef D3DX_TEST_UNUSED_METHOD
    HRESULT D3D8_CALL GetLevelDesc(UINT, D3DSURFACE_DESC*) override { return E_FAIL; }
    HRESULT D3D8_CALL GetSurfaceLevel(UINT, IDirect3DSurface8**) override { return E_FAIL; }
    HRESULT D3D8_CALL AddDirtyRect(const RECT*) override { return E_FAIL; }

    HRESULT D3D8_CALL LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override {
        calls.push_back("LockRect " + std::to_string(level));
        if (level == failingLockLevel || rect || flags) return D3DERR_INVALIDCALL;
        locked->Pitch = pitch_;
        locked->pBits = nullMemory ? nullptr : memory_.at(level).data();
        return D3D_OK;
    }
    HRESULT D3D8_CALL UnlockRect(UINT level) override {
        calls.push_back("UnlockRect " + std::to_string(level));
        return D3D_OK;
    }

    const std::vector<BYTE>& memory(UINT level) const { return memory_.at(level); }
    UINT failingLockLevel = ~0u;
    bool nullMemory = false;
    std::vector<std::string> calls;

private:
    INT pitch_;
    std::vector<std::vector<BYTE>> memory_;
};

// 3 x 2 L8 above 1 x 1.
const Image smallImage{D3DFMT_L8, {{3, 2, {1, 2, 3, 4, 5, 6}}, {1, 1, {7}}}};

TEST(D3dxTextureUpload, CopiesRowsAtTheLockedPitchAndLeavesThePaddingAlone) {
    PitchedTexture texture(8, 16, 2);
    ASSERT_EQ(uploadImage(&texture, smallImage), D3D_OK);
    const BYTE e = 0xEE;
    EXPECT_EQ(texture.memory(0), (std::vector<BYTE>{1, 2, 3, e, e, e, e, e, 4, 5, 6, e, e, e, e, e}));
    EXPECT_EQ(texture.memory(1)[0], 7);
    EXPECT_EQ(texture.memory(1)[1], e);
    EXPECT_EQ(texture.calls, (std::vector<std::string>{"LockRect 0", "UnlockRect 0", "LockRect 1", "UnlockRect 1"}));
}

TEST(D3dxTextureUpload, StopsAtABrokenLockWithoutWriting) {
    struct {
        const char* name;
        INT pitch;
        UINT failingLockLevel;
        bool nullMemory;
        HRESULT expected;
        std::vector<std::string> calls;
    } cases[] = {
        {"lock of level 1 fails", 3, 1, false, D3DERR_INVALIDCALL, {"LockRect 0", "UnlockRect 0", "LockRect 1"}},
        {"pitch narrower than a row", 2, ~0u, false, D3DERR_INVALIDCALL, {"LockRect 0", "UnlockRect 0"}},
        {"negative pitch", -3, ~0u, false, D3DERR_INVALIDCALL, {"LockRect 0", "UnlockRect 0"}},
        {"no memory", 3, ~0u, true, D3DERR_INVALIDCALL, {"LockRect 0", "UnlockRect 0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PitchedTexture texture(c.pitch, 16, 2);
        texture.failingLockLevel = c.failingLockLevel;
        texture.nullMemory = c.nullMemory;
        EXPECT_EQ(uploadImage(&texture, smallImage), c.expected);
        EXPECT_EQ(texture.calls, c.calls);
        if (c.failingLockLevel == ~0u) EXPECT_EQ(texture.memory(0), std::vector<BYTE>(16, 0xEE));
    }
}

}  // namespace
}  // namespace d3d8water
