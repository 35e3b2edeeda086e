// Test-side client of devicesim.exe: runs it from the folder of the test
// program, waits for it within a limit, and reads back the timeline it wrote
// as JSON lines. No dependency but the Win32 API and the standard library.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// One timeline line. Fields an event does not carry stay empty / zero.
struct SimEvent {
  int t = 0;          // ms since the pop-up was started
  std::string event;  // "window", "paint", "message", "debug", "send", ...
  std::string to;     // message, send, post, answer: the receiving window
  std::string text;   // debug: exact text (UTF-8)
  std::string title;  // window, host-gone, host-appear
  std::string file;   // shot: full path
  unsigned msg = 0;
  long long wParam = 0;
  long long lParam = 0;
  int code = 0;       // exit, second-exit
  int rect[4] = {0, 0, 0, 0};
  // Less common fields.
  std::string action;  // timeout: "close" or "terminate"
  std::string from;    // debug: "second" for a second copy's text
  std::string error;   // anything devicesim could not do
  long long result = 0;  // answer: what SendMessage returned
  bool window = false;   // second-exit: the copy showed a window
  bool inferred = false;  // paint: taken from a report, not seen by the poll
  std::string line;       // the JSON line as written
};

struct SimRun {
  int exitCode = -1;  // devicesim's (the pop-up's) exit code; -1 if it was killed
  std::vector<SimEvent> events;
  std::string stdoutText;  // stdout and stderr of devicesim
  std::wstring folder;     // fresh folder of this run: timeline, stdout, shots
  bool killed = false;     // ran over limitMs
};

// Runs devicesim.exe with args. Unless args name them, adds --jsonl and
// --shot-dir inside a fresh temporary folder. On overrun devicesim and the
// programs it started are killed, killed is set and a message goes to stderr.
SimRun RunDeviceSim(const std::vector<std::wstring>& args, DWORD limitMs = 60000);

// The folder of the running test program (where devicesim.exe and the fake
// pop-up are built).
std::wstring TestExeFolder();

std::vector<SimEvent> EventsOf(const SimRun& run, const std::string& kind);
// The first event of that kind (and, if given, to that window); null if none.
const SimEvent* FindFirst(const SimRun& run, const std::string& kind, const std::string& to = "");
// The first debug event whose text contains part; null if none.
const SimEvent* FindDebug(const SimRun& run, const std::string& part);
// Index of an event in run.events (for order checks); -1 for null.
int IndexOf(const SimRun& run, const SimEvent* event);

// A .bmp written by --bmp-shots (24-bit, bottom-up or top-down).
struct BmpImage {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // top row first, 3 bytes per pixel
  COLORREF At(int x, int y) const;
};
BmpImage ReadBmp(const std::wstring& path);

// What reached the two host windows, in order, as a comparable value.
struct HostEvent {
  std::string to;
  unsigned msg;
  long long wParam;
  long long lParam;
  bool operator==(const HostEvent& o) const {
    return to == o.to && msg == o.msg && wParam == o.wParam && lParam == o.lParam;
  }
};
std::vector<HostEvent> HostMessages(const SimRun& run);
std::string Describe(const std::vector<HostEvent>& list);

// The first copy's debug lines, in order; Join lists them for a failure.
std::vector<std::string> DebugLines(const SimRun& run);
std::string Join(const std::vector<std::string>& lines);

std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
