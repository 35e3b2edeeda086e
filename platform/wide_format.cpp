#include "wide_format.h"

#include <cstdint>
#include <cwchar>
#include <type_traits>

namespace {

// Appends to a bounded buffer while counting the full length.
class Output {
 public:
  Output(wchar_t* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {}
  void Put(wchar_t c) {
    if (length_ + 1 < capacity_) buffer_[length_] = c;
    ++length_;
  }
  void Repeat(wchar_t c, int count) {
    for (int i = 0; i < count; ++i) Put(c);
  }
  int Finish() {
    if (capacity_ > 0) buffer_[length_ < capacity_ ? length_ : capacity_ - 1] = L'\0';
    return static_cast<int>(length_);
  }

 private:
  wchar_t* buffer_;
  size_t capacity_;
  size_t length_ = 0;
};

struct Spec {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = 0;
  int precision = -1;
  enum { kNone, kShort, kLong, kLongLong } length = kNone;
  wchar_t conversion = 0;
};

// Parses the part after '%'; returns the position after the conversion
// character, or null when the format ends inside the specification.
// usesStar tells that a width or precision is to be taken from the arguments.
const wchar_t* ParseSpec(const wchar_t* p, Spec& spec, bool& usesStar) {
  usesStar = false;
  for (;; ++p) {
    if (*p == L'-') spec.left = true;
    else if (*p == L'+') spec.plus = true;
    else if (*p == L' ') spec.space = true;
    else if (*p == L'#') spec.alt = true;
    else if (*p == L'0') spec.zero = true;
    else break;
  }
  if (*p == L'*') {
    usesStar = true;
    spec.width = -1;
    ++p;
  } else {
    while (*p >= L'0' && *p <= L'9') {
      if (spec.width < 100000) spec.width = spec.width * 10 + (*p - L'0');
      ++p;
    }
  }
  if (*p == L'.') {
    ++p;
    spec.precision = 0;
    if (*p == L'*') {
      usesStar = true;
      spec.precision = -2;
      ++p;
    } else {
      while (*p >= L'0' && *p <= L'9') {
        if (spec.precision < 100000) spec.precision = spec.precision * 10 + (*p - L'0');
        ++p;
      }
    }
  }
  if (*p == L'h') {
    spec.length = Spec::kShort;
    ++p;
  } else if (*p == L'l') {
    ++p;
    spec.length = Spec::kLong;
    if (*p == L'l') {
      spec.length = Spec::kLongLong;
      ++p;
    }
  } else if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
    spec.length = Spec::kLongLong;
    p += 3;
  } else if (*p == L'w') {
    spec.length = Spec::kLong;
    ++p;
  }
  if (*p == L'\0') return nullptr;
  spec.conversion = *p;
  return p + 1;
}

bool IsIntegerConversion(wchar_t c) {
  return c == L'd' || c == L'i' || c == L'u' || c == L'x' || c == L'X' || c == L'o';
}

void PutInteger(Output& out, const Spec& spec, bool negative, uint64_t magnitude) {
  wchar_t digits[32];
  int n = 0;
  unsigned base = (spec.conversion == L'x' || spec.conversion == L'X') ? 16
                  : spec.conversion == L'o'                            ? 8
                                                                       : 10;
  const wchar_t* alphabet =
      spec.conversion == L'X' ? L"0123456789ABCDEF" : L"0123456789abcdef";
  while (magnitude != 0) {
    digits[n++] = alphabet[magnitude % base];
    magnitude /= base;
  }
  int precision = spec.precision < 0 ? 1 : spec.precision;
  int zeros = precision > n ? precision - n : 0;
  const wchar_t* prefix = L"";
  if (negative) prefix = L"-";
  else if (spec.plus && (spec.conversion == L'd' || spec.conversion == L'i')) prefix = L"+";
  else if (spec.space && (spec.conversion == L'd' || spec.conversion == L'i')) prefix = L" ";
  else if (spec.alt && n > 0 && base == 16) prefix = spec.conversion == L'X' ? L"0X" : L"0x";
  else if (spec.alt && base == 8 && zeros == 0) prefix = L"0";
  int prefixLength = static_cast<int>(wcslen(prefix));
  int body = prefixLength + zeros + n;
  int pad = spec.width > body ? spec.width - body : 0;
  bool zeroPad = spec.zero && !spec.left && spec.precision < 0;
  if (!spec.left && !zeroPad) out.Repeat(L' ', pad);
  for (const wchar_t* q = prefix; *q; ++q) out.Put(*q);
  if (zeroPad) out.Repeat(L'0', pad);
  out.Repeat(L'0', zeros);
  while (n > 0) out.Put(digits[--n]);
  if (spec.left) out.Repeat(L' ', pad);
}

template <typename Char>
void PutString(Output& out, const Spec& spec, const Char* text) {
  static const Char kNull[] = {'(', 'n', 'u', 'l', 'l', ')', 0};
  if (text == nullptr) text = kNull;
  int n = 0;
  while (text[n] != 0 && (spec.precision < 0 || n < spec.precision)) ++n;
  int pad = spec.width > n ? spec.width - n : 0;
  if (!spec.left) out.Repeat(L' ', pad);
  for (int i = 0; i < n; ++i) {
    // Narrow text is taken as Latin-1, which is all the debug lines need.
    out.Put(static_cast<wchar_t>(static_cast<typename std::make_unsigned<Char>::type>(text[i])));
  }
  if (spec.left) out.Repeat(L' ', pad);
}

void PutSigned(Output& out, const Spec& spec, int64_t value) {
  bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  PutInteger(out, spec, negative, magnitude);
}

void PutLiteral(Output& out, const wchar_t* from, const wchar_t* to) {
  for (const wchar_t* q = from; q != to && *q; ++q) out.Put(*q);
}

// Copies the format's text to out and hands every conversion to
// onConversion(spec, usesStar, start, end), start..end being its text; a
// format that ends inside a conversion keeps that tail as text.
template <typename OnConversion>
int WalkFormat(Output& out, const wchar_t* format, OnConversion onConversion) {
  if (format == nullptr) return out.Finish();
  const wchar_t* p = format;
  while (*p) {
    if (*p != L'%') {
      out.Put(*p++);
      continue;
    }
    const wchar_t* start = p++;
    if (*p == L'%') {
      out.Put(L'%');
      ++p;
      continue;
    }
    Spec spec;
    bool usesStar = false;
    const wchar_t* next = ParseSpec(p, spec, usesStar);
    if (next == nullptr) {
      PutLiteral(out, start, nullptr);
      break;
    }
    p = next;
    onConversion(spec, usesStar, start, p);
  }
  return out.Finish();
}

}  // namespace

int WideFormatV(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args) {
  Output out(buffer, capacity);
  return WalkFormat(out, format, [&](Spec spec, bool /*usesStar*/, const wchar_t* start,
                                     const wchar_t* end) {
    if (spec.width == -1) {
      spec.width = va_arg(args, int);
      if (spec.width < 0) {
        spec.left = true;
        spec.width = -spec.width;
      }
    }
    if (spec.precision == -2) {
      spec.precision = va_arg(args, int);
      if (spec.precision < 0) spec.precision = -1;
    }
    wchar_t c = spec.conversion;
    if (c == L'd' || c == L'i') {
      int64_t v = spec.length == Spec::kLongLong ? va_arg(args, long long) : va_arg(args, int);
      if (spec.length == Spec::kShort) v = static_cast<short>(v);
      PutSigned(out, spec, v);
    } else if (c == L'u' || c == L'x' || c == L'X' || c == L'o') {
      uint64_t v = spec.length == Spec::kLongLong ? va_arg(args, unsigned long long)
                                                  : va_arg(args, unsigned int);
      if (spec.length == Spec::kShort) v = static_cast<unsigned short>(v);
      PutInteger(out, spec, false, v);
    } else if (c == L'p') {
      Spec pointer = spec;
      pointer.conversion = L'X';
      pointer.precision = 8;
      PutInteger(out, pointer, false, reinterpret_cast<uintptr_t>(va_arg(args, void*)));
    } else if (c == L's' || c == L'S') {
      bool narrow = c == L'S' || spec.length == Spec::kShort;
      if (spec.length == Spec::kLong) narrow = false;
      if (narrow) PutString(out, spec, va_arg(args, const char*));
      else PutString(out, spec, va_arg(args, const wchar_t*));
    } else if (c == L'c' || c == L'C') {
      wchar_t text[2] = {static_cast<wchar_t>(va_arg(args, int)), 0};
      if (c == L'C' || spec.length == Spec::kShort) text[0] &= 0xFF;
      PutString(out, spec, text);
    } else {
      // Unknown conversion: written as it stands, consuming nothing.
      PutLiteral(out, start, end);
    }
  });
}

int WideFormat(wchar_t* buffer, size_t capacity, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  int n = WideFormatV(buffer, capacity, format, args);
  va_end(args);
  return n;
}

int FormatTwoIntegers(wchar_t* buffer, size_t capacity, const wchar_t* format, int first,
                      int second) {
  Output out(buffer, capacity);
  const int values[2] = {first, second};
  int used = 0;
  return WalkFormat(out, format, [&](const Spec& spec, bool usesStar, const wchar_t* start,
                                     const wchar_t* end) {
    if (usesStar || !IsIntegerConversion(spec.conversion) || used == 2) {
      PutLiteral(out, start, end);
      return;
    }
    int v = values[used++];
    if (spec.conversion == L'd' || spec.conversion == L'i') {
      PutSigned(out, spec, spec.length == Spec::kShort ? static_cast<short>(v) : v);
    } else {
      unsigned u = static_cast<unsigned>(v);
      PutInteger(out, spec, false, spec.length == Spec::kShort ? u & 0xFFFFu : u);
    }
  });
}
