// Test support for message behaviour, in the manner of Wine's conformance
// tests: a window that records what reaches it, bounded message pumping, a
// separator between steps, and one check that compares a recorded sequence
// with a const table of expected messages and dumps both by index.
#pragma once

#include <string>
#include <vector>

#include "afxwin.h"

struct RecordedMsg {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

typedef RecordedMsg ExpectedMsg;

// Put between steps so that a table can show where one action ended.
#define WM_TEST_SEPARATOR (WM_APP + 0x3FFF)

// A visible top-level window (800 x 480 at the origin unless told otherwise)
// that records every message at or above WM_USER that reaches it.
class CRecorderWnd : public CWnd {
 public:
  BOOL CreateRecorder(LPCWSTR title, int x = 0, int y = 0, int width = 800, int height = 480);
  std::vector<RecordedMsg> Take();  // what was recorded so far; clears it
  void Separator();                 // records WM_TEST_SEPARATOR directly
  void Clear() { m_log.clear(); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<RecordedMsg> m_log;
};

// Handles the thread's messages until the queue has been empty for a while
// or maxMs have passed; never hangs.
void PumpMessages(DWORD maxMs = 300);

// Reports, through GoogleTest, every difference between expected and actual
// with file, line and context, and dumps both sequences by index.
void CheckSequence(const std::vector<RecordedMsg>& actual, const ExpectedMsg* expected,
                   size_t expectedCount, const char* file, int line, const std::string& context);

#define ok_sequence(recorder, table, context) \
  CheckSequence((recorder).Take(), (table), sizeof(table) / sizeof((table)[0]), __FILE__, __LINE__, (context))
#define ok_no_messages(recorder, context) \
  CheckSequence((recorder).Take(), nullptr, 0, __FILE__, __LINE__, (context))

// The thread object the component asks for the main window.
CWinThread& TestThread();
