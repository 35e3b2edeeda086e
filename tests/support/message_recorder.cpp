#include "message_recorder.h"

#include <gtest/gtest.h>

#include <cstdio>

CWinThread& TestThread() {
  static CWinApp app(L"Test");
  return app;
}

BOOL CRecorderWnd::CreateRecorder(LPCWSTR title, int x, int y, int width, int height) {
  LPCWSTR cls = AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW),
                                    static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  if (!CreateEx(WS_EX_TOPMOST, cls, title, WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr,
                nullptr)) {
    return FALSE;
  }
  UpdateWindow();
  return TRUE;
}

LRESULT CRecorderWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER) {
    m_log.push_back(RecordedMsg{message, wParam, lParam});
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

std::vector<RecordedMsg> CRecorderWnd::Take() {
  PumpMessages();
  std::vector<RecordedMsg> out;
  out.swap(m_log);
  return out;
}

void CRecorderWnd::Separator() { m_log.push_back(RecordedMsg{WM_TEST_SEPARATOR, 0, 0}); }

void PumpMessages(DWORD maxMs) {
  DWORD start = GetTickCount();
  DWORD quietSince = start;
  for (;;) {
    MSG msg;
    bool any = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      any = true;
      if (msg.message == WM_QUIT) continue;  // a test's windows must not end the pump
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    DWORD now = GetTickCount();
    if (any) quietSince = now;
    if (now - start >= maxMs || now - quietSince >= 30) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

namespace {
std::string Describe(const RecordedMsg& m) {
  char text[96];
  if (m.message == WM_TEST_SEPARATOR) {
    std::snprintf(text, sizeof text, "---- separator ----");
  } else {
    std::snprintf(text, sizeof text, "msg %u (0x%04X) wParam %ld lParam %ld", m.message, m.message,
                  static_cast<long>(m.wParam), static_cast<long>(m.lParam));
  }
  return text;
}
}  // namespace

void CheckSequence(const std::vector<RecordedMsg>& actual, const ExpectedMsg* expected,
                   size_t expectedCount, const char* file, int line, const std::string& context) {
  bool same = actual.size() == expectedCount;
  for (size_t i = 0; same && i < expectedCount; ++i) {
    same = actual[i].message == expected[i].message && actual[i].wParam == expected[i].wParam &&
           actual[i].lParam == expected[i].lParam;
  }
  if (same) return;
  std::string dump = context + ": message sequence differs\n";
  size_t n = actual.size() > expectedCount ? actual.size() : expectedCount;
  for (size_t i = 0; i < n; ++i) {
    char index[16];
    std::snprintf(index, sizeof index, "  [%zu] ", i);
    dump += index;
    dump += "expected " + (i < expectedCount ? Describe(expected[i]) : std::string("(nothing)"));
    dump += "  |  actual " + (i < actual.size() ? Describe(actual[i]) : std::string("(nothing)"));
    bool match = i < expectedCount && i < actual.size() && actual[i].message == expected[i].message &&
                 actual[i].wParam == expected[i].wParam && actual[i].lParam == expected[i].lParam;
    dump += match ? "\n" : "   <==\n";
  }
  ADD_FAILURE_AT(file, line) << dump;
}
