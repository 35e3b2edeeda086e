// CPoint, CSize, CRect: value types over the Win32 structures.
#pragma once

#include <windows.h>

class CPoint : public POINT {
 public:
  CPoint() { x = y = 0; }
  CPoint(int initX, int initY) {
    x = initX;
    y = initY;
  }
};

class CSize : public SIZE {
 public:
  CSize() { cx = cy = 0; }
  CSize(int initCx, int initCy) {
    cx = initCx;
    cy = initCy;
  }
};

class CRect : public RECT {
 public:
  CRect() { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};
