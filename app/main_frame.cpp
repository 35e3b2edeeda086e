#include "main_frame.h"

#include <cstdlib>

#include "device_services.h"
#include "popup_globals.h"
#include "popup_messages.h"

IMPLEMENT_DYNAMIC(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_SETFOCUS()
  ON_WM_DESTROY()
  ON_WM_TIMER()
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
  DestroyMenu(cs.hMenu);
  cs.hMenu = nullptr;
  cs.style &= ~0x004F0000L;  // no dialog frame, system menu, sizing border or min/max boxes
  cs.style |= WS_BORDER;
  cs.dwExStyle |= WS_EX_NOANIMATION;
  // No cursor, no background brush, no paint handler: the frame never draws.
  cs.lpszClass = AfxRegisterWndClass(0, nullptr, nullptr, nullptr);
  return cs.lpszClass != nullptr;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  SetWindowText(L"QD_POPUP");
  g_popupScreen.SetUpScreen(this);
  SetWindowPos(&CWnd::wndTop, 0, 0, 800, 480, SWP_SHOWWINDOW);
  return 0;
}

void CMainFrame::OnSetFocus(CWnd* /*pOldWnd*/) {
  // The view's window does not exist: the focus goes to no window at all.
  m_wndClient.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (m_wndClient.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_POPUP_BUTTONDOWN) g_popupMode.NotifyMainMenu();
  return CFrameWnd::WindowProc(message, wParam, lParam);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == TIMER_CLOSE) {
    KillTimer(TIMER_CLOSE);
    if (g_popupMode.m_bBlackBox) SendToHost(SHELL_WINDOW_TITLE, WM_SHELL_BLACKBOXCLOSE, 0, 0);
    PostMessage(WM_CLOSE, 0, 0);
  }
  CFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::OnDestroy() {
  CFrameWnd::OnDestroy();
  NKDbgPrintfW(L"Popup Close -- \r\n");
  Sleep(200);
  // Ends here: the static objects are destroyed and the process exits with 0.
  std::exit(0);
}
