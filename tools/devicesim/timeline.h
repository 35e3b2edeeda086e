// The timeline: every event goes to stdout as one readable line and to the
// JSON lines file as one object, both written at once so that a test or a
// person watching sees it while the run goes on.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

// One JSON object, {"t":..,"event":"..", then the fields in the order added};
// t is stamped when the event is emitted, so the lines are in time order.
class TimelineEvent {
 public:
  explicit TimelineEvent(const char* kind);
  TimelineEvent& Text(const char* key, const std::wstring& value);
  TimelineEvent& Number(const char* key, long long value);
  TimelineEvent& Unsigned(const char* key, unsigned long long value);
  TimelineEvent& Flag(const char* key, bool value);
  TimelineEvent& Rect(const char* key, const RECT& rect);

  const std::string& kind() const { return kind_; }
  std::string Json(int t) const;

 private:
  void Key(const char* key);

  std::string kind_;
  std::string fields_;
};

class Timeline {
 public:
  Timeline();
  ~Timeline();
  Timeline(const Timeline&) = delete;
  Timeline& operator=(const Timeline&) = delete;

  bool Open(const std::wstring& jsonlPath, std::wstring* error);

  // t = 0 is the moment the pop-up is let run.
  void StartClock();
  int Now() const;

  // Safe from any thread (the debug reader emits too). Returns the event's t.
  int Emit(const TimelineEvent& event, const std::wstring& readable);
  // A stdout line that is no event (start-up facts, warnings).
  void Note(const std::wstring& line);

 private:
  std::mutex mutex_;
  HANDLE jsonl_ = INVALID_HANDLE_VALUE;
  LONGLONG frequency_ = 1;
  std::atomic<LONGLONG> start_{0};
};

std::string Utf8(const std::wstring& text);
// Control characters as C escapes (\r, \n, \xNN), for the readable line.
std::wstring Visible(const std::wstring& text);
// Write text to stdout / stderr: wide to a console, UTF-8 to a file or pipe.
void WriteStdout(const std::wstring& text);
void WriteStderr(const std::wstring& text);
