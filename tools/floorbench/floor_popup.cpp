// floor_popup: the least a pop-up can do to be seen and to report. It opens
// one 800 x 480 window, fills it when it is first painted, sends one message
// to the shell from that paint (where the pop-up makes its first report) and
// exits. Started by devicesim exactly like the pop-up, its time from launch
// to the report is the floor of the pop-up's start-up.
#include <windows.h>

namespace {

const wchar_t kClassName[] = L"QdFloorPopup";
const wchar_t kShellTitle[] = L"QD_MAINMENU";
// Any number at or above WM_USER: devicesim records those as reports.
const UINT kFloorReport = WM_USER + 1;
const int kWidth = 800;
const int kHeight = 480;

void PaintAndReport(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT all = {0, 0, kWidth, kHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  HWND shell = FindWindowW(nullptr, kShellTitle);
  if (shell != nullptr) SendMessageW(shell, kFloorReport, 0, 0);
  EndPaint(hwnd, &ps);
  DestroyWindow(hwnd);
}

LRESULT CALLBACK FloorWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintAndReport(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPWSTR /*commandLine*/,
                    int /*showCommand*/) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = FloorWndProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  if (RegisterClassW(&wc) == 0) return 1;
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"QD_FLOOR", WS_POPUP | WS_VISIBLE, 0, 0,
                              kWidth, kHeight, nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
