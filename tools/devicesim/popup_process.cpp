#include "popup_process.h"

PopupProcess::~PopupProcess() {
  if (thread_) CloseHandle(thread_);
  if (process_) CloseHandle(process_);
}

bool PopupProcess::Create(const std::wstring& exePath, const std::wstring& args,
                          const std::wstring& currentDir, std::wstring* error) {
  // The program name quoted, then the arguments exactly as given.
  std::wstring commandLine = L"\"" + exePath + L"\"";
  if (!args.empty()) commandLine += L" " + args;

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  // No handles inherited: the pop-up must not keep devicesim's stdout open.
  if (!CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                      nullptr, currentDir.empty() ? nullptr : currentDir.c_str(), &startup, &info)) {
    DWORD code = GetLastError();
    *error = L"cannot start " + commandLine +
             (currentDir.empty() ? std::wstring() : L" in " + currentDir) + L": " +
             SystemErrorText(code);
    return false;
  }
  process_ = info.hProcess;
  thread_ = info.hThread;
  pid_ = info.dwProcessId;
  return true;
}

void PopupProcess::Resume() {
  if (thread_) ResumeThread(thread_);
}

bool PopupProcess::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD PopupProcess::ExitCode() const {
  DWORD code = 0;
  if (!process_ || !GetExitCodeProcess(process_, &code)) return static_cast<DWORD>(-1);
  return code;
}

void PopupProcess::Terminate(UINT exitCode) {
  if (process_) {
    TerminateProcess(process_, exitCode);
    WaitForSingleObject(process_, 5000);
  }
}

HWND FindFrame(DWORD pid, const std::wstring& title) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, title.c_str())) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == pid) return window;
  }
  return nullptr;
}

HWND FindBrowser(HWND frame) { return FindWindowExW(frame, nullptr, nullptr, L"BrowserWnd"); }

namespace {

struct VisibleSearch {
  DWORD pid;
  bool found;
};

BOOL CALLBACK CheckVisible(HWND window, LPARAM lParam) {
  VisibleSearch* search = reinterpret_cast<VisibleSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->pid && IsWindowVisible(window)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool HasVisibleWindow(DWORD pid) {
  VisibleSearch search = {pid, false};
  EnumWindows(CheckVisible, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring result = length ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r' || result.back() == L' ')) {
    result.pop_back();
  }
  return result + L" (error " + std::to_wstring(error) + L")";
}
