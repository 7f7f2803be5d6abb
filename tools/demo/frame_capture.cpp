#include "frame_capture.h"

namespace demo {

bool captureBackBuffer(IDirect3DDevice8* device, png::RgbImage& image, std::string& error) {
    IDirect3DSurface8* surface = nullptr;
    if (FAILED(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &surface))) {
        error = "cannot get the back buffer";
        return false;
    }
    D3DSURFACE_DESC description;
    D3DLOCKED_RECT locked;
    bool ok = false;
    if (FAILED(surface->GetDesc(&description))) {
        error = "cannot describe the back buffer";
    } else if (description.Format != D3DFMT_X8R8G8B8 && description.Format != D3DFMT_A8R8G8B8) {
        error = "the back buffer is not a 32-bit format";
    } else if (FAILED(surface->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        error = "cannot lock the back buffer";
    } else {
        image.width = static_cast<int>(description.Width);
        image.height = static_cast<int>(description.Height);
        image.rgb.clear();
        image.rgb.reserve(static_cast<std::size_t>(image.width) * image.height * 3);
        for (int y = 0; y < image.height; ++y) {
            auto row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
            for (int x = 0; x < image.width; ++x)
                image.rgb.insert(image.rgb.end(), {static_cast<std::uint8_t>(row[x] >> 16),
                                                   static_cast<std::uint8_t>(row[x] >> 8),
                                                   static_cast<std::uint8_t>(row[x])});
        }
        surface->UnlockRect();
        ok = true;
    }
    surface->Release();
    return ok;
}

}  // namespace demo
