#include "bench_host.h"

bool CBenchHost::CreateHost() {
  LPCWSTR windowClass = AfxRegisterWndClass(0);
  if (windowClass == nullptr) return false;
  if (!CreateEx(WS_EX_TOPMOST, windowClass, L"QD_PAINTBENCH", WS_POPUP | WS_VISIBLE, 0, 0, 800,
                480, nullptr, nullptr)) {
    return false;
  }
  PumpMessages();
  return true;
}

void PumpMessages(DWORD maxMs) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < maxMs && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
