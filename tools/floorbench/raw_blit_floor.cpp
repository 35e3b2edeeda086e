#include "raw_blit_floor.h"

namespace {
const int kWidth = 800;
const int kHeight = 480;
}  // namespace

CRawBlitFloor::~CRawBlitFloor() {
  if (m_bufferDC != nullptr) {
    SelectObject(m_bufferDC, m_bufferOld);
    DeleteDC(m_bufferDC);
  }
  if (m_buffer != nullptr) DeleteObject(m_buffer);
  if (m_skinDC != nullptr) {
    SelectObject(m_skinDC, m_skinOld);
    DeleteDC(m_skinDC);
  }
  if (m_skin != nullptr) DeleteObject(m_skin);
  if (m_windowDC != nullptr) ReleaseDC(m_window, m_windowDC);
}

bool CRawBlitFloor::Create(HBITMAP skin, HWND window) {
  m_skin = skin;
  m_window = window;
  m_windowDC = GetDC(window);
  HDC screen = GetDC(nullptr);
  m_skinDC = CreateCompatibleDC(m_windowDC);
  m_bufferDC = CreateCompatibleDC(screen);
  m_buffer = CreateCompatibleBitmap(screen, kWidth, kHeight);
  ReleaseDC(nullptr, screen);
  if (m_windowDC == nullptr || m_skinDC == nullptr || m_bufferDC == nullptr || m_buffer == nullptr ||
      skin == nullptr) {
    return false;
  }
  m_skinOld = SelectObject(m_skinDC, skin);
  m_bufferOld = SelectObject(m_bufferDC, m_buffer);
  return m_skinOld != nullptr && m_bufferOld != nullptr;
}

void CRawBlitFloor::Run() {
  BitBlt(m_bufferDC, 0, 0, kWidth, kHeight, m_skinDC, 0, 0, SRCCOPY);
  BitBlt(m_windowDC, 0, 0, kWidth, kHeight, m_bufferDC, 0, 0, SRCCOPY);
}
