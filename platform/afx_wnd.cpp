#include "afx_wnd.h"

#include "afx_thread.h"
#include "device_services.h"
#include "wide_format.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

const CWnd CWnd::wndTop AFX_STATIC_FRAMEWORK(HWND_TOP);

CWnd::CWnd() : m_hWnd(nullptr), m_currentMsg() {}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_currentMsg() {}

CWnd::~CWnd() {
  // The window may outlive its object (static objects are destroyed at exit
  // while windows still exist): later messages get the default processing.
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) {
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  DWORD process = 0;
  GetWindowThreadProcessId(hWnd, &process);
  if (process != GetCurrentProcessId()) return nullptr;
  // Only windows of the framework's classes carry an object pointer.
  if (reinterpret_cast<WNDPROC>(GetClassLongPtrW(hWnd, GCLP_WNDPROC)) != AfxWndProc) return nullptr;
  return reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  // Short-lived wrappers, reused in turn; callers use them at once.
  static CWnd temporaries[8];
  static int next = 0;
  CWnd* wrapper = &temporaries[next];
  next = (next + 1) % 8;
  wrapper->m_hWnd = hWnd;
  return wrapper;
}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* /*pContext*/) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU nIDorHMenu) {
  CREATESTRUCT cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = GetModuleHandleW(nullptr);
  cs.lpCreateParams = this;
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  // The device's no-animation style has no meaning for the desktop window
  // manager, which must not misread the bit.
  DWORD exStyle = cs.dwExStyle & ~static_cast<DWORD>(WS_EX_NOANIMATION);
  // On the device a top-level window gets a caption only when it asks for
  // one; the desktop gives every overlapped window a caption, a popup none.
  DWORD style = static_cast<DWORD>(cs.style);
  if ((style & (WS_CHILD | WS_POPUP)) == 0 && (style & WS_CAPTION) != WS_CAPTION) style |= WS_POPUP;
  HWND hWnd = CreateWindowExW(exStyle, cs.lpszClass, cs.lpszName, style, cs.x, cs.y, cs.cx, cs.cy,
                              cs.hwndParent, cs.hMenu, cs.hInstance, this);
  return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    // The plain child class: no background, so nothing is erased under a
    // window that paints itself; no double clicks, so every tap is a press.
    cs.lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW));
  }
  return cs.lpszClass != nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr)) {
      *pResult = 0;
      return TRUE;
    }
    return FALSE;
  }
  for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
       map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nMessage != 0; ++e) {
      if (e->nMessage == message) {
        *pResult = e->pfn(this, wParam, lParam);
        return TRUE;
      }
    }
  }
  return FALSE;
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

void CWnd::PostNcDestroy() {}

int CWnd::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnTimer(UINT_PTR /*nIDEvent*/) { Default(); }
void CWnd::OnSetFocus(CWnd* /*pOldWnd*/) { Default(); }
void CWnd::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
void CWnd::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/) { Default(); }
void CWnd::OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/) { Default(); }

void CWnd::SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }

CString CWnd::GetWindowText() const {
  wchar_t text[256] = {};
  ::GetWindowTextW(m_hWnd, text, 256);
  return CString(text);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy,
                        nFlags);
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = nullptr;
  if (message == WM_NCCREATE) {
    pWnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (pWnd != nullptr) {
      pWnd->m_hWnd = hWnd;
      SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pWnd));
    }
  } else {
    pWnd = reinterpret_cast<CWnd*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
  }
  if (pWnd == nullptr) return DefWindowProcW(hWnd, message, wParam, lParam);

  MSG saved = pWnd->m_currentMsg;
  pWnd->m_currentMsg.hwnd = hWnd;
  pWnd->m_currentMsg.message = message;
  pWnd->m_currentMsg.wParam = wParam;
  pWnd->m_currentMsg.lParam = lParam;
  LRESULT result = pWnd->WindowProc(message, wParam, lParam);
  pWnd->m_currentMsg = saved;

  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
    pWnd->m_hWnd = nullptr;
    // The end of the main window ends the thread's message loop.
    CWinThread* thread = AfxGetThread();
    if (thread != nullptr && thread->m_pMainWnd == pWnd) {
      thread->m_pMainWnd = nullptr;
      PostQuitMessage(0);
    }
    pWnd->PostNcDestroy();
  }
  return result;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  static wchar_t name[96];
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WideFormat(name, 96, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(instance), nClassStyle,
             static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
             static_cast<void*>(hIcon));
  WNDCLASSW existing;
  if (GetClassInfoW(instance, name, &existing)) return name;
  WNDCLASSW wc = {};
  wc.style = nClassStyle;
  wc.lpfnWndProc = AfxWndProc;
  wc.hInstance = instance;
  wc.hCursor = hCursor;
  wc.hbrBackground = hbrBackground;
  wc.hIcon = hIcon;
  wc.lpszClassName = name;
  if (RegisterClassW(&wc) == 0) {
    NKDbgPrintfW(L"Window class not registered: %s\r\n", name);
    return nullptr;
  }
  return name;
}
