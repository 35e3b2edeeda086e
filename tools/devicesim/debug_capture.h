// Reads OutputDebugString text system-wide, the way a debug monitor does:
// the writer waits for DBWIN_BUFFER_READY, puts its process id and the text
// into the 4096-byte DBWIN_BUFFER mapping and sets DBWIN_DATA_READY. Only text
// from processes added with AddProcess is passed on, one call per line.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>

class DebugCapture {
 public:
  // Called on the reader thread; the text is decoded from the ANSI code page
  // that OutputDebugString writes in.
  using Sink = std::function<void(DWORD pid, const std::wstring& text)>;

  DebugCapture() = default;
  ~DebugCapture();
  DebugCapture(const DebugCapture&) = delete;
  DebugCapture& operator=(const DebugCapture&) = delete;

  // Creates the objects and the reader; must come before the writer starts,
  // since a writer looks for a monitor only when it writes. alreadyThere is
  // set when another monitor owns the objects (its text and ours may mix).
  bool Start(Sink sink, bool* alreadyThere, std::wstring* error);
  void AddProcess(DWORD pid);
  // Returns once everything written before the call has been passed on (or
  // after maxMs): text a process wrote before it sent a message or ended then
  // comes out before that message or end.
  void Drain(DWORD maxMs);
  void Stop();

 private:
  void ReadLoop();
  bool Wanted(DWORD pid);

  Sink sink_;
  HANDLE bufferReady_ = nullptr;
  HANDLE dataReady_ = nullptr;
  HANDLE mapping_ = nullptr;
  HANDLE stop_ = nullptr;
  HANDLE drainRequest_ = nullptr;
  HANDLE drained_ = nullptr;
  const unsigned char* view_ = nullptr;
  std::thread reader_;
  std::mutex mutex_;
  std::set<DWORD> pids_;
};
