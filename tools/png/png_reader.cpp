#include "png_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "checksums.h"

namespace png {

namespace {

std::uint32_t big32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// The bytes of a zlib stream made of stored blocks, or false.
bool inflateStored(const std::vector<std::uint8_t>& zlib, std::vector<std::uint8_t>& raw, std::string& error) {
    if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || (zlib[0] << 8 | zlib[1]) % 31 != 0 || (zlib[1] & 0x20)) {
        error = "bad zlib header";
        return false;
    }
    std::size_t at = 2;
    bool last = false;
    while (!last) {
        if (at + 5 > zlib.size()) {
            error = "truncated deflate block";
            return false;
        }
        std::uint8_t blockHeader = zlib[at];
        if ((blockHeader & 0x06) != 0) {
            error = "compressed deflate block (only stored blocks are read)";
            return false;
        }
        last = blockHeader & 1;
        std::size_t length = zlib[at + 1] | zlib[at + 2] << 8;
        std::size_t check = zlib[at + 3] | zlib[at + 4] << 8;
        if ((length ^ 0xFFFF) != check) {
            error = "bad stored block length";
            return false;
        }
        at += 5;
        if (at + length > zlib.size()) {
            error = "truncated deflate block";
            return false;
        }
        raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(at),
                   zlib.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    }
    if (at + 4 > zlib.size() || big32(&zlib[at]) != adler32(raw.data(), raw.size())) {
        error = "bad Adler-32";
        return false;
    }
    return true;
}

}  // namespace

bool decodePng(const std::vector<std::uint8_t>& bytes, RgbImage& image, std::string& error) {
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 8 || std::memcmp(bytes.data(), signature, 8) != 0) {
        error = "not a PNG file";
        return false;
    }
    std::vector<std::uint8_t> zlib;
    bool haveHeader = false, ended = false;
    for (std::size_t at = 8; !ended;) {
        if (at + 12 > bytes.size()) {
            error = "truncated chunk";
            return false;
        }
        std::size_t length = big32(&bytes[at]);
        if (length > bytes.size() - at - 12) {
            error = "truncated chunk";
            return false;
        }
        const std::uint8_t* type = &bytes[at + 4];
        const std::uint8_t* data = type + 4;
        if (big32(data + length) != crc32(type, length + 4)) {
            error = "bad chunk CRC";
            return false;
        }
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[10] != 0 || data[11] != 0 || data[12] != 0) {
                error = "not an 8-bit RGB, non-interlaced picture";
                return false;
            }
            image.width = static_cast<int>(big32(data));
            image.height = static_cast<int>(big32(data + 4));
            if (image.width <= 0 || image.height <= 0 || image.width > 16384 || image.height > 16384) {
                error = "unsupported picture size";
                return false;
            }
            haveHeader = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            zlib.insert(zlib.end(), data, data + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        }
        at += length + 12;
    }
    if (!haveHeader) {
        error = "no IHDR chunk";
        return false;
    }
    std::vector<std::uint8_t> raw;
    if (!inflateStored(zlib, raw, error)) return false;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    if (raw.size() != (rowBytes + 1) * static_cast<std::size_t>(image.height)) {
        error = "image data of the wrong size";
        return false;
    }
    image.rgb.clear();
    image.rgb.reserve(rowBytes * static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        auto row = raw.begin() + static_cast<std::ptrdiff_t>((rowBytes + 1) * static_cast<std::size_t>(y));
        if (*row != 0) {
            error = "filtered rows (only unfiltered rows are read)";
            return false;
        }
        image.rgb.insert(image.rgb.end(), row + 1, row + 1 + static_cast<std::ptrdiff_t>(rowBytes));
    }
    return true;
}

bool readPng(const std::string& path, RgbImage& image, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return decodePng(bytes, image, error);
}

}  // namespace png
