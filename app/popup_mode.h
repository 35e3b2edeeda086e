// CPopupMode: which pop-up this run shows, fixed by the command line.
#pragma once

#include <windows.h>

class CPopupMode {
 public:
  virtual ~CPopupMode();

  // Tells the shell that a button of the pop-up was pressed.
  void NotifyMainMenu();

  BYTE m_bBlackBox = 0;  // 1 black-box pop-up, 0 caution pop-up
};
