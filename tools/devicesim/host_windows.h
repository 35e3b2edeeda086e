// The hidden top-level windows that stand in for the device's other programs
// (the main menu and the GUI). The pop-up finds them by title and reports to
// them with SendMessage; they record what arrives and answer 0.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct HostMessage {
  std::wstring title;  // of the host window that received it
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

class HostWindows {
 public:
  // Returns whether the message was recorded; only recorded ones are slowed.
  using Recorder = std::function<bool(const HostMessage&)>;

  // allMessages: pass every message to the recorder, not only >= WM_USER.
  HostWindows(bool allMessages, Recorder recorder);
  ~HostWindows();
  HostWindows(const HostWindows&) = delete;
  HostWindows& operator=(const HostWindows&) = delete;

  // slowMs: time to sleep inside each recorded message before answering.
  bool Create(const std::wstring& title, DWORD slowMs, std::wstring* error);
  bool Destroy(const std::wstring& title);

  // The first time host title handles msg, it destroys its window before
  // answering (after its sleep), and gone is told.
  using GoneHook = std::function<void(const std::wstring& title, UINT msg)>;
  void GoneDuring(const std::wstring& title, UINT msg, GoneHook gone);

 private:
  struct Host {
    HostWindows* owner;
    std::wstring title;
    DWORD slowMs;
    HWND hwnd;
  };
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  struct GoneRule {
    std::wstring title;
    UINT msg;
    GoneHook gone;
  };

  bool allMessages_;
  Recorder recorder_;
  std::vector<GoneRule> goneRules_;
  // Stable addresses: each window keeps a pointer to its Host.
  std::vector<std::unique_ptr<Host>> hosts_;
};
