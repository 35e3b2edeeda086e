// Keys: two move the focus back and forth through the focus order (with
// wrap-around), one activates the focused entry, two move the list's
// selection while the list has the focus. The definition supplies the key
// codes; with keyboardFocus off every key is only passed on.
#include "browser_wnd.h"

namespace {
// The id of a focus entry by index, -1 for an index outside the used ones.
int FocusIdAt(const CBrowserWnd& wnd, int index) {
  if (index < 0 || index >= wnd.focusCount) return FOCUS_ID_NONE;
  return wnd.focusOrder[index].id;
}

void MoveFocus(CBrowserWnd& wnd, FocusDirection direction) {
  if (wnd.focusIndex == -1) return;
  const int oldIndex = wnd.focusIndex;
  if (direction == FOCUS_BACKWARD) {
    wnd.focusIndex = wnd.focusIndex == 0 ? wnd.focusCount - 1 : wnd.focusIndex - 1;
  } else {
    ++wnd.focusIndex;
    if (static_cast<UINT32>(wnd.focusIndex) >= static_cast<UINT32>(wnd.focusCount)) wnd.focusIndex = 0;
  }
  // The list and the list-action buttons cannot be used without the list.
  if (!wnd.listActive) wnd.MoveOffPassedOver(direction);
  if (wnd.focusIndex == oldIndex) return;
  wnd.RedrawFocusEntry(FocusIdAt(wnd, oldIndex));       // loses its focused look
  wnd.RedrawFocusEntry(FocusIdAt(wnd, wnd.focusIndex));  // gains it
}
}  // namespace

void CBrowserWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (definition.keyboardFocus && !suspended) {
    const UINT32 key = nChar;
    const ScreenDefinition& d = definition;
    if (key == d.keyNext || key == d.keyPrevious) {
      // A key that is both moves backwards.
      MoveFocus(*this, key == d.keyPrevious ? FOCUS_BACKWARD : FOCUS_FORWARD);
    } else if (key == d.keyActivate) {
      ActivateFocused();
    } else if (key == d.keyListUp) {
      if (GetFocusedId() == FOCUS_ID_LIST && ListUsable()) SelectPreviousRow(1);
    } else if (key == d.keyListDown) {
      if (GetFocusedId() == FOCUS_ID_LIST && ListUsable()) SelectNextRow(1);
    }
  }
  CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CBrowserWnd::ActivateFocused() {
  if (focusIndex == -1) return;
  const int id = GetFocusedId();
  if (id == FOCUS_ID_NONE) return;  // empty focus order
  if (id == FOCUS_ID_LIST) {
    PostToMainWindow(definition.rowSelectMessage, static_cast<WPARAM>(selectedRow),
                     static_cast<LPARAM>(SelectedRowValue()));
    return;
  }
  const int i = id - FOCUS_ID_BUTTON;
  if (i < 0 || i >= kMaxButtons) return;
  const ButtonDef& b = definition.buttons[i];
  if (b.listAction != 0) {
    RunListAction(b.listAction, static_cast<UINT32>(b.actionAmount));
    return;
  }
  // A key is a single event: one message stands for the whole tap, and the
  // button's pressed state and look stay as they are.
  if (definition.buttonDownMessage != 0) {
    PostToMainWindow(definition.buttonDownMessage, static_cast<WPARAM>(i), 0);
  } else if (definition.buttonUpMessage != 0) {
    PostToMainWindow(definition.buttonUpMessage, static_cast<WPARAM>(i), 0);
  }
}
