// CShowcaseFrame: the showcase's main window, 800 x 480 at the origin,
// titled "QD_SHOWCASE". It holds the component as its child 1001 over the
// whole client area, logs every notification the component posts to it,
// and shows what they mean in the screen's labels.
#pragma once

#include "afx_frame_wnd.h"
#include "browser_wnd.h"
#include "showcase_screen.h"
#include "showcase_script.h"

struct ShowcaseOptions {
  ShowcaseScreenOptions screen;
  int exitAfterMs = 0;  // 0: stays open until closed
  bool demo = false;
  CString scriptPath;  // empty: no script file
};

// One line "showcase: <name> <wParam> <lParam>" to the debug output, and to
// stdout when the process has one.
void ShowcaseLog(LPCWSTR name, long long wParam, long long lParam);
// One line of text ending in "\r\n", to the same places.
void ShowcaseWrite(LPCWSTR line);

class CShowcaseFrame : public CFrameWnd {
  DECLARE_DYNAMIC(CShowcaseFrame)

 public:
  explicit CShowcaseFrame(const ShowcaseOptions& options);
  ~CShowcaseFrame() override;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

  // Creates the window, shows it and gives the component the keyboard focus.
  BOOL CreateAndShow();

  // Called by the component's paint callback.
  void OnComponentPainted();

  CBrowserWnd m_component;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnTimer(UINT_PTR nIDEvent);

  afx_msg LRESULT OnButtonDown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnButtonUp(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnRowSelect(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnListLimit(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPointerDown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPointerUp(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnScrollPosition(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  void Notified(LPCWSTR name, WPARAM wParam, LPARAM lParam);
  void ShowLabel(int label, LPCWSTR text);
  void ShowToggle();
  void ShowLatch();
  void ShowSlotFrame();
  void ShowFocus();
  void StartScript();
  void RunScriptStep();

  ShowcaseOptions m_options;
  CShowcaseScript m_script;
  bool m_scriptLoaded = false;
  int m_nextStep = 0;
  int m_paints = 0;
  int m_pushTaps = 0;
  int m_slotFrame = 0;
  int m_shownFocus = FOCUS_ID_NONE - 1;  // nothing shown yet
  int m_loggedFocus = FOCUS_ID_NONE - 1;
};
