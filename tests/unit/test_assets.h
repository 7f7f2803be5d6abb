// A working directory holding the asset files device creation reads: five
// small compiled shaders and the 29 normal-map frames. Tests change, remove
// or break single files to drive the failure paths.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace d3d8water::testing {

class AssetDirectory {
public:
    AssetDirectory();   // makes the files and changes into the directory
    ~AssetDirectory();  // changes back and removes it
    AssetDirectory(const AssetDirectory&) = delete;
    AssetDirectory& operator=(const AssetDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    void remove(const std::string& name) const;

    // The token streams the shader files hold, as bytes.
    static std::vector<unsigned char> pixelShaderBytes();
    static std::vector<unsigned char> vertexShaderBytes();
    // A 2x2 A8R8G8B8 normal map with its full chain.
    static std::vector<unsigned char> normalMapBytes();

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace d3d8water::testing
