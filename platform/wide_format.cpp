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

struct Conversion {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = 0;
  int precision = -1;
  enum { kNone, kShort, kLong, kLongLong } length = kNone;
  wchar_t conversion = 0;
};

// Parses the part after '%'; returns the position after the conversion
// character, or null when the format ends inside the conversion.
// usesStar tells that a width or precision is to be taken from the arguments.
const wchar_t* ParseConversion(const wchar_t* p, Conversion& conv, bool& usesStar) {
  usesStar = false;
  for (;; ++p) {
    if (*p == L'-') conv.left = true;
    else if (*p == L'+') conv.plus = true;
    else if (*p == L' ') conv.space = true;
    else if (*p == L'#') conv.alt = true;
    else if (*p == L'0') conv.zero = true;
    else break;
  }
  if (*p == L'*') {
    usesStar = true;
    conv.width = -1;
    ++p;
  } else {
    while (*p >= L'0' && *p <= L'9') {
      if (conv.width < 100000) conv.width = conv.width * 10 + (*p - L'0');
      ++p;
    }
  }
  if (*p == L'.') {
    ++p;
    conv.precision = 0;
    if (*p == L'*') {
      usesStar = true;
      conv.precision = -2;
      ++p;
    } else {
      while (*p >= L'0' && *p <= L'9') {
        if (conv.precision < 100000) conv.precision = conv.precision * 10 + (*p - L'0');
        ++p;
      }
    }
  }
  if (*p == L'h') {
    conv.length = Conversion::kShort;
    ++p;
  } else if (*p == L'l') {
    ++p;
    conv.length = Conversion::kLong;
    if (*p == L'l') {
      conv.length = Conversion::kLongLong;
      ++p;
    }
  } else if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
    conv.length = Conversion::kLongLong;
    p += 3;
  } else if (*p == L'w') {
    conv.length = Conversion::kLong;
    ++p;
  }
  if (*p == L'\0') return nullptr;
  conv.conversion = *p;
  return p + 1;
}

bool IsIntegerConversion(wchar_t c) {
  return c == L'd' || c == L'i' || c == L'u' || c == L'x' || c == L'X' || c == L'o';
}

void PutInteger(Output& out, const Conversion& conv, bool negative, uint64_t magnitude) {
  wchar_t digits[32];
  int n = 0;
  unsigned base = (conv.conversion == L'x' || conv.conversion == L'X') ? 16
                  : conv.conversion == L'o'                            ? 8
                                                                       : 10;
  const wchar_t* alphabet =
      conv.conversion == L'X' ? L"0123456789ABCDEF" : L"0123456789abcdef";
  while (magnitude != 0) {
    digits[n++] = alphabet[magnitude % base];
    magnitude /= base;
  }
  int precision = conv.precision < 0 ? 1 : conv.precision;
  int zeros = precision > n ? precision - n : 0;
  const wchar_t* prefix = L"";
  if (negative) prefix = L"-";
  else if (conv.plus && (conv.conversion == L'd' || conv.conversion == L'i')) prefix = L"+";
  else if (conv.space && (conv.conversion == L'd' || conv.conversion == L'i')) prefix = L" ";
  else if (conv.alt && n > 0 && base == 16) prefix = conv.conversion == L'X' ? L"0X" : L"0x";
  else if (conv.alt && base == 8 && zeros == 0) prefix = L"0";
  int prefixLength = static_cast<int>(wcslen(prefix));
  int body = prefixLength + zeros + n;
  int pad = conv.width > body ? conv.width - body : 0;
  bool zeroPad = conv.zero && !conv.left && conv.precision < 0;
  if (!conv.left && !zeroPad) out.Repeat(L' ', pad);
  for (const wchar_t* q = prefix; *q; ++q) out.Put(*q);
  if (zeroPad) out.Repeat(L'0', pad);
  out.Repeat(L'0', zeros);
  while (n > 0) out.Put(digits[--n]);
  if (conv.left) out.Repeat(L' ', pad);
}

template <typename Char>
void PutString(Output& out, const Conversion& conv, const Char* text) {
  static const Char kNull[] = {'(', 'n', 'u', 'l', 'l', ')', 0};
  if (text == nullptr) text = kNull;
  int n = 0;
  while (text[n] != 0 && (conv.precision < 0 || n < conv.precision)) ++n;
  int pad = conv.width > n ? conv.width - n : 0;
  if (!conv.left) out.Repeat(L' ', pad);
  for (int i = 0; i < n; ++i) {
    // Narrow text is taken as Latin-1, which is all the debug lines need.
    out.Put(static_cast<wchar_t>(static_cast<typename std::make_unsigned<Char>::type>(text[i])));
  }
  if (conv.left) out.Repeat(L' ', pad);
}

void PutSigned(Output& out, const Conversion& conv, int64_t value) {
  bool negative = value < 0;
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  PutInteger(out, conv, negative, magnitude);
}

void PutLiteral(Output& out, const wchar_t* from, const wchar_t* to) {
  for (const wchar_t* q = from; q != to && *q; ++q) out.Put(*q);
}

// Copies the format's text to out and hands every conversion to
// onConversion(conv, usesStar, start, end), start..end being its text; a
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
    Conversion conv;
    bool usesStar = false;
    const wchar_t* next = ParseConversion(p, conv, usesStar);
    if (next == nullptr) {
      PutLiteral(out, start, nullptr);
      break;
    }
    p = next;
    onConversion(conv, usesStar, start, p);
  }
  return out.Finish();
}

}  // namespace

int WideFormatV(wchar_t* buffer, size_t capacity, const wchar_t* format, va_list args) {
  Output out(buffer, capacity);
  return WalkFormat(out, format, [&](Conversion conv, bool /*usesStar*/, const wchar_t* start,
                                     const wchar_t* end) {
    if (conv.width == -1) {
      conv.width = va_arg(args, int);
      if (conv.width < 0) {
        conv.left = true;
        conv.width = -conv.width;
      }
    }
    if (conv.precision == -2) {
      conv.precision = va_arg(args, int);
      if (conv.precision < 0) conv.precision = -1;
    }
    wchar_t c = conv.conversion;
    if (c == L'd' || c == L'i') {
      int64_t v = conv.length == Conversion::kLongLong ? va_arg(args, long long) : va_arg(args, int);
      if (conv.length == Conversion::kShort) v = static_cast<short>(v);
      PutSigned(out, conv, v);
    } else if (c == L'u' || c == L'x' || c == L'X' || c == L'o') {
      uint64_t v = conv.length == Conversion::kLongLong ? va_arg(args, unsigned long long)
                                                  : va_arg(args, unsigned int);
      if (conv.length == Conversion::kShort) v = static_cast<unsigned short>(v);
      PutInteger(out, conv, false, v);
    } else if (c == L'p') {
      Conversion pointer = conv;
      pointer.conversion = L'X';
      pointer.precision = 8;
      PutInteger(out, pointer, false, reinterpret_cast<uintptr_t>(va_arg(args, void*)));
    } else if (c == L's' || c == L'S') {
      bool narrow = c == L'S' || conv.length == Conversion::kShort;
      if (conv.length == Conversion::kLong) narrow = false;
      if (narrow) PutString(out, conv, va_arg(args, const char*));
      else PutString(out, conv, va_arg(args, const wchar_t*));
    } else if (c == L'c' || c == L'C') {
      wchar_t text[2] = {static_cast<wchar_t>(va_arg(args, int)), 0};
      if (c == L'C' || conv.length == Conversion::kShort) text[0] &= 0xFF;
      PutString(out, conv, text);
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
  return WalkFormat(out, format, [&](const Conversion& conv, bool usesStar, const wchar_t* start,
                                     const wchar_t* end) {
    if (usesStar || !IsIntegerConversion(conv.conversion) || used == 2) {
      PutLiteral(out, start, end);
      return;
    }
    int v = values[used++];
    if (conv.conversion == L'd' || conv.conversion == L'i') {
      PutSigned(out, conv, conv.length == Conversion::kShort ? static_cast<short>(v) : v);
    } else {
      unsigned u = static_cast<unsigned>(v);
      PutInteger(out, conv, false, conv.length == Conversion::kShort ? u & 0xFFFFu : u);
    }
  });
}
