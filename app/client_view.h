// CClientView: the frame's client-area child object. Its window is never
// created, so giving it the focus leaves no window of the pop-up focused.
#pragma once

#include "afx_wnd.h"

class CClientView : public CWnd {
 public:
  CClientView();
  ~CClientView() override;

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  afx_msg void OnPaint();

  DECLARE_MESSAGE_MAP()
};
