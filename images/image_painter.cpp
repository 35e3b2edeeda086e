#include "image_painter.h"

#include "device_services.h"

namespace {

HDC HandleOf(CDC* dc) { return dc != nullptr ? dc->m_hDC : nullptr; }

// The bitmap's own size; zero when it cannot be read, which draws nothing.
BITMAP SizeOf(const ImageEntry* entry) {
  BITMAP bm = {};
  if (GetObjectW(entry->bitmap, sizeof bm, &bm) == 0) bm = BITMAP{};
  return bm;
}

// The row to draw from, or null when the id is unknown or its file did not load.
const ImageEntry* Drawable(int imageId) {
  const ImageEntry* entry = CImageStore::Find(imageId);
  return entry != nullptr && entry->bitmap != nullptr ? entry : nullptr;
}

}  // namespace

CImagePainter::CImagePainter() {}

CImagePainter::~CImagePainter() {}

bool CImagePainter::LoadImages() { return m_store.LoadAll(); }

void CImagePainter::Copy(HDC hdc, const ImageEntry* entry, int xDest, int yDest, int width,
                         int height, int xSrc, int ySrc, DWORD rop) {
  if (hdc == nullptr) return;
  CDC target;
  target.Attach(hdc);
  // The bitmap is selected only for this one copy, so it is free again for
  // the next draw whatever DC that goes to.
  CDC mem;
  if (mem.CreateCompatibleDC(&target)) {
    HGDIOBJ replaced = mem.SelectObject(entry->bitmap);
    if (m_store.transparent) {
      TransparentImage(hdc, xDest, yDest, width, height, mem.m_hDC, xSrc, ySrc, width, height,
                       m_store.transparentColor);
    } else {
      target.BitBlt(xDest, yDest, width, height, &mem, xSrc, ySrc, rop);
    }
    mem.SelectObject(replaced);
    mem.DeleteDC();
  }
  target.Detach();
}

void CImagePainter::DrawImage(CDC* dc, int imageId) {
  m_store.targetDC = HandleOf(dc);
  const ImageEntry* entry = Drawable(imageId);
  if (entry == nullptr) return;
  BITMAP bm = SizeOf(entry);
  Copy(m_store.targetDC, entry, entry->x, entry->y, bm.bmWidth, bm.bmHeight, 0, 0, SRCCOPY);
}

void CImagePainter::DrawImageAt(CDC* dc, int imageId, int x, int y) {
  m_store.targetDC = HandleOf(dc);
  const ImageEntry* entry = Drawable(imageId);
  if (entry == nullptr) return;
  BITMAP bm = SizeOf(entry);
  Copy(m_store.targetDC, entry, x, y, bm.bmWidth, bm.bmHeight, 0, 0, SRCCOPY);
}

void CImagePainter::DrawImageRop(CDC* dc, int imageId, int x, int y, DWORD rop) {
  m_store.targetDC = HandleOf(dc);
  const ImageEntry* entry = Drawable(imageId);
  if (entry == nullptr) return;
  BITMAP bm = SizeOf(entry);
  Copy(m_store.targetDC, entry, x, y, bm.bmWidth, bm.bmHeight, 0, 0, rop);
}

void CImagePainter::DrawImageSized(CDC* dc, int imageId, int x, int y, int width, int height,
                                   DWORD rop) {
  m_store.targetDC = HandleOf(dc);
  const ImageEntry* entry = Drawable(imageId);
  if (entry == nullptr) return;
  Copy(m_store.targetDC, entry, x, y, width, height, 0, 0, rop);
}

void CImagePainter::DrawImagePart(CDC* dc, int imageId, int xDest, int yDest, int width, int height,
                                  int xSrc, int ySrc, DWORD rop) {
  const ImageEntry* entry = Drawable(imageId);
  if (entry == nullptr) return;
  Copy(HandleOf(dc), entry, xDest, yDest, width, height, xSrc, ySrc, rop);
}

void CImagePainter::Reserved() {}

void CImagePainter::SetTransparency(BOOL enable, COLORREF color) {
  // Both are stored whatever enable is: switching off replaces the colour too.
  m_store.transparent = enable;
  m_store.transparentColor = color;
}

void CImagePainter::DrawImageFrame(CDC* dc, int imageId, int frameCount, int frameIndex, int x,
                                   int y, DWORD rop) {
  const ImageEntry* entry = Drawable(imageId);
  if (entry == nullptr) return;
  // Callers are meant to stay inside the strip. One that does not gets
  // nothing drawn rather than a division by zero or a copy from beyond the
  // strip's last frame.
  if (frameCount < 1 || frameIndex < 0 || frameIndex >= frameCount) return;
  if (x == -1 || y == -1) {
    x = entry->x;
    y = entry->y;
  }
  BITMAP bm = SizeOf(entry);
  // Truncated: the columns a width not divisible by the count leaves over on
  // the right are never drawn.
  int frameWidth = bm.bmWidth / frameCount;
  // Straight to the copy, not through the virtual DrawImagePart, so that a
  // derived painter sees one call per frame.
  Copy(HandleOf(dc), entry, x, y, frameWidth, bm.bmHeight, frameIndex * frameWidth, 0, rop);
}

void CImagePainter::OnScreenLoaded() {}
