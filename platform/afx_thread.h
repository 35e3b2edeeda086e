// CWinThread: the user-interface thread object with its main window and
// message loop. The program has one; AfxGetThread gives it.
#pragma once

#include "afx_cmd_target.h"

class CWnd;

class CWinThread : public CCmdTarget {
 public:
  CWinThread();
  ~CWinThread() override;

  CWnd* m_pMainWnd;    // the application's main window
  CWnd* m_pActiveWnd;  // a window that stands in for it while set

  // The active window if one is set, else the main window, else the active
  // top-level window of the thread (or null).
  virtual CWnd* GetMainWnd();

  virtual BOOL InitInstance();
  virtual int Run();
  virtual int ExitInstance();

 protected:
  MSG m_msgCur;  // the last message the loop took
};

CWinThread* AfxGetThread();
