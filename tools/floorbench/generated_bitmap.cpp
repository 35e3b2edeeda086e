#include "generated_bitmap.h"

#include "image_store.h"

HBITMAP MakeSkinBitmap(int width, int height, const PixelFunction& pixel) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as in a .bmp file
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  const int stride = (width * 3 + 3) & ~3;
  BYTE* rows = static_cast<BYTE*>(bits);
  for (int y = 0; y < height; ++y) {
    BYTE* p = rows + static_cast<size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const COLORREF c = pixel(x, y);
      *p++ = GetBValue(c);
      *p++ = GetGValue(c);
      *p++ = GetRValue(c);
    }
  }
  GdiFlush();
  return bitmap;
}

bool ReplaceSkinImage(int imageId, HBITMAP bitmap) {
  ImageEntry* entry = CImageStore::Find(imageId);
  if (entry == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return false;
  }
  if (entry->bitmap != nullptr) DeleteObject(entry->bitmap);
  entry->bitmap = bitmap;
  return true;
}
