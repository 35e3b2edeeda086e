#include "popup_messages.h"

void SendToHost(LPCWSTR title, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND host = FindWindowW(nullptr, title);
  if (host != nullptr) SendMessageW(host, message, wParam, lParam);
}
