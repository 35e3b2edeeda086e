// The floor of a full paint: the two 800 x 480 block transfers a paint can
// not do without, between the same kinds of surface the component uses and
// with nothing around them. A skin bitmap (a DIB section, loaded the way the
// image store loads skins) in a memory DC goes to a memory DC holding a
// bitmap compatible with the screen (the back buffer's kind), and that goes
// to the window.
#pragma once

#include <windows.h>

class CRawBlitFloor {
 public:
  CRawBlitFloor() = default;
  ~CRawBlitFloor();

  // Takes the skin bitmap over (it stays selected for the floor's whole
  // life, so it must not be one the painter draws from) and deletes it at
  // the end, also when Create fails.
  bool Create(HBITMAP skin, HWND window);
  // Both transfers, once.
  void Run();

 private:
  CRawBlitFloor(const CRawBlitFloor&) = delete;
  CRawBlitFloor& operator=(const CRawBlitFloor&) = delete;

  HWND m_window = nullptr;
  HDC m_windowDC = nullptr;
  HBITMAP m_skin = nullptr;
  HDC m_skinDC = nullptr;
  HGDIOBJ m_skinOld = nullptr;
  HDC m_bufferDC = nullptr;
  HBITMAP m_buffer = nullptr;
  HGDIOBJ m_bufferOld = nullptr;
};
