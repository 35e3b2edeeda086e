// CWinApp: the application object. Exactly one is constructed, statically;
// AfxWinMain runs InitInstance, then the message loop, or ExitInstance when
// InitInstance refuses.
#pragma once

#include "afx_command_line_info.h"
#include "afx_thread.h"

// String resource holding the application's name when none is given.
#define AFX_IDS_APP_TITLE 0xE000

class CWinApp : public CWinThread {
 public:
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCWSTR m_pszAppName;
  LPCWSTR m_pszRegistryKey;
  LPCWSTR m_pszProfileName;
  HINSTANCE m_hInstance;
  LPWSTR m_lpCmdLine;
  int m_nCmdShow;

  virtual BOOL InitApplication();
  BOOL InitInstance() override;
  int ExitInstance() override;

  // Splits the command line by the runtime library's rules (blanks and tabs
  // separate, double quotes group) and hands each argument to ParseParam.
  void ParseCommandLine(CCommandLineInfo& rCmdInfo);

  // Names the registry key under which profile settings would be kept.
  void SetRegistryKey(LPCWSTR lpszRegistryKey);

  // Sets up the application's fields; called by AfxWinMain.
  void AfxWinInit(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow);

 private:
  CString m_strAppName;
  CString m_strRegistryKey;
  CString m_strProfileName;
};

CWinApp* AfxGetApp();

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
