// The demo game: draws a small scene over water through d3d8water.dll, as a game
// that sets the library's markers would, or (--control) through the system
// runtime alone. Exits 0 when every frame was drawn (and the picture written),
// 1 on its own errors, 2 on a bad command line.
#include <cstdio>
#include <string>

#include "box_dismisser.h"
#include "device_setup.h"
#include "direct3d_loader.h"
#include "frame_capture.h"
#include "frame_script.h"
#include "options.h"
#include "png_writer.h"
#include "scene_resources.h"
#include "window.h"

namespace {

int fail(const std::string& error) {
    std::fprintf(stderr, "demo: %s\n", error.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    demo::Options options;
    std::string error;
    if (!demo::parseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "demo: %s\n%s", error.c_str(), demo::usage);
        return 2;
    }
    if (!demo::dismissMessageBoxes()) return fail("cannot watch for message boxes");
    HWND window = demo::createWindow(options.width, options.height);
    if (!window) return fail("cannot create the window");
    IDirect3D8* direct3D = demo::loadDirect3D(options.control, error);
    if (!direct3D) return fail(error);
    D3DPRESENT_PARAMETERS parameters;
    if (!demo::presentParameters(direct3D, window, options, parameters, error)) return fail(error);
    IDirect3DDevice8* device = demo::createDevice(direct3D, window, parameters, error);
    if (!device) return fail(error);

    demo::SceneResources scene;
    int status = 0;
    if (!demo::createSceneResources(device, options.waterColor, scene, error)) status = fail(error);
    for (int frame = 0; status == 0 && frame < options.frames; ++frame) {
        if (options.reset && frame == options.frames / 2 && !demo::resetDevice(device, parameters, error)) {
            status = fail(error);
            break;
        }
        demo::pumpMessages();
        demo::drawFrame(device, scene, options);
        if (frame + 1 == options.frames && !options.outPath.empty()) {
            png::RgbImage image;
            if (!demo::captureBackBuffer(device, image, error)) {
                status = fail(error);
            } else if (!png::writePng(options.outPath, image)) {
                status = fail("cannot write " + options.outPath);
            }
        }
        device->Present(nullptr, nullptr, nullptr, nullptr);
        if (options.intervalMs > 0) Sleep(static_cast<DWORD>(options.intervalMs));
    }
    demo::releaseSceneResources(scene);
    device->Release();
    direct3D->Release();
    DestroyWindow(window);
    return status;
}
