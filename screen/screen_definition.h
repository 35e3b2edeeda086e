// ScreenDefinition: the fixed-size record that describes one screen of the
// skinned screen component, with its sub-records ButtonDef, ButtonTextDef,
// RowStyleDef, CounterDef, ImageSlotDef and LabelDef.
//
// The owner clears a whole record, fills what its screen uses and hands it
// to CBrowserWnd::LoadDefinition, which copies it. Owner and component both
// rely on the exact layout (51508 bytes on the 32-bit target), so every
// field's offset is pinned below. Every field defaults to 0; image ids are
// ids of the image store (-1 = no image where a field allows it), colours
// are 0x00BBGGRR, coordinates are client pixels of the component's window,
// text is UTF-16, one-byte flags are off at 0.
#pragma once

#include <windows.h>

#include <cstddef>

class CImagePainter;

// Called after every full paint with the component's window.
typedef void (*ScreenPaintCallback)(HWND window);

enum : int {
  kMaxButtons = 80,
  kButtonVariants = 6,
  kButtonStates = 3,  // 0 normal, 1 pressed, 2 focused
  kRowStyles = 10,    // 0 normal, 1 selected, 2 pressed, 3 normal focused, 4 selected focused
  kMaxImageSlots = 40,
  kMaxLabels = 16,
};

struct ButtonDef {
  BYTE shown;  // off: the whole record is ignored
  BYTE reserved1[3];
  INT32 x;  // where the button's image is drawn
  INT32 y;
  INT32 width;  // area erased from the background when a state's image is -1
  INT32 height;
  INT32 normalImages[kButtonVariants];
  INT32 pressedImages[kButtonVariants];
  INT32 focusedImages[kButtonVariants];
  INT32 kind;  // 0 push, 1 toggle, other latching
  BYTE reserved2[4];
  INT32 hitX;  // touch rectangle: left <= x < left + width, top <= y < top + height
  INT32 hitY;
  INT32 hitWidth;
  INT32 hitHeight;
  BYTE reserved3[4];
  INT32 focusRank;   // sort key in the focus order (0-255)
  INT32 listAction;  // 0 none, 1 up, 2 down, 3 previous row, 4 next row
  INT32 actionAmount;
  BYTE transparent;
  BYTE reserved4[3];
  UINT32 colorKey;
};

struct ButtonTextDef {
  BYTE hasText;
  BYTE reserved1;
  WCHAR text[41];  // a caption with a line feed is never centred vertically
  UINT32 colors[kButtonStates];
  INT32 fontHeights[kButtonStates];
  BYTE bold[kButtonStates];
  BYTE reserved2;
  INT32 textX;  // box left = button x + textX
  INT32 textY;
  INT32 textHeight;  // height before width
  INT32 textWidth;
  UINT32 format;  // DT_ flags; DT_VCENTER is added when the caption fits one line
  WCHAR faceName[128];
};

struct RowStyleDef {
  INT32 image;  // the row's background; -1 = erased from the list or background image
  UINT32 text1Color;
  UINT32 text2Color;
  INT32 text1FontHeight;
  INT32 text2FontHeight;
  BYTE text1Bold;
  BYTE text2Bold;
  WCHAR faceName[129];
};

// The list's position text, such as 3/12.
struct CounterDef {
  BYTE shown;
  BYTE reserved1[3];
  INT32 x;
  INT32 y;
  INT32 width;
  INT32 height;
  WCHAR format[10];  // two integers: (position, count), or (count, position)
  BYTE countFirst;
  BYTE reserved2[3];
  UINT32 color;
  INT32 fontHeight;
  BYTE bold;
  BYTE reserved3[3];
  UINT32 textFormat;
  BYTE reserved4[2];
  WCHAR faceName[129];
};

struct ImageSlotDef {
  BYTE shown;
  BYTE reserved1[3];
  INT32 image;  // a strip of frameCount equal frames
  INT32 x;      // -1 in x or y: the image's own position
  INT32 y;
  INT32 frameCount;
  BYTE transparent;
  BYTE reserved2[3];
  UINT32 colorKey;
};

// The label's text is held by the component, not by the record.
struct LabelDef {
  BYTE shown;
  BYTE reserved1[3];
  INT32 x;
  INT32 y;
  INT32 width;
  INT32 height;
  UINT32 format;
  UINT32 color;
  INT32 fontHeight;
  BYTE bold;
  BYTE noEllipsis;
  BYTE shadow;  // exactly 1: a copy in shadowColor one pixel lower first
  BYTE reserved2;
  UINT32 shadowColor;
  WCHAR faceName[128];
};

struct ScreenDefinition {
  ButtonDef buttons[kMaxButtons];
  ButtonTextDef buttonTexts[kMaxButtons];
  INT32 backgroundImage;

  // Scroll bar.
  BYTE scrollBarShown;
  BYTE proportionalThumb;
  BYTE reserved1[2];
  INT32 thumbImage;
  BYTE thumbHasCap;
  BYTE reserved2[3];
  INT32 thumbCapImage;
  INT32 thumbWidth;
  INT32 thumbLength;
  INT32 thumbCapLength;
  INT32 trackStartX;  // thumb's top-left at the first and the last scroll position
  INT32 trackStartY;
  INT32 trackEndX;
  INT32 trackEndY;
  INT32 thumbMotion;  // 1 stepped, otherwise continuous (jump taps: 0 continuous, 1 stepped)
  INT32 thumbSteps;
  BYTE scrollTransparent;
  BYTE reserved3[3];
  UINT32 scrollColorKey;
  INT32 scrollBarImage;
  INT32 scrollBarX;
  INT32 scrollBarY;
  INT32 scrollBarWidth;
  INT32 scrollBarHeight;
  INT32 scrollTapX;
  INT32 scrollTapY;
  INT32 scrollTapWidth;
  INT32 scrollTapHeight;
  BYTE scrollTapEnabled;
  BYTE reserved4[3];
  INT32 scrollTapMode;  // 0 page, 1 jump

  // List.
  BYTE listEnabled;
  BYTE listActive;
  BYTE reserved5[2];
  INT32 listImage;
  INT32 listX;
  INT32 listY;
  INT32 listWidth;
  INT32 listHeight;
  INT32 listFocusRank;
  INT32 visibleRows;
  INT32 rowWidth;
  INT32 rowHeight;
  BYTE rowIconEnabled;
  BYTE reserved6[3];
  INT32 rowIconImage;
  INT32 rowIconFrames;
  INT32 text1Left;  // relative to the row
  INT32 text1Top;
  INT32 text2Left;  // relative to text1Right
  INT32 text2Top;
  INT32 text1Bottom;
  INT32 text1Right;
  INT32 text2Bottom;
  INT32 text2Right;  // relative to text1Right
  UINT32 text1Format;
  UINT32 text2Format;
  INT32 rowIconX;
  INT32 rowIconY;
  INT32 rowOriginX;  // first visible row, relative to the list
  INT32 rowOriginY;
  BYTE rowTransparent;
  BYTE reserved7[3];
  UINT32 rowColorKey;
  RowStyleDef rowStyles[kRowStyles];

  CounterDef counter;
  ImageSlotDef imageSlots[kMaxImageSlots];
  LabelDef labels[kMaxLabels];

  CImagePainter* painter;  // must be set

  // Messages posted to the application's main window; 0 = not posted.
  UINT32 buttonDownMessage;
  UINT32 buttonUpMessage;
  UINT32 rowSelectMessage;
  UINT32 listLimitMessage;
  UINT32 pointerDownMessage;
  UINT32 pointerUpMessage;
  BYTE reserved8[4];
  UINT32 scrollPositionMessage;

  // Keyboard.
  BYTE keyboardFocus;
  BYTE reserved9[3];
  UINT32 keyPrevious;
  UINT32 keyNext;
  UINT32 keyActivate;
  UINT32 keyListUp;
  UINT32 keyListDown;

  ScreenPaintCallback paintCallback;  // null = none
  BYTE actOnRelease;
  BYTE reserved10[3];
};

#define QD_PIN(record, field, offset) \
  static_assert(offsetof(record, field) == (offset), #record "." #field " moved")

static_assert(sizeof(void*) == 4, "the exchange record is laid out for 4-byte pointers");

static_assert(sizeof(ButtonDef) == 140, "ButtonDef size");
QD_PIN(ButtonDef, shown, 0);
QD_PIN(ButtonDef, x, 4);
QD_PIN(ButtonDef, y, 8);
QD_PIN(ButtonDef, width, 12);
QD_PIN(ButtonDef, height, 16);
QD_PIN(ButtonDef, normalImages, 20);
QD_PIN(ButtonDef, pressedImages, 44);
QD_PIN(ButtonDef, focusedImages, 68);
QD_PIN(ButtonDef, kind, 92);
QD_PIN(ButtonDef, hitX, 100);
QD_PIN(ButtonDef, hitY, 104);
QD_PIN(ButtonDef, hitWidth, 108);
QD_PIN(ButtonDef, hitHeight, 112);
QD_PIN(ButtonDef, focusRank, 120);
QD_PIN(ButtonDef, listAction, 124);
QD_PIN(ButtonDef, actionAmount, 128);
QD_PIN(ButtonDef, transparent, 132);
QD_PIN(ButtonDef, colorKey, 136);

static_assert(sizeof(ButtonTextDef) == 388, "ButtonTextDef size");
QD_PIN(ButtonTextDef, hasText, 0);
QD_PIN(ButtonTextDef, text, 2);
QD_PIN(ButtonTextDef, colors, 84);
QD_PIN(ButtonTextDef, fontHeights, 96);
QD_PIN(ButtonTextDef, bold, 108);
QD_PIN(ButtonTextDef, textX, 112);
QD_PIN(ButtonTextDef, textY, 116);
QD_PIN(ButtonTextDef, textHeight, 120);
QD_PIN(ButtonTextDef, textWidth, 124);
QD_PIN(ButtonTextDef, format, 128);
QD_PIN(ButtonTextDef, faceName, 132);

static_assert(sizeof(RowStyleDef) == 280, "RowStyleDef size");
QD_PIN(RowStyleDef, image, 0);
QD_PIN(RowStyleDef, text1Color, 4);
QD_PIN(RowStyleDef, text2Color, 8);
QD_PIN(RowStyleDef, text1FontHeight, 12);
QD_PIN(RowStyleDef, text2FontHeight, 16);
QD_PIN(RowStyleDef, text1Bold, 20);
QD_PIN(RowStyleDef, text2Bold, 21);
QD_PIN(RowStyleDef, faceName, 22);

static_assert(sizeof(CounterDef) == 320, "CounterDef size");
QD_PIN(CounterDef, shown, 0);
QD_PIN(CounterDef, x, 4);
QD_PIN(CounterDef, y, 8);
QD_PIN(CounterDef, width, 12);
QD_PIN(CounterDef, height, 16);
QD_PIN(CounterDef, format, 20);
QD_PIN(CounterDef, countFirst, 40);
QD_PIN(CounterDef, color, 44);
QD_PIN(CounterDef, fontHeight, 48);
QD_PIN(CounterDef, bold, 52);
QD_PIN(CounterDef, textFormat, 56);
QD_PIN(CounterDef, faceName, 62);

static_assert(sizeof(ImageSlotDef) == 28, "ImageSlotDef size");
QD_PIN(ImageSlotDef, shown, 0);
QD_PIN(ImageSlotDef, image, 4);
QD_PIN(ImageSlotDef, x, 8);
QD_PIN(ImageSlotDef, y, 12);
QD_PIN(ImageSlotDef, frameCount, 16);
QD_PIN(ImageSlotDef, transparent, 20);
QD_PIN(ImageSlotDef, colorKey, 24);

static_assert(sizeof(LabelDef) == 296, "LabelDef size");
QD_PIN(LabelDef, shown, 0);
QD_PIN(LabelDef, x, 4);
QD_PIN(LabelDef, y, 8);
QD_PIN(LabelDef, width, 12);
QD_PIN(LabelDef, height, 16);
QD_PIN(LabelDef, format, 20);
QD_PIN(LabelDef, color, 24);
QD_PIN(LabelDef, fontHeight, 28);
QD_PIN(LabelDef, bold, 32);
QD_PIN(LabelDef, noEllipsis, 33);
QD_PIN(LabelDef, shadow, 34);
QD_PIN(LabelDef, shadowColor, 36);
QD_PIN(LabelDef, faceName, 40);

static_assert(sizeof(ScreenDefinition) == 51508, "ScreenDefinition size");
QD_PIN(ScreenDefinition, buttons, 0);
QD_PIN(ScreenDefinition, buttonTexts, 11200);
QD_PIN(ScreenDefinition, backgroundImage, 42240);
QD_PIN(ScreenDefinition, scrollBarShown, 42244);
QD_PIN(ScreenDefinition, proportionalThumb, 42245);
QD_PIN(ScreenDefinition, thumbImage, 42248);
QD_PIN(ScreenDefinition, thumbHasCap, 42252);
QD_PIN(ScreenDefinition, thumbCapImage, 42256);
QD_PIN(ScreenDefinition, thumbWidth, 42260);
QD_PIN(ScreenDefinition, thumbLength, 42264);
QD_PIN(ScreenDefinition, thumbCapLength, 42268);
QD_PIN(ScreenDefinition, trackStartX, 42272);
QD_PIN(ScreenDefinition, trackStartY, 42276);
QD_PIN(ScreenDefinition, trackEndX, 42280);
QD_PIN(ScreenDefinition, trackEndY, 42284);
QD_PIN(ScreenDefinition, thumbMotion, 42288);
QD_PIN(ScreenDefinition, thumbSteps, 42292);
QD_PIN(ScreenDefinition, scrollTransparent, 42296);
QD_PIN(ScreenDefinition, scrollColorKey, 42300);
QD_PIN(ScreenDefinition, scrollBarImage, 42304);
QD_PIN(ScreenDefinition, scrollBarX, 42308);
QD_PIN(ScreenDefinition, scrollBarY, 42312);
QD_PIN(ScreenDefinition, scrollBarWidth, 42316);
QD_PIN(ScreenDefinition, scrollBarHeight, 42320);
QD_PIN(ScreenDefinition, scrollTapX, 42324);
QD_PIN(ScreenDefinition, scrollTapY, 42328);
QD_PIN(ScreenDefinition, scrollTapWidth, 42332);
QD_PIN(ScreenDefinition, scrollTapHeight, 42336);
QD_PIN(ScreenDefinition, scrollTapEnabled, 42340);
QD_PIN(ScreenDefinition, scrollTapMode, 42344);
QD_PIN(ScreenDefinition, listEnabled, 42348);
QD_PIN(ScreenDefinition, listActive, 42349);
QD_PIN(ScreenDefinition, listImage, 42352);
QD_PIN(ScreenDefinition, listX, 42356);
QD_PIN(ScreenDefinition, listY, 42360);
QD_PIN(ScreenDefinition, listWidth, 42364);
QD_PIN(ScreenDefinition, listHeight, 42368);
QD_PIN(ScreenDefinition, listFocusRank, 42372);
QD_PIN(ScreenDefinition, visibleRows, 42376);
QD_PIN(ScreenDefinition, rowWidth, 42380);
QD_PIN(ScreenDefinition, rowHeight, 42384);
QD_PIN(ScreenDefinition, rowIconEnabled, 42388);
QD_PIN(ScreenDefinition, rowIconImage, 42392);
QD_PIN(ScreenDefinition, rowIconFrames, 42396);
QD_PIN(ScreenDefinition, text1Left, 42400);
QD_PIN(ScreenDefinition, text1Top, 42404);
QD_PIN(ScreenDefinition, text2Left, 42408);
QD_PIN(ScreenDefinition, text2Top, 42412);
QD_PIN(ScreenDefinition, text1Bottom, 42416);
QD_PIN(ScreenDefinition, text1Right, 42420);
QD_PIN(ScreenDefinition, text2Bottom, 42424);
QD_PIN(ScreenDefinition, text2Right, 42428);
QD_PIN(ScreenDefinition, text1Format, 42432);
QD_PIN(ScreenDefinition, text2Format, 42436);
QD_PIN(ScreenDefinition, rowIconX, 42440);
QD_PIN(ScreenDefinition, rowIconY, 42444);
QD_PIN(ScreenDefinition, rowOriginX, 42448);
QD_PIN(ScreenDefinition, rowOriginY, 42452);
QD_PIN(ScreenDefinition, rowTransparent, 42456);
QD_PIN(ScreenDefinition, rowColorKey, 42460);
QD_PIN(ScreenDefinition, rowStyles, 42464);
QD_PIN(ScreenDefinition, counter, 45264);
QD_PIN(ScreenDefinition, imageSlots, 45584);
QD_PIN(ScreenDefinition, labels, 46704);
QD_PIN(ScreenDefinition, painter, 51440);
QD_PIN(ScreenDefinition, buttonDownMessage, 51444);
QD_PIN(ScreenDefinition, buttonUpMessage, 51448);
QD_PIN(ScreenDefinition, rowSelectMessage, 51452);
QD_PIN(ScreenDefinition, listLimitMessage, 51456);
QD_PIN(ScreenDefinition, pointerDownMessage, 51460);
QD_PIN(ScreenDefinition, pointerUpMessage, 51464);
QD_PIN(ScreenDefinition, scrollPositionMessage, 51472);
QD_PIN(ScreenDefinition, keyboardFocus, 51476);
QD_PIN(ScreenDefinition, keyPrevious, 51480);
QD_PIN(ScreenDefinition, keyNext, 51484);
QD_PIN(ScreenDefinition, keyActivate, 51488);
QD_PIN(ScreenDefinition, keyListUp, 51492);
QD_PIN(ScreenDefinition, keyListDown, 51496);
QD_PIN(ScreenDefinition, paintCallback, 51500);
QD_PIN(ScreenDefinition, actOnRelease, 51504);

#undef QD_PIN
