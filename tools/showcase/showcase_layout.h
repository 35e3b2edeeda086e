// Where everything sits on the showcase screen and in which colour. The skin
// drawing, the screen record, the demo script and the showcase's test all
// read these, so a change of layout moves them together.
#pragma once

#include <windows.h>

namespace showcase {

// The screen and the component's window (the frame has no border, so the
// component's coordinates are screen coordinates).
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 480;
constexpr UINT kComponentId = 1001;

// Image ids. The image table has rows 0-7 only, so each id carries one or
// two of the screen's looks (see showcase_skins.cpp for how they share).
constexpr int kImageBackground = 0;
constexpr int kImageButtonPressed = 1;
constexpr int kImageButtonFocused = 2;
constexpr int kImageRowSelected = 3;         // also the scroll track (its left columns)
constexpr int kImageRowSelectedFocused = 4;  // also the thumb body (its left columns)
constexpr int kImageRowPressed = 5;
constexpr int kImageIcons = 6;     // row icons and the image slot
constexpr int kImageThumbKnob = 7;  // cap of the proportional thumb, or the fixed thumb

// Title bar and status bar.
constexpr int kTitleBarHeight = 44;
constexpr int kStatusTop = 448;
constexpr int kStatusBottom = 474;

// The two panels.
constexpr RECT kLeftPanel = {8, 52, 488, 440};
constexpr RECT kRightPanel = {496, 52, 792, 440};
constexpr int kPanelRadius = 10;

// The list and its scroll bar.
constexpr int kListX = 16;
constexpr int kListY = 84;
constexpr int kRowWidth = 440;
constexpr int kRowHeight = 48;
constexpr int kVisibleRows = 6;
constexpr int kListHeight = kRowHeight * kVisibleRows;
constexpr int kRowCount = 30;
constexpr int kRowIconX = 20;
constexpr int kRowIconY = 8;
constexpr int kRowImageHeight = kListHeight;  // row images also feed the scroll bar

constexpr int kScrollBarX = 462;
constexpr int kScrollBarY = kListY;
constexpr int kScrollBarWidth = 12;
constexpr int kScrollBarHeight = kListHeight;
constexpr int kScrollTapX = 456;
constexpr int kScrollTapWidth = 26;
constexpr int kKnobHeight = 20;

// Icons: a strip of equal square frames.
constexpr int kIconSize = 32;
constexpr int kIconFrames = 8;

// Buttons: every button has one size (its pressed and focused looks are
// drawn whole), its normal look is part of the background.
constexpr int kButtonWidth = 112;
constexpr int kButtonHeight = 48;
constexpr int kButtonRadius = 8;

enum ButtonIndex {
  kButtonPush = 0,
  kButtonToggle,
  kButtonLatch,
  kButtonUnlatch,
  kButtonNextIcon,
  kButtonScrollUp,
  kButtonScrollDown,
  kButtonPreviousRow,
  kButtonNextRow,
  kButtonCount
};

struct ButtonPlace {
  int x;
  int y;
};

constexpr ButtonPlace kButtonPlaces[kButtonCount] = {
    {520, 88},  {652, 88},  {520, 146}, {652, 146}, {520, 204},
    {16, 384},  {132, 384}, {248, 384}, {364, 384},
};

// The image slot: a tile in the background with one icon frame on it.
constexpr RECT kSlotTile = {652, 204, 700, 252};
constexpr int kSlotX = 660;
constexpr int kSlotY = 212;

// Colours (0x00BBGGRR). Those a test probes on the screen are marked.
constexpr COLORREF kColorKey = RGB(255, 0, 255);
constexpr COLORREF kTitleTop = RGB(0x1D, 0x2A, 0x44);
constexpr COLORREF kTitleBottom = RGB(0x17, 0x22, 0x3A);
constexpr COLORREF kAccentLine = RGB(0x2B, 0xB3, 0xD9);  // probed: under the title bar
constexpr COLORREF kScreenTop = RGB(0x0E, 0x15, 0x22);
constexpr COLORREF kScreenBottom = RGB(0x0A, 0x0F, 0x19);
constexpr COLORREF kPanelFill = RGB(0x13, 0x1C, 0x2D);  // probed: empty panel area
constexpr COLORREF kPanelBorder = RGB(0x2A, 0x3A, 0x57);
constexpr COLORREF kRowSeparator = RGB(0x1F, 0x2B, 0x42);
constexpr COLORREF kStatusFill = RGB(0x10, 0x18, 0x27);
constexpr COLORREF kStatusBorder = RGB(0x22, 0x30, 0x49);

constexpr COLORREF kButtonTop = RGB(0x27, 0x3B, 0x62);
constexpr COLORREF kButtonBottom = RGB(0x1D, 0x2D, 0x4C);
constexpr COLORREF kButtonBorder = RGB(0x3C, 0x56, 0x82);
constexpr COLORREF kPressedTop = RGB(0x17, 0x9B, 0xCC);
constexpr COLORREF kPressedBottom = RGB(0x0D, 0x74, 0x9C);
constexpr COLORREF kPressedBorder = RGB(0x6A, 0xDA, 0xFF);
constexpr COLORREF kFocusRing = RGB(0xFF, 0xB0, 0x20);  // probed: ring of the focused button

constexpr COLORREF kTrack = RGB(0x2C, 0x3F, 0x63);
constexpr COLORREF kSelectedFill = RGB(0x25, 0x37, 0x5A);
constexpr COLORREF kFocusedSelectedFill = RGB(0x45, 0x36, 0x14);
constexpr COLORREF kThumb = RGB(0xFF, 0xB0, 0x20);
constexpr COLORREF kThumbGrip = RGB(0x9A, 0x62, 0x00);
constexpr COLORREF kKnob = RGB(0xF0, 0x9C, 0x10);
constexpr COLORREF kPressedRowTop = RGB(0x18, 0x96, 0xC4);
constexpr COLORREF kPressedRowBottom = RGB(0x0E, 0x6E, 0x92);
constexpr COLORREF kPressedMarker = RGB(0x7A, 0xE0, 0xFF);
// Icon edges are blended towards this, a colour between the row looks, so
// that they sit well on each (the rest of a frame is the colour key).
constexpr COLORREF kIconEdgeBase = RGB(0x1F, 0x2C, 0x45);

// Text colours.
constexpr COLORREF kTextBright = RGB(0xF2, 0xF5, 0xFA);
constexpr COLORREF kTextNormal = RGB(0xDD, 0xE4, 0xEF);
constexpr COLORREF kTextDim = RGB(0x8D, 0x9B, 0xB4);
constexpr COLORREF kTextHeading = RGB(0x9F, 0xB4, 0xD6);
constexpr COLORREF kTextFocus = RGB(0xFF, 0xC8, 0x50);
constexpr COLORREF kTextCyan = RGB(0x7F, 0xD6, 0xF5);
constexpr COLORREF kTextShadow = RGB(0x00, 0x00, 0x00);
constexpr COLORREF kTextWarning = RGB(0xFF, 0x7B, 0x72);
constexpr COLORREF kTextFavourite = RGB(0x7E, 0xE0, 0x8A);

// The face every text uses (Wine maps it to a metric-compatible face).
constexpr const wchar_t* kFace = L"Arial";

// The centre of a button, of a visible row, and a point on the scroll bar
// below the thumb (for taps).
inline POINT ButtonCentre(int index) {
  return POINT{kButtonPlaces[index].x + kButtonWidth / 2, kButtonPlaces[index].y + kButtonHeight / 2};
}
inline POINT RowCentre(int visibleRow) {
  return POINT{kListX + 200, kListY + visibleRow * kRowHeight + kRowHeight / 2};
}
constexpr POINT kScrollBarLowPoint = {kScrollBarX + kScrollBarWidth / 2, kListY + kListHeight - 12};

}  // namespace showcase
