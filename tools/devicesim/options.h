// Command-line options of devicesim: what to simulate around the pop-up and
// what to do to it at which time (all times in ms since the pop-up started).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// --send / --post: a message for the pop-up's frame.
struct MessageAction {
  int atMs = 0;
  bool post = false;
  UINT msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// --shot NAME@MS: a screenshot at a fixed time.
struct ShotAction {
  int atMs = 0;
  std::wstring name;
};

// --host-gone-at / --host-appear-at: a host window that goes or comes.
struct HostAction {
  int atMs = 0;
  bool appear = false;
  std::wstring title;
};

// --host-gone-during MSG:TITLE: a host window that ends while it handles a
// message (after --slow-host's sleep), before it answers.
struct HostGoneDuring {
  UINT msg = 0;
  std::wstring title;
};

// --second-at MS[:ARGS]: another copy of the pop-up.
struct SecondCopyAction {
  int atMs = 0;
  bool ownArgs = false;  // false: the first copy's --args
  std::wstring args;
};

struct Options {
  bool help = false;

  bool mainMenu = true;  // --no-mainmenu clears it
  bool gui = true;       // --no-gui clears it
  bool allMessages = false;
  DWORD slowHostMs = 0;
  std::vector<HostAction> hostActions;
  std::vector<HostGoneDuring> hostGoneDuring;

  std::wstring popupPath;  // empty: qd_popup.exe beside devicesim.exe
  std::wstring args;
  std::wstring frameTitle = L"QD_POPUP";  // --frame-title: the started program's top-level window
  wchar_t drive = 0;  // 0: devicesim's own current directory
  std::vector<MessageAction> messages;
  std::vector<SecondCopyAction> secondCopies;
  std::vector<int> invalidateAtMs;  // --invalidate-at: repaint requests for BrowserWnd

  std::wstring shotDir;    // empty: the current directory
  std::wstring jsonlPath;  // empty: timeline.jsonl in the shot folder
  std::vector<ShotAction> shots;
  bool bmpShots = false;

  int timeoutMs = 20000;
};

// Parses argv[1..argc-1]. On a bad option returns false with a message.
bool ParseOptions(int argc, wchar_t** argv, Options* options, std::wstring* error);

std::wstring HelpText();
