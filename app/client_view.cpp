#include "client_view.h"

#include "afx_dc.h"

BEGIN_MESSAGE_MAP(CClientView, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

CClientView::CClientView() = default;

CClientView::~CClientView() = default;

BOOL CClientView::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CWnd::PreCreateWindow(cs)) return FALSE;
  cs.style &= ~WS_BORDER;
  cs.lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                                     LoadCursorW(nullptr, IDC_ARROW),
                                     reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
  return cs.lpszClass != nullptr;
}

void CClientView::OnPaint() {
  CPaintDC dc(this);  // validates the area; the view draws nothing
}
