#include "d3dx/texture_from_file.h"

#include <fstream>
#include <new>
#include <vector>

#include "d3dx/dds_file.h"
#include "d3dx/image_conversion.h"
#include "d3dx/texture_upload.h"

namespace d3d8water {
namespace {

bool readWholeFile(const char* fileName, std::vector<BYTE>& bytes) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    // In blocks: byte by byte, reading was nearly all the time of device set-up.
    char block[16384];
    bytes.clear();
    while (in.read(block, sizeof block) || in.gcount() > 0)
        bytes.insert(bytes.end(), block, block + in.gcount());
    return !in.bad();
}

HRESULT loadTexture(IDirect3DDevice8* device, const char* fileName, IDirect3DTexture8** texture) {
    std::vector<BYTE> bytes;
    if (!readWholeFile(fileName, bytes)) return D3DERR_NOTFOUND;
    DdsFile file;
    if (HRESULT hr = parseDdsFile(bytes, file); hr != D3D_OK) return hr;
    Image image = imageFromDds(file);

    IDirect3DTexture8* created = nullptr;
    HRESULT hr = createManagedTexture(device, image, &created);
    if (!succeeded(hr) && isBlockCompressed(*findPixelFormat(image.format))) {
        decodeToArgb(image);
        hr = createManagedTexture(device, image, &created);
    }
    if (!succeeded(hr)) return hr;
    hr = uploadImage(created, image);
    if (!succeeded(hr)) {
        created->Release();
        return hr;
    }
    *texture = created;
    return D3D_OK;
}

}  // namespace

HRESULT D3DXCreateTextureFromFileA(IDirect3DDevice8* device, const char* fileName, IDirect3DTexture8** texture) {
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !fileName) return D3DERR_INVALIDCALL;
    try {
        return loadTexture(device, fileName, texture);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace d3d8water
