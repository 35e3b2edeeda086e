// The window the benchmarked components live in: top-level, visible and on
// top at the screen origin, 800 x 480, so that what they draw into their
// windows is kept (a hidden or covered window's drawing may be dropped).
#pragma once

#include "afx_wnd.h"

class CBenchHost : public CWnd {
 public:
  bool CreateHost();
};

// Handles what is waiting in this thread's queue, for at most maxMs.
void PumpMessages(DWORD maxMs = 200);
