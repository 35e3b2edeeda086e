// Text primitives of the component: the fixed framing around every text
// output (transparent background, colour, font, all restored after), and
// DrawTextEllipsis, which shortens a text that does not fit with "...".
#pragma once

#include "afx_dc.h"

class CTextFraming {
 public:
  CTextFraming(CDC* dc, COLORREF color, CFont* font);
  ~CTextFraming();

 private:
  CDC* m_dc;
  int m_oldMode;
  COLORREF m_oldColor;
  CGdiObject* m_oldFont;
};

// Draws text in the box with the flags; a text wider than the box (measured
// as one line with the DC's current font) becomes the longest prefix that,
// with "..." after it, is narrower than the box. Returns DrawText's result.
int DrawTextEllipsis(CDC* dc, const CString& text, int left, int top, int right, int bottom,
                     UINT format);
