// fake_popup.exe: a stand-in for the pop-up that does, visibly and on a fixed
// schedule, what devicesim has to observe: a 800x480 "QD_POPUP" frame at 0,0
// covered by a "BrowserWnd" child in known colours, debug lines, two reports
// from its first paint, and its own end about a second later.
//
// Arguments (any order): hold=MS  time from the first paint to the end (1000)
//                        exit=N   exit code (0)
//                        ignore-close  WM_CLOSE does nothing (for timeouts)
// A second copy (named mutex) writes one line and exits 0 at once.
#include <windows.h>
#include <shellapi.h>  // CommandLineToArgvW (left out by WIN32_LEAN_AND_MEAN)

#include <cwchar>
#include <string>

namespace {

// Also used by the tests that read the screenshots.
const COLORREF kBrowserColour = RGB(32, 128, 192);
const COLORREF kMarkColour = RGB(240, 200, 16);
const RECT kMarkRect = {10, 20, 110, 70};  // a corner mark shows orientation

UINT g_holdMs = 1000;
int g_exitCode = 0;
bool g_ignoreClose = false;
bool g_painted = false;
HWND g_frame = nullptr;

void Debug(const std::wstring& text) { OutputDebugStringW(text.c_str()); }

void Report(const wchar_t* title, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND host = FindWindowW(nullptr, title);
  if (!host) {
    Debug(std::wstring(L"FakePopup no ") + title + L"\r\n");
    return;
  }
  LRESULT answer = SendMessageW(host, msg, wParam, lParam);
  Debug(std::wstring(L"FakePopup ") + title + L" answered " + std::to_wstring(answer) + L"\r\n");
}

void PaintBrowser(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  HBRUSH browser = CreateSolidBrush(kBrowserColour);
  HBRUSH mark = CreateSolidBrush(kMarkColour);
  FillRect(dc, &client, browser);
  FillRect(dc, &kMarkRect, mark);
  DeleteObject(browser);
  DeleteObject(mark);
  EndPaint(hwnd, &paint);

  if (g_painted) return;
  g_painted = true;
  Debug(L"FakePopup painted\r\n");
  Report(L"Velmora_GUI", 5024, 101, 1);
  Report(L"QD_MAINMENU", 1781, 0, 0);
  SetTimer(g_frame, 1, g_holdMs, nullptr);
}

LRESULT CALLBACK BrowserProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PaintBrowser(hwnd);
    return 0;
  }
  if (msg == WM_ERASEBKGND) return 1;  // the paint covers everything
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER:
      KillTimer(hwnd, 1);
      Debug(L"Popup Close -- \r\n");
      DestroyWindow(hwnd);
      return 0;
    case WM_CLOSE:
      if (g_ignoreClose) {
        Debug(L"FakePopup ignores WM_CLOSE\r\n");
        return 0;
      }
      Debug(L"FakePopup WM_CLOSE\r\n");
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (msg >= WM_USER) {
        Debug(L"FakePopup got " + std::to_wstring(msg) + L" " + std::to_wstring(wParam) + L" " +
              std::to_wstring(lParam) + L"\r\n");
        return static_cast<LRESULT>(wParam) + lParam;
      }
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ReadArguments() {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; args && i < count; ++i) {
    if (wcsncmp(args[i], L"hold=", 5) == 0) g_holdMs = static_cast<UINT>(_wtoi(args[i] + 5));
    if (wcsncmp(args[i], L"exit=", 5) == 0) g_exitCode = _wtoi(args[i] + 5);
    if (wcscmp(args[i], L"ignore-close") == 0) g_ignoreClose = true;
  }
  if (args) LocalFree(args);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int /*show*/) {
  HANDLE single = CreateMutexW(nullptr, FALSE, L"QD_POPUP_FAKE");
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    Debug(L"FakePopup second copy\r\n");
    return 0;
  }
  ReadArguments();
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);
  // Quotes, a backslash and a tab: the timeline must carry them unchanged.
  Debug(L"FakePopup start \"q\" \\ \t\r\n");
  Debug(std::wstring(L"FakePopup cwd ") + folder + L"\r\n");
  Debug(std::wstring(L"FakePopup cmdline ") + GetCommandLineW() + L"\r\n");

  WNDCLASSW frameClass = {};
  frameClass.lpfnWndProc = FrameProc;
  frameClass.hInstance = instance;
  frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  frameClass.lpszClassName = L"FakePopupFrame";
  WNDCLASSW browserClass = {};
  browserClass.lpfnWndProc = BrowserProc;
  browserClass.hInstance = instance;
  browserClass.lpszClassName = L"FakePopupBrowser";
  RegisterClassW(&frameClass);
  RegisterClassW(&browserClass);

  g_frame = CreateWindowExW(WS_EX_TOPMOST, L"FakePopupFrame", L"QD_POPUP", WS_POPUP, 0, 0, 800, 480,
                            nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"FakePopupBrowser", L"BrowserWnd", WS_CHILD | WS_VISIBLE, 0, 0, 800, 480, g_frame,
                  nullptr, instance, nullptr);
  ShowWindow(g_frame, SW_SHOW);
  UpdateWindow(g_frame);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Debug(L"FakePopup end\r\n");
  if (single) CloseHandle(single);
  return g_exitCode;
}
