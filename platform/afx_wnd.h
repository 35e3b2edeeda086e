// CWnd: a window object bound to one window handle. The object is attached
// when its window receives WM_NCCREATE and detached after WM_NCDESTROY;
// every message in between goes through the object's WindowProc and its
// message maps.
#pragma once

#include "afx_cmd_target.h"
#include "afx_string.h"
#include "afx_types.h"

struct CCreateContext;  // creation contexts are accepted but not used: no caller passes one

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd();
  ~CWnd() override;

  HWND m_hWnd;

  // The insert-after sentinel of SetWindowPos for the top of the z-order.
  static const CWnd wndTop;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object attached to a window of this process, or a temporary wrapper
  // that handles no messages (null for a null handle).
  static CWnd* FromHandle(HWND hWnd);
  static CWnd* FromHandlePermanent(HWND hWnd);

  // A child window; a null class name means the framework's plain child class.
  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID,
                      CCreateContext* pContext = nullptr);
  BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu);
  virtual BOOL DestroyWindow();

  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Thin wrappers of the window functions.
  void SetWindowText(LPCWSTR lpszString);
  CString GetWindowText() const;
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  BOOL ShowWindow(int nCmdShow);
  void UpdateWindow();
  CWnd* SetFocus();
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
  BOOL KillTimer(UINT_PTR nIDEvent);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;

 protected:
  // Runs the window's default processing for the message being handled.
  LRESULT Default();
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual void PostNcDestroy();

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

  DECLARE_MESSAGE_MAP()

 private:
  explicit CWnd(HWND hWnd);
  friend LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

  MSG m_currentMsg;  // the message being handled, for Default()
};

// The window procedure of every class the framework registers.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers (once) a window class with the framework's window procedure and
// the given look; returns its name, or null when it cannot be registered.
// The name stays valid until the next call.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                            HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
