#include "popup_app.h"

#include <new>

#include "main_frame.h"
#include "popup_globals.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CPopupApp, CWinApp)
END_MESSAGE_MAP()

CPopupApp::CPopupApp() : CWinApp(nullptr) {}

CPopupApp::~CPopupApp() = default;

BOOL CPopupApp::InitInstance() {
  SetRegistryKey(L"QD");

  g_hSingleInstanceMutex = CreateMutexW(nullptr, FALSE, L"QD_POPUP");
  if (GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;  // another copy runs: silently refuse

  ParseCommandLine(m_cmdInfo);

  CMainFrame* frame = new (std::nothrow) CMainFrame;
  if (frame == nullptr) return FALSE;
  m_pMainWnd = frame;
  // The frame is never deleted: the process ends inside its destroy handler.
  if (!frame->LoadFrame(IDR_MAINFRAME, WS_BORDER, nullptr, nullptr)) {
    // No usable frame: end as a refused start, which closes the mutex.
    m_pMainWnd = nullptr;
    return FALSE;
  }
  frame->ShowWindow(SW_SHOW);
  frame->UpdateWindow();
  return TRUE;
}

int CPopupApp::ExitInstance() {
  if (g_hSingleInstanceMutex != nullptr) CloseHandle(g_hSingleInstanceMutex);
  return CWinApp::ExitInstance();
}
