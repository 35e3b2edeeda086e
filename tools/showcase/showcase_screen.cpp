#include "showcase_screen.h"

#include <cstring>
#include <cwchar>
#include <new>

#include "showcase_layout.h"
#include "wide_format.h"

using namespace showcase;

namespace {

void CopyText(WCHAR* field, size_t capacity, const wchar_t* text) {
  lstrcpynW(field, text, static_cast<int>(capacity));
}

template <size_t N>
void SetFace(WCHAR (&field)[N]) {
  CopyText(field, N, kFace);
}

struct ButtonSetup {
  const wchar_t* caption;
  int kind;  // 0 push, 1 toggle, 2 latching
  int listAction;
  int focusRank;
};

// Focus order: the five control buttons, the list, then the list's buttons.
const ButtonSetup kButtons[kButtonCount] = {
    {L"Push", 0, 0, 1},
    {L"Toggle\nswitch", 1, 0, 2},
    {L"Latch", 2, 0, 3},
    {L"Unlatch", 0, 0, 4},
    {L"Next icon", 0, 0, 5},
    {L"Scroll up", 0, 1, 7},
    {L"Scroll down", 0, 2, 8},
    {L"Prev row", 0, 3, 9},
    {L"Next row", 0, 4, 10},
};
const int kListFocusRank = 6;

void SetButton(ScreenDefinition& def, int i) {
  const ButtonSetup& setup = kButtons[i];
  ButtonDef& b = def.buttons[i];
  b.shown = 1;
  b.x = kButtonPlaces[i].x;
  b.y = kButtonPlaces[i].y;
  b.width = kButtonWidth;
  b.height = kButtonHeight;
  for (int v = 0; v < kButtonVariants; ++v) {
    b.normalImages[v] = -1;  // the background holds the normal look
    b.pressedImages[v] = kImageButtonPressed;
    b.focusedImages[v] = kImageButtonFocused;
  }
  b.kind = setup.kind;
  b.hitX = b.x;
  b.hitY = b.y;
  b.hitWidth = kButtonWidth;
  b.hitHeight = kButtonHeight;
  b.focusRank = setup.focusRank;
  b.listAction = setup.listAction;
  b.actionAmount = 1;

  ButtonTextDef& t = def.buttonTexts[i];
  t.hasText = 1;
  CopyText(t.text, sizeof t.text / sizeof t.text[0], setup.caption);
  const bool twoLines = std::wcschr(setup.caption, L'\n') != nullptr;
  const int height = twoLines ? -15 : -17;
  t.colors[0] = kTextNormal;
  t.colors[1] = RGB(0xFF, 0xFF, 0xFF);
  t.colors[2] = kTextFocus;
  for (int s = 0; s < kButtonStates; ++s) t.fontHeights[s] = height;
  t.bold[0] = 0;
  t.bold[1] = 1;
  t.bold[2] = 1;
  t.textX = 6;
  t.textWidth = kButtonWidth - 12;
  if (twoLines) {
    // Two lines are laid out by the flags alone: the component centres
    // only captions without a line feed.
    t.textY = 6;
    t.textHeight = kButtonHeight - 8;
    t.format = DT_CENTER | DT_NOPREFIX;
  } else {
    t.textY = 0;
    t.textHeight = kButtonHeight;
    t.format = DT_CENTER | DT_SINGLELINE | DT_NOPREFIX;
  }
  SetFace(t.faceName);
}

void SetRowStyle(RowStyleDef& s, int image, COLORREF text1, COLORREF text2, bool bold1) {
  s.image = image;
  s.text1Color = text1;
  s.text2Color = text2;
  s.text1FontHeight = -18;
  s.text2FontHeight = -15;
  s.text1Bold = bold1 ? 1 : 0;
  s.text2Bold = 0;
  SetFace(s.faceName);
}

void SetList(ScreenDefinition& def) {
  def.listEnabled = 1;
  def.listActive = 1;
  def.listImage = -1;  // the list's background is the screen background
  def.listX = kListX;
  def.listY = kListY;
  def.listWidth = kRowWidth;
  def.listHeight = kListHeight;
  def.listFocusRank = kListFocusRank;
  def.visibleRows = kVisibleRows;
  def.rowWidth = kRowWidth;
  def.rowHeight = kRowHeight;
  def.rowIconEnabled = 1;
  def.rowIconImage = kImageIcons;
  def.rowIconFrames = kIconFrames;
  def.rowIconX = kRowIconX;
  def.rowIconY = kRowIconY;
  // Box 1: the name, after the icon; box 2: the distance, right-aligned.
  def.text1Left = 64;
  def.text1Top = 0;
  def.text1Right = 326;
  def.text1Bottom = kRowHeight;
  def.text2Left = 8;
  def.text2Top = 0;
  def.text2Right = kRowWidth - 326 - 12;
  def.text2Bottom = kRowHeight;
  def.text1Format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  def.text2Format = DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  // Icons are cut out with the colour key; the row images hold no key pixel.
  def.rowTransparent = 1;
  def.rowColorKey = kColorKey;

  SetRowStyle(def.rowStyles[0], -1, kTextNormal, kTextDim, false);
  SetRowStyle(def.rowStyles[1], kImageRowSelected, RGB(0xFF, 0xFF, 0xFF), RGB(0xC2, 0xCF, 0xE3), true);
  SetRowStyle(def.rowStyles[2], kImageRowPressed, RGB(0xFF, 0xFF, 0xFF), RGB(0xE6, 0xF7, 0xFF), true);
  SetRowStyle(def.rowStyles[3], -1, kTextBright, kTextCyan, false);
  SetRowStyle(def.rowStyles[4], kImageRowSelectedFocused, RGB(0xFF, 0xD8, 0x8A), RGB(0xF3, 0xDF, 0xB4), true);

  CounterDef& c = def.counter;
  c.shown = 1;
  c.x = 360;
  c.y = 56;
  c.width = 112;
  c.height = 24;
  CopyText(c.format, sizeof c.format / sizeof c.format[0], L"%d/%d");
  c.color = kTextCyan;
  c.fontHeight = -16;
  c.bold = 1;
  c.textFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
  SetFace(c.faceName);
}

void SetScrollBar(ScreenDefinition& def, const ShowcaseScreenOptions& options) {
  def.scrollBarShown = 1;
  def.scrollBarImage = kImageRowSelected;  // its left columns are the track
  def.scrollBarX = kScrollBarX;
  def.scrollBarY = kScrollBarY;
  def.scrollBarWidth = kScrollBarWidth;
  def.scrollBarHeight = kScrollBarHeight;
  def.thumbWidth = kScrollBarWidth;
  def.thumbMotion = 0;
  def.scrollTransparent = 1;  // the knob's rounded corners
  def.scrollColorKey = kColorKey;
  def.trackStartX = kScrollBarX;
  def.trackEndX = kScrollBarX;
  if (options.fixedThumb) {
    def.proportionalThumb = 0;
    def.thumbImage = kImageThumbKnob;
    def.thumbLength = kKnobHeight;
    def.trackStartY = kScrollBarY;
    def.trackEndY = kScrollBarY + kScrollBarHeight - kKnobHeight;
  } else {
    def.proportionalThumb = 1;
    def.thumbImage = kImageRowSelectedFocused;  // its left columns are the body
    def.thumbHasCap = 1;
    def.thumbCapImage = kImageThumbKnob;
    def.thumbCapLength = kKnobHeight;
    def.thumbLength = kScrollBarHeight;
    // A page tap compares with the track position plus half of thumbLength.
    // A proportional thumb is drawn shorter than thumbLength, so the track
    // is shifted up by the difference: then that point is the middle of the
    // thumb as drawn, all the way along the bar.
    const int drawn = kScrollBarHeight * kVisibleRows / kRowCount;
    const int travel = kScrollBarHeight - drawn;
    def.trackStartY = kScrollBarY + drawn / 2 - kScrollBarHeight / 2;
    def.trackEndY = def.trackStartY + travel;
  }
  def.scrollTapEnabled = 1;
  def.scrollTapX = kScrollTapX;
  def.scrollTapY = kScrollBarY;
  def.scrollTapWidth = kScrollTapWidth;
  def.scrollTapHeight = kScrollBarHeight;
  def.scrollTapMode = options.jumpTaps ? 1 : 0;
}

void SetLabel(LabelDef& l, int x, int y, int width, int height, int fontHeight, bool bold,
              COLORREF color, UINT format) {
  l.shown = 1;
  l.x = x;
  l.y = y;
  l.width = width;
  l.height = height;
  l.fontHeight = fontHeight;
  l.bold = bold ? 1 : 0;
  l.color = color;
  l.format = format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  SetFace(l.faceName);
}

void SetLabels(ScreenDefinition& def) {
  LabelDef* l = def.labels;
  SetLabel(l[kLabelTitle], 16, 6, 360, 32, -22, true, RGB(0xFF, 0xFF, 0xFF), DT_LEFT);
  l[kLabelTitle].shadow = 1;
  l[kLabelTitle].shadowColor = kTextShadow;
  SetLabel(l[kLabelOptions], 380, 10, 404, 26, -14, false, kTextHeading, DT_RIGHT);
  SetLabel(l[kLabelListHeading], 24, 56, 300, 24, -16, true, kTextHeading, DT_LEFT);
  SetLabel(l[kLabelControlsHeading], 512, 56, 264, 24, -16, true, kTextHeading, DT_LEFT);
  SetLabel(l[kLabelSlotFrame], kSlotTile.right + 8, kSlotTile.top, 84, 48, -15, false, kTextNormal,
           DT_LEFT);
  const int lines[] = {kLabelPush, kLabelToggle, kLabelLatch, kLabelChosen,
                       kLabelScroll, kLabelEdge, kLabelFocus};
  int y = 264;
  for (int j : lines) {
    SetLabel(l[j], 512, y, 268, 24, -15, false, kTextNormal, DT_LEFT);
    y += 24;
  }
  l[kLabelFocus].color = kTextFocus;
  SetLabel(l[kLabelHint], 16, kStatusTop + 2, 500, 22, -14, false, RGB(0xAA, 0xB6, 0xCA), DT_LEFT);
  l[kLabelHint].shadow = 1;
  l[kLabelHint].shadowColor = kTextShadow;
  SetLabel(l[kLabelLastEvent], 524, kStatusTop + 2, 260, 22, -14, true, kTextCyan, DT_RIGHT);
}

struct RowSetup {
  const wchar_t* name;
  const wchar_t* distance;
  int icon;  // -1: none
  COLORREF color;  // ROW_STYLE_COLOR: the row look's colour
};

const COLORREF kStyle = ROW_STYLE_COLOR;

const RowSetup kRows[kRowCount] = {
    {L"Home", L"0.0 km", 0, kTextFavourite},
    {L"Harbour Road 12", L"1.4 km", 6, kStyle},
    {L"Central Station", L"2.1 km", 3, kStyle},
    {L"Fuel stop, Ring Road East", L"2.8 km", 2, kStyle},
    {L"Old Town Market", L"3.5 km", 1, kStyle},
    {L"Quarry Lane (closed for works until further notice)", L"4.0 km", 4, kTextWarning},
    {L"Riverside Park", L"4.6 km", 5, kStyle},
    {L"Airport, Terminal 2 Departures", L"18.9 km", 7, kStyle},
    {L"Maple Avenue 7", L"5.2 km", 6, kStyle},
    {L"City Hospital", L"5.9 km", -1, kStyle},
    {L"Lakeside Car Park", L"6.3 km", 3, kStyle},
    {L"Grandma", L"7.7 km", 5, kTextFavourite},
    {L"North Bridge", L"8.1 km", 4, kTextWarning},
    {L"Stadium", L"8.8 km", 1, kStyle},
    {L"Fuel stop, Motorway Services", L"9.4 km", 2, kStyle},
    {L"Library", L"10.2 km", 7, kStyle},
    {L"Office", L"11.0 km", 0, kTextFavourite},
    {L"Hillside Viewpoint", L"12.5 km", 1, kStyle},
    {L"Ferry Terminal", L"13.3 km", 4, kStyle},
    {L"Garden Centre", L"14.1 km", 5, kStyle},
    {L"Tunnel Entrance (height limit 3.5 m)", L"15.0 km", 7, kTextWarning},
    {L"Beach Road 44", L"16.2 km", 6, kStyle},
    {L"Park and Ride West", L"17.4 km", 3, kStyle},
    {L"Castle Museum", L"19.8 km", 1, kStyle},
    {L"Camp Site", L"21.5 km", 4, kStyle},
    {L"Charging Station", L"22.0 km", 2, kStyle},
    {L"Vineyard", L"24.6 km", 5, kStyle},
    {L"Mountain Pass", L"31.2 km", -1, kStyle},
    {L"Lighthouse", L"38.7 km", 7, kStyle},
    {L"Holiday Flat", L"112.0 km", 0, kStyle},
};

}  // namespace

void FillShowcaseDefinition(ScreenDefinition& def, CImagePainter* painter,
                            ScreenPaintCallback painted, const ShowcaseScreenOptions& options) {
  std::memset(&def, 0, sizeof def);
  def.painter = painter;
  def.paintCallback = painted;
  def.backgroundImage = kImageBackground;
  for (int i = 0; i < kButtonCount; ++i) SetButton(def, i);
  SetList(def);
  SetScrollBar(def, options);

  ImageSlotDef& slot = def.imageSlots[0];
  slot.shown = 1;
  slot.image = kImageIcons;
  slot.x = kSlotX;
  slot.y = kSlotY;
  slot.frameCount = kIconFrames;
  slot.transparent = 1;
  slot.colorKey = kColorKey;

  SetLabels(def);

  def.buttonDownMessage = WM_SHOWCASE_BUTTONDOWN;
  def.buttonUpMessage = WM_SHOWCASE_BUTTONUP;
  def.rowSelectMessage = WM_SHOWCASE_ROWSELECT;
  def.listLimitMessage = WM_SHOWCASE_LISTLIMIT;
  def.pointerDownMessage = WM_SHOWCASE_POINTERDOWN;
  def.pointerUpMessage = WM_SHOWCASE_POINTERUP;
  def.scrollPositionMessage = WM_SHOWCASE_SCROLLPOSITION;

  def.keyboardFocus = 1;
  def.keyPrevious = VK_LEFT;
  def.keyNext = VK_RIGHT;
  def.keyActivate = VK_RETURN;
  def.keyListUp = VK_UP;
  def.keyListDown = VK_DOWN;
  def.actOnRelease = options.onRelease ? 1 : 0;
}

void AddShowcaseRows(CBrowserWnd& component) {
  for (int i = 0; i < kRowCount; ++i) {
    RowItem* row = new (std::nothrow) RowItem;
    if (row == nullptr) return;
    row->text = kRows[i].name;
    row->subText = kRows[i].distance;
    row->icon = kRows[i].icon;
    row->textColor = kRows[i].color;
    row->value = 1000 + i;
    component.AddRow(row);
  }
}

const wchar_t* FocusEntryName(int focusId) {
  static const wchar_t* const kNames[kButtonCount] = {
      L"Push", L"Toggle switch", L"Latch", L"Unlatch", L"Next icon",
      L"Scroll up", L"Scroll down", L"Prev row", L"Next row"};
  if (focusId == FOCUS_ID_LIST) return L"the list";
  int i = focusId - FOCUS_ID_BUTTON;
  if (i >= 0 && i < kButtonCount) return kNames[i];
  return L"nothing";
}

void DescribeOptions(const ShowcaseScreenOptions& options, wchar_t* text, int capacity) {
  WideFormat(text, static_cast<size_t>(capacity), L"%s thumb  \x00B7  %s taps  \x00B7  acts on %s",
             options.fixedThumb ? L"fixed" : L"proportional", options.jumpTaps ? L"jump" : L"page",
             options.onRelease ? L"release" : L"press");
}
