// RowItem: one row of the component's list. The component owns the rows it
// holds and deletes them through the virtual destructor.
#pragma once

#include "afx_string.h"

// A row text colour that means: use the row style's colour.
#define ROW_STYLE_COLOR 0x00FF00FFu

class RowItem {
 public:
  RowItem() : value(0), icon(-1), textColor(ROW_STYLE_COLOR) {}
  virtual ~RowItem() = default;

  CString text;     // first text
  CString subText;  // second text
  INT32 value;      // the owner's value, sent with the row-select message
  INT32 icon;       // frame in the icon strip; negative = no icon
  COLORREF textColor;
};
