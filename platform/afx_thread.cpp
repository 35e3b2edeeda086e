#include "afx_thread.h"

#include "afx_wnd.h"

namespace {
CWinThread* g_currentThread = nullptr;
}

CWinThread* AfxGetThread() { return g_currentThread; }

CWinThread::CWinThread() : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_msgCur() {
  g_currentThread = this;
}

CWinThread::~CWinThread() {
  if (g_currentThread == this) g_currentThread = nullptr;
}

CWnd* CWinThread::GetMainWnd() {
  if (m_pActiveWnd != nullptr) return m_pActiveWnd;
  if (m_pMainWnd != nullptr) return m_pMainWnd;
  return CWnd::FromHandle(GetActiveWindow());
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::Run() {
  for (;;) {
    BOOL got = GetMessageW(&m_msgCur, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    TranslateMessage(&m_msgCur);
    DispatchMessageW(&m_msgCur);
  }
  return ExitInstance();
}

int CWinThread::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }
