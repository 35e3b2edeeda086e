// A PNG encoder small enough to need no library: 8-bit RGB, no filtering,
// and deflate "stored" blocks (no compression), so the only arithmetic is
// the chunk CRC-32 and the zlib Adler-32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// rgb: height rows of width * 3 bytes, top row first, no padding.
std::vector<uint8_t> EncodePng(int width, int height, const uint8_t* rgb);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size, uint32_t adler = 1);
