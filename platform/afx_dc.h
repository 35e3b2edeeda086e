// CDC: a device context; one it creates (CreateCompatibleDC) is deleted with
// it. CPaintDC wraps BeginPaint/EndPaint of a window, CClientDC a device
// context of a window's client area (of the screen, for no window).
#pragma once

#include "afx_gdi.h"
#include "afx_string.h"
#include "afx_types.h"

class CWnd;

class CDC : public CObject {
 public:
  CDC();
  ~CDC() override;

  HDC m_hDC;

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  BOOL Attach(HDC hDC);
  HDC Detach();

  // The previously selected object, as a short-lived wrapper.
  CGdiObject* SelectObject(CGdiObject* pObject);
  HGDIOBJ SelectObject(HGDIOBJ hObject);

  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  int SetBkMode(int nBkMode);
  COLORREF SetTextColor(COLORREF crColor);
  int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
  BOOL GetTextExtentExPoint(LPCWSTR lpszString, int nCount, int nMaxExtent, LPINT lpnFit,
                            LPINT alpDx, LPSIZE lpSize) const;
  CSize GetTextExtent(LPCWSTR lpszString, int nCount) const;
  COLORREF GetPixel(int x, int y) const;
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);

  static CDC* FromHandle(HDC hDC);

 private:
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  bool m_bOwned;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps;

 private:
  HWND m_hWnd;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 private:
  HWND m_hWnd;
};
