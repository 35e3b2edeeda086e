#include "device_services.h"

#include <cstdarg>
#include <cstring>

#include "wide_format.h"

namespace {
DebugLineSink g_debugLineSink = nullptr;
}

void SetDebugLineSink(DebugLineSink sink) { g_debugLineSink = sink; }

void NKDbgPrintfW(LPCWSTR format, ...) {
  wchar_t line[1024];
  va_list args;
  va_start(args, format);
  WideFormatV(line, sizeof line / sizeof line[0], format, args);
  va_end(args);
  OutputDebugStringW(line);
  if (g_debugLineSink != nullptr) g_debugLineSink(line);
}

namespace {

// Whether a .bmp file holds everything its headers promise. The desktop's
// loader trusts the headers and reads past the end of a file that claims
// more pixels than it has; such a file counts as one that does not load.
bool IsWholeBitmapFile(LPCWSTR fileName) {
  HANDLE file = CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size = {};
  BITMAPFILEHEADER fh = {};
  BITMAPINFOHEADER ih = {};
  DWORD got = 0, gotInfo = 0;
  bool read = GetFileSizeEx(file, &size) && ReadFile(file, &fh, sizeof fh, &got, nullptr) &&
              got == sizeof fh && ReadFile(file, &ih, sizeof ih, &gotInfo, nullptr);
  CloseHandle(file);
  if (!read || fh.bfType != 0x4D42 || size.QuadPart > 0x7FFFFFFF) return false;
  const long long fileSize = size.QuadPart;
  long long width, height, bits, planes, compression, colors, infoSize;
  if (gotInfo >= sizeof(BITMAPCOREHEADER) && ih.biSize == sizeof(BITMAPCOREHEADER)) {
    BITMAPCOREHEADER core;
    memcpy(&core, &ih, sizeof core);
    width = core.bcWidth;
    height = core.bcHeight;
    planes = core.bcPlanes;
    bits = core.bcBitCount;
    compression = BI_RGB;
    colors = 0;
    infoSize = sizeof(BITMAPCOREHEADER);
  } else if (gotInfo == sizeof ih && ih.biSize >= sizeof ih && ih.biSize <= 124) {
    width = ih.biWidth;
    height = ih.biHeight < 0 ? -static_cast<long long>(ih.biHeight) : ih.biHeight;
    planes = ih.biPlanes;
    bits = ih.biBitCount;
    compression = ih.biCompression;
    colors = ih.biClrUsed;
    infoSize = ih.biSize;
  } else {
    return false;
  }
  if (planes != 1 || width <= 0 || height <= 0 || width > 32767 || height > 32767) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  long long paletteEntries = bits <= 8 ? (colors != 0 ? colors : (1LL << bits)) : colors;
  if (paletteEntries > 256 && bits <= 8) return false;
  long long entrySize = infoSize == sizeof(BITMAPCOREHEADER) ? 3 : 4;
  long long masks = (compression == BI_BITFIELDS && infoSize == sizeof ih) ? 12 : 0;
  if (sizeof fh + infoSize + masks + paletteEntries * entrySize > fileSize) return false;
  if (fh.bfOffBits < sizeof fh + infoSize || fh.bfOffBits > fileSize) return false;
  long long pixelBytes;
  if (compression == BI_RGB || compression == BI_BITFIELDS) {
    pixelBytes = ((width * bits + 31) / 32) * 4 * height;
  } else if ((compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4)) {
    pixelBytes = 2;  // at least an end-of-bitmap code; the decoder stops at the data's end
  } else {
    return false;
  }
  return fh.bfOffBits + pixelBytes <= fileSize;
}

}  // namespace

HBITMAP SHLoadDIBitmap(LPCWSTR fileName) {
  if (!IsWholeBitmapFile(fileName)) return nullptr;
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, fileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

BOOL TransparentImage(HDC hdcDest, LONG xDest, LONG yDest, LONG widthDest, LONG heightDest,
                      HANDLE hSrc, LONG xSrc, LONG ySrc, LONG widthSrc, LONG heightSrc,
                      COLORREF transparentColor) {
  // On the device the source may be a DC or a bitmap; our callers pass a DC.
  return TransparentBlt(hdcDest, xDest, yDest, widthDest, heightDest, static_cast<HDC>(hSrc),
                        xSrc, ySrc, widthSrc, heightSrc, transparentColor);
}

void AfxShowDrawingNow() {
  // Looking for a message that never comes makes the window system flush
  // this thread's window surfaces; nothing is taken off the queue.
  MSG msg;
  PeekMessageW(&msg, reinterpret_cast<HWND>(-1), WM_APP + 0x3FFE, WM_APP + 0x3FFE, PM_NOREMOVE);
}
