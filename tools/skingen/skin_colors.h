// Colours and probe points of the sample skin that skingen draws.
//
// Tests load the generated bitmaps (or read the screen after the pop-up has
// drawn them) and compare single pixels against these values, so every colour
// here is a plain, solid area in the bitmap, not an anti-aliased edge.
//
// All points are in the bitmap's own coordinates, (0,0) = top-left pixel.
#pragma once

#include <windows.h>

namespace skin {

// ---- bg_caution.bmp, 800 x 480 -------------------------------------------
constexpr int kCautionWidth = 800;
constexpr int kCautionHeight = 480;

// Calm dark blue behind everything. Solid in a 20-pixel margin along all four
// edges of the screen; (10,10) and (790,470) are the documented probe points.
constexpr COLORREF kCautionBackground = RGB(20, 28, 44);
constexpr POINT kCautionBackgroundProbe = {10, 10};

// The two button places, where the pop-up puts the button looks. In the
// background each place is an outlined area labelled YES or NO; inside the
// outline it is filled with kCautionPlaceFill (probe: 20 pixels right of and
// 30 pixels below the place's top-left corner).
constexpr int kButtonWidth = 252;
constexpr int kButtonHeight = 60;
constexpr POINT kCautionYesPlace = {153, 280};
constexpr POINT kCautionNoPlace = {407, 280};
constexpr COLORREF kCautionPlaceFill = RGB(34, 46, 68);
constexpr COLORREF kCautionPlaceOutline = RGB(150, 166, 192);

// ---- BB_popup.bmp, 400 x 300 ---------------------------------------------
// Only the top-left 340 x 255 pixels are meant to be shown. That part has a
// 2-pixel frame of kBlackBoxFrame (so pixel (0,0) and (339,254) are that
// colour) around a dark picture whose plain background is kBlackBoxBackground
// at (8,8). Everything at x >= 340 or y >= 255 is kBlackBoxOutside, with no
// text or shapes on it: any magenta on screen means too much was shown.
constexpr int kBlackBoxWidth = 400;
constexpr int kBlackBoxHeight = 300;
constexpr int kBlackBoxShownWidth = 340;
constexpr int kBlackBoxShownHeight = 255;
constexpr int kBlackBoxFrameWidth = 2;
constexpr COLORREF kBlackBoxFrame = RGB(0, 255, 255);
constexpr COLORREF kBlackBoxBackground = RGB(14, 16, 22);
constexpr POINT kBlackBoxBackgroundProbe = {8, 8};
constexpr COLORREF kBlackBoxOutside = RGB(255, 0, 255);

// ---- btn_cau_{yes,no}_{nor,hot,dis}.bmp, 252 x 60 each ---------------------
// Each look has a rounded body in one solid fill colour, solid at
// kButtonFillProbe (clear of the label, the outline and the glow of the hot
// looks). The four corner pixels are kCautionBackground, so the rounded
// corners blend into the caution screen. All six fills differ.
constexpr POINT kButtonFillProbe = {24, 30};
constexpr COLORREF kButtonCorner = kCautionBackground;

constexpr COLORREF kYesNormalFill = RGB(28, 128, 60);
constexpr COLORREF kYesHotFill = RGB(64, 200, 104);
constexpr COLORREF kYesDisabledFill = RGB(84, 96, 88);
constexpr COLORREF kNoNormalFill = RGB(168, 40, 40);
constexpr COLORREF kNoHotFill = RGB(240, 84, 72);
constexpr COLORREF kNoDisabledFill = RGB(104, 88, 88);

}  // namespace skin
