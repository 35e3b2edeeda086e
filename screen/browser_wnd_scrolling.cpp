// List scrolling and selection: the operations that move topRow and
// selectedRow. Each clamps at the ends of the list, redraws only what
// changed (the whole list when the first visible row moved, else the two
// rows whose look changed), then the position text, and reports a move that
// ran into an end through the list-limit message after those redraws.
//
// Row indexes and counts are compared as unsigned numbers (a negative index
// counts as lying beyond every row); only maxTop is compared as signed.
#include "browser_wnd.h"

void CBrowserWnd::ScrollRowsUp(UINT32 n) {
  if (!ListUsable()) return;
  const INT32 oldTop = topRow;
  bool stopped = false;
  if (static_cast<UINT32>(topRow) >= n) {
    topRow = static_cast<INT32>(static_cast<UINT32>(topRow) - n);
  } else {
    topRow = 0;
    stopped = true;
  }
  if (topRow != oldTop) {
    RedrawList();
    DrawCounter();
  }
  if (stopped) PostToMainWindow(definition.listLimitMessage, LIST_LIMIT_TOP, 0);
}

void CBrowserWnd::ScrollRowsDown(UINT32 n) {
  if (!ListUsable()) return;
  const INT32 oldTop = topRow;
  const int maxTop = MaxTopRow();
  bool stopped = false;
  // Added without signed overflow; the result is then compared as signed.
  topRow = static_cast<INT32>(static_cast<UINT32>(topRow) + n);
  if (topRow > maxTop) {
    topRow = maxTop;
    stopped = true;
  }
  if (topRow != oldTop) {
    RedrawList();
    DrawCounter();
  }
  if (stopped) PostToMainWindow(definition.listLimitMessage, LIST_LIMIT_BOTTOM, 0);
}

namespace {
// Scrolls so that the selection lies inside the visible rows.
void KeepSelectionVisible(INT32 selectedRow, INT32& topRow, INT32 visibleRows) {
  const UINT32 sel = static_cast<UINT32>(selectedRow);
  const UINT32 lastVisible = static_cast<UINT32>(topRow) + static_cast<UINT32>(visibleRows) - 1u;
  if (sel < static_cast<UINT32>(topRow)) {
    topRow = selectedRow;
  } else if (sel > lastVisible) {
    topRow = static_cast<INT32>(sel - static_cast<UINT32>(visibleRows) + 1u);
  }
}

// Shared tail of both selection moves: whole list when the list scrolled,
// otherwise the old and the new selected row straight to the window.
void RedrawSelectionMove(CBrowserWnd& wnd, INT32 oldSelected, INT32 oldTop) {
  if (wnd.topRow != oldTop) {
    wnd.RedrawList();
    wnd.DrawCounter();
  } else if (wnd.selectedRow != oldSelected) {
    wnd.DrawRow(oldSelected - wnd.topRow, nullptr);
    wnd.DrawRow(wnd.selectedRow - wnd.topRow, nullptr);
    wnd.DrawCounter();
  }
}
}  // namespace

void CBrowserWnd::SelectNextRow(UINT32 n) {
  if (!ListUsable()) return;
  const INT32 oldSelected = selectedRow;
  const INT32 oldTop = topRow;
  const UINT32 count = static_cast<UINT32>(rows.GetCount());
  bool stopped = false;
  if (count == 0) {
    // Without rows, count - 1 would wrap and never stop the move, leaving an
    // index that names no row for the next row choice to report. The
    // selection stays at 0 instead; that is not a stop, so no limit message.
    selectedRow = 0;
  } else {
    UINT32 sel = static_cast<UINT32>(selectedRow) + n;
    if (sel > count - 1u) {
      sel = count - 1u;
      stopped = true;
    }
    selectedRow = static_cast<INT32>(sel);
  }
  KeepSelectionVisible(selectedRow, topRow, definition.visibleRows);
  RedrawSelectionMove(*this, oldSelected, oldTop);
  if (stopped) PostToMainWindow(definition.listLimitMessage, LIST_LIMIT_LAST_ROW, 0);
}

void CBrowserWnd::SelectPreviousRow(UINT32 n) {
  if (!ListUsable()) return;
  const INT32 oldSelected = selectedRow;
  const INT32 oldTop = topRow;
  bool stopped = false;
  if (static_cast<UINT32>(selectedRow) >= n) {
    selectedRow = static_cast<INT32>(static_cast<UINT32>(selectedRow) - n);
  } else {
    selectedRow = 0;
    stopped = true;
  }
  KeepSelectionVisible(selectedRow, topRow, definition.visibleRows);
  RedrawSelectionMove(*this, oldSelected, oldTop);
  if (stopped) PostToMainWindow(definition.listLimitMessage, LIST_LIMIT_FIRST_ROW, 0);
}

void CBrowserWnd::SetTopRow(int row) {
  // Only the scroll bar tap calls this, and only while the list is usable,
  // so the list state is not tested again here.
  if (row == topRow) return;
  if (row > MaxTopRow()) return;
  topRow = row;
  RedrawList();
  DrawCounter();
}

void CBrowserWnd::RunListAction(int code, UINT32 n) {
  switch (code) {
    case 1: ScrollRowsUp(n); break;
    case 2: ScrollRowsDown(n); break;
    case 3: SelectPreviousRow(n); break;
    case 4: SelectNextRow(n); break;
    default: break;  // other codes are list actions that do nothing
  }
}
