#include "d3dx/texture_upload.h"

#include <cstring>

#include "d3dx/pixel_formats.h"

namespace d3d8water {

HRESULT createManagedTexture(IDirect3DDevice8* device, const Image& image, IDirect3DTexture8** texture) {
    const ImageLevel& top = image.levels.front();
    *texture = nullptr;
    const HRESULT hr = device->CreateTexture(top.width, top.height, static_cast<UINT>(image.levels.size()), 0,
                                             image.format, D3DPOOL_MANAGED, texture);
    if (!succeeded(hr)) {
        *texture = nullptr;
        return hr;
    }
    return *texture ? D3D_OK : E_FAIL;
}

HRESULT uploadImage(IDirect3DTexture8* texture, const Image& image) {
    const PixelFormatInfo& format = *findPixelFormat(image.format);
    for (UINT i = 0; i < image.levels.size(); ++i) {
        const ImageLevel& level = image.levels[i];
        const std::size_t rowBytes = static_cast<std::size_t>(levelRowBytes(format, level.width));
        const std::size_t rows = static_cast<std::size_t>(levelRowCount(format, level.height));
        D3DLOCKED_RECT locked{};
        if (HRESULT hr = texture->LockRect(i, &locked, nullptr, 0); !succeeded(hr)) return hr;
        if (!locked.pBits || locked.Pitch < 0 || static_cast<std::size_t>(locked.Pitch) < rowBytes) {
            texture->UnlockRect(i);
            return D3DERR_INVALIDCALL;
        }
        BYTE* destination = static_cast<BYTE*>(locked.pBits);
        for (std::size_t row = 0; row < rows; ++row)
            std::memcpy(destination + row * locked.Pitch, level.bytes.data() + row * rowBytes, rowBytes);
        if (HRESULT hr = texture->UnlockRect(i); !succeeded(hr)) return hr;
    }
    return D3D_OK;
}

}  // namespace d3d8water
