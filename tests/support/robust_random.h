// RobustRandom: the seeded generator of the robustness tests, with the value
// shapes those tests need: plain bits, ints that sit on the edges of 32-bit
// and 16-bit arithmetic, and UTF-16 text from every awkward corner (line
// breaks, prefixes, control characters, right-to-left and combining marks,
// paired and lone surrogates). One seed gives one sequence, so a printed
// seed reproduces a case exactly.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

class RobustRandom {
 public:
  explicit RobustRandom(uint32_t seed) : m_engine(seed) {}

  uint32_t Bits() { return m_engine(); }
  // lo..hi, both included.
  int Int(int lo, int hi) {
    return static_cast<int>(static_cast<long long>(lo) +
                            static_cast<long long>(Bits() % (static_cast<unsigned long long>(hi) -
                                                             static_cast<unsigned long long>(lo) + 1ull)));
  }
  bool Chance(int percent) { return Int(0, 99) < percent; }

  template <typename T, size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Bits() % N];
  }

  // The values where sums, differences, products and 16-bit packing wrap.
  int32_t Edge() {
    static const int32_t kEdges[] = {INT_MIN, INT_MIN + 1, -65536, -32769, -32768, -2, -1, 0, 1,
                                     2,       32767,       32768,  65535,  65536,  INT_MAX - 1, INT_MAX};
    return Pick(kEdges);
  }

  void Fill(void* data, size_t size) {
    unsigned char* p = static_cast<unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) p[i] = static_cast<unsigned char>(Bits());
  }

  wchar_t Char() {
    switch (Int(0, 11)) {
      case 0: case 1: case 2: return static_cast<wchar_t>(Int(L'a', L'z'));
      case 3: return static_cast<wchar_t>(Int(L'A', L'Z'));
      case 4: return Pick(kSpecial);
      case 5: return static_cast<wchar_t>(Int(1, 31));       // control characters
      case 6: return static_cast<wchar_t>(Int(0xA0, 0x24F));  // Latin-1 and Latin extended
      case 7: return static_cast<wchar_t>(Int(0x4E00, 0x9FFF));  // CJK
      case 8: return static_cast<wchar_t>(Int(0x0590, 0x06FF));  // Hebrew, Arabic
      case 9: return static_cast<wchar_t>(Int(0x0300, 0x036F));  // combining marks
      case 10: return static_cast<wchar_t>(Int(0xD800, 0xDFFF));  // a surrogate, paired or not
      default: return static_cast<wchar_t>(Int(1, 0xFFFF));
    }
  }

  // Up to maxLength units, mostly short, without NUL.
  std::wstring Text(size_t maxLength) {
    size_t length = 0;
    if (maxLength > 0) {
      int shape = Int(0, 9);
      if (shape < 6) length = static_cast<size_t>(Int(0, 24));
      else if (shape < 9) length = static_cast<size_t>(Int(0, 80));
      else length = static_cast<size_t>(Int(0, static_cast<int>(maxLength)));
      if (length > maxLength) length = maxLength;
    }
    std::wstring text;
    while (text.size() < length) {
      if (Chance(5) && text.size() + 1 < length) {
        // A well-formed surrogate pair.
        text += static_cast<wchar_t>(Int(0xD800, 0xDBFF));
        text += static_cast<wchar_t>(Int(0xDC00, 0xDFFF));
      } else {
        text += Char();
      }
    }
    return text;
  }

  // Writes text into a fixed field of capacity units: NUL-terminated when it
  // fits, else filling the field with no terminator at all.
  void FillField(wchar_t* field, size_t capacity, const std::wstring& text) {
    std::memset(field, 0, capacity * sizeof(wchar_t));
    size_t n = text.size() < capacity ? text.size() : capacity;
    std::memcpy(field, text.data(), n * sizeof(wchar_t));
  }

 private:
  static constexpr wchar_t kSpecial[] = {L' ', L'\n', L'\r', L'\t', L'&', L'"', L'\\', L'/', L'-',
                                         L'%', L'.', L'\x200B', L'\x200F', L'\xFEFF', L'\xFFFF',
                                         L'\xFFFE', L'\x00AD', L'\x2028'};
  std::mt19937 m_engine;
};
