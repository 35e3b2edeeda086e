// The showcase skin, drawn pixel by pixel into 32-bit DIB sections.
//
// The image table has eight rows, fewer than the looks the screen shows, so
// the looks share images where the component draws only part of one:
//  - every button's normal look is part of the background (its normal image
//    is -1, so the component erases it from there); the pressed and focused
//    looks are one image each, drawn whole, so all buttons have one size;
//  - the list's normal rows are the background too (row style image -1),
//    with the row separators drawn into it;
//  - a row image is drawn from its top-left corner only, so the two selected
//    looks are as tall as the scroll bar: their left columns are the scroll
//    track (drawn whole, clipped to the bar) and the thumb body (drawn from
//    the top-left corner, as long as the thumb); the rows show the same
//    columns as a marker at their left edge;
//  - the icon strip serves the rows and the image slot, and the thumb's cap
//    is also the fixed thumb.
// Edges are smoothed by coverage (rounded rectangles) or by 4 x 4 samples
// per pixel (icons), so that the screen looks clean at 800 x 480.
#include "showcase_skins.h"

#include <cmath>
#include <cstdint>

#include "image_entry.h"
#include "showcase_layout.h"

using namespace showcase;

namespace {

int Channel(COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

COLORREF Mix(COLORREF a, COLORREF b, float t) {
  auto lerp = [t](int x, int y) {
    return static_cast<BYTE>(std::lround(static_cast<float>(x) + static_cast<float>(y - x) * t));
  };
  return RGB(lerp(Channel(a, 0), Channel(b, 0)), lerp(Channel(a, 8), Channel(b, 8)),
             lerp(Channel(a, 16), Channel(b, 16)));
}

float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

// A 32-bit top-down DIB section and the pixel operations the skin needs.
class Canvas {
 public:
  Canvas() = default;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }

  bool Create(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || bits == nullptr) return false;
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
  }

  // Gives the bitmap away; the canvas is empty afterwards.
  HBITMAP Release() {
    HBITMAP b = bitmap_;
    bitmap_ = nullptr;
    bits_ = nullptr;
    return b;
  }

  COLORREF At(int x, int y) const {
    uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  void Set(int x, int y, COLORREF c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    bits_[y * width_ + x] = (static_cast<uint32_t>(Channel(c, 0)) << 16) |
                            (static_cast<uint32_t>(Channel(c, 8)) << 8) |
                            static_cast<uint32_t>(Channel(c, 16));
  }

  void Blend(int x, int y, COLORREF c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0.0f) return;
    Set(x, y, coverage >= 1.0f ? c : Mix(At(x, y), c, coverage));
  }

  void Fill(COLORREF c) { Rect(0, 0, width_, height_, c); }

  // [left, right) x [top, bottom).
  void Rect(int left, int top, int right, int bottom, COLORREF c) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) Set(x, y, c);
    }
  }

  void VerticalGradient(int left, int top, int right, int bottom, COLORREF from, COLORREF to) {
    for (int y = top; y < bottom; ++y) {
      float t = bottom - top > 1 ? static_cast<float>(y - top) / static_cast<float>(bottom - top - 1) : 0.0f;
      COLORREF c = Mix(from, to, t);
      for (int x = left; x < right; ++x) Set(x, y, c);
    }
  }

  // A rounded rectangle [left, right) x [top, bottom) with smoothed edges,
  // filled from `from` at the top to `to` at the bottom.
  void RoundRect(float left, float top, float right, float bottom, float radius, COLORREF from,
                 COLORREF to) {
    const float cx = (left + right) / 2.0f;
    const float cy = (top + bottom) / 2.0f;
    const float hx = (right - left) / 2.0f - radius;
    const float hy = (bottom - top) / 2.0f - radius;
    const int x0 = static_cast<int>(std::floor(left));
    const int x1 = static_cast<int>(std::ceil(right));
    const int y0 = static_cast<int>(std::floor(top));
    const int y1 = static_cast<int>(std::ceil(bottom));
    for (int y = y0; y < y1; ++y) {
      float t = Clamp01((static_cast<float>(y) + 0.5f - top) / (bottom - top));
      COLORREF c = Mix(from, to, t);
      for (int x = x0; x < x1; ++x) {
        float qx = std::fabs(static_cast<float>(x) + 0.5f - cx) - hx;
        float qy = std::fabs(static_cast<float>(y) + 0.5f - cy) - hy;
        float outside = std::hypot(qx > 0 ? qx : 0.0f, qy > 0 ? qy : 0.0f);
        float inside = qx > qy ? qx : qy;
        float d = outside + (inside < 0 ? inside : 0.0f) - radius;
        Blend(x, y, c, Clamp01(0.5f - d));
      }
    }
  }

  void RoundRect(float left, float top, float right, float bottom, float radius, COLORREF c) {
    RoundRect(left, top, right, bottom, radius, c, c);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  HBITMAP bitmap_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// A panel: a one-pixel border around a flat fill.
void Panel(Canvas& c, const RECT& r, float radius, COLORREF border, COLORREF fill) {
  c.RoundRect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right),
              static_cast<float>(r.bottom), radius, border);
  c.RoundRect(static_cast<float>(r.left + 1), static_cast<float>(r.top + 1),
              static_cast<float>(r.right - 1), static_cast<float>(r.bottom - 1), radius - 1, fill);
}

enum class Face { kNormal, kPressed, kFocused };

// One button face at (x, y), drawn over the panel fill that lies under
// every button, so that its corners match the background whichever look is
// on the screen.
void ButtonFace(Canvas& c, int x, int y, Face face) {
  const float l = static_cast<float>(x);
  const float t = static_cast<float>(y);
  const float r = l + kButtonWidth;
  const float b = t + kButtonHeight;
  const float radius = kButtonRadius;
  c.Rect(x, y, x + kButtonWidth, y + kButtonHeight, kPanelFill);
  switch (face) {
    case Face::kNormal:
      c.RoundRect(l, t, r, b, radius, kButtonBorder);
      c.RoundRect(l + 1, t + 1, r - 1, b - 1, radius - 1, kButtonTop, kButtonBottom);
      break;
    case Face::kPressed:
      c.RoundRect(l, t, r, b, radius, kPressedBorder);
      c.RoundRect(l + 1, t + 1, r - 1, b - 1, radius - 1, kPressedTop, kPressedBottom);
      break;
    case Face::kFocused:
      c.RoundRect(l, t, r, b, radius, kFocusRing);
      c.RoundRect(l + 2, t + 2, r - 2, b - 2, radius - 2, kButtonBorder);
      c.RoundRect(l + 3, t + 3, r - 3, b - 3, radius - 3, kButtonTop, kButtonBottom);
      break;
  }
}

bool Hand(Canvas& c, int id) {
  for (ImageEntry* entry = g_imageTable; entry->id >= 0; ++entry) {
    if (entry->id != id) continue;
    if (entry->bitmap != nullptr) DeleteObject(entry->bitmap);
    entry->bitmap = c.Release();
    entry->x = 0;
    entry->y = 0;
    return true;
  }
  return false;
}

// ---- the images ----------------------------------------------------------

bool MakeBackground() {
  Canvas c;
  if (!c.Create(kScreenWidth, kScreenHeight)) return false;
  c.VerticalGradient(0, 0, kScreenWidth, kScreenHeight, kScreenTop, kScreenBottom);
  c.VerticalGradient(0, 0, kScreenWidth, kTitleBarHeight, kTitleTop, kTitleBottom);
  c.Rect(0, kTitleBarHeight, kScreenWidth, kTitleBarHeight + 2, kAccentLine);

  Panel(c, kLeftPanel, kPanelRadius, kPanelBorder, kPanelFill);
  Panel(c, kRightPanel, kPanelRadius, kPanelBorder, kPanelFill);
  // Header rules of the two panels.
  c.Rect(kLeftPanel.left + 8, 80, kLeftPanel.right - 8, 81, kPanelBorder);
  c.Rect(kRightPanel.left + 8, 80, kRightPanel.right - 8, 81, kPanelBorder);
  // Separators between the list's rows (the normal row look).
  for (int k = 1; k <= kVisibleRows; ++k) {
    int y = kListY + k * kRowHeight - 1;
    c.Rect(kListX + 12, y, kListX + kRowWidth - 12, y + 1, kRowSeparator);
  }
  // A rule between the buttons and the state lines of the right panel.
  c.Rect(kRightPanel.left + 16, 258, kRightPanel.right - 16, 259, kRowSeparator);

  for (const ButtonPlace& p : kButtonPlaces) ButtonFace(c, p.x, p.y, Face::kNormal);

  // The tile the image slot shows its frame on.
  const RECT& t = kSlotTile;
  c.RoundRect(static_cast<float>(t.left), static_cast<float>(t.top), static_cast<float>(t.right),
              static_cast<float>(t.bottom), 8.0f, kButtonBorder);
  c.RoundRect(static_cast<float>(t.left + 1), static_cast<float>(t.top + 1),
              static_cast<float>(t.right - 1), static_cast<float>(t.bottom - 1), 7.0f,
              kIconEdgeBase);

  const RECT status = {8, kStatusTop, 792, kStatusBottom};
  Panel(c, status, 6.0f, kStatusBorder, kStatusFill);
  return Hand(c, kImageBackground);
}

bool MakeButtonLook(int id, Face face) {
  Canvas c;
  if (!c.Create(kButtonWidth, kButtonHeight)) return false;
  ButtonFace(c, 0, 0, face);
  return Hand(c, id);
}

// A selected row look whose left columns, all the way down, are `stripe`.
bool MakeSelectedRow(int id, COLORREF stripe, COLORREF fillTop, COLORREF fillBottom) {
  Canvas c;
  if (!c.Create(kRowWidth, kRowImageHeight)) return false;
  c.Fill(kPanelFill);
  c.VerticalGradient(kScrollBarWidth, 0, kRowWidth, kRowHeight, fillTop, fillBottom);
  c.Rect(0, 0, kScrollBarWidth, kRowImageHeight, stripe);
  return Hand(c, id);
}

bool MakePressedRow() {
  Canvas c;
  if (!c.Create(kRowWidth, kRowHeight)) return false;
  c.VerticalGradient(0, 0, kRowWidth, kRowHeight, kPressedRowTop, kPressedRowBottom);
  c.Rect(0, 0, kScrollBarWidth, kRowHeight, kPressedMarker);
  return Hand(c, kImageRowPressed);
}

// ---- icons ----------------------------------------------------------------

struct Pt {
  float x;
  float y;
};

bool InPolygon(const Pt* p, int n, float x, float y) {
  bool in = false;
  for (int i = 0, j = n - 1; i < n; j = i++) {
    if ((p[i].y > y) != (p[j].y > y) &&
        x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x) {
      in = !in;
    }
  }
  return in;
}

bool InCircle(float cx, float cy, float r, float x, float y) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

bool InBox(float l, float t, float r, float b, float x, float y) {
  return x >= l && x < r && y >= t && y < b;
}

bool InRoundBox(float l, float t, float r, float b, float radius, float x, float y) {
  if (!InBox(l, t, r, b, x, y)) return false;
  float cx = x < l + radius ? l + radius : (x > r - radius ? r - radius : x);
  float cy = y < t + radius ? t + radius : (y > b - radius ? b - radius : y);
  return InCircle(cx, cy, radius, x, y);
}

bool Paint(COLORREF* out, COLORREF c) {
  *out = c;
  return true;
}

// The colour of icon `icon` at (x, y) inside its frame, or false for none.
bool IconSample(int icon, float x, float y, COLORREF* out) {
  const COLORREF white = RGB(0xFF, 0xFF, 0xFF);
  switch (icon) {
    case 0: {  // home
      static const Pt roof[] = {{3.5f, 16.0f}, {16.0f, 4.0f}, {28.5f, 16.0f}};
      if (InBox(14.0f, 19.0f, 18.5f, 27.0f, x, y)) return Paint(out, kIconEdgeBase);
      if (InPolygon(roof, 3, x, y) || InBox(8.0f, 15.0f, 24.0f, 27.0f, x, y)) {
        return Paint(out, RGB(0x4F, 0xD1, 0xC5));
      }
      return false;
    }
    case 1: {  // star
      Pt star[10];
      for (int k = 0; k < 10; ++k) {
        float angle = -1.5707963f + static_cast<float>(k) * 0.6283185f;
        float radius = k % 2 == 0 ? 13.5f : 5.6f;
        star[k] = Pt{16.0f + radius * std::cos(angle), 17.0f + radius * std::sin(angle)};
      }
      if (InPolygon(star, 10, x, y)) return Paint(out, RGB(0xFF, 0xC9, 0x4D));
      return false;
    }
    case 2: {  // fuel drop
      static const Pt tip[] = {{16.0f, 3.5f}, {8.6f, 16.0f}, {23.4f, 16.0f}};
      if (InCircle(13.0f, 20.0f, 2.2f, x, y)) return Paint(out, RGB(0xFF, 0xD2, 0xB0));
      if (InCircle(16.0f, 19.5f, 8.5f, x, y) || InPolygon(tip, 3, x, y)) {
        return Paint(out, RGB(0xFF, 0x8A, 0x3D));
      }
      return false;
    }
    case 3: {  // parking
      bool bowl = x >= 16.0f && InCircle(16.0f, 13.0f, 5.5f, x, y);
      bool bowlHole = x >= 15.0f && (InCircle(16.0f, 13.0f, 2.5f, x, y) || InBox(15.0f, 10.5f, 16.0f, 15.5f, x, y));
      bool bar = InBox(11.0f, 7.5f, 16.0f, 18.5f, x, y);
      bool stem = InBox(11.0f, 7.5f, 14.5f, 25.0f, x, y);
      if (stem || ((bowl || bar) && !bowlHole)) return Paint(out, white);
      if (InRoundBox(3.5f, 3.5f, 28.5f, 28.5f, 6.0f, x, y)) return Paint(out, RGB(0x3D, 0x8B, 0xFF));
      return false;
    }
    case 4: {  // flag
      static const Pt flag[] = {{10.5f, 5.5f}, {27.0f, 11.0f}, {10.5f, 17.5f}};
      if (InBox(7.5f, 4.5f, 10.5f, 28.0f, x, y)) return Paint(out, RGB(0xC9, 0xD2, 0xE0));
      if (InPolygon(flag, 3, x, y)) return Paint(out, RGB(0xFF, 0x5A, 0x5F));
      return false;
    }
    case 5: {  // heart
      static const Pt point[] = {{5.2f, 14.5f}, {26.8f, 14.5f}, {16.0f, 27.0f}};
      if (InCircle(11.0f, 12.0f, 6.2f, x, y) || InCircle(21.0f, 12.0f, 6.2f, x, y) ||
          InPolygon(point, 3, x, y)) {
        return Paint(out, RGB(0xFF, 0x6F, 0xA8));
      }
      return false;
    }
    case 6: {  // map pin
      static const Pt point[] = {{8.3f, 17.0f}, {23.7f, 17.0f}, {16.0f, 29.5f}};
      if (InCircle(16.0f, 13.0f, 3.6f, x, y)) return Paint(out, kIconEdgeBase);
      if (InCircle(16.0f, 13.0f, 9.0f, x, y) || InPolygon(point, 3, x, y)) {
        return Paint(out, RGB(0x5B, 0xD7, 0x78));
      }
      return false;
    }
    default: {  // information
      if (InCircle(16.0f, 9.5f, 2.3f, x, y) || InBox(14.2f, 13.5f, 17.8f, 24.0f, x, y)) {
        return Paint(out, white);
      }
      if (InCircle(16.0f, 16.0f, 12.5f, x, y)) return Paint(out, RGB(0xB6, 0x8C, 0xFF));
      return false;
    }
  }
}

bool MakeIcons() {
  Canvas c;
  if (!c.Create(kIconSize * kIconFrames, kIconSize)) return false;
  const int n = 4;  // samples per pixel along each axis
  for (int icon = 0; icon < kIconFrames; ++icon) {
    for (int y = 0; y < kIconSize; ++y) {
      for (int x = 0; x < kIconSize; ++x) {
        int covered = 0;
        int sum[3] = {0, 0, 0};
        for (int sy = 0; sy < n; ++sy) {
          for (int sx = 0; sx < n; ++sx) {
            COLORREF s;
            float px = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / n;
            float py = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / n;
            if (!IconSample(icon, px, py, &s)) s = kIconEdgeBase;
            else ++covered;
            for (int k = 0; k < 3; ++k) sum[k] += Channel(s, 8 * k);
          }
        }
        COLORREF pixel = kColorKey;
        if (covered > 0) {
          const int total = n * n;
          pixel = RGB((sum[0] + total / 2) / total, (sum[1] + total / 2) / total,
                      (sum[2] + total / 2) / total);
          // A blended edge pixel must never come out as the key itself.
          if (pixel == kColorKey) pixel = RGB(0xFE, 0x00, 0xFE);
        }
        c.Set(icon * kIconSize + x, y, pixel);
      }
    }
  }
  return Hand(c, kImageIcons);
}

// The thumb's cap, also the fixed thumb: square at the top where it meets
// the body, rounded at the bottom, with grip lines; its cut corners are the
// colour key (the thumb is drawn with it).
bool MakeKnob() {
  Canvas c;
  if (!c.Create(kScrollBarWidth, kKnobHeight)) return false;
  const float radius = 4.0f;
  for (int y = 0; y < kKnobHeight; ++y) {
    for (int x = 0; x < kScrollBarWidth; ++x) {
      float px = static_cast<float>(x) + 0.5f;
      float py = static_cast<float>(y) + 0.5f;
      float cy = kKnobHeight - radius;
      float cx = px < radius ? radius : (px > kScrollBarWidth - radius ? kScrollBarWidth - radius : px);
      bool inside = py <= cy || InCircle(cx, cy, radius, px, py);
      c.Set(x, y, inside ? kKnob : kColorKey);
    }
  }
  for (int line = 0; line < 3; ++line) c.Rect(3, 6 + line * 3, kScrollBarWidth - 3, 7 + line * 3, kThumbGrip);
  return Hand(c, kImageThumbKnob);
}

}  // namespace

bool MakeShowcaseSkins() {
  bool ok = MakeBackground();
  ok = MakeButtonLook(kImageButtonPressed, Face::kPressed) && ok;
  ok = MakeButtonLook(kImageButtonFocused, Face::kFocused) && ok;
  ok = MakeSelectedRow(kImageRowSelected, kTrack, kSelectedFill, Mix(kSelectedFill, kPanelFill, 0.4f)) && ok;
  ok = MakeSelectedRow(kImageRowSelectedFocused, kThumb, kFocusedSelectedFill,
                       Mix(kFocusedSelectedFill, kPanelFill, 0.4f)) && ok;
  ok = MakePressedRow() && ok;
  ok = MakeIcons() && ok;
  ok = MakeKnob() && ok;
  return ok;
}
