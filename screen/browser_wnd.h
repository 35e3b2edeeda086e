// CBrowserWnd: the skinned screen component. A child window that shows one
// screen described by a ScreenDefinition, draws it from skin images through
// the definition's painter and the back buffer, and turns taps and keys into
// state changes and messages posted to the application's main window.
//
// Where each concern lives:
//   browser_wnd.cpp            lifecycle, loading, focus order, posting, setters
//   browser_wnd_paint.cpp      full paint, buttons, captions, slots, labels, counter
//   browser_wnd_list_paint.cpp list, rows, scroll bar and thumb
//   browser_wnd_scrolling.cpp  list scrolling and selection
//   browser_wnd_keyboard.cpp   keys and focus moves
//   browser_wnd_pointer.cpp    presses and releases
//   browser_wnd_suspend.cpp    SetSuspended and its refreshes
#pragma once

#include <optional>

#include "afx_ptr_list.h"
#include "afx_wnd.h"
#include "back_buffer_dc.h"
#include "row_item.h"
#include "screen_definition.h"

class CImagePainter;

// Focus entry ids: the list, and button i as FOCUS_ID_BUTTON + i.
#define FOCUS_ID_LIST 0
#define FOCUS_ID_BUTTON 10
#define FOCUS_ID_NONE (-1)
#define FOCUS_ENTRIES 80
#define FOCUS_KEY_UNUSED 256u

// Refresh bits of SetSuspended when resuming.
#define REFRESH_LIST 0x01u
#define REFRESH_BUTTONS 0x02u
#define REFRESH_IMAGE_SLOTS 0x04u
#define REFRESH_LABELS 0x08u
#define REFRESH_COUNTER 0x10u
#define REFRESH_CALLBACK 0x20u
#define REFRESH_INVALIDATE 0x40u

// Codes carried by the list-limit message.
#define LIST_LIMIT_BOTTOM 0    // scrolling down stopped at the last first row
#define LIST_LIMIT_TOP 1       // scrolling up stopped at row 0
#define LIST_LIMIT_LAST_ROW 2  // moving the selection down stopped at the last row
#define LIST_LIMIT_FIRST_ROW 3 // moving the selection up stopped at row 0

struct FocusEntry {
  INT32 id;
  UINT32 key;
};

enum FocusDirection { FOCUS_BACKWARD, FOCUS_FORWARD };

// Places a window at the top of its siblings' z-order without moving it.
void BringToTop(CWnd* pWnd);

class CBrowserWnd : public CWnd {
  DECLARE_DYNAMIC(CBrowserWnd)

 public:
  CBrowserWnd();
  ~CBrowserWnd() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Lifecycle.
  void LoadDefinition(const ScreenDefinition& def);
  BOOL Create(CWnd* pParentWnd, int left, int top, int right, int bottom, UINT nID);
  bool RemoveAllRows();

  // Setters for owners that fill the screen at run time (this program's
  // screens use none of them). Out-of-range indexes are ignored.
  void AddRow(RowItem* row);  // the component owns the row from now on
  void SetLabelText(int label, LPCWSTR text);
  void SetSlotFrame(int slot, int frame);
  bool SetButtonVariant(int button, int variant);  // 0-5; anything else refused

  // Focus order.
  void BuildFocusOrder();
  int GetFocusedId() const;
  bool SetFocusToId(int id);
  int IsPassedOver() const;  // 0 no, 1 the list, 2 a button with a list action
  void MoveOffPassedOver(FocusDirection direction);

  // Notifications.
  void PostToMainWindow(UINT message, WPARAM wParam, LPARAM lParam);
  void SetSuspended(bool suspend, UINT32 flags);

  // Rendering.
  void DrawButton(int i);
  void DrawButtonImage(int i, int state);
  void DrawButtonText(int i, int state);
  void DrawImageSlot(int k);
  void DrawLabel(int j);
  void DrawCounter();

  // List and scroll bar.
  void RedrawList();
  void DrawListBackground(CDC* surface);
  void DrawRow(int r, CDC* surface);
  void DrawScrollBar(CDC* surface);
  void GetThumbPosition(int& x, int& y) const;

  // List moves.
  void ScrollRowsUp(UINT32 n);
  void ScrollRowsDown(UINT32 n);
  void SelectPreviousRow(UINT32 n);
  void SelectNextRow(UINT32 n);
  void SetTopRow(int row);
  void RunListAction(int code, UINT32 n);

  // Input.
  bool PressButtonAt(int x, int y);
  bool PressRowAt(int x, int y);
  void TapScrollBar(int x, int y);
  bool ReleaseButtons();
  bool ReleaseRow();
  void ActivateFocused();

  // Read access for tests and tools.
  const ScreenDefinition& Definition() const { return definition; }
  int RowCount() const { return rows.GetCount(); }
  RowItem* RowAt(int index) const;

  // Run-time state, in this order after the window base.
  ScreenDefinition definition;
  CString labelTexts[kMaxLabels];
  CString defaultFaceName;
  INT32 slotFrames[kMaxImageSlots];
  INT32 pressedButton;
  INT32 drawnThumbLength;
  INT32 selectedRow;
  INT32 topRow;
  bool rowPressed;
  bool listActive;
  bool suspended;
  bool painting;
  CPtrList rows;
  FocusEntry focusOrder[FOCUS_ENTRIES];
  INT32 focusCount;
  INT32 buttonPressed[kMaxButtons];
  INT32 focusIndex;
  INT32 skipCount;
  INT32 buttonVariant[kMaxButtons];

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

  DECLARE_MESSAGE_MAP()

 public:
  // Helpers shared by the drawing files.

  // The drawing target of one operation: the back buffer during a full
  // paint, otherwise a DC of the window for this operation only.
  class DrawTarget {
   public:
    explicit DrawTarget(CBrowserWnd* wnd);
    ~DrawTarget();
    CDC* dc() { return m_dc; }

   private:
    std::optional<CClientDC> m_client;
    CDC* m_dc;
  };

  // A font from a definition's font fields; an empty face name is replaced
  // in the definition copy by defaultFaceName first.
  void MakeFont(CFont& font, int height, BYTE bold, WCHAR* faceName, int faceNameCapacity);

  // Erases a rectangle of the window (or of a surface) to the background image.
  void EraseFromBackground(CDC* dc, int x, int y, int width, int height);

  // The number of rows less visibleRows, or 0.
  int MaxTopRow() const;
  // The selected row's value (0 when the index names no row).
  INT32 SelectedRowValue() const;
  // Redraws a focus entry by id: the list or a button.
  void RedrawFocusEntry(int id);

  CImagePainter* Painter() const { return definition.painter; }
  bool ListUsable() const { return definition.listEnabled && listActive; }
};
