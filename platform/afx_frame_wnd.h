// CFrameWnd: a top-level frame window loaded from a resource id: the
// string with that id is its first title, a menu with that id (if any) its
// menu. Closing the frame destroys it.
#pragma once

#include "afx_wnd.h"

class CFrameWnd : public CWnd {
  DECLARE_DYNAMIC(CFrameWnd)

 public:
  CFrameWnd();
  ~CFrameWnd() override;

  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnClose();
  afx_msg void OnDestroy();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnTimer(UINT_PTR nIDEvent);

  DECLARE_MESSAGE_MAP()
};
