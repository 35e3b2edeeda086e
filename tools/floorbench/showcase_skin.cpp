#include "showcase_skin.h"

#include <windows.h>

#include "generated_bitmap.h"

namespace {

// A rounded-looking body: a border, a fill, and corners in the colour key.
PixelFunction Panel(int width, int height, COLORREF fill, COLORREF border) {
  return [=](int x, int y) -> COLORREF {
    const bool corner = (x < 3 || x >= width - 3) && (y < 3 || y >= height - 3);
    if (corner) return kShowcaseColorKey;
    if (x < 2 || y < 2 || x >= width - 2 || y >= height - 2) return border;
    return fill;
  };
}

// Eight icons side by side, each a disc of its own colour on the colour key.
COLORREF IconPixel(int x, int y) {
  const int frame = x / 32;
  const int dx = x % 32 - 16;
  const int dy = y - 16;
  if (dx * dx + dy * dy > 14 * 14) return kShowcaseColorKey;
  return RGB(40 + frame * 26, 220 - frame * 20, 90 + (frame % 3) * 60);
}

}  // namespace

bool InstallShowcaseSkin() {
  bool ok = true;
  ok &= ReplaceSkinImage(kShowcaseButtonNormal,
                         MakeSkinBitmap(160, 56, Panel(160, 56, RGB(40, 70, 120), RGB(150, 170, 210))));
  ok &= ReplaceSkinImage(kShowcaseButtonPressed,
                         MakeSkinBitmap(160, 56, Panel(160, 56, RGB(80, 140, 220), RGB(230, 240, 255))));
  ok &= ReplaceSkinImage(kShowcaseThumbCap,
                         MakeSkinBitmap(20, 8, Panel(20, 8, RGB(200, 200, 210), RGB(120, 120, 130))));
  ok &= ReplaceSkinImage(kShowcaseRowSelected,
                         MakeSkinBitmap(480, 48, Panel(480, 48, RGB(50, 90, 60), RGB(110, 200, 130))));
  ok &= ReplaceSkinImage(kShowcaseThumb,
                         MakeSkinBitmap(20, 120, Panel(20, 120, RGB(170, 170, 185), RGB(120, 120, 130))));
  ok &= ReplaceSkinImage(kShowcaseIcons, MakeSkinBitmap(32 * kShowcaseIconFrames, 32, IconPixel));
  ok &= ReplaceSkinImage(kShowcaseScrollTrack, MakeSkinBitmap(24, 336, [](int x, int /*y*/) {
                           return x == 11 || x == 12 ? RGB(90, 100, 120) : RGB(28, 34, 48);
                         }));
  return ok;
}
