// Copies of the whole display, read the way any program can (the screen DC),
// so that they show what the pop-up really put on the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgr;  // top row first, rows padded to 4 bytes (the DIB layout)

  size_t Stride() const { return (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3); }
  bool Empty() const { return bgr.empty(); }
};

bool CaptureScreen(Screenshot* shot);
// Captures until two captures settleMs apart agree (at most maxMs): another
// program's drawing can still be on its way to the display (seen under Wine
// as a screen half old, half new).
bool CaptureSettledScreen(Screenshot* shot, DWORD settleMs, DWORD maxMs);

// Writes pngPath and, with bmpToo, a 24-bit bottom-up .bmp of the same name.
bool SaveScreenshot(const Screenshot& shot, const std::wstring& pngPath, bool bmpToo,
                    std::wstring* error);

// "name" -> "DIR\name.png"; a name that already ends in .png keeps it.
std::wstring ShotPath(const std::wstring& dir, const std::wstring& name);
