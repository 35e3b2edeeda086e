// CPopupApp: the application object. Start-up refuses a second copy, takes
// the launch mode from the command line and opens the frame.
#pragma once

#include "afx_win_app.h"
#include "popup_command_line_info.h"

class CPopupApp : public CWinApp {
 public:
  CPopupApp();
  ~CPopupApp() override;

  BOOL InitInstance() override;
  int ExitInstance() override;

  CPopupCommandLineInfo m_cmdInfo;

 protected:
  DECLARE_MESSAGE_MAP()
};
