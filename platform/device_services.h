// Device-only services of the target system, provided on desktop Win32:
// NKDbgPrintfW (kernel debug output), SHLoadDIBitmap (a .bmp file as a
// bitmap), TransparentImage (a colour-keyed copy), and the CE-only window
// style the frame asks for.
#pragma once

#include <windows.h>

// Suppresses the window manager's show/hide animation on the device; the
// desktop window manager knows no such style, so the frame's request for it
// is dropped before the window is created.
#ifndef WS_EX_NOANIMATION
#define WS_EX_NOANIMATION 0x04000000L
#endif

// One printf-style wide line to the debug output. "%s" takes a wide string,
// as on the device; the text is formatted by our own formatter.
void NKDbgPrintfW(LPCWSTR format, ...);

// Tests and tools may also see each debug line in-process; null switches it off.
typedef void (*DebugLineSink)(LPCWSTR line);
void SetDebugLineSink(DebugLineSink sink);

// On the device what is drawn into a window is on the display at once; the
// desktop keeps it in a window surface until the thread next looks for
// messages. This puts it on the display now.
void AfxShowDrawingNow();

// Loads a .bmp file as a device-independent bitmap section; null on failure.
HBITMAP SHLoadDIBitmap(LPCWSTR fileName);

// Copies a rectangle, leaving out the pixels of the colour key.
BOOL TransparentImage(HDC hdcDest, LONG xDest, LONG yDest, LONG widthDest, LONG heightDest,
                      HANDLE hSrc, LONG xSrc, LONG ySrc, LONG widthSrc, LONG heightSrc,
                      COLORREF transparentColor);
