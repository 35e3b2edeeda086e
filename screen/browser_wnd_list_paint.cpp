// The list, its rows and the scroll bar with its thumb.
#include <optional>

#include "browser_wnd.h"
#include "image_painter.h"
#include "text_drawing.h"

namespace {
const int kLookNormal = 0;
const int kLookSelected = 1;
const int kLookPressed = 2;
const int kLookFocused = 3;
const int kLookSelectedFocused = 4;

// Shortest thumb a proportional scroll bar draws, however many rows.
const INT32 kMinThumbLength = 10;

// Length of a track from start to end. A track whose end lies before its
// start (an invalid record) counts as a track of length 0, so the thumb
// stays at the track start instead of wrapping to huge coordinates.
UINT32 TrackSpan(INT32 start, INT32 end) {
  return end > start ? static_cast<UINT32>(end) - static_cast<UINT32>(start) : 0u;
}

int FaceCapacity(const RowStyleDef& style) {
  return static_cast<int>(sizeof style.faceName / sizeof style.faceName[0]);
}
}  // namespace

void CBrowserWnd::RedrawList() {
  if (suspended || !ListUsable()) return;
  const ScreenDefinition& d = definition;
  DrawTarget target(this);
  CDC* dc = target.dc();

  CBackBufferDC list;
  list.Create(dc, d.listWidth, d.listHeight);
  DrawListBackground(&list);
  // Only rows that exist draw anything, so only they are visited: the row
  // for visible row r is topRow + r.
  long long first = topRow < 0 ? -static_cast<long long>(topRow) : 0;
  long long end = static_cast<long long>(rows.GetCount()) - topRow;
  if (end > d.visibleRows) end = d.visibleRows;
  for (long long r = first; r < end; ++r) DrawRow(static_cast<int>(r), &list);
  if (d.listWidth > 0 && d.listHeight > 0) {
    dc->BitBlt(d.listX, d.listY, d.listWidth, d.listHeight, &list, 0, 0, SRCCOPY);
  }

  // Also without a shown scroll bar: drawing it posts the scroll position.
  CBackBufferDC bar;
  bar.Create(dc, d.scrollBarWidth, d.scrollBarHeight);
  DrawScrollBar(&bar);
  if (d.scrollBarWidth > 0 && d.scrollBarHeight > 0) {
    dc->BitBlt(d.scrollBarX, d.scrollBarY, d.scrollBarWidth, d.scrollBarHeight, &bar, 0, 0,
               SRCCOPY);
  }
  // Leaving the scope destroys the bar's surface first, then the list's.
}

void CBrowserWnd::DrawListBackground(CDC* surface) {
  if (suspended || !ListUsable()) return;
  CImagePainter* painter = Painter();
  if (painter == nullptr) return;
  const ScreenDefinition& d = definition;
  std::optional<CClientDC> window;
  CDC* dc = surface;
  int x = 0;
  int y = 0;
  if (dc == nullptr) {
    window.emplace(this);
    dc = &*window;
    x = d.listX;
    y = d.listY;
  }
  if (d.listImage != -1) {
    painter->DrawImageAt(dc, d.listImage, x, y);
  } else {
    painter->DrawImagePart(dc, d.backgroundImage, x, y, d.listWidth, d.listHeight, d.listX, d.listY,
                           SRCCOPY);
  }
}

void CBrowserWnd::DrawRow(int r, CDC* surface) {
  if (suspended || !ListUsable() || r < 0 || r > definition.visibleRows - 1) return;
  CImagePainter* painter = Painter();
  if (painter == nullptr) return;
  ScreenDefinition& d = definition;
  const int offsetY = r * d.rowHeight;
  // The row's place in the window, and where it is drawn: in the list's
  // surface, or straight into the window (also during a full paint).
  const int windowX = d.listX + d.rowOriginX;
  const int windowY = d.listY + d.rowOriginY + offsetY;
  const int n = topRow + r;
  if (static_cast<UINT32>(n) >= static_cast<UINT32>(rows.GetCount())) return;
  const RowItem* row = RowAt(n);
  if (row == nullptr) return;

  std::optional<CClientDC> window;
  CDC* dc = surface;
  int rx = d.rowOriginX;
  int ry = d.rowOriginY + offsetY;
  if (dc == nullptr) {
    window.emplace(this);
    dc = &*window;
    rx = windowX;
    ry = windowY;
  }

  const bool selected = n == selectedRow;
  const bool focused = GetFocusedId() == FOCUS_ID_LIST;
  int look = kLookNormal;
  if (rowPressed && selected) look = kLookPressed;
  else if (selected && focused) look = kLookSelectedFocused;
  else if (selected) look = kLookSelected;
  else if (focused) look = kLookFocused;
  RowStyleDef& style = d.rowStyles[look];

  if (style.image != -1) {
    if (d.rowTransparent) painter->SetTransparency(TRUE, d.rowColorKey);
    painter->DrawImageSized(dc, style.image, rx, ry, d.rowWidth, d.rowHeight, SRCCOPY);
    if (d.rowTransparent) painter->SetTransparency(FALSE, 0);
  } else if (d.listImage != -1) {
    painter->DrawImagePart(dc, d.listImage, rx, ry, d.rowWidth, d.rowHeight, d.rowOriginX,
                           d.rowOriginY + offsetY, SRCCOPY);
  } else if (d.backgroundImage != -1) {
    painter->DrawImagePart(dc, d.backgroundImage, rx, ry, d.rowWidth, d.rowHeight, windowX,
                           windowY, SRCCOPY);
  }

  // A strip of fewer than one frame shows no icon.
  if (d.rowIconEnabled && d.rowIconFrames >= 1 && row->icon >= 0 && row->icon < d.rowIconFrames) {
    if (d.rowTransparent) painter->SetTransparency(TRUE, d.rowColorKey);
    painter->DrawImageFrame(dc, d.rowIconImage, d.rowIconFrames, row->icon, rx + d.rowIconX,
                            ry + d.rowIconY, SRCCOPY);
    if (d.rowTransparent) painter->SetTransparency(FALSE, 0);
  }

  const int box1Left = rx + d.text1Left;
  const int box1Top = ry + d.text1Top;
  const int box1Right = rx + d.text1Right;
  const int box1Bottom = ry + d.text1Bottom;
  const int box2Left = rx + d.text1Right + d.text2Left;
  const int box2Top = ry + d.text2Top;
  const int box2Right = rx + d.text1Right + d.text2Right;
  const int box2Bottom = ry + d.text2Bottom;

  CFont font1;
  MakeFont(font1, style.text1FontHeight, style.text1Bold, style.faceName, FaceCapacity(style));
  CFont font2;
  MakeFont(font2, style.text2FontHeight, style.text2Bold, style.faceName, FaceCapacity(style));
  {
    COLORREF color = row->textColor == ROW_STYLE_COLOR ? style.text1Color : row->textColor;
    CTextFraming framing(dc, color, &font1);
    DrawTextEllipsis(dc, row->text, box1Left, box1Top, box1Right, box1Bottom, d.text1Format);
  }
  {
    CTextFraming framing(dc, style.text2Color, &font2);
    DrawTextEllipsis(dc, row->subText, box2Left, box2Top, box2Right, box2Bottom, d.text2Format);
  }
}

void CBrowserWnd::GetThumbPosition(int& x, int& y) const {
  const ScreenDefinition& d = definition;
  const UINT32 range = static_cast<UINT32>(MaxTopRow());
  x = d.trackStartX;
  y = d.trackStartY;
  if (range == 0) return;
  const UINT32 spanX = TrackSpan(d.trackStartX, d.trackEndX);
  const UINT32 spanY = TrackSpan(d.trackStartY, d.trackEndY);
  const UINT32 top = static_cast<UINT32>(topRow);
  // Stepped motion needs two positions at least (it divides by steps - 1);
  // a record with fewer is drawn as continuous motion.
  if (d.thumbMotion == 1 && d.thumbSteps >= 2) {
    const UINT32 steps = static_cast<UINT32>(d.thumbSteps);
    UINT32 step = (steps * top) / range;
    if (step == steps) step = steps - 1;
    x += static_cast<int>((spanX * step) / (steps - 1));
    y += static_cast<int>((spanY * step) / (steps - 1));
  } else {
    x += static_cast<int>((spanX * top) / range);
    y += static_cast<int>((spanY * top) / range);
  }
}

void CBrowserWnd::DrawScrollBar(CDC* surface) {
  if (suspended) return;
  const ScreenDefinition& d = definition;
  const int count = rows.GetCount();
  const int range = MaxTopRow();
  // Posted at every drawing, moved or not.
  PostToMainWindow(d.scrollPositionMessage, static_cast<WPARAM>(topRow), static_cast<LPARAM>(range));
  if (!d.scrollBarShown) return;
  CImagePainter* painter = Painter();
  if (painter == nullptr) return;
  if (d.scrollBarImage != -1) painter->DrawImageAt(surface, d.scrollBarImage, 0, 0);

  int tx = 0;
  int ty = 0;
  GetThumbPosition(tx, ty);
  tx -= d.scrollBarX;
  ty -= d.scrollBarY;
  if (d.proportionalThumb) {
    if (count == 0 || range == 0) return;  // everything visible (or no rows): no thumb
    INT32 length = static_cast<INT32>(static_cast<UINT32>(d.thumbLength) *
                                      static_cast<UINT32>(d.visibleRows) / static_cast<UINT32>(count));
    if (length < kMinThumbLength) length = kMinThumbLength;
    drawnThumbLength = length;
    // A bar shorter than the thumb leaves it no room to travel: it stays at
    // the bar's top instead of wrapping below the bar.
    const UINT32 travel =
        d.scrollBarHeight > length ? static_cast<UINT32>(d.scrollBarHeight - length) : 0u;
    UINT32 offset = ((travel + 1) * static_cast<UINT32>(topRow)) / static_cast<UINT32>(range);
    if (offset > travel) offset = travel;
    ty = static_cast<int>(offset);
  }
  if (d.thumbImage == -1) return;

  if (d.scrollTransparent) painter->SetTransparency(TRUE, d.scrollColorKey);
  if (d.proportionalThumb) {
    painter->DrawImageSized(surface, d.thumbImage, tx, ty, d.thumbWidth,
                            drawnThumbLength - d.thumbCapLength, SRCCOPY);
    if (d.thumbHasCap) {
      painter->DrawImageAt(surface, d.thumbCapImage, tx, ty + drawnThumbLength - d.thumbCapLength);
    }
  } else {
    painter->DrawImageAt(surface, d.thumbImage, tx, ty);
  }
  if (d.scrollTransparent) painter->SetTransparency(FALSE, 0);
}
