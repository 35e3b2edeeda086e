#include "showcase_screen.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "showcase_skin.h"

namespace {

const int kListX = 20;
const int kListY = 56;
const int kRowWidth = 480;
const int kRowHeight = 48;
const int kListHeight = kShowcaseVisibleRows * kRowHeight;  // 336
const int kToggleButton = 1;
const int kFocusedButton = 0;

void SetCaption(ButtonTextDef& caption, const wchar_t* text, int width, int height) {
  caption.hasText = 1;
  wcsncpy(caption.text, text, sizeof caption.text / sizeof caption.text[0] - 1);
  const COLORREF colors[kButtonStates] = {RGB(230, 236, 245), RGB(255, 255, 255), RGB(255, 220, 120)};
  for (int s = 0; s < kButtonStates; ++s) {
    caption.colors[s] = colors[s];
    caption.fontHeights[s] = 22;
    caption.bold[s] = s == 1 ? 1 : 0;
  }
  caption.textX = 8;
  caption.textY = 4;
  caption.textWidth = width - 16;
  caption.textHeight = height - 8;
  caption.format = DT_CENTER | DT_WORDBREAK;
}

void AddButton(ScreenDefinition& def, int i, int x, int y, const wchar_t* text) {
  ButtonDef& b = def.buttons[i];
  b.shown = 1;
  b.x = x;
  b.y = y;
  b.width = 160;
  b.height = 56;
  for (int v = 0; v < kButtonVariants; ++v) {
    b.normalImages[v] = kShowcaseButtonNormal;
    b.pressedImages[v] = kShowcaseButtonPressed;
    b.focusedImages[v] = kShowcaseButtonPressed;
  }
  b.hitX = x;
  b.hitY = y;
  b.hitWidth = 160;
  b.hitHeight = 56;
  b.focusRank = i;
  SetCaption(def.buttonTexts[i], text, 160, 56);
}

void AddButtons(ScreenDefinition& def) {
  const wchar_t* captions[] = {L"Navigate", L"Toggle", L"Keyed", L"Two\nlines", L"Erased", L"Settings"};
  for (int i = 0; i < 6; ++i) AddButton(def, i, 620, 8 + i * 64, captions[i]);
  def.buttons[kToggleButton].kind = 1;
  def.buttons[2].transparent = 1;
  def.buttons[2].colorKey = kShowcaseColorKey;
  // Its focused look has no image: the area is erased from the background.
  for (int v = 0; v < kButtonVariants; ++v) def.buttons[4].focusedImages[v] = -1;

  AddButton(def, 6, kListX, 404, L"Up");
  def.buttons[6].listAction = 1;
  def.buttons[6].actionAmount = 1;
  AddButton(def, 7, kListX + 170, 404, L"Down");
  def.buttons[7].listAction = 2;
  def.buttons[7].actionAmount = 1;
}

void SetRowStyle(RowStyleDef& style, int image, COLORREF text1, COLORREF text2, BYTE bold) {
  style.image = image;
  style.text1Color = text1;
  style.text2Color = text2;
  style.text1FontHeight = 22;
  style.text2FontHeight = 18;
  style.text1Bold = bold;
  style.text2Bold = 0;
}

void AddList(ScreenDefinition& def) {
  def.listEnabled = 1;
  def.listActive = 1;
  def.listImage = -1;  // rows are erased from the background
  def.listX = kListX;
  def.listY = kListY;
  def.listWidth = kRowWidth;
  def.listHeight = kListHeight;
  def.listFocusRank = 20;
  def.visibleRows = kShowcaseVisibleRows;
  def.rowWidth = kRowWidth;
  def.rowHeight = kRowHeight;
  def.rowIconEnabled = 1;
  def.rowIconImage = kShowcaseIcons;
  def.rowIconFrames = kShowcaseIconFrames;
  def.rowIconX = 8;
  def.rowIconY = 8;
  def.text1Left = 48;
  def.text1Top = 0;
  def.text1Right = 330;
  def.text1Bottom = kRowHeight;
  def.text2Left = 8;
  def.text2Top = 0;
  def.text2Right = 140;
  def.text2Bottom = kRowHeight;
  def.text1Format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  def.text2Format = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
  def.rowTransparent = 1;
  def.rowColorKey = kShowcaseColorKey;
  SetRowStyle(def.rowStyles[0], -1, RGB(220, 225, 235), RGB(150, 160, 180), 0);
  SetRowStyle(def.rowStyles[1], kShowcaseRowSelected, RGB(255, 255, 255), RGB(200, 240, 210), 1);
  SetRowStyle(def.rowStyles[2], kShowcaseRowSelected, RGB(255, 255, 160), RGB(200, 240, 210), 1);
  SetRowStyle(def.rowStyles[3], -1, RGB(220, 225, 235), RGB(150, 160, 180), 0);
  SetRowStyle(def.rowStyles[4], kShowcaseRowSelected, RGB(255, 255, 255), RGB(200, 240, 210), 1);
}

void AddScrollBar(ScreenDefinition& def) {
  def.scrollBarShown = 1;
  def.proportionalThumb = 1;
  def.scrollBarImage = kShowcaseScrollTrack;
  def.scrollBarX = kListX + kRowWidth + 8;
  def.scrollBarY = kListY;
  def.scrollBarWidth = 24;
  def.scrollBarHeight = kListHeight;
  def.thumbImage = kShowcaseThumb;
  def.thumbWidth = 20;
  def.thumbLength = kListHeight;
  def.thumbHasCap = 1;
  def.thumbCapImage = kShowcaseThumbCap;
  def.thumbCapLength = 8;
  def.trackStartX = def.scrollBarX + 2;
  def.trackStartY = kListY;
  def.trackEndX = def.scrollBarX + 2;
  def.trackEndY = kListY + kListHeight - 80;
  def.scrollTransparent = 1;
  def.scrollColorKey = kShowcaseColorKey;
  def.scrollTapEnabled = 1;
  def.scrollTapX = def.scrollBarX;
  def.scrollTapY = kListY;
  def.scrollTapWidth = 24;
  def.scrollTapHeight = kListHeight;
}

void AddCounter(ScreenDefinition& def) {
  CounterDef& c = def.counter;
  c.shown = 1;
  c.x = 400;
  c.y = 8;
  c.width = 128;
  c.height = 40;
  wcscpy(c.format, L"%d / %d");
  c.color = RGB(255, 230, 150);
  c.fontHeight = 24;
  c.bold = 1;
  c.textFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
}

void AddImageSlots(ScreenDefinition& def) {
  for (int k = 0; k < 4; ++k) {
    ImageSlotDef& slot = def.imageSlots[k];
    slot.shown = 1;
    slot.image = kShowcaseIcons;
    slot.x = 370 + k * 40;
    slot.y = 416;
    slot.frameCount = kShowcaseIconFrames;
    slot.transparent = k % 2;
    slot.colorKey = kShowcaseColorKey;
  }
}

void AddLabel(ScreenDefinition& def, int j, int x, int y, int width, int height, int fontHeight) {
  LabelDef& label = def.labels[j];
  label.shown = 1;
  label.x = x;
  label.y = y;
  label.width = width;
  label.height = height;
  label.format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  label.color = RGB(235, 240, 250);
  label.fontHeight = fontHeight;
}

void AddLabels(ScreenDefinition& def) {
  AddLabel(def, 0, kListX, 8, 370, 40, 30);
  def.labels[0].bold = 1;
  def.labels[0].shadow = 1;
  def.labels[0].shadowColor = RGB(0, 0, 0);
  AddLabel(def, 1, 540, 404, 250, 30, 20);  // long text: cut with an ellipsis
  AddLabel(def, 2, 540, 440, 250, 30, 20);
  def.labels[2].noEllipsis = 1;
}

}  // namespace

void BuildShowcaseScreen(ScreenDefinition& def, CImagePainter* painter) {
  std::memset(&def, 0, sizeof def);
  def.painter = painter;
  def.backgroundImage = kShowcaseBackground;
  def.keyboardFocus = 1;
  def.keyPrevious = VK_LEFT;
  def.keyNext = VK_RIGHT;
  def.keyActivate = VK_RETURN;
  def.keyListUp = VK_UP;
  def.keyListDown = VK_DOWN;
  def.actOnRelease = 1;
  AddButtons(def);
  AddList(def);
  AddScrollBar(def);
  AddCounter(def);
  AddImageSlots(def);
  AddLabels(def);
}

void FillShowcaseState(CBrowserWnd& browser) {
  for (int n = 0; n < kShowcaseRows; ++n) {
    RowItem* row = new RowItem;
    row->text = (L"Destination " + std::to_wstring(n + 1) + L", a street with a long name").c_str();
    row->subText = (std::to_wstring(n * 3 + 1) + L"." + std::to_wstring(n % 10) + L" km").c_str();
    row->value = n;
    row->icon = n % kShowcaseIconFrames;
    browser.AddRow(row);
  }
  browser.SetLabelText(0, L"Showcase");
  browser.SetLabelText(1, L"Route calculated along the coast road, arriving at 17:42");
  browser.SetLabelText(2, L"Clear, no ellipsis");
  for (int k = 0; k < 4; ++k) browser.SetSlotFrame(k, k * 2);
  browser.buttonPressed[kToggleButton] = 1;
  browser.SetFocusToId(FOCUS_ID_BUTTON + kFocusedButton);
}
