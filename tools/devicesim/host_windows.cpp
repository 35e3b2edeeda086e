#include "host_windows.h"

#include <cstddef>

namespace {

const wchar_t kClassName[] = L"DeviceSimHost";

bool RegisterHostClass(WNDPROC proc) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = proc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HostWindows::HostWindows(bool allMessages, Recorder recorder)
    : allMessages_(allMessages), recorder_(std::move(recorder)) {}

HostWindows::~HostWindows() {
  for (auto& host : hosts_) {
    if (host->hwnd) DestroyWindow(host->hwnd);
  }
}

bool HostWindows::Create(const std::wstring& title, DWORD slowMs, std::wstring* error) {
  if (!RegisterHostClass(&HostWindows::WindowProc)) {
    *error = L"cannot register the host window class";
    return false;
  }
  hosts_.push_back(std::unique_ptr<Host>(new Host{this, title, slowMs, nullptr}));
  Host* host = hosts_.back().get();
  // Never shown: a real host sits behind the pop-up, and a hidden window
  // neither paints over the screenshots nor takes the focus.
  HWND hwnd = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                              nullptr, nullptr, GetModuleHandleW(nullptr), host);
  if (!hwnd) {
    *error = L"cannot create host window " + title;
    hosts_.pop_back();
    return false;
  }
  return true;
}

bool HostWindows::Destroy(const std::wstring& title) {
  for (auto& host : hosts_) {
    if (host->hwnd && host->title == title) {
      DestroyWindow(host->hwnd);
      return true;
    }
  }
  return false;
}

void HostWindows::GoneDuring(const std::wstring& title, UINT msg, GoneHook gone) {
  goneRules_.push_back(GoneRule{title, msg, std::move(gone)});
}

LRESULT CALLBACK HostWindows::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Host* host = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    host = static_cast<Host*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    host->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
  }
  if (!host) return DefWindowProcW(hwnd, msg, wParam, lParam);

  bool report = msg >= WM_USER;
  if (report || host->owner->allMessages_) {
    if (host->owner->recorder_(HostMessage{host->title, msg, wParam, lParam}) && host->slowMs) {
      Sleep(host->slowMs);
    }
  }
  std::vector<GoneRule>& rules = host->owner->goneRules_;
  for (size_t i = 0; i < rules.size(); ++i) {
    if (rules[i].msg != msg || rules[i].title != host->title) continue;
    GoneRule rule = rules[i];
    rules.erase(rules.begin() + static_cast<std::ptrdiff_t>(i));
    if (rule.gone) rule.gone(rule.title, msg);
    DestroyWindow(hwnd);  // the Host stays: only its window goes
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    host->hwnd = nullptr;
  }
  return report ? 0 : DefWindowProcW(hwnd, msg, wParam, lParam);
}
