// CMainFrame: the pop-up's only top-level window, 800 x 480 at the origin,
// titled "QD_POPUP". Its creation builds the screen; its close timer ends
// the pop-up, and its destruction ends the process.
#pragma once

#include "afx_frame_wnd.h"
#include "client_view.h"

class CMainFrame : public CFrameWnd {
  DECLARE_DYNAMIC(CMainFrame)

 public:
  CMainFrame();
  ~CMainFrame() override;

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnDestroy();
  afx_msg void OnTimer(UINT_PTR nIDEvent);

  DECLARE_MESSAGE_MAP()

  CClientView m_wndClient;
};
