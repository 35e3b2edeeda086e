// Starting copies of the pop-up and finding their windows from outside.
// Window lookups never send a message to the pop-up (FindWindowEx and
// IsWindowVisible read the window manager's state), so a hung pop-up cannot
// hang devicesim.
#pragma once

#include <windows.h>

#include <string>

class PopupProcess {
 public:
  PopupProcess() = default;
  ~PopupProcess();
  PopupProcess(const PopupProcess&) = delete;
  PopupProcess& operator=(const PopupProcess&) = delete;

  // Created suspended, so that its id is known (for the debug text filter and
  // the clock) before it runs. currentDir empty: devicesim's own.
  bool Create(const std::wstring& exePath, const std::wstring& args, const std::wstring& currentDir,
              std::wstring* error);
  void Resume();

  DWORD Pid() const { return pid_; }
  HANDLE Handle() const { return process_; }
  bool Running() const;
  DWORD ExitCode() const;
  void Terminate(UINT exitCode);

 private:
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD pid_ = 0;
};

// The top-level window titled "QD_POPUP" that belongs to process pid.
HWND FindFrame(DWORD pid, const std::wstring& title);
// The frame's child window titled "BrowserWnd".
HWND FindBrowser(HWND frame);
bool HasVisibleWindow(DWORD pid);

std::wstring SystemErrorText(DWORD error);
