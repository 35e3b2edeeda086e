// Skin images made in memory for the benchmark screens: 24-bit bottom-up
// DIB sections, the kind of bitmap the image store makes of a skin file.
#pragma once

#include <windows.h>

#include <functional>

using PixelFunction = std::function<COLORREF(int x, int y)>;

HBITMAP MakeSkinBitmap(int width, int height, const PixelFunction& pixel);

// Puts the bitmap into the image table's row for imageId, deleting the one
// that was there; the image store deletes it at exit like a loaded skin.
// False (and the bitmap deleted) when the table has no such row.
bool ReplaceSkinImage(int imageId, HBITMAP bitmap);
