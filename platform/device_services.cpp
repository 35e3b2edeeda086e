#include "device_services.h"

#include <cstdarg>

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

HBITMAP SHLoadDIBitmap(LPCWSTR fileName) {
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
