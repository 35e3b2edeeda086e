// A showcase-like screen for the paint benchmark, using every feature of the
// component at once: eight buttons with captions (one toggled on, one with
// the keyboard focus, one colour-keyed, one whose focused look is erased
// from the background, two list buttons), a 30-row list with icons showing
// seven rows, a proportional scroll bar with a capped thumb, four image
// slots, three labels (with shadow, with and without ellipsis) and the
// position text.
#pragma once

#include "browser_wnd.h"
#include "screen_definition.h"

const int kShowcaseRows = 30;
const int kShowcaseVisibleRows = 7;

void BuildShowcaseScreen(ScreenDefinition& def, CImagePainter* painter);

// After LoadDefinition: the rows, label texts, slot frames, the toggled
// button and the focus.
void FillShowcaseState(CBrowserWnd& browser);
