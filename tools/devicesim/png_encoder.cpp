#include "png_encoder.h"

#include <algorithm>
#include <cstring>

namespace {

void PutBigEndian(std::vector<uint8_t>* out, uint32_t value) {
  out->push_back(static_cast<uint8_t>(value >> 24));
  out->push_back(static_cast<uint8_t>(value >> 16));
  out->push_back(static_cast<uint8_t>(value >> 8));
  out->push_back(static_cast<uint8_t>(value));
}

// Length, type, data, then the CRC of type and data.
void PutChunk(std::vector<uint8_t>* out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  size_t typeAt = out->size();
  out->insert(out->end(), type, type + 4);
  out->insert(out->end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out->data() + typeAt, 4 + data.size()));
}

// A zlib stream of stored deflate blocks (each at most 65535 bytes).
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& raw) {
  const size_t kMaxBlock = 65535;
  std::vector<uint8_t> out = {0x78, 0x01};  // deflate, 32K window; (0x7801 % 31) == 0
  size_t at = 0;
  do {
    size_t size = std::min(kMaxBlock, raw.size() - at);
    bool last = at + size == raw.size();
    out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 = stored
    out.push_back(static_cast<uint8_t>(size));
    out.push_back(static_cast<uint8_t>(size >> 8));
    out.push_back(static_cast<uint8_t>(~size));
    out.push_back(static_cast<uint8_t>(~size >> 8));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
               raw.begin() + static_cast<std::ptrdiff_t>(at + size));
    at += size;
  } while (at < raw.size());
  PutBigEndian(&out, Adler32(raw.data(), raw.size()));
  return out;
}

struct CrcTable {
  uint32_t entries[256];
  CrcTable() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entries[n] = c;
    }
  }
};

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  static const CrcTable table;
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table.entries[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size, uint32_t adler) {
  const uint32_t kMod = 65521;
  uint32_t a = adler & 0xFFFF;
  uint32_t b = adler >> 16;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % kMod;
    b = (b + a) % kMod;
  }
  return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(int width, int height, const uint8_t* rgb) {
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> png(kSignature, kSignature + 8);

  std::vector<uint8_t> header;
  PutBigEndian(&header, static_cast<uint32_t>(width));
  PutBigEndian(&header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  PutChunk(&png, "IHDR", header);

  // Every row starts with its filter type, 0 (none).
  size_t rowBytes = static_cast<size_t>(width) * 3;
  std::vector<uint8_t> raw;
  raw.reserve((rowBytes + 1) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const uint8_t* row = rgb + rowBytes * static_cast<size_t>(y);
    raw.insert(raw.end(), row, row + rowBytes);
  }
  PutChunk(&png, "IDAT", ZlibStored(raw));
  PutChunk(&png, "IEND", {});
  return png;
}
