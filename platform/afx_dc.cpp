#include "afx_dc.h"

#include <cwchar>

#include "afx_wnd.h"
#include "device_services.h"

CDC::CDC() : m_hDC(nullptr), m_bOwned(false) {}

CDC::~CDC() {
  if (m_bOwned) DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  if (m_bOwned) DeleteDC();
  m_hDC = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
  m_bOwned = m_hDC != nullptr;
  if (m_bOwned) ++AfxGetGdiCounters().dcsCreated;
  return m_bOwned;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  BOOL ok = ::DeleteDC(m_hDC);
  if (ok && m_bOwned) ++AfxGetGdiCounters().dcsDeleted;
  m_hDC = nullptr;
  m_bOwned = false;
  return ok;
}

BOOL CDC::Attach(HDC hDC) {
  m_hDC = hDC;
  m_bOwned = false;
  return hDC != nullptr;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  m_hDC = nullptr;
  m_bOwned = false;
  return h;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (m_hDC == nullptr || pObject == nullptr) return nullptr;
  return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
  return m_hDC ? ::SelectObject(m_hDC, hObject) : nullptr;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  BOOL ok = ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                     dwRop);
  if (WindowFromDC(m_hDC) != nullptr) AfxShowDrawingNow();
  return ok;
}

int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }

int CDC::DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  // The text is read-only: DrawText must not write a shortened copy (up to
  // four units longer) back into it. A path ellipsis mixed with another
  // kind makes the desktop's DrawText abort on some texts; the path wins.
  nFormat &= ~static_cast<UINT>(DT_MODIFYSTRING);
  if (nFormat & DT_PATH_ELLIPSIS) nFormat &= ~static_cast<UINT>(DT_END_ELLIPSIS | DT_WORD_ELLIPSIS);
  return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
  return DrawText(str, str.GetLength(), lpRect, nFormat);
}

BOOL CDC::GetTextExtentExPoint(LPCWSTR lpszString, int nCount, int nMaxExtent, LPINT lpnFit,
                               LPINT alpDx, LPSIZE lpSize) const {
  return ::GetTextExtentExPointW(m_hDC, lpszString, nCount, nMaxExtent, lpnFit, alpDx, lpSize);
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const {
  SIZE size = {0, 0};
  GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
  return CSize(size.cx, size.cy);
}

COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  COLORREF old = SetBkColor(m_hDC, color);
  RECT r = {x, y, x + cx, y + cy};
  ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(m_hDC, old);
}

CDC* CDC::FromHandle(HDC hDC) {
  if (hDC == nullptr) return nullptr;
  static CDC temporaries[8];
  static int next = 0;
  CDC* wrapper = &temporaries[next];
  next = (next + 1) % 8;
  wrapper->m_hDC = hDC;
  wrapper->m_bOwned = false;
  return wrapper;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd) {
  Attach(BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
  EndPaint(m_hWnd, &m_ps);
  Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) {
  Attach(GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
  ReleaseDC(m_hWnd, Detach());
}
