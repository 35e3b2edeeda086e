// Rendering of the component's list and scroll bar: row looks, row
// backgrounds, icons and text colours, where the thumb goes for both kinds
// of thumb (also for records outside the valid range), and the scroll-
// position message that every list redraw posts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "component_fixture.h"

namespace {

const COLORREF kFill = RGB(250, 250, 10);
const COLORREF kList = RGB(60, 60, 60);
const COLORREF kStyle[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 100), RGB(200, 200, 0),
                           RGB(0, 200, 100)};
const COLORREF kText1 = RGB(255, 255, 255);
const COLORREF kText2 = RGB(255, 128, 0);
const COLORREF kFrame[] = {RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90)};
const COLORREF kBar = RGB(90, 10, 90);
const COLORREF kThumb = RGB(10, 90, 90);
const COLORREF kCap = RGB(90, 90, 10);
const UINT kScrollMessage = WM_USER + 77;

// List at (100, 80), 200 x 100; four rows of 190 x 20 from (5, 10) in it.
const int kListX = 100;
const int kListY = 80;
const int kRowOriginX = 5;
const int kRowOriginY = 10;
const int kRowHeight = 20;
// Scroll bar at (320, 80), 20 x 100.
const int kBarX = 320;
const int kBarY = 80;

class ListPaintTest : public ComponentFixture {
 protected:
  void SetUp() override {
    ComponentFixture::SetUp();
    for (int s = 0; s < 5; ++s) skin.Set(1 + s, MakeSolidBitmap(190, 20, kStyle[s]));
    skin.Set(6, MakeSolidBitmap(200, 100, kList));
    def.listEnabled = 1;
    def.listActive = 1;
    def.listImage = 6;
    def.listX = kListX;
    def.listY = kListY;
    def.listWidth = 200;
    def.listHeight = 100;
    def.visibleRows = 4;
    def.rowWidth = 190;
    def.rowHeight = kRowHeight;
    def.rowOriginX = kRowOriginX;
    def.rowOriginY = kRowOriginY;
    def.text1Left = 30;
    def.text1Top = 1;
    def.text1Right = 120;
    def.text1Bottom = 19;
    def.text2Left = 5;  // box 2 from 125 to 185 of the row
    def.text2Top = 1;
    def.text2Right = 65;
    def.text2Bottom = 19;
    def.text1Format = def.text2Format = DT_LEFT | DT_SINGLELINE;
    for (int s = 0; s < 5; ++s) {
      RowStyleDef& style = def.rowStyles[s];
      style.image = 1 + s;
      style.text1Color = kText1;
      style.text2Color = kText2;
      style.text1FontHeight = -16;
      style.text2FontHeight = -16;
      style.text1Bold = style.text2Bold = 1;
      wcscpy(style.faceName, L"Tahoma");
    }
    def.scrollBarX = kBarX;
    def.scrollBarY = kBarY;
    def.scrollBarWidth = 20;
    def.scrollBarHeight = 100;
    def.scrollPositionMessage = kScrollMessage;
  }

  void SetRows(int count, const wchar_t* text = L"") {
    browser->RemoveAllRows();
    for (int n = 0; n < count; ++n) {
      RowItem* row = new RowItem;
      row->text = text;
      row->subText = text;
      browser->AddRow(row);
    }
  }

  // RedrawList into the back buffer, as during a full paint.
  void RedrawIntoBackBuffer() {
    FillBackBuffer(kFill);
    painter.Take();
    browser->painting = true;
    browser->RedrawList();
    browser->painting = false;
  }

  // Window position of visible row r.
  static int RowX() { return kListX + kRowOriginX; }
  static int RowY(int r) { return kListY + kRowOriginY + r * kRowHeight; }

  static int Count(const RECT& r, COLORREF colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += g_backBuffer.GetPixel(x, y) == colour ? 1 : 0;
    }
    return n;
  }
};

// ---- Rows ----------------------------------------------------------------

TEST_F(ListPaintTest, RowsTakeTheLookOfSelectionPressAndListFocus) {
  def.keyboardFocus = 1;  // the list is the one focus entry
  LoadAndCreate();
  ASSERT_EQ(browser->focusCount, 1);
  SetRows(3);
  const int none = -1;  // no row there: the list background shows
  const struct {
    const char* name;
    BYTE keyboardFocus;
    int focusIndex;
    bool rowPressed;
    int selectedRow;
    int topRow;
    int looks[4];  // of visible rows 0-3
  } cases[] = {
      {"normal and selected", 0, 0, false, 1, 0, {0, 1, 0, none}},
      {"pressed", 0, 0, true, 1, 0, {0, 2, 0, none}},
      {"focused list", 1, 0, false, 1, 0, {3, 4, 3, none}},
      {"pressed in the focused list", 1, 0, true, 1, 0, {3, 2, 3, none}},
      {"focus elsewhere", 1, -1, false, 1, 0, {0, 1, 0, none}},
      {"selection past the rows", 0, 0, true, 5, 0, {0, 0, 0, none}},
      {"scrolled by one", 0, 0, false, 1, 1, {1, 0, none, none}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    browser->definition.keyboardFocus = c.keyboardFocus;
    browser->focusIndex = c.focusIndex;
    browser->rowPressed = c.rowPressed;
    browser->selectedRow = c.selectedRow;
    browser->topRow = c.topRow;
    PaintNow();
    for (int r = 0; r < 4; ++r) {
      SCOPED_TRACE(r);
      COLORREF expected = c.looks[r] == none ? kList : kStyle[c.looks[r]];
      EXPECT_EQ(BackBufferPixel(RowX() + 1, RowY(r) + 1), expected);
      EXPECT_EQ(WindowPixel(RowX() + 1, RowY(r) + 1), expected);
    }
  }
}

TEST_F(ListPaintTest, RowBackgroundComesFromStyleListOrScreenImage) {
  LoadAndCreate();
  SetRows(3);
  CBackBufferDC surface;
  surface.Create(&g_backBuffer, 200, 100);
  // Row 1 in the list's surface is at (5, 30); in the window at (105, 110).
  const struct {
    const char* name;
    int styleImage;
    int listImage;
    int backgroundImage;
    BYTE rowTransparent;
    const char* op;  // nullptr: nothing drawn
    int imageId, xSrc, ySrc;
  } cases[] = {
      {"style image", 1, 6, 0, 0, "DrawImageSized", 1, 0, 0},
      {"style image with colour key", 1, 6, 0, 1, "DrawImageSized", 1, 0, 0},
      {"from the list image", -1, 6, 0, 0, "DrawImagePart", 6, 5, 30},
      {"from the screen background", -1, -1, 0, 0, "DrawImagePart", 0, 105, 110},
      {"no image at all", -1, -1, -1, 0, nullptr, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    browser->definition.rowStyles[0].image = c.styleImage;
    browser->definition.listImage = c.listImage;
    browser->definition.backgroundImage = c.backgroundImage;
    browser->definition.rowTransparent = c.rowTransparent;
    browser->definition.rowColorKey = kFill;
    browser->selectedRow = 0;
    painter.Take();
    browser->DrawRow(1, &surface);
    std::vector<DrawCall> calls = painter.Take();
    if (c.op == nullptr) {
      EXPECT_TRUE(calls.empty()) << CRecordingPainter::Dump(calls);
      continue;
    }
    size_t at = c.rowTransparent ? 1 : 0;
    ASSERT_EQ(calls.size(), at * 2 + 1) << CRecordingPainter::Dump(calls);
    const DrawCall& d = calls[at];
    EXPECT_EQ(d.op, c.op);
    EXPECT_EQ(d.surface, SURFACE_OFFSCREEN);
    EXPECT_EQ(d.imageId, c.imageId);
    EXPECT_EQ(d.x, 5);
    EXPECT_EQ(d.y, 30);
    EXPECT_EQ(d.width, 190);
    EXPECT_EQ(d.height, 20);
    EXPECT_EQ(d.xSrc, c.xSrc);
    EXPECT_EQ(d.ySrc, c.ySrc);
    if (c.rowTransparent) {
      EXPECT_EQ(calls[0].op, "SetTransparency");
      EXPECT_EQ(calls[0].extra, 1);
      EXPECT_EQ(static_cast<COLORREF>(calls[0].extra2), kFill);
      EXPECT_EQ(calls[2].op, "SetTransparency");
      EXPECT_EQ(calls[2].extra, 0);
    }
  }
}

TEST_F(ListPaintTest, WithoutASurfaceRowAndBackgroundGoStraightToTheWindow) {
  LoadAndCreate();
  SetRows(3);
  for (bool painting : {false, true}) {
    SCOPED_TRACE(painting ? "during a full paint" : "outside a paint");
    browser->painting = painting;
    painter.Take();
    browser->DrawRow(1, nullptr);
    browser->DrawListBackground(nullptr);
    browser->definition.listImage = -1;
    browser->DrawListBackground(nullptr);
    browser->definition.listImage = 6;
    browser->painting = false;
    std::vector<DrawCall> calls = painter.Take();
    ASSERT_EQ(calls.size(), 3u) << CRecordingPainter::Dump(calls);
    EXPECT_EQ(calls[0].op, "DrawImageSized");
    EXPECT_EQ(calls[0].x, RowX());
    EXPECT_EQ(calls[0].y, RowY(1));
    EXPECT_EQ(calls[1].op, "DrawImageAt");
    EXPECT_EQ(calls[1].x, kListX);
    EXPECT_EQ(calls[1].y, kListY);
    EXPECT_EQ(calls[2].op, "DrawImagePart");
    EXPECT_EQ(calls[2].imageId, 0);
    EXPECT_EQ(calls[2].x, kListX);
    EXPECT_EQ(calls[2].xSrc, kListX);
    EXPECT_EQ(calls[2].ySrc, kListY);
    EXPECT_EQ(calls[2].width, 200);
    for (const DrawCall& c : calls) EXPECT_EQ(c.surface, SURFACE_WINDOW);
  }
  // Rows outside the visible ones and a suspended component draw nothing.
  browser->DrawRow(-1, nullptr);
  browser->DrawRow(4, nullptr);
  browser->suspended = true;
  browser->DrawRow(0, nullptr);
  browser->DrawListBackground(nullptr);
  browser->suspended = false;
  browser->listActive = false;
  browser->DrawRow(0, nullptr);
  EXPECT_TRUE(painter.Take().empty());
}

TEST_F(ListPaintTest, FirstTextTakesTheRowColourUnlessItIsTheStyleMarker) {
  LoadAndCreate();
  const RECT text1 = {RowX() + 30, RowY(0), RowX() + 120, RowY(0) + 20};
  const RECT text2 = {RowX() + 125, RowY(0), RowX() + 185, RowY(0) + 20};
  const struct {
    const char* name;
    COLORREF rowColour;
    COLORREF drawn;
  } cases[] = {
      {"style colour", ROW_STYLE_COLOR, kText1},
      {"black overrides", RGB(0, 0, 0), RGB(0, 0, 0)},
      {"blue overrides", RGB(0, 0, 255), RGB(0, 0, 255)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetRows(1, L"WWWW");
    browser->RowAt(0)->textColor = c.rowColour;
    browser->selectedRow = 1;  // row 0 drawn normal
    RedrawIntoBackBuffer();
    EXPECT_GT(Count(text1, c.drawn), 0);
    if (c.drawn != kText1) {
      EXPECT_EQ(Count(text1, kText1), 0) << "style colour still used";
    }
    EXPECT_GT(Count(text2, kText2), 0) << "second text keeps the style colour";
    EXPECT_EQ(Count(text2, c.drawn), 0);
  }
}

TEST_F(ListPaintTest, IconsShowOnlyForFramesInsideTheStrip) {
  skin.Set(7, MakeBitmap(30, 10, [](int x, int) { return kFrame[x / 10]; }));
  def.rowIconEnabled = 1;
  def.rowIconImage = 7;
  def.rowIconFrames = 3;
  def.rowIconX = 8;
  def.rowIconY = 5;
  LoadAndCreate();
  SetRows(4);
  const int icons[] = {-1, 0, 2, 3};
  for (int r = 0; r < 4; ++r) browser->RowAt(r)->icon = icons[r];
  browser->selectedRow = 9;  // every row drawn normal
  const struct {
    const char* name;
    BYTE enabled;
    int frames;
    COLORREF expected[4];
  } cases[] = {
      {"three frames", 1, 3, {kStyle[0], kFrame[0], kFrame[2], kStyle[0]}},
      {"icons off", 0, 3, {kStyle[0], kStyle[0], kStyle[0], kStyle[0]}},
      {"strip of no frames", 1, 0, {kStyle[0], kStyle[0], kStyle[0], kStyle[0]}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    browser->definition.rowIconEnabled = c.enabled;
    browser->definition.rowIconFrames = c.frames;
    RedrawIntoBackBuffer();
    int icons = 0;
    for (int r = 0; r < 4; ++r) {
      SCOPED_TRACE(r);
      EXPECT_EQ(BackBufferPixel(RowX() + 8, RowY(r) + 5), c.expected[r]);
      icons += c.expected[r] != kStyle[0] ? 1 : 0;
    }
    // Not even asked for: no frame outside the strip reaches the painter.
    EXPECT_EQ(CallsNamed(painter.Take(), "DrawImageFrame").size(), static_cast<size_t>(icons));
  }
}

// ---- Thumb ---------------------------------------------------------------

TEST_F(ListPaintTest, ThumbPositionAlongTheTrack) {
  LoadAndCreate();
  const struct {
    const char* name;
    int rows, visible, topRow;
    int motion, steps;
    int endX, endY;  // the track starts at (300, 100)
    int x, y;
  } cases[] = {
      {"empty list: track start", 0, 4, 0, 1, 5, 340, 300, 300, 100},
      {"all rows visible: track start", 4, 4, 0, 0, 0, 340, 300, 300, 100},
      {"stepped, top", 12, 4, 0, 1, 5, 340, 300, 300, 100},
      {"stepped, step (5*2)/8 = 1", 12, 4, 2, 1, 5, 340, 300, 310, 150},
      {"stepped, step (5*4)/8 = 2", 12, 4, 4, 1, 5, 340, 300, 320, 200},
      {"stepped, last: step 5 lowered to 4", 12, 4, 8, 1, 5, 340, 300, 340, 300},
      {"continuous, top", 12, 4, 0, 0, 5, 340, 300, 300, 100},
      {"continuous, middle", 12, 4, 3, 0, 5, 340, 300, 315, 175},
      {"continuous, last", 12, 4, 8, 0, 5, 340, 300, 340, 300},
      {"any other motion is continuous", 12, 4, 3, 7, 5, 340, 300, 315, 175},
      {"stepped with one step moves continuously", 12, 4, 3, 1, 1, 340, 300, 315, 175},
      {"stepped with no steps moves continuously", 12, 4, 8, 1, 0, 340, 300, 340, 300},
      {"stepped with negative steps moves continuously", 12, 4, 4, 1, -3, 340, 300, 320, 200},
      {"track ending before its start: thumb stays", 12, 4, 8, 0, 5, 260, 40, 300, 100},
      {"stepped on a reversed track: thumb stays", 12, 4, 4, 1, 5, 299, 99, 300, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScreenDefinition& d = browser->definition;
    d.visibleRows = c.visible;
    d.thumbMotion = c.motion;
    d.thumbSteps = c.steps;
    d.trackStartX = 300;
    d.trackStartY = 100;
    d.trackEndX = c.endX;
    d.trackEndY = c.endY;
    SetRows(c.rows);
    browser->topRow = c.topRow;
    int x = -1, y = -1;
    browser->GetThumbPosition(x, y);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

TEST_F(ListPaintTest, FixedAndProportionalThumbsAreDrawnInTheBar) {
  skin.Set(3, MakeSolidBitmap(20, 100, kBar));
  skin.Set(4, MakeSolidBitmap(16, 200, kThumb));
  skin.Set(5, MakeSolidBitmap(16, 3, kCap));
  def.scrollBarShown = 1;
  def.scrollBarImage = 3;
  def.thumbImage = 4;
  def.thumbCapImage = 5;
  def.thumbWidth = 16;
  def.thumbCapLength = 3;
  def.trackStartX = kBarX + 2;
  def.trackStartY = kBarY;
  def.trackEndX = kBarX + 2;
  def.trackEndY = kBarY + 70;
  LoadAndCreate();
  const struct {
    const char* name;
    BYTE proportional;
    int rows, visible, topRow;
    int motion, steps, endY, barHeight, thumbLength;
    int ty;      // thumb top in the bar; -1: no thumb
    int length;  // drawn length of a proportional thumb
  } cases[] = {
      {"fixed, empty list", 0, 0, 4, 0, 1, 5, 70, 100, 30, 0, 0},
      {"fixed, stepped top", 0, 12, 4, 0, 1, 5, 70, 100, 30, 0, 0},
      {"fixed, stepped middle", 0, 12, 4, 2, 1, 5, 70, 100, 30, 17, 0},  // 70 * 1 / 4
      {"fixed, stepped last", 0, 12, 4, 8, 1, 5, 70, 100, 30, 70, 0},
      {"fixed, continuous middle", 0, 12, 4, 3, 0, 5, 70, 100, 30, 26, 0},  // 70 * 3 / 8
      {"fixed, reversed track", 0, 12, 4, 8, 0, 5, -30, 100, 30, 0, 0},
      {"proportional, top: 7 raised to 10", 1, 100, 5, 0, 0, 0, 70, 100, 150, 0, 10},
      {"proportional, middle", 1, 100, 5, 47, 0, 0, 70, 100, 150, 45, 10},  // 91 * 47 / 95
      {"proportional, last: flush with the bottom", 1, 100, 5, 95, 0, 0, 70, 100, 150, 90, 10},
      {"proportional, longer thumb", 1, 10, 4, 6, 0, 0, 70, 100, 150, 40, 60},
      {"proportional, everything visible: no thumb", 1, 4, 4, 0, 0, 0, 70, 100, 150, -1, 0},
      {"proportional, empty list: no thumb", 1, 0, 4, 0, 0, 0, 70, 100, 150, -1, 0},
      {"proportional, bar shorter than the thumb", 1, 100, 5, 95, 0, 0, 70, 6, 150, 0, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScreenDefinition& d = browser->definition;
    d.proportionalThumb = c.proportional;
    d.thumbHasCap = c.proportional;
    d.visibleRows = c.visible;
    d.thumbMotion = c.motion;
    d.thumbSteps = c.steps;
    d.trackEndY = kBarY + c.endY;
    d.scrollBarHeight = c.barHeight;
    d.thumbLength = c.thumbLength;
    SetRows(c.rows);
    browser->topRow = c.topRow;
    RedrawIntoBackBuffer();
    std::vector<DrawCall> calls = painter.Take();
    std::vector<DrawCall> thumb = CallsNamed(calls, c.proportional ? "DrawImageSized" : "DrawImageAt");
    std::vector<DrawCall> bar;
    for (const DrawCall& call : calls) {
      if (call.imageId == 3) bar.push_back(call);
    }
    ASSERT_EQ(bar.size(), 1u) << CRecordingPainter::Dump(calls);
    EXPECT_EQ(bar[0].x, 0);
    EXPECT_EQ(bar[0].y, 0);
    thumb.erase(std::remove_if(thumb.begin(), thumb.end(),
                               [](const DrawCall& t) { return t.imageId != 4; }),
                thumb.end());
    if (c.ty < 0) {
      EXPECT_TRUE(thumb.empty()) << CRecordingPainter::Dump(calls);
      continue;
    }
    ASSERT_EQ(thumb.size(), 1u) << CRecordingPainter::Dump(calls);
    EXPECT_EQ(thumb[0].surface, SURFACE_OFFSCREEN);
    EXPECT_EQ(thumb[0].x, 2);
    EXPECT_EQ(thumb[0].y, c.ty);
    if (c.proportional) {
      EXPECT_EQ(browser->drawnThumbLength, c.length);
      EXPECT_EQ(thumb[0].width, 16);
      EXPECT_EQ(thumb[0].height, c.length - 3);
      std::vector<DrawCall> cap = CallsNamed(calls, "DrawImageAt");
      cap.erase(std::remove_if(cap.begin(), cap.end(),
                               [](const DrawCall& t) { return t.imageId != 5; }),
                cap.end());
      ASSERT_EQ(cap.size(), 1u) << CRecordingPainter::Dump(calls);
      EXPECT_EQ(cap[0].x, 2);
      EXPECT_EQ(cap[0].y, c.ty + c.length - 3);
      if (c.ty + c.length <= c.barHeight) {
        EXPECT_EQ(BackBufferPixel(kBarX + 3, kBarY + c.ty + c.length - 1), kCap);
      }
    }
    // The bar's surface reached the back buffer at the bar's place.
    if (c.ty < c.barHeight) {
      EXPECT_EQ(BackBufferPixel(kBarX + 3, kBarY + c.ty), kThumb);
      EXPECT_EQ(BackBufferPixel(kBarX + 1, kBarY + c.ty), kBar);
    }
    if (c.ty > 0) {
      EXPECT_EQ(BackBufferPixel(kBarX + 3, kBarY + c.ty - 1), kBar);
    }
  }
}

TEST_F(ListPaintTest, EveryRedrawPostsTheScrollPosition) {
  def.scrollBarShown = 1;
  LoadAndCreate();
  SetRows(12);
  browser->topRow = 3;
  browser->RedrawList();
  browser->RedrawList();  // nothing moved
  PumpMessages();
  recorder.Separator();
  browser->definition.scrollBarShown = 0;
  browser->definition.scrollBarWidth = browser->definition.scrollBarHeight = 0;
  browser->RedrawList();  // no bar to show, still posted
  PumpMessages();
  recorder.Separator();
  PaintNow();  // once in a full paint
  PumpMessages();
  recorder.Separator();
  browser->suspended = true;
  browser->RedrawList();
  browser->suspended = false;
  browser->listActive = false;
  browser->RedrawList();
  browser->listActive = true;
  SetRows(2);  // fewer rows than visible: range 0
  browser->topRow = 0;
  browser->RedrawList();
  const ExpectedMsg expected[] = {
      {kScrollMessage, 3, 8},
      {kScrollMessage, 3, 8},
      {WM_TEST_SEPARATOR, 0, 0},
      {kScrollMessage, 3, 8},
      {WM_TEST_SEPARATOR, 0, 0},
      {kScrollMessage, 3, 8},
      {WM_TEST_SEPARATOR, 0, 0},
      {kScrollMessage, 0, 0},
  };
  ok_sequence(recorder, expected, "scroll position at each list redraw");
}

}  // namespace
