// CCommandLineInfo: receives the command line's arguments one at a time from
// CWinApp::ParseCommandLine; a program overrides ParseParam.
#pragma once

#include "afx_object.h"
#include "afx_string.h"

class CCommandLineInfo : public CObject {
 public:
  CCommandLineInfo();
  ~CCommandLineInfo() override;

  // pszParam is one argument with one leading '-' or '/' removed (bFlag is
  // then TRUE); bLast is TRUE for the last argument.
  virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast);

  enum { FileNew, FileOpen, FileNothing = -1 } m_nShellCommand;
  CString m_strFileName;
};
