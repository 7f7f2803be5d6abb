// Call orders and runtime answers outside the expected cycle, each a fault a
// chaos run found: buffers the game and the device both let go of while the
// library still had them recorded, a device the game released and replaced,
// and runtime calls that fail under the library's own loss handling.
#include <functional>

#include "library_fixture.h"

namespace d3d8water::testing {
namespace {

class HostileOrderTest : public LibraryTest {
protected:
    void SetUp() override {
        direct3D = createDirect3D();
        device = createDevice(direct3D);
        takeOutput();
    }

    IDirect3DVertexBuffer8* vertexBuffer() {
        IDirect3DVertexBuffer8* buffer = nullptr;
        EXPECT_EQ(device->CreateVertexBuffer(64, 0, 0, D3DPOOL_MANAGED, &buffer), D3D_OK);
        return buffer;
    }
    IDirect3DIndexBuffer8* indexBuffer() {
        IDirect3DIndexBuffer8* buffer = nullptr;
        EXPECT_EQ(device->CreateIndexBuffer(64, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &buffer), D3D_OK);
        return buffer;
    }
    void world(float marker) {
        D3DMATRIX matrix{};
        matrix._11 = marker;
        matrix._22 = matrix._33 = matrix._44 = 1.0f;
        device->SetTransform(D3DTS_WORLD, &matrix);
    }
    HRESULT water() {
        world(250.0f);
        return device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2);
    }
    bool alive(const void* object) const { return runtime.objectAt(object)->alive(); }

    IDirect3D8* direct3D = nullptr;
    IDirect3DDevice8* device = nullptr;
};

// The game binds a buffer, lets go of its reference, and the device unbinds
// it without the library seeing a new binding; the next water draw queues it.
TEST_F(HostileOrderTest, AWaterDrawQueuesOnlyBuffersThatAreStillThere) {
    struct Case {
        const char* what;
        std::function<IDirect3DIndexBuffer8*()> letGo;
    };
    const Case cases[] = {
        {"the runtime refused the binding",
         [this] {
             IDirect3DIndexBuffer8* buffer = indexBuffer();
             runtime.scripts.once("SetIndices", D3DERR_INVALIDCALL);
             EXPECT_EQ(device->SetIndices(buffer, 0), D3DERR_INVALIDCALL);
             buffer->Release();
             return buffer;
         }},
        {"a water pass bound the queued draw's buffer in its place",
         [this] {
             IDirect3DIndexBuffer8* queued = indexBuffer();
             device->SetIndices(queued, 0);
             EXPECT_EQ(water(), D3D_OK);
             IDirect3DIndexBuffer8* buffer = indexBuffer();
             device->SetIndices(buffer, 0);
             buffer->Release();
             device->SetRenderState(D3DRS_ZENABLE, 1);
             device->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
             EXPECT_EQ(runtime.device()->indices().first, queued);
             return buffer;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IDirect3DIndexBuffer8* buffer = c.letGo();
        EXPECT_TRUE(alive(buffer));  // the recorded binding's reference
        EXPECT_EQ(water(), D3D_OK);
        ASSERT_EQ(effectState.deferredDrawCount, 1);
        EXPECT_EQ(effectState.deferredDraws[0].indexBuffer, buffer);
        // Loss gives back the queue's and the record's references: nothing else holds it.
        device->TestCooperativeLevel();
        EXPECT_FALSE(alive(buffer));
        D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
        ASSERT_EQ(device->Reset(&params), D3D_OK);
    }
    EXPECT_TRUE(runtime.violations().empty());
}

TEST_F(HostileOrderTest, ADeviceTheGameReleasedIsLetGoOfWhenTheNextIsMade) {
    fake::FakeDevice* first = runtime.device();
    IDirect3DVertexBuffer8* vertices = vertexBuffer();
    device->SetStreamSource(0, vertices, 12);
    EXPECT_GT(device->Release(), 0u);  // the library's surfaces keep it, as on the real runtime
    EXPECT_TRUE(first->alive());
    vertices->Release();               // still bound on the first device

    IDirect3DDevice8* second = createDevice(direct3D);
    EXPECT_FALSE(first->alive());
    EXPECT_FALSE(alive(vertices));
    device = second;
    EXPECT_EQ(water(), D3D_OK);
    EXPECT_EQ(effectState.deferredDraws[0].vertexBuffer, nullptr);
    EXPECT_TRUE(runtime.violations().empty());
}

// A Reset whose surface queries the runtime refuses: whatever they wrote
// through the pointer is neither kept nor given back later.
TEST_F(HostileOrderTest, ARefusedSurfaceQueryAtResetLeavesNoSurfaceBehind) {
    for (const char* query : {"GetRenderTarget", "GetDepthStencilSurface"}) {
        SCOPED_TRACE(query);
        device->TestCooperativeLevel();
        runtime.scripts.once(query, D3DERR_INVALIDCALL);
        D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
        ASSERT_EQ(device->Reset(&params), D3D_OK);
        const bool renderTarget = std::string(query) == "GetRenderTarget";
        EXPECT_EQ(renderTarget ? effectState.backBufferSurface : effectState.backDepthSurface, nullptr);
        EXPECT_NE(renderTarget ? effectState.backDepthSurface : effectState.backBufferSurface, nullptr);
        device->TestCooperativeLevel();
        D3DPRESENT_PARAMETERS again = presentParameters(640, 480);
        ASSERT_EQ(device->Reset(&again), D3D_OK);
    }
    EXPECT_TRUE(runtime.violations().empty());
}

// Without the game's render target to go back to, a reflected draw would leave
// the game drawing into the reflection: it passes on plainly instead.
TEST_F(HostileOrderTest, WithoutTheGamesTargetAReflectedDrawPassesOnPlainly) {
    device->TestCooperativeLevel();
    runtime.scripts.once("GetRenderTarget", D3DERR_INVALIDCALL);
    D3DPRESENT_PARAMETERS params = presentParameters(640, 480);
    ASSERT_EQ(device->Reset(&params), D3D_OK);
    world(500.0f);
    runtime.log.clear();
    EXPECT_EQ(device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2), D3D_OK);
    EXPECT_EQ(runtime.log.lines(), std::vector<std::string>{"device1.DrawIndexedPrimitive(4, 0, 4, 0, 2)"});
    EXPECT_EQ(runtime.device()->renderTarget(), runtime.device()->backBuffer());
}

}  // namespace
}  // namespace d3d8water::testing
