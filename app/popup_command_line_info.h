// CPopupCommandLineInfo: takes the launch mode from the command line; the
// last argument decides.
#pragma once

#include "afx_command_line_info.h"

class CPopupCommandLineInfo : public CCommandLineInfo {
 public:
  ~CPopupCommandLineInfo() override;
  void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;
};
