// Presses and releases. A press is offered to the buttons, then to the
// visible rows, then (unless taps act on release) to the scroll bar's touch
// rectangle; whatever no row took is also reported as a bare pointer
// message. There is no pointer capture: a release is not hit-tested, it
// answers the last button press wherever it lands.
#include "browser_wnd.h"

namespace {
// The platform's rule: left and top edges are inside, right and bottom are
// not, and an empty rectangle holds no point. The far edges are computed
// with 32-bit wrap-around, as the platform's own RECT arithmetic would.
bool Inside(int x, int y, int left, int top, int width, int height) {
  RECT rect;
  rect.left = left;
  rect.top = top;
  rect.right = static_cast<LONG>(static_cast<UINT32>(left) + static_cast<UINT32>(width));
  rect.bottom = static_cast<LONG>(static_cast<UINT32>(top) + static_cast<UINT32>(height));
  POINT pt = {x, y};
  return PtInRect(&rect, pt) != FALSE;
}
}  // namespace

void CBrowserWnd::OnLButtonDown(UINT nFlags, CPoint point) {
  // While suspended a press is swallowed whole, default handling included.
  if (suspended) return;
  const int x = point.x;
  const int y = point.y;
  PressButtonAt(x, y);
  bool rowTaken = false;
  if (ListUsable()) {
    rowTaken = PressRowAt(x, y);
    if (definition.scrollTapEnabled && !definition.actOnRelease) TapScrollBar(x, y);
  }
  if (!rowTaken) {
    PostToMainWindow(definition.pointerDownMessage, static_cast<WPARAM>(x), static_cast<LPARAM>(y));
  }
  CWnd::OnLButtonDown(nFlags, point);
}

void CBrowserWnd::OnLButtonUp(UINT nFlags, CPoint point) {
  // Not tested for suspension: held push buttons must still be let go and
  // the owner told, the redraws skip themselves while suspended.
  const int x = point.x;
  const int y = point.y;
  ReleaseButtons();
  bool rowReleased = false;
  if (ListUsable()) {
    rowReleased = ReleaseRow();
    if (definition.scrollTapEnabled && definition.actOnRelease) TapScrollBar(x, y);
  }
  if (!rowReleased) {
    PostToMainWindow(definition.pointerUpMessage, static_cast<WPARAM>(x), static_cast<LPARAM>(y));
  }
  CWnd::OnLButtonUp(nFlags, point);
}

bool CBrowserWnd::PressButtonAt(int x, int y) {
  int hit = -1;
  for (int i = 0; i < kMaxButtons && hit < 0; ++i) {
    const ButtonDef& b = definition.buttons[i];
    if (!b.shown) continue;
    // A list-action button is absent while the list cannot be used.
    if (b.listAction != 0 && !ListUsable()) continue;
    if (Inside(x, y, b.hitX, b.hitY, b.hitWidth, b.hitHeight)) hit = i;  // lowest index wins
  }
  if (hit < 0) return false;

  const ButtonDef& b = definition.buttons[hit];
  if (b.kind == 1) {
    buttonPressed[hit] = buttonPressed[hit] != 0 ? 0 : 1;  // toggle
  } else {
    buttonPressed[hit] = 1;  // push, or latching (never cleared again)
  }

  if (definition.keyboardFocus) {
    const int oldId = GetFocusedId();
    SetFocusToId(FOCUS_ID_BUTTON + hit);
    // Also when the focus did not move: the entry is drawn in its new state.
    RedrawFocusEntry(oldId);
  }
  DrawButton(hit);
  pressedButton = hit;
  PostToMainWindow(definition.buttonDownMessage, static_cast<WPARAM>(hit), 0);
  if (!definition.actOnRelease && b.listAction != 0) {
    RunListAction(b.listAction, static_cast<UINT32>(b.actionAmount));
  }
  return true;
}

bool CBrowserWnd::PressRowAt(int x, int y) {
  int n = rows.GetCount() - topRow;
  if (n > definition.visibleRows) n = definition.visibleRows;
  if (n <= 0) return false;

  // Rows are hit-tested from the list's own corner; the drawing offset of
  // the rows plays no part here.
  int r = 0;
  while (r < n && !Inside(x, y, definition.listX, definition.listY + r * definition.rowHeight,
                          definition.rowWidth, definition.rowHeight)) {
    ++r;
  }
  if (r == n) return false;

  const int oldId = GetFocusedId();
  const INT32 oldSelected = selectedRow;
  selectedRow = topRow + r;

  enum { SAME_ROW, ROW_MOVED, FOCUS_CAME } redraw;
  if (definition.keyboardFocus) SetFocusToId(FOCUS_ID_LIST);
  if (definition.keyboardFocus && oldId != FOCUS_ID_LIST) {
    redraw = FOCUS_CAME;
  } else {
    redraw = selectedRow == oldSelected ? SAME_ROW : ROW_MOVED;
  }

  rowPressed = true;  // the held row draws in its pressed look
  switch (redraw) {
    case SAME_ROW:
      DrawRow(r, nullptr);
      break;
    case ROW_MOVED:
      DrawRow(oldSelected - topRow, nullptr);
      DrawRow(r, nullptr);
      break;
    case FOCUS_CAME:
      // oldId is not the list here: this redraws the button that lost the
      // focus, if one had it; the whole list then takes its focused looks.
      RedrawFocusEntry(oldId);
      RedrawList();
      break;
  }

  if (!definition.actOnRelease) {
    PostToMainWindow(definition.rowSelectMessage, static_cast<WPARAM>(selectedRow),
                     static_cast<LPARAM>(SelectedRowValue()));
  }
  return true;
}

void CBrowserWnd::TapScrollBar(int x, int y) {
  const ScreenDefinition& d = definition;
  if (!Inside(x, y, d.scrollTapX, d.scrollTapY, d.scrollTapWidth, d.scrollTapHeight)) return;

  if (d.scrollTapMode == 0) {
    // Page: which side of the thumb's middle the tap lies on.
    int thumbX = 0;
    int thumbY = 0;
    GetThumbPosition(thumbX, thumbY);
    const int middle = thumbY + static_cast<int>(static_cast<UINT32>(d.thumbLength) / 2u);
    if (y < middle) {
      ScrollRowsUp(static_cast<UINT32>(d.visibleRows));
    } else if (y > middle) {
      ScrollRowsDown(static_cast<UINT32>(d.visibleRows));
    }
    return;
  }
  if (d.scrollTapMode != 1) return;

  // Jump: the tap's share of the touch rectangle's height picks the first
  // visible row. The tap lies inside, so 0 <= offset < scrollTapHeight.
  const int maxTop = MaxTopRow();
  const int offset = y - d.scrollTapY;
  // Stepped motion divides by thumbSteps - 1. Below 2 steps it is taken as
  // continuous, which is also how GetThumbPosition places the thumb then,
  // so a tap and the drawn thumb agree.
  const bool tooFewSteps = d.thumbMotion == 1 && d.thumbSteps < 2;
  if (d.thumbMotion == 0 || tooFewSteps) {
    int row = ((maxTop + 1) * offset) / d.scrollTapHeight;
    if (row == maxTop + 1) row = maxTop;
    SetTopRow(row);
  } else if (d.thumbMotion == 1) {
    const UINT32 steps = static_cast<UINT32>(d.thumbSteps);
    UINT32 step = (steps * static_cast<UINT32>(offset)) / static_cast<UINT32>(d.scrollTapHeight);
    if (step == steps) step = steps - 1u;
    const UINT32 row = (step * static_cast<UINT32>(maxTop)) / (steps - 1u);
    SetTopRow(static_cast<int>(row));
  }
  // Any other thumbMotion: a jump tap does nothing.
}

bool CBrowserWnd::ReleaseButtons() {
  for (int i = 0; i < kMaxButtons; ++i) {
    const ButtonDef& b = definition.buttons[i];
    if (b.shown && buttonPressed[i] != 0 && b.kind == 0) {
      buttonPressed[i] = 0;
      DrawButton(i);
    }
  }
  if (pressedButton == -1) return false;
  PostToMainWindow(definition.buttonUpMessage, static_cast<WPARAM>(pressedButton), 0);
  if (definition.actOnRelease && pressedButton >= 0 && pressedButton < kMaxButtons) {
    const ButtonDef& b = definition.buttons[pressedButton];
    if (b.listAction != 0) RunListAction(b.listAction, static_cast<UINT32>(b.actionAmount));
  }
  pressedButton = -1;
  return true;
}

bool CBrowserWnd::ReleaseRow() {
  if (!rowPressed) return false;
  rowPressed = false;
  DrawRow(selectedRow - topRow, nullptr);  // back to its selected look
  if (definition.actOnRelease) {
    PostToMainWindow(definition.rowSelectMessage, static_cast<WPARAM>(selectedRow),
                     static_cast<LPARAM>(SelectedRowValue()));
  }
  return true;
}
