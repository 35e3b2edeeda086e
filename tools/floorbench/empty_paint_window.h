// A child window whose WM_PAINT only begins and ends painting: what a full
// paint costs the window system alone, to tell it apart from the drawing.
#pragma once

#include <windows.h>

class CEmptyPaintWindow {
 public:
  CEmptyPaintWindow() = default;
  ~CEmptyPaintWindow();

  bool Create(HWND parent, int width, int height);
  // A WM_PAINT of the whole window, handled before this returns.
  void Paint();

 private:
  CEmptyPaintWindow(const CEmptyPaintWindow&) = delete;
  CEmptyPaintWindow& operator=(const CEmptyPaintWindow&) = delete;

  HWND m_hWnd = nullptr;
};
