// The caution pop-up's screen as the benchmark paints it: the definition the
// pop-up gives its component (the background image alone; the yes and no
// buttons are described but switched off), without the paint callback,
// whose reports to the hosts are no part of painting.
#pragma once

#include "screen_definition.h"

void BuildCautionScreen(ScreenDefinition& def, CImagePainter* painter);
