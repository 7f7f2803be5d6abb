#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "d3dx/block_decode.h"
#include "d3dx/mip_generation.h"
#include "d3dx/texture_from_file.h"
#include "d3dx_dds_builder.h"
#include "dds_writer.h"
#include "fake/fake_runtime.h"
#include "mip_chain.h"

namespace d3d8water {
namespace {

using d3dx_test::countingBytes;
using d3dx_test::DdsBuilder;
namespace fs = std::filesystem;

// A fake device, and a scratch directory that is the current directory while
// the test runs, so that files are read by bare name as the game's are.
class D3dxTextureFromFile : public ::testing::Test {
protected:
    D3dxTextureFromFile() {
        D3DPRESENT_PARAMETERS params{};
        params.BackBufferWidth = 64;
        params.BackBufferHeight = 64;
        params.Windowed = 1;
        IDirect3DDevice8* created = nullptr;
        runtime.make<fake::FakeDirect3D>("d3d1", D3D_SDK_VERSION)
            ->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &params, &created);
        device = runtime.device();
        runtime.log.clear();

        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = fs::temp_directory_path() / ("d3dx_" + std::string(test->name()) + "_" +
                                                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(directory);
        previousDirectory = fs::current_path();
        fs::current_path(directory);
    }

    ~D3dxTextureFromFile() override {
        fs::current_path(previousDirectory);
        fs::remove_all(directory);
    }

    void writeFile(const std::string& name, const std::vector<BYTE>& bytes) {
        std::ofstream out(directory / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    HRESULT load(const std::vector<BYTE>& file) {
        writeFile("texture.dds", file);
        return D3DXCreateTextureFromFileA(device, "texture.dds", &texture);
    }

    fake::FakeTexture* fakeTexture() const { return dynamic_cast<fake::FakeTexture*>(runtime.objectAt(texture)); }

    std::vector<BYTE> levelBytes(UINT level) const { return fakeTexture()->level(level)->bytes(); }

    // Every texture the loader made has been given back.
    void expectNoTextureAlive() const {
        for (const fake::FakeObject* object : runtime.objects())
            if (dynamic_cast<const fake::FakeTexture*>(object)) EXPECT_FALSE(object->alive()) << object->name();
    }

    // CreateTexture lines without their last argument, the address of the out-parameter.
    std::vector<std::string> createCalls() const {
        std::vector<std::string> calls;
        for (const std::string& line : runtime.log.only({"CreateTexture"}))
            calls.push_back(line.substr(0, line.rfind(',')) + ")");
        return calls;
    }

    fake::Runtime runtime;
    fake::FakeDevice* device = nullptr;
    IDirect3DTexture8* texture = reinterpret_cast<IDirect3DTexture8*>(0x1234);  // must be overwritten
    fs::path directory;
    fs::path previousDirectory;
};

TEST_F(D3dxTextureFromFile, UploadsTheLevelsGivenAndTheLevelsMadeIntoAManagedTexture) {
    // 8 x 4 A8R8G8B8 carrying two of its four levels.
    DdsBuilder builder(D3DFMT_A8R8G8B8, 8, 4);
    builder.mipMapCount = 2;
    builder.data = countingBytes(128 + 32);
    ASSERT_EQ(load(builder.bytes()), D3D_OK);
    ASSERT_NE(fakeTexture(), nullptr);

    EXPECT_EQ(createCalls(), (std::vector<std::string>{"device1.CreateTexture(8, 4, 4, 0, 21, 1)"}));
    // Each level locked whole, then unlocked, in order.
    const std::vector<std::string> lockSequence = runtime.log.only({"LockRect", "UnlockRect"});
    ASSERT_EQ(lockSequence.size(), 8u);
    for (UINT level = 0; level < 4; ++level) {
        EXPECT_EQ(lockSequence[2 * level].rfind("texture1.LockRect(" + std::to_string(level) + ", ", 0), 0u);
        EXPECT_NE(lockSequence[2 * level].find(", null, 0)"), std::string::npos);
        EXPECT_EQ(lockSequence[2 * level + 1], "texture1.UnlockRect(" + std::to_string(level) + ")");
    }

    fake::FakeTexture& created = *fakeTexture();
    EXPECT_EQ(created.pool(), D3DPOOL_MANAGED);
    EXPECT_EQ(created.usage(), 0u);
    ASSERT_EQ(created.levelCount(), 4u);
    EXPECT_EQ(levelBytes(0), countingBytes(128));
    EXPECT_EQ(levelBytes(1), std::vector<BYTE>(builder.data.begin() + 128, builder.data.end()));
    const PixelFormatInfo& argb = *findPixelFormat(D3DFMT_A8R8G8B8);
    EXPECT_EQ(levelBytes(2), boxFilterLevel(argb, 4, 2, levelBytes(1)));
    EXPECT_EQ(levelBytes(3), boxFilterLevel(argb, 2, 1, levelBytes(2)));
    EXPECT_FALSE(created.level(3)->locked());
    EXPECT_EQ(created.references(), 1u);  // the caller's
}

struct DeviceFormatCase {
    D3DFORMAT fileFormat;
    UINT levelsInFile;  // of a 4 x 4 image, whose full chain has 3
    std::size_t bytesInFile;
    D3DFORMAT textureFormat;
    bool levelZeroAsInFile;
};

TEST_F(D3dxTextureFromFile, CreatesTheTextureInTheFormatEachFileNeeds) {
    const DeviceFormatCase cases[] = {
        {D3DFMT_A8R8G8B8, 1, 64, D3DFMT_A8R8G8B8, true},   {D3DFMT_X8R8G8B8, 1, 64, D3DFMT_X8R8G8B8, true},
        {D3DFMT_R8G8B8, 1, 48, D3DFMT_X8R8G8B8, false},    {D3DFMT_R5G6B5, 1, 32, D3DFMT_R5G6B5, true},
        {D3DFMT_X1R5G5B5, 1, 32, D3DFMT_X1R5G5B5, true},   {D3DFMT_A1R5G5B5, 1, 32, D3DFMT_A1R5G5B5, true},
        {D3DFMT_A4R4G4B4, 1, 32, D3DFMT_A4R4G4B4, true},   {D3DFMT_A8, 1, 16, D3DFMT_A8, true},
        {D3DFMT_L8, 1, 16, D3DFMT_L8, true},               {D3DFMT_A8L8, 1, 32, D3DFMT_A8L8, true},
        {D3DFMT_DXT1, 3, 24, D3DFMT_DXT1, true},           {D3DFMT_DXT2, 3, 48, D3DFMT_DXT2, true},
        {D3DFMT_DXT3, 3, 48, D3DFMT_DXT3, true},           {D3DFMT_DXT4, 3, 48, D3DFMT_DXT4, true},
        {D3DFMT_DXT5, 3, 48, D3DFMT_DXT5, true},           {D3DFMT_DXT1, 1, 8, D3DFMT_A8R8G8B8, false},
        {D3DFMT_DXT5, 2, 32, D3DFMT_A8R8G8B8, false},
    };
    for (const DeviceFormatCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "file format " << c.fileFormat << ", " << c.levelsInFile << " level(s)");
        DdsBuilder builder(c.fileFormat, 4, 4);
        builder.mipMapCount = c.levelsInFile;
        builder.data = countingBytes(c.bytesInFile, 3);
        ASSERT_EQ(load(builder.bytes()), D3D_OK);
        D3DSURFACE_DESC desc{};
        ASSERT_EQ(texture->GetLevelDesc(0, &desc), D3D_OK);
        EXPECT_EQ(desc.Format, c.textureFormat);
        EXPECT_EQ(texture->GetLevelCount(), 3u);
        const std::vector<BYTE> level0 = levelBytes(0);
        if (c.levelZeroAsInFile)
            EXPECT_EQ(level0, std::vector<BYTE>(builder.data.begin(), builder.data.begin() + level0.size()));
        texture->Release();
    }
    // R8G8B8 rows widened with X = 0xFF.
    DdsBuilder rgb(D3DFMT_R8G8B8, 1, 1);
    rgb.data = {0x10, 0x20, 0x30};
    ASSERT_EQ(load(rgb.bytes()), D3D_OK);
    EXPECT_EQ(levelBytes(0), (std::vector<BYTE>{0x10, 0x20, 0x30, 0xFF}));
    texture->Release();
    expectNoTextureAlive();
}

TEST_F(D3dxTextureFromFile, RetriesARefusedBlockFormatAsDecodedA8R8G8B8) {
    device->refusedTextureFormats = {D3DFMT_DXT5};
    DdsBuilder builder(D3DFMT_DXT5, 4, 4);
    builder.mipMapCount = 3;
    builder.data = countingBytes(48, 9);
    ASSERT_EQ(load(builder.bytes()), D3D_OK);
    EXPECT_EQ(createCalls(), (std::vector<std::string>{"device1.CreateTexture(4, 4, 3, 0, 0x35545844, 1)",
                                                        "device1.CreateTexture(4, 4, 3, 0, 21, 1)"}));
    ASSERT_EQ(fakeTexture()->levelCount(), 3u);
    const UINT sizes[3] = {4, 2, 1};
    for (UINT level = 0; level < 3; ++level) {
        const std::vector<BYTE> block(builder.data.begin() + 16 * level, builder.data.begin() + 16 * (level + 1));
        EXPECT_EQ(levelBytes(level), decodeBlockLevel(D3DFMT_DXT5, sizes[level], sizes[level], block)) << level;
    }
}

TEST_F(D3dxTextureFromFile, FailingDeviceCallsFailTheLoadAndLeaveNothingHeld) {
    DdsBuilder builder(D3DFMT_DXT1, 4, 4);
    builder.mipMapCount = 3;
    builder.data = countingBytes(24);
    const ULONG deviceReferences = device->references();
    const struct {
        const char* name;
        const char* method;
        HRESULT result;
        bool once;
    } cases[] = {
        {"CreateTexture refused in both formats", "CreateTexture", D3DERR_OUTOFVIDEOMEMORY, false},
        {"first LockRect", "LockRect", D3DERR_INVALIDCALL, true},
        {"first UnlockRect", "UnlockRect", D3DERR_DRIVERINTERNALERROR, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        runtime.scripts.clear();
        if (c.once)
            runtime.scripts.once(c.method, c.result);
        else
            runtime.scripts.always(c.method, c.result);
        texture = reinterpret_cast<IDirect3DTexture8*>(0x1234);
        EXPECT_EQ(load(builder.bytes()), c.result);
        EXPECT_EQ(texture, nullptr);
        expectNoTextureAlive();
        EXPECT_EQ(device->references(), deviceReferences);
    }
    EXPECT_EQ(createCalls().size(), 2u + 1u + 1u);  // the refusal was retried once as A8R8G8B8
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(D3dxTextureFromFile, FilesThatCannotBeReadNeverReachTheDevice) {
    DdsBuilder cube(D3DFMT_A8R8G8B8, 1, 1);
    cube.caps2 = 0xFE00;
    cube.data = countingBytes(24);
    DdsBuilder truncated(D3DFMT_A8R8G8B8, 2, 2);
    truncated.data = countingBytes(15);
    writeFile("cube.dds", cube.bytes());
    writeFile("truncated.dds", truncated.bytes());
    writeFile("empty.dds", {});
    const struct {
        const char* name;
        HRESULT expected;
    } cases[] = {
        {"missing.dds", D3DERR_NOTFOUND},
        {"cube.dds", D3DERR_NOTAVAILABLE},
        {"truncated.dds", D3DERR_INVALIDCALL},
        {"empty.dds", D3DERR_INVALIDCALL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        texture = reinterpret_cast<IDirect3DTexture8*>(0x1234);
        EXPECT_EQ(D3DXCreateTextureFromFileA(device, c.name, &texture), c.expected);
        EXPECT_EQ(texture, nullptr);
    }
    texture = reinterpret_cast<IDirect3DTexture8*>(0x1234);
    EXPECT_EQ(D3DXCreateTextureFromFileA(nullptr, "cube.dds", &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device, nullptr, &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTextureFromFileA(device, "cube.dds", nullptr), D3DERR_INVALIDCALL);
    EXPECT_TRUE(runtime.log.lines().empty());
}

TEST_F(D3dxTextureFromFile, LoadsTheNormalMapGeneratorsFilesUnchanged) {
    normal_maps::Image top;
    top.size = 8;
    for (int i = 0; i < 64; ++i) top.pixels.push_back(0x80000000u + 0x00030507u * static_cast<std::uint32_t>(i));
    const std::vector<normal_maps::Image> chain = normal_maps::mipChain(top);
    writeFile("water_normal_0.dds", normal_maps::ddsFile(chain));
    ASSERT_EQ(D3DXCreateTextureFromFileA(device, "water_normal_0.dds", &texture), D3D_OK);
    ASSERT_EQ(fakeTexture()->levelCount(), chain.size());
    for (UINT level = 0; level < chain.size(); ++level) {
        std::vector<BYTE> expected;
        for (std::uint32_t pixel : chain[level].pixels)
            for (int shift = 0; shift < 32; shift += 8) expected.push_back(static_cast<BYTE>(pixel >> shift));
        EXPECT_EQ(levelBytes(level), expected) << "level " << level;
    }
}

}  // namespace
}  // namespace d3d8water
