// The showcase screen: one ScreenDefinition that switches on every feature
// of the component, and the thirty rows of its list.
#pragma once

#include <windows.h>

#include "browser_wnd.h"
#include "screen_definition.h"

class CImagePainter;

// The seven notifications, numbered from WM_APP + 1 in the record's order.
enum ShowcaseMessage : UINT {
  WM_SHOWCASE_BUTTONDOWN = WM_APP + 1,
  WM_SHOWCASE_BUTTONUP = WM_APP + 2,
  WM_SHOWCASE_ROWSELECT = WM_APP + 3,
  WM_SHOWCASE_LISTLIMIT = WM_APP + 4,
  WM_SHOWCASE_POINTERDOWN = WM_APP + 5,
  WM_SHOWCASE_POINTERUP = WM_APP + 6,
  WM_SHOWCASE_SCROLLPOSITION = WM_APP + 7,
};

// The labels and what each one shows.
enum ShowcaseLabel {
  kLabelTitle = 0,
  kLabelOptions,
  kLabelListHeading,
  kLabelControlsHeading,
  kLabelSlotFrame,
  kLabelPush,
  kLabelToggle,
  kLabelLatch,
  kLabelChosen,
  kLabelScroll,
  kLabelEdge,
  kLabelFocus,
  kLabelHint,
  kLabelLastEvent,
  kLabelCount
};

// How the screen is set up; from the command line.
struct ShowcaseScreenOptions {
  bool fixedThumb = false;  // a fixed thumb image instead of the proportional one
  bool jumpTaps = false;    // scroll-bar taps jump instead of paging
  bool onRelease = false;   // list actions, row choices and bar taps act on release
};

// Clears `def` and fills it. `painter` and `painted` go into the record.
void FillShowcaseDefinition(ScreenDefinition& def, CImagePainter* painter,
                            ScreenPaintCallback painted, const ShowcaseScreenOptions& options);

// Gives the component its thirty rows.
void AddShowcaseRows(CBrowserWnd& component);

// The name of a focus entry for the focus label ("list", a button's caption).
const wchar_t* FocusEntryName(int focusId);

// The text of the options label.
void DescribeOptions(const ShowcaseScreenOptions& options, wchar_t* text, int capacity);
