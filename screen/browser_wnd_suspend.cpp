// SetSuspended: switches drawing and presses/keys off, or back on with a
// choice of refreshes drawn straight into the window.
#include "browser_wnd.h"

void CBrowserWnd::SetSuspended(bool suspend, UINT32 flags) {
  suspended = suspend;
  if (suspend) return;  // the flags only choose refreshes for resuming

  if (flags & REFRESH_INVALIDATE) {
    // One full paint does everything, callback included; the other bits
    // would only draw the same twice. A null handle would invalidate every
    // window of the desktop, so nothing is done without a window.
    if (m_hWnd != nullptr) InvalidateRect(nullptr, FALSE);
    return;
  }
  if ((flags & REFRESH_LIST) && definition.listEnabled) RedrawList();
  if (flags & REFRESH_BUTTONS) {
    for (int i = 0; i < kMaxButtons; ++i) DrawButton(i);
  }
  if (flags & REFRESH_IMAGE_SLOTS) {
    for (int k = 0; k < kMaxImageSlots; ++k) DrawImageSlot(k);
  }
  if (flags & REFRESH_LABELS) {
    for (int j = 0; j < kMaxLabels; ++j) DrawLabel(j);
  }
  if (flags & REFRESH_COUNTER) DrawCounter();
  if ((flags & REFRESH_CALLBACK) && definition.paintCallback != nullptr) {
    definition.paintCallback(m_hWnd);
  }
}
