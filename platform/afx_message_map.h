// Message maps: a class lists the messages it handles between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; each entry unpacks the message's
// parameters into the handler's typed arguments. The maps of a class and its
// bases are searched from the most derived class down.
//
// Entries and the handler each expects (members of the class being mapped):
//   ON_WM_CREATE()        int  OnCreate(LPCREATESTRUCT lpCreateStruct)
//   ON_WM_DESTROY()       void OnDestroy()
//   ON_WM_CLOSE()         void OnClose()
//   ON_WM_PAINT()         void OnPaint()
//   ON_WM_TIMER()         void OnTimer(UINT_PTR nIDEvent)
//   ON_WM_SETFOCUS()      void OnSetFocus(CWnd* pOldWnd)
//   ON_WM_LBUTTONDOWN()   void OnLButtonDown(UINT nFlags, CPoint point)
//   ON_WM_LBUTTONUP()     void OnLButtonUp(UINT nFlags, CPoint point)
//   ON_WM_KEYDOWN()       void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
//   ON_MESSAGE(msg, fn)   LRESULT fn(WPARAM wParam, LPARAM lParam)
#pragma once

#include <windows.h>
#include <windowsx.h>

#include "afx_types.h"

class CCmdTarget;

typedef LRESULT (*AFX_PMSGHANDLER)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // 0 ends the table
  AFX_PMSGHANDLER pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                     \
 protected:                                       \
  static const AFX_MSGMAP* GetThisMessageMap();   \
  const AFX_MSGMAP* GetMessageMap() const override;

// The entries are built inside a member function of the class, so that the
// handlers may be protected, as they usually are.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                    \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                               \
    typedef theClass ThisClass;                                                   \
    typedef baseClass TheBaseClass;                                               \
    static_cast<void>(sizeof(ThisClass*));                                        \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                            \
  {0, nullptr}                                                                       \
  }                                                                                  \
  ;                                                                                  \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                \
  }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

#define ON_WM_CREATE()                                                               \
  {WM_CREATE, [](CCmdTarget* t, WPARAM /*wParam*/, LPARAM l) -> LRESULT {           \
     return AFX_THIS(t)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(l));             \
   }},
#define ON_WM_DESTROY()                                                              \
  {WM_DESTROY, [](CCmdTarget* t, WPARAM /*wParam*/, LPARAM /*lParam*/) -> LRESULT { \
     AFX_THIS(t)->OnDestroy();                                                       \
     return 0;                                                                       \
   }},
#define ON_WM_CLOSE()                                                              \
  {WM_CLOSE, [](CCmdTarget* t, WPARAM /*wParam*/, LPARAM /*lParam*/) -> LRESULT { \
     AFX_THIS(t)->OnClose();                                                       \
     return 0;                                                                     \
   }},
#define ON_WM_PAINT()                                                              \
  {WM_PAINT, [](CCmdTarget* t, WPARAM /*wParam*/, LPARAM /*lParam*/) -> LRESULT { \
     AFX_THIS(t)->OnPaint();                                                       \
     return 0;                                                                     \
   }},
#define ON_WM_TIMER()                                                      \
  {WM_TIMER, [](CCmdTarget* t, WPARAM w, LPARAM /*lParam*/) -> LRESULT { \
     AFX_THIS(t)->OnTimer(static_cast<UINT_PTR>(w));                       \
     return 0;                                                             \
   }},
#define ON_WM_SETFOCUS()                                                         \
  {WM_SETFOCUS, [](CCmdTarget* t, WPARAM w, LPARAM /*lParam*/) -> LRESULT {    \
     AFX_THIS(t)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(w)));       \
     return 0;                                                                   \
   }},
#define ON_WM_LBUTTONDOWN()                                                             \
  {WM_LBUTTONDOWN, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                 \
     AFX_THIS(t)->OnLButtonDown(static_cast<UINT>(w), CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l))); \
     return 0;                                                                          \
   }},
#define ON_WM_LBUTTONUP()                                                             \
  {WM_LBUTTONUP, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                 \
     AFX_THIS(t)->OnLButtonUp(static_cast<UINT>(w), CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l))); \
     return 0;                                                                        \
   }},
#define ON_WM_KEYDOWN()                                                                  \
  {WM_KEYDOWN, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                      \
     AFX_THIS(t)->OnKeyDown(static_cast<UINT>(w), LOWORD(l), HIWORD(l));                 \
     return 0;                                                                           \
   }},
#define ON_MESSAGE(message, memberFxn)                               \
  {message, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {     \
     return AFX_THIS(t)->memberFxn(w, l);                            \
   }},
