// CImagePainter: the drawing interface through which the screen component
// puts skin images on its surfaces, by image id, one to one.
#pragma once

#include "afx_dc.h"
#include "image_store.h"

class CImagePainter {
 public:
  CImagePainter();

  // Slot order matters to owners that derive their own painter.
  virtual void DrawImage(CDC* dc, int imageId);
  virtual void DrawImageAt(CDC* dc, int imageId, int x, int y);
  virtual void DrawImageRop(CDC* dc, int imageId, int x, int y, DWORD rop);
  virtual void DrawImageSized(CDC* dc, int imageId, int x, int y, int width, int height, DWORD rop);
  virtual void DrawImagePart(CDC* dc, int imageId, int xDest, int yDest, int width, int height,
                             int xSrc, int ySrc, DWORD rop);
  virtual void Reserved();
  virtual void SetTransparency(BOOL enable, COLORREF color);
  // One frame of a horizontal strip of frameCount equal frames; x or y of -1
  // means the image's own position. A frame count below 1 or an index
  // outside the strip draws nothing.
  virtual void DrawImageFrame(CDC* dc, int imageId, int frameCount, int frameIndex, int x, int y,
                              DWORD rop);
  virtual void OnScreenLoaded();
  virtual ~CImagePainter();

  bool LoadImages();

  CImageStore m_store;

 private:
  // The shared copy: a rectangle of the entry's bitmap to (xDest, yDest) of
  // hdc, through a memory DC, with the colour key when transparency is on.
  void Copy(HDC hdc, const ImageEntry* entry, int xDest, int yDest, int width, int height,
            int xSrc, int ySrc, DWORD rop);
};
