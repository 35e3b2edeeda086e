// CImageStore: loads, finds and releases the bitmaps of the image table,
// and holds the state of the current copy (target DC, colour key).
#pragma once

#include "image_entry.h"

class CImageStore {
 public:
  CImageStore();
  virtual ~CImageStore();  // deletes every loaded bitmap

  // Loads every row in table order; a file that does not load leaves its
  // row empty and writes "Image not found: <path>". Always true.
  bool LoadAll();

  // The first row before the terminator with this id, or null.
  static ImageEntry* Find(int imageId);

  HDC targetDC;
  BOOL transparent;
  COLORREF transparentColor;

 private:
  CImageStore(const CImageStore&) = delete;
  CImageStore& operator=(const CImageStore&) = delete;
};
