#include "afx_win_app.h"

#include <cstdlib>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_pszAppName(nullptr),
      m_pszRegistryKey(nullptr),
      m_pszProfileName(nullptr),
      m_hInstance(nullptr),
      m_lpCmdLine(nullptr),
      m_nCmdShow(SW_SHOWNORMAL) {
  if (lpszAppName != nullptr) {
    m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
  }
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::AfxWinInit(HINSTANCE hInstance, LPWSTR lpCmdLine, int nCmdShow) {
  m_hInstance = hInstance;
  m_lpCmdLine = lpCmdLine;
  m_nCmdShow = nCmdShow;
  if (m_pszAppName == nullptr && m_strAppName.LoadString(AFX_IDS_APP_TITLE)) {
    m_pszAppName = m_strAppName;
  }
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) {
  m_strRegistryKey = lpszRegistryKey;
  m_pszRegistryKey = m_strRegistryKey;
  // Profile values would live under Software\<key>\<application name>.
  m_strProfileName = m_pszAppName ? m_pszAppName : L"";
  m_pszProfileName = m_strProfileName;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
  // The runtime library has already split the line into __wargv.
  int argc = __argc;
  wchar_t** argv = __wargv;
  if (argv == nullptr) return;
  for (int i = 1; i < argc; ++i) {
    const wchar_t* param = argv[i];
    BOOL bFlag = FALSE;
    if (param[0] == L'-' || param[0] == L'/') {
      bFlag = TRUE;
      ++param;
    }
    rCmdInfo.ParseParam(param, bFlag, i + 1 == argc);
  }
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR lpCmdLine,
               int nCmdShow) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return -1;
  app->AfxWinInit(hInstance, lpCmdLine, nCmdShow);
  if (!app->InitApplication()) return app->ExitInstance();
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
