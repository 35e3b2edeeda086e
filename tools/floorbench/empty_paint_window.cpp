#include "empty_paint_window.h"

namespace {

const wchar_t kClassName[] = L"QdEmptyPaint";

LRESULT CALLBACK EmptyPaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

CEmptyPaintWindow::~CEmptyPaintWindow() {
  if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

bool CEmptyPaintWindow::Create(HWND parent, int width, int height) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW existing;
  if (!GetClassInfoW(instance, kClassName, &existing)) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = EmptyPaintProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (RegisterClassW(&wc) == 0) return false;
  }
  m_hWnd = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, width, height, parent,
                           nullptr, instance, nullptr);
  return m_hWnd != nullptr;
}

void CEmptyPaintWindow::Paint() {
  InvalidateRect(m_hWnd, nullptr, FALSE);
  UpdateWindow(m_hWnd);
}
