// The full paint and the drawing of single elements: buttons with their
// captions, image slots, labels and the list's position text.
#include <cwchar>

#include "browser_wnd.h"
#include "image_painter.h"
#include "text_drawing.h"
#include "wide_format.h"

namespace {
const int kButtonStateNormal = 0;
const int kButtonStatePressed = 1;
const int kButtonStateFocused = 2;

int BoundedLength(const WCHAR* field, size_t capacity) {
  return static_cast<int>(wcsnlen(field, capacity));
}
}  // namespace

void CBrowserWnd::OnPaint() {
  CPaintDC paintDC(this);
  painting = true;
  CImagePainter* painter = Painter();
  if (!suspended && painter != nullptr) painter->DrawImage(&g_backBuffer, definition.backgroundImage);
  for (int i = 0; i < kMaxButtons; ++i) DrawButton(i);
  if (definition.listEnabled) RedrawList();
  for (int k = 0; k < kMaxImageSlots; ++k) DrawImageSlot(k);
  for (int j = 0; j < kMaxLabels; ++j) DrawLabel(j);
  DrawCounter();
  // One transfer of the whole buffer: the window never shows a half-built
  // screen. While suspended the window gets the buffer's earlier content.
  paintDC.BitBlt(0, 0, BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT, &g_backBuffer, 0, 0, SRCCOPY);
  painting = false;
  if (!suspended && definition.paintCallback != nullptr) definition.paintCallback(m_hWnd);
}

void CBrowserWnd::MakeFont(CFont& font, int height, BYTE bold, WCHAR* faceName,
                           int faceNameCapacity) {
  // The face is read only inside its field, which need not hold a
  // terminator, and at most the 31 characters a font description holds;
  // a longer (invalid) face name is cut there.
  WCHAR face[LF_FACESIZE] = {0};
  if (faceName != nullptr && faceNameCapacity > 0) {
    if (faceName[0] == L'\0') lstrcpynW(faceName, defaultFaceName, faceNameCapacity);
    int limit = faceNameCapacity < LF_FACESIZE - 1 ? faceNameCapacity : LF_FACESIZE - 1;
    for (int n = 0; n < limit && faceName[n] != L'\0'; ++n) face[n] = faceName[n];
  } else {
    lstrcpynW(face, defaultFaceName, LF_FACESIZE);
  }
  // No text taller than the screen can be seen; far taller ones make the
  // font engine take seconds per text, or corrupt its heap.
  const int kMaxFontHeight = 2048;
  if (height > kMaxFontHeight) height = kMaxFontHeight;
  if (height < -kMaxFontHeight) height = -kMaxFontHeight;
  font.CreateFont(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_STROKE_PRECIS, DEFAULT_QUALITY, 0,
                  face);
}

void CBrowserWnd::EraseFromBackground(CDC* dc, int x, int y, int width, int height) {
  CImagePainter* painter = Painter();
  // An empty rectangle has nothing to erase; a negative size must not reach
  // the block transfer, which would take it as a mirrored rectangle.
  if (painter == nullptr || width <= 0 || height <= 0) return;
  painter->DrawImagePart(dc, definition.backgroundImage, x, y, width, height, x, y, SRCCOPY);
}

void CBrowserWnd::DrawButton(int i) {
  if (suspended || i < 0 || i >= kMaxButtons) return;
  const ButtonDef& button = definition.buttons[i];
  if (!button.shown) return;
  if (button.listAction != 0 && !ListUsable()) return;
  CImagePainter* painter = Painter();
  if (painter == nullptr) return;

  if (button.transparent) painter->SetTransparency(TRUE, button.colorKey);
  int state = kButtonStateNormal;
  if (buttonPressed[i] == 1) {
    state = kButtonStatePressed;  // a toggle that is on wins over the focus
  } else if (definition.keyboardFocus && GetFocusedId() == FOCUS_ID_BUTTON + i) {
    state = kButtonStateFocused;
  }
  DrawButtonImage(i, state);
  DrawButtonText(i, state);
  if (button.transparent) painter->SetTransparency(FALSE, 0);
}

void CBrowserWnd::DrawButtonImage(int i, int state) {
  if (suspended || i < 0 || i >= kMaxButtons) return;
  CImagePainter* painter = Painter();
  if (painter == nullptr) return;
  const ButtonDef& button = definition.buttons[i];
  const INT32* images = nullptr;
  switch (state) {
    case kButtonStateNormal: images = button.normalImages; break;
    case kButtonStatePressed: images = button.pressedImages; break;
    case kButtonStateFocused: images = button.focusedImages; break;
    default: return;
  }
  int variant = buttonVariant[i];
  if (variant < 0 || variant >= kButtonVariants) return;
  DrawTarget target(this);
  int imageId = images[variant];
  if (imageId == -1) {
    EraseFromBackground(target.dc(), button.x, button.y, button.width, button.height);
  } else {
    painter->DrawImageAt(target.dc(), imageId, button.x, button.y);
  }
}

void CBrowserWnd::DrawButtonText(int i, int state) {
  if (suspended || i < 0 || i >= kMaxButtons || state < 0 || state >= kButtonStates) return;
  ButtonTextDef& caption = definition.buttonTexts[i];
  if (!caption.hasText) return;
  const ButtonDef& button = definition.buttons[i];
  RECT box;
  box.left = button.x + caption.textX;
  box.top = button.y + caption.textY;
  box.right = box.left + caption.textWidth;
  box.bottom = box.top + caption.textHeight;

  CFont font;
  MakeFont(font, caption.fontHeights[state], caption.bold[state], caption.faceName,
           static_cast<int>(sizeof caption.faceName / sizeof caption.faceName[0]));
  DrawTarget target(this);
  CDC* dc = target.dc();
  CTextFraming framing(dc, caption.colors[state], &font);

  const int length =
      BoundedLength(caption.text, sizeof caption.text / sizeof caption.text[0]);
  bool lineFeed = wmemchr(caption.text, L'\n', length) != nullptr;
  // A caption that fits on one line is centred vertically, whatever the
  // owner's flags. The desktop's DrawText centres only single lines, so the
  // single-line flag comes with DT_VCENTER; the caption is known to be one
  // line here, so it changes nothing else.
  UINT format = caption.format;
  if (!lineFeed && dc->GetTextExtent(caption.text, length).cx < caption.textWidth) {
    format |= DT_VCENTER | DT_SINGLELINE;
  }
  dc->DrawText(caption.text, length, &box, format);
}

void CBrowserWnd::DrawImageSlot(int k) {
  if (suspended || k < 0 || k >= kMaxImageSlots) return;
  const ImageSlotDef& slot = definition.imageSlots[k];
  if (!slot.shown) return;
  CImagePainter* painter = Painter();
  // A strip of no frames has nothing to show (and would divide by zero).
  if (painter == nullptr || slot.frameCount < 1) return;
  DrawTarget target(this);
  if (slot.transparent) painter->SetTransparency(TRUE, slot.colorKey);
  painter->DrawImageFrame(target.dc(), slot.image, slot.frameCount, slotFrames[k], slot.x, slot.y,
                          SRCCOPY);
  if (slot.transparent) painter->SetTransparency(FALSE, 0);
}

void CBrowserWnd::DrawLabel(int j) {
  if (suspended || j < 0 || j >= kMaxLabels) return;
  LabelDef& label = definition.labels[j];
  if (!label.shown) return;
  RECT box = {label.x, label.y, label.x + label.width, label.y + label.height};
  CFont font;
  MakeFont(font, label.fontHeight, label.bold, label.faceName,
           static_cast<int>(sizeof label.faceName / sizeof label.faceName[0]));
  DrawTarget target(this);
  CDC* dc = target.dc();
  EraseFromBackground(dc, label.x, label.y, label.width, label.height);
  const CString& text = labelTexts[j];
  if (text.IsEmpty()) return;

  auto drawText = [&](COLORREF color, RECT where) {
    CTextFraming framing(dc, color, &font);
    if (label.noEllipsis) {
      dc->DrawText(text, &where, label.format);
    } else {
      DrawTextEllipsis(dc, text, where.left, where.top, where.right, where.bottom, label.format);
    }
  };
  if (label.shadow == 1) {
    RECT shadowBox = {box.left, box.top + 1, box.right, box.bottom + 1};
    drawText(label.shadowColor, shadowBox);
  }
  drawText(label.color, box);
}

void CBrowserWnd::DrawCounter() {
  if (suspended || !ListUsable()) return;
  CounterDef& counter = definition.counter;
  if (!counter.shown) return;
  DrawTarget target(this);
  CDC* dc = target.dc();
  EraseFromBackground(dc, counter.x, counter.y, counter.width, counter.height);

  const int count = rows.GetCount();
  const int position = count == 0 ? 0 : selectedRow + 1;
  // The format comes from the owner's record and need not be terminated.
  // It is applied with integer conversions only, so a format such as "%s"
  // or "%n" is shown as text instead of taking a pointer that was never
  // passed.
  WCHAR format[sizeof counter.format / sizeof counter.format[0] + 1] = {0};
  wmemcpy(format, counter.format,
          BoundedLength(counter.format, sizeof counter.format / sizeof counter.format[0]));
  WCHAR text[128];
  if (counter.countFirst) {
    FormatTwoIntegers(text, sizeof text / sizeof text[0], format, count, position);
  } else {
    FormatTwoIntegers(text, sizeof text / sizeof text[0], format, position, count);
  }

  CFont font;
  MakeFont(font, counter.fontHeight, counter.bold, counter.faceName,
           static_cast<int>(sizeof counter.faceName / sizeof counter.faceName[0]));
  CTextFraming framing(dc, counter.color, &font);
  DrawTextEllipsis(dc, text, counter.x, counter.y, counter.x + counter.width,
                   counter.y + counter.height, counter.textFormat);
}
