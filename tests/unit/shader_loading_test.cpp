// Loading compiled shaders: the lines of each load, a shader the platform
// refuses, and files whose token stream would lead the platform past the buffer.
#include "library_fixture.h"
#include "resources/shader_file.h"
#include "resources/shader_loading.h"

namespace d3d8water::testing {
namespace {

std::vector<unsigned char> bytesOf(const std::vector<DWORD>& tokens) {
    std::vector<unsigned char> bytes(tokens.size() * 4);
    std::memcpy(bytes.data(), tokens.data(), bytes.size());
    return bytes;
}

TEST(ShaderFileTest, AStreamMustReachItsEndTokenInsideTheFile) {
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        bool whole;
    };
    std::vector<unsigned char> oddTail = bytesOf({0xFFFF0101, 0x0000FFFF});
    oddTail.push_back(0);
    std::vector<unsigned char> cutEnd = bytesOf({0xFFFF0101, 0x0000FFFF});
    cutEnd.pop_back();
    const Case cases[] = {
        {"version, instruction, end", bytesOf({0xFFFF0101, 0x00000001, 0x800F0000, 0x90E40000, 0x0000FFFF}), true},
        {"trailing bytes after the end", bytesOf({0xFFFF0101, 0x0000FFFF, 0x12345678}), true},
        {"empty", {}, false},
        {"version only", bytesOf({0xFFFF0101}), false},
        {"truncated before the end", bytesOf({0xFFFF0101, 0x00000001, 0x800F0000}), false},
        {"an odd byte after the end", oddTail, true},
        {"cut inside the end token", cutEnd, false},
        {"a version token equal to the end token", bytesOf({0x0000FFFF}), false},
        {"comment skipped by its length", bytesOf({0xFFFF0101, 0x0002FFFE, 0x0000FFFF, 0x0000FFFF, 0x0000FFFF}), true},
        {"end token only inside a comment", bytesOf({0xFFFF0101, 0x0001FFFE, 0x0000FFFF}), false},
        {"comment running past the end", bytesOf({0xFFFF0101, 0x7FFFFFFE, 0x0000FFFF}), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shaderStreamEndsInside(c.bytes.data(), c.bytes.size()), c.whole) << c.what;
}

TEST(ShaderFileTest, ThePlatformGetsTheWholeFileAndOneMoreEndToken) {
    std::vector<unsigned char> bytes = bytesOf({0xFFFF0101, 0x0000FFFF, 0xABCD});
    EXPECT_EQ(shaderFunctionBuffer(bytes.data(), bytes.size()),
              (std::vector<DWORD>{0xFFFF0101, 0x0000FFFF, 0xABCD, 0x0000FFFF}));
}

class ShaderLoadingTest : public LibraryTest {
protected:
    void SetUp() override {
        createDevice(createDirect3D());
        takeOutput();
        runtime.log.clear();
    }
};

TEST_F(ShaderLoadingTest, APixelShaderLoadWritesItsProgressLines) {
    std::vector<unsigned char> big = AssetDirectory::pixelShaderBytes();
    big.resize(1234, 0);  // trailing bytes after the end token
    assets.write("testPS.pso", big);
    DWORD handle = 0;
    loadPixelShader("testPS.pso", handle);
    EXPECT_EQ(takeOutput(), "1\nattempting to load testPS.pso\n2\n3\n1234\n4\n5\n");
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(runtime.device()->shaders().at(handle).function.size(), 7u);
}

TEST_F(ShaderLoadingTest, ARefusedShaderWritesItsErrorAndLoadingGoesOn) {
    runtime.scripts.once("CreatePixelShader", D3DERR_INVALIDCALL);
    runtime.scripts.once("CreateVertexShader", D3DERR_INVALIDCALL);
    DWORD pixel = 77, vertex = 77;
    loadPixelShader("testPS.pso", pixel);
    loadPixelShader("testPS_night.pso", pixel);
    loadVertexShader("testVS.vso", vertex);
    EXPECT_EQ(takeOutput(),
              "1\nattempting to load testPS.pso\n2\n3\n28\nError creating shader\n4\n5\n"
              "1\nattempting to load testPS_night.pso\n2\n3\n28\n4\n5\n"
              "attempting to load testVS.vso\nError creating shader\n");
    EXPECT_EQ(runtime.log.only({"CreatePixelShader", "CreateVertexShader"}).size(), 3u);
    // Whatever the refusal left in the handle (the fake leaves 0xA5A5A5A5) is no shader.
    EXPECT_EQ(vertex, 0u);
}

TEST_F(ShaderLoadingTest, AStreamWithoutItsEndIsNeverHandedToThePlatform) {
    const std::vector<unsigned char> broken[] = {
        {},
        {0x01, 0x01, 0xFF},
        bytesOf({0xFFFE0101, 0x00000001, 0xC00F0000}),
    };
    for (const auto& bytes : broken) {
        assets.write("testVS.vso", bytes);
        DWORD handle = 99;
        loadVertexShader("testVS.vso", handle);
        EXPECT_EQ(takeOutput(), "attempting to load testVS.vso\nError creating shader\n");
        EXPECT_EQ(handle, 0u);
    }
    EXPECT_EQ(runtime.log.only({"CreateVertexShader"}).size(), 0u);
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(ShaderLoadingTest, AShaderChangedOnDiskIsReadAgainAtTheNextReset) {
    IDirect3DDevice8* device = createDevice(createDirect3D());
    std::vector<DWORD> replacement = {0xFFFF0104, 0x00000001, 0x800F0000, 0xB0E40000, 0x0000FFFF, 0};
    assets.write("testPS_sunset.pso", bytesOf(replacement));
    device->TestCooperativeLevel();
    D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
    ASSERT_EQ(device->Reset(&params), D3D_OK);
    replacement.pop_back();
    EXPECT_EQ(runtime.device()->shaders().at(effectState.sunsetPixelShader).function, replacement);
}

}  // namespace
}  // namespace d3d8water::testing
