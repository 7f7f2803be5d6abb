// The two checksums of the PNG format: CRC-32 over each chunk, Adler-32 over
// the zlib stream's uncompressed bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace png {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

}  // namespace png
