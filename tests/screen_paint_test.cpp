// Rendering of the skinned screen component: the full paint, buttons with
// their captions, image slots, labels, the position text, fonts and the back
// buffer. Pixels are read from the back buffer (or the screen) and compared
// with the fixture's known images; the painter's log shows order and targets.
#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <string>

#include "component_fixture.h"
#include "image_painter.h"
#include "image_store.h"
#include "text_drawing.h"

namespace {

// Solid colours of test images; their blue stays below 0x80, so none of them
// is ever a pixel of the fixture background.
const COLORREF kFill = RGB(250, 250, 10);  // what the back buffer held before
const COLORREF kNormal = RGB(200, 30, 30);
const COLORREF kPressed = RGB(30, 200, 30);
const COLORREF kFocused = RGB(30, 30, 100);
const COLORREF kKey = RGB(255, 0, 0);
const COLORREF kText = RGB(255, 255, 0);
const COLORREF kTextPressed = RGB(0, 255, 255);
const COLORREF kTextFocused = RGB(255, 0, 127);
const COLORREF kShadow = RGB(0, 0, 0);
const COLORREF kFrame[] = {RGB(10, 20, 30), RGB(40, 50, 60), RGB(70, 80, 90)};

int CountColour(int left, int top, int right, int bottom, COLORREF colour) {
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) n += g_backBuffer.GetPixel(x, y) == colour ? 1 : 0;
  }
  return n;
}

// First and last row in the rectangle that hold the colour, or -1.
void RowsWithColour(const RECT& r, COLORREF colour, int& first, int& last) {
  first = last = -1;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (g_backBuffer.GetPixel(x, y) == colour) {
        if (first < 0) first = y;
        last = y;
        break;
      }
    }
  }
}

int g_callbackCalls = 0;
HWND g_callbackWindow = nullptr;
bool g_paintingDuringCallback = true;
COLORREF g_windowPixelDuringCallback = 0;
CBrowserWnd* g_callbackBrowser = nullptr;

void RecordingCallback(HWND window) {
  ++g_callbackCalls;
  g_callbackWindow = window;
  g_paintingDuringCallback = g_callbackBrowser != nullptr && g_callbackBrowser->painting;
  HDC dc = GetDC(window);
  g_windowPixelDuringCallback = GetPixel(dc, 20, 30);
  ReleaseDC(window, dc);
}

class PaintTest : public ComponentFixture {
 protected:
  void SetUp() override {
    ComponentFixture::SetUp();
    g_callbackCalls = 0;
    g_callbackWindow = nullptr;
    g_paintingDuringCallback = true;
    g_callbackBrowser = browser.get();
  }
  void TearDown() override {
    g_callbackBrowser = nullptr;
    ComponentFixture::TearDown();
  }

  // Draws one element into the back buffer, as a full paint would, without
  // the rest of the paint: what it changes shows against kFill.
  void DrawIntoBackBuffer(const std::function<void()>& draw) {
    FillBackBuffer(kFill);
    painter.Take();
    browser->painting = true;
    draw();
    browser->painting = false;
  }

  bool ShowsBackground(int x, int y) const { return BackBufferPixel(x, y) == FixtureBackgroundPixel(x, y); }

  void SetFace(WCHAR* field, const wchar_t* face) { wcscpy(field, face); }

  // A surface like the back buffer holding the fixture background, for
  // drawing what a text element should look like.
  struct Reference {
    CBackBufferDC surface;
    Reference() {
      surface.Create(&g_backBuffer, BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT);
      CDC source;
      source.CreateCompatibleDC(&surface);
      HGDIOBJ old = source.SelectObject(CImageStore::Find(FIXTURE_BACKGROUND_ID)->bitmap);
      surface.BitBlt(0, 0, BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT, &source, 0, 0, SRCCOPY);
      source.SelectObject(old);
    }
  };

  // Draws text in box of the reference with the component's own font making.
  void DrawReferenceText(Reference& ref, const wchar_t* text, const RECT& box, int height,
                         BYTE bold, const wchar_t* face, COLORREF colour, UINT format,
                         bool ellipsis) {
    WCHAR field[128];
    wcscpy(field, face);
    CFont font;
    browser->MakeFont(font, height, bold, field, 128);
    CTextFraming framing(&ref.surface, colour, &font);
    if (ellipsis) {
      DrawTextEllipsis(&ref.surface, text, box.left, box.top, box.right, box.bottom, format);
    } else {
      RECT r = box;
      ref.surface.DrawText(text, static_cast<int>(wcslen(text)), &r, format);
    }
  }

  // Pixels of the rectangle where the back buffer differs from the reference.
  static int Differences(const Reference& ref, const RECT& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        n += g_backBuffer.GetPixel(x, y) != ref.surface.GetPixel(x, y) ? 1 : 0;
      }
    }
    return n;
  }
};

// ---- Full paint ----------------------------------------------------------

TEST_F(PaintTest, AllZeroRecordDrawsImageZeroAndNothingElse) {
  LoadAndCreate();
  FillBackBuffer(kFill);
  PaintNow();
  std::vector<DrawCall> calls = painter.Take();
  ASSERT_EQ(calls.size(), 1u) << CRecordingPainter::Dump(calls);
  EXPECT_EQ(calls[0].op, "DrawImage");
  EXPECT_EQ(calls[0].surface, SURFACE_BACK_BUFFER);
  EXPECT_EQ(calls[0].imageId, 0);
  for (POINT p : {POINT{0, 0}, POINT{399, 240}, POINT{799, 479}}) {
    EXPECT_EQ(BackBufferPixel(p.x, p.y), FixtureBackgroundPixel(p.x, p.y));
    EXPECT_EQ(WindowPixel(p.x, p.y), FixtureBackgroundPixel(p.x, p.y));
  }
  ok_no_messages(recorder, "an all-zero screen posts nothing");
}

TEST_F(PaintTest, LayersAreDrawnInOrderAndEverythingIsGivenBack) {
  // One element of every kind, all on one screen.
  skin.Set(1, MakeSolidBitmap(40, 20, kNormal));
  skin.Set(4, MakeSolidBitmap(100, 60, kPressed));
  skin.Set(5, MakeSolidBitmap(10, 10, kFocused));
  ButtonDef& b = def.buttons[3];
  b.shown = 1;
  b.x = 20;
  b.y = 30;
  b.normalImages[0] = 1;
  def.buttonTexts[3].hasText = 1;
  wcscpy(def.buttonTexts[3].text, L"Go");
  def.listEnabled = def.listActive = 1;
  def.listImage = 4;
  def.listX = 500;
  def.listY = 50;
  def.listWidth = 100;
  def.listHeight = 60;
  def.imageSlots[7] = ImageSlotDef{1, {}, 5, 300, 300, 1, 0, {}, 0};
  def.labels[2].shown = 1;
  def.labels[2].x = 300;
  def.labels[2].y = 400;
  def.labels[2].width = 80;
  def.labels[2].height = 20;
  def.counter.shown = 1;
  def.counter.x = 600;
  def.counter.y = 400;
  def.counter.width = 80;
  def.counter.height = 20;
  wcscpy(def.counter.format, L"%d/%d");
  def.paintCallback = RecordingCallback;
  LoadAndCreate();
  browser->SetLabelText(2, L"Label");
  g_callbackCalls = 0;

  const AfxGdiCounters before = AfxGetGdiCounters();
  PaintNow();
  const AfxGdiCounters after = AfxGetGdiCounters();

  const struct {
    const char* op;
    DrawSurface surface;
    int imageId;
    int x, y;
  } expected[] = {
      {"DrawImage", SURFACE_BACK_BUFFER, 0, 0, 0},        // background
      {"DrawImageAt", SURFACE_BACK_BUFFER, 1, 20, 30},    // button 3
      {"DrawImageAt", SURFACE_OFFSCREEN, 4, 0, 0},        // list, in its own surface
      {"DrawImageFrame", SURFACE_BACK_BUFFER, 5, 300, 300},  // slot 7
      {"DrawImagePart", SURFACE_BACK_BUFFER, 0, 300, 400},   // label 2 erased
      {"DrawImagePart", SURFACE_BACK_BUFFER, 0, 600, 400},   // position text erased
  };
  std::vector<DrawCall> calls = painter.Take();
  ASSERT_EQ(calls.size(), sizeof expected / sizeof expected[0]) << CRecordingPainter::Dump(calls);
  for (size_t i = 0; i < calls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(calls[i].op, expected[i].op);
    EXPECT_EQ(calls[i].surface, expected[i].surface);
    EXPECT_EQ(calls[i].imageId, expected[i].imageId);
    EXPECT_EQ(calls[i].x, expected[i].x);
    EXPECT_EQ(calls[i].y, expected[i].y);
  }
  // The list surface reached the back buffer, and the back buffer the window.
  EXPECT_EQ(BackBufferPixel(550, 80), kPressed);
  EXPECT_EQ(WindowPixel(550, 80), kPressed);
  EXPECT_EQ(WindowPixel(25, 35), kNormal);
  EXPECT_EQ(g_callbackCalls, 1);
  // Fonts, bitmaps and memory DCs made for the paint are all deleted again.
  EXPECT_EQ(after.objectsCreated - before.objectsCreated, after.objectsDeleted - before.objectsDeleted);
  EXPECT_EQ(after.dcsCreated - before.dcsCreated, after.dcsDeleted - before.dcsDeleted);
  EXPECT_GT(after.objectsCreated - before.objectsCreated, 0) << "fonts are made through the wrapper";
}

TEST_F(PaintTest, PaintCallbackFollowsTheCopyToTheWindow) {
  def.paintCallback = RecordingCallback;
  LoadAndCreate();
  // The window first shows something else than the screen's background.
  browser->suspended = true;
  FillBackBuffer(kFill);
  PaintNow();
  ASSERT_EQ(WindowPixel(20, 30), kFill);
  browser->suspended = false;
  g_callbackCalls = 0;
  PaintNow();
  EXPECT_EQ(g_callbackCalls, 1);
  EXPECT_EQ(g_callbackWindow, browser->m_hWnd);
  EXPECT_FALSE(g_paintingDuringCallback);
  EXPECT_EQ(g_windowPixelDuringCallback, FixtureBackgroundPixel(20, 30)) << "the window was not yet painted";
  ok_no_messages(recorder, "the callback is no message");
}

TEST_F(PaintTest, SuspendedPaintCopiesTheOldBufferAndDoesNotCallBack) {
  def.paintCallback = RecordingCallback;
  def.buttons[0].shown = 1;
  LoadAndCreate();
  g_callbackCalls = 0;
  browser->suspended = true;
  FillBackBuffer(kFill);
  PaintNow();
  EXPECT_TRUE(painter.Take().empty()) << "nothing is drawn while suspended";
  EXPECT_EQ(WindowPixel(20, 30), kFill);
  EXPECT_EQ(WindowPixel(799, 479), kFill);
  EXPECT_EQ(g_callbackCalls, 0);
  EXPECT_FALSE(browser->painting);
}

TEST_F(PaintTest, ElementsDrawOnlyWhileLiveAndOutsideAPaintStraightToTheWindow) {
  def.buttons[0] = ButtonDef{};
  def.buttons[0].shown = 1;
  def.buttons[0].normalImages[0] = -1;
  def.buttons[0].width = def.buttons[0].height = 10;
  def.imageSlots[0].shown = 1;
  def.imageSlots[0].frameCount = 1;
  def.labels[0].shown = 1;
  def.labels[0].width = def.labels[0].height = 10;
  def.listEnabled = def.listActive = 1;
  def.counter.shown = 1;
  def.counter.width = def.counter.height = 10;
  LoadAndCreate();

  const struct {
    const char* name;
    std::function<void(CBrowserWnd&)> draw;
    const char* op;
  } cases[] = {
      {"button", [](CBrowserWnd& w) { w.DrawButton(0); }, "DrawImagePart"},
      {"button image", [](CBrowserWnd& w) { w.DrawButtonImage(0, 0); }, "DrawImagePart"},
      {"image slot", [](CBrowserWnd& w) { w.DrawImageSlot(0); }, "DrawImageFrame"},
      {"label", [](CBrowserWnd& w) { w.DrawLabel(0); }, "DrawImagePart"},
      {"position text", [](CBrowserWnd& w) { w.DrawCounter(); }, "DrawImagePart"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    browser->suspended = true;
    c.draw(*browser);
    EXPECT_TRUE(painter.Take().empty()) << "drawn while suspended";
    browser->suspended = false;
    c.draw(*browser);
    std::vector<DrawCall> calls = painter.Take();
    ASSERT_EQ(calls.size(), 1u) << CRecordingPainter::Dump(calls);
    EXPECT_EQ(calls[0].op, c.op);
    EXPECT_EQ(calls[0].surface, SURFACE_WINDOW);
  }
  // Indexes and states outside the ranges draw nothing.
  browser->DrawButton(-1);
  browser->DrawButton(kMaxButtons);
  browser->DrawButtonImage(0, 3);
  browser->DrawButtonImage(0, -1);
  browser->DrawImageSlot(kMaxImageSlots);
  browser->DrawLabel(kMaxLabels);
  browser->DrawLabel(-1);
  EXPECT_TRUE(painter.Take().empty());
}

// ---- Buttons -------------------------------------------------------------

TEST_F(PaintTest, ButtonLooksFollowPressedStateThenKeyboardFocus) {
  skin.Set(1, MakeSolidBitmap(120, 40, kNormal));
  skin.Set(2, MakeSolidBitmap(120, 40, kPressed));
  skin.Set(3, MakeSolidBitmap(120, 40, kFocused));
  ButtonDef& b = def.buttons[5];
  b.shown = 1;
  b.x = 100;
  b.y = 50;
  // Only variant 4 holds the images; the others name an empty row.
  for (int v = 0; v < kButtonVariants; ++v) {
    b.normalImages[v] = b.pressedImages[v] = b.focusedImages[v] = 6;
  }
  b.normalImages[4] = 1;
  b.pressedImages[4] = 2;
  b.focusedImages[4] = 3;
  ButtonTextDef& t = def.buttonTexts[5];
  t.hasText = 1;
  wcscpy(t.text, L"WWW");
  const COLORREF textColours[] = {kText, kTextPressed, kTextFocused};
  for (int s = 0; s < kButtonStates; ++s) {
    t.colors[s] = textColours[s];
    t.fontHeights[s] = -18;
    t.bold[s] = 1;
  }
  t.textX = 4;
  t.textY = 4;
  t.textWidth = 112;
  t.textHeight = 32;
  t.format = DT_LEFT | DT_SINGLELINE;
  SetFace(t.faceName, L"Tahoma");
  def.keyboardFocus = 1;  // button 5 is the one focus entry
  LoadAndCreate();
  ASSERT_EQ(browser->focusCount, 1);

  const struct {
    const char* name;
    BYTE keyboardFocus;
    int focusIndex;
    int pressed;
    int state;  // 0 normal, 1 pressed, 2 focused
  } cases[] = {
      {"normal", 1, -1, 0, 0},
      {"pressed", 1, -1, 1, 1},
      {"focused", 1, 0, 0, 2},
      {"toggle on while focused is pressed", 1, 0, 1, 1},
      {"focus entry without keyboard focus is normal", 0, 0, 0, 0},
      {"pressed means exactly 1", 1, -1, 2, 0},
  };
  const COLORREF images[] = {kNormal, kPressed, kFocused};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    browser->definition.keyboardFocus = c.keyboardFocus;
    browser->focusIndex = c.focusIndex;
    browser->buttonPressed[5] = c.pressed;
    browser->SetButtonVariant(5, 4);
    FillBackBuffer(kFill);
    PaintNow();
    std::vector<DrawCall> at = CallsNamed(painter.Take(), "DrawImageAt");
    ASSERT_EQ(at.size(), 1u);
    EXPECT_EQ(at[0].imageId, c.state + 1);
    EXPECT_EQ(BackBufferPixel(101, 51), images[c.state]);
    for (int s = 0; s < kButtonStates; ++s) {
      int n = CountColour(104, 54, 216, 86, textColours[s]);
      if (s == c.state) {
        EXPECT_GT(n, 0) << "caption not in the colour of state " << s;
      } else {
        EXPECT_EQ(n, 0) << "caption in the colour of state " << s;
      }
    }
  }
}

TEST_F(PaintTest, TransparentButtonKeepsTheBackgroundUnderItsKeyColour) {
  // Left half in the key colour.
  skin.Set(1, MakeBitmap(40, 20, [](int x, int) { return x < 20 ? kKey : kNormal; }));
  ButtonDef& b = def.buttons[0];
  b.shown = 1;
  b.x = 200;
  b.y = 100;
  b.normalImages[0] = 1;
  b.transparent = 1;
  b.colorKey = kKey;
  LoadAndCreate();
  PaintNow();
  EXPECT_TRUE(ShowsBackground(205, 105));
  EXPECT_EQ(BackBufferPixel(225, 105), kNormal);
  std::vector<DrawCall> calls = painter.Take();
  ASSERT_EQ(calls.size(), 4u) << CRecordingPainter::Dump(calls);
  EXPECT_EQ(calls[1].op, "SetTransparency");
  EXPECT_EQ(calls[1].extra, 1);
  EXPECT_EQ(static_cast<COLORREF>(calls[1].extra2), kKey);
  EXPECT_EQ(calls[2].op, "DrawImageAt");
  EXPECT_EQ(calls[3].op, "SetTransparency");
  EXPECT_EQ(calls[3].extra, 0);
}

TEST_F(PaintTest, ButtonWithoutImageErasesItsAreaUnlessAbsentOrEmpty) {
  LoadAndCreate();
  const struct {
    const char* name;
    BYTE shown;
    int listAction;
    BYTE listEnabled;
    bool listActive;
    int width, height;
    bool erased;
  } cases[] = {
      {"erased to the background", 1, 0, 0, false, 30, 20, true},
      {"width 0 leaves the area", 1, 0, 0, false, 0, 20, false},
      {"height 0 leaves the area", 1, 0, 0, false, 30, 0, false},
      {"not shown", 0, 0, 0, false, 30, 20, false},
      {"list action, list off", 1, 2, 0, true, 30, 20, false},
      {"list action, list inactive", 1, 2, 1, false, 30, 20, false},
      {"list action, list usable", 1, 2, 1, true, 30, 20, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonDef& b = browser->definition.buttons[9];
    b = ButtonDef{};
    b.shown = c.shown;
    b.x = 200;
    b.y = 100;
    b.width = c.width;
    b.height = c.height;
    b.listAction = c.listAction;
    b.normalImages[0] = -1;
    browser->definition.listEnabled = c.listEnabled;
    browser->listActive = c.listActive;
    DrawIntoBackBuffer([&] { browser->DrawButton(9); });
    EXPECT_EQ(ShowsBackground(200, 100), c.erased);
    EXPECT_EQ(ShowsBackground(229, 119), c.erased);
    EXPECT_EQ(BackBufferPixel(230, 100), kFill) << "erased beyond the width";
    EXPECT_EQ(BackBufferPixel(200, 120), kFill) << "erased beyond the height";
  }
}

TEST_F(PaintTest, CaptionIsCentredOnlyWhenItFitsOnOneLineWithoutLineFeed) {
  skin.Set(1, MakeSolidBitmap(300, 60, kNormal));
  LoadAndCreate();
  // The caption's width in the font the component makes for it.
  auto measure = [&](const wchar_t* text) {
    WCHAR face[128] = L"Tahoma";
    CFont font;
    browser->MakeFont(font, -14, 1, face, 128);
    HGDIOBJ old = SelectObject(g_backBuffer.m_hDC, font.m_hObject);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(g_backBuffer.m_hDC, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(g_backBuffer.m_hDC, old);
    return static_cast<int>(size.cx);
  };
  const struct {
    const char* name;
    const wchar_t* text;
    UINT format;
    int extraWidth;  // box width less the caption's one-line width
    bool centred;
  } cases[] = {
      {"fits", L"Go", DT_LEFT | DT_SINGLELINE, 20, true},
      {"fits without the single-line flag", L"Go", DT_LEFT, 20, true},
      {"one pixel to spare", L"Go", DT_LEFT | DT_SINGLELINE, 1, true},
      {"exactly as wide as the box", L"Go", DT_LEFT | DT_SINGLELINE, 0, false},
      {"wider than the box", L"Go on now", DT_LEFT | DT_SINGLELINE, -10, false},
      {"line feed", L"Go\nOn", DT_LEFT, 40, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonDef& b = browser->definition.buttons[0];
    b = ButtonDef{};
    b.shown = 1;
    b.x = 100;
    b.y = 100;
    b.normalImages[0] = 1;
    ButtonTextDef& t = browser->definition.buttonTexts[0];
    t = ButtonTextDef{};
    t.hasText = 1;
    wcscpy(t.text, c.text);
    t.colors[0] = kText;
    t.fontHeights[0] = -14;
    t.bold[0] = 1;
    t.textX = 10;
    t.textY = 5;
    t.textHeight = 50;
    t.textWidth = measure(c.text) + c.extraWidth;
    t.format = c.format;
    SetFace(t.faceName, L"Tahoma");
    DrawIntoBackBuffer([&] { browser->DrawButton(0); });
    RECT box = {110, 105, 110 + 300 - 10, 155};
    int first = -1;
    int last = -1;
    RowsWithColour(box, kText, first, last);
    ASSERT_GE(first, 0) << "no caption drawn";
    // A 14-pixel line in a 50-pixel box: about 18 pixels below the top when
    // centred, within a few at the top otherwise.
    if (c.centred) {
      EXPECT_GE(first - box.top, 12);
      EXPECT_LE(last - box.top, 38);
    } else {
      EXPECT_LT(first - box.top, 8);
    }
  }
}

// ---- Image slots ---------------------------------------------------------

TEST_F(PaintTest, ImageSlotShowsItsCurrentFrameOfTheStrip) {
  skin.Set(5, MakeBitmap(30, 10, [](int x, int) { return kFrame[x / 10]; }));
  LoadAndCreate();
  const struct {
    const char* name;
    int frameCount;
    int frame;
    BYTE transparent;
    COLORREF expected;  // at the slot's first pixel
  } cases[] = {
      {"frame 0", 3, 0, 0, kFrame[0]},
      {"frame 2", 3, 2, 0, kFrame[2]},
      {"key colour lets the buffer show", 3, 1, 1, kFill},
      {"no frames: nothing", 0, 0, 0, kFill},
      {"negative frame count: nothing", -3, 0, 0, kFill},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ImageSlotDef& s = browser->definition.imageSlots[12];
    s = ImageSlotDef{};
    s.shown = 1;
    s.image = 5;
    s.x = 400;
    s.y = 300;
    s.frameCount = c.frameCount;
    s.transparent = c.transparent;
    s.colorKey = kFrame[1];
    browser->SetSlotFrame(12, c.frame);
    DrawIntoBackBuffer([&] { browser->DrawImageSlot(12); });
    EXPECT_EQ(BackBufferPixel(400, 300), c.expected);
    EXPECT_EQ(BackBufferPixel(409, 309), c.expected);
    EXPECT_EQ(BackBufferPixel(410, 300), kFill) << "more than one frame wide";
    EXPECT_EQ(CallsNamed(painter.Take(), "DrawImageFrame").size(), c.frameCount >= 1 ? 1u : 0u);
  }
}

// ---- Labels --------------------------------------------------------------

class LabelTest : public PaintTest {
 protected:
  void SetUp() override {
    PaintTest::SetUp();
    LabelDef& l = def.labels[4];
    l.shown = 1;
    l.x = 300;
    l.y = 200;
    l.width = 120;
    l.height = 30;
    l.format = DT_LEFT | DT_TOP | DT_SINGLELINE;
    l.color = kText;
    l.fontHeight = -18;
    l.bold = 1;
    l.shadowColor = kShadow;
    SetFace(l.faceName, L"Tahoma");
    LoadAndCreate();
  }
  LabelDef& Label() { return browser->definition.labels[4]; }
  const RECT kBox = {300, 200, 420, 230};
  const RECT kAround = {300, 200, 420, 232};  // with the row a shadow adds
};

TEST_F(LabelTest, ShadowIsDrawnOnlyForExactlyOneAndOnePixelLower) {
  browser->SetLabelText(4, L"Shadow");
  for (BYTE shadow : {BYTE(0), BYTE(1), BYTE(2), BYTE(255)}) {
    SCOPED_TRACE(static_cast<int>(shadow));
    Label().shadow = shadow;
    DrawIntoBackBuffer([&] { browser->DrawLabel(4); });
    int textFirst, textLast, shadowFirst, shadowLast;
    RowsWithColour(kAround, kText, textFirst, textLast);
    RowsWithColour(kAround, kShadow, shadowFirst, shadowLast);
    ASSERT_GE(textFirst, 0);
    if (shadow == 1) {
      ASSERT_GE(shadowLast, 0) << "no shadow";
      EXPECT_EQ(shadowLast, textLast + 1);
    } else {
      EXPECT_EQ(shadowLast, -1) << "a shadow for value " << static_cast<int>(shadow);
    }
  }
}

TEST_F(LabelTest, LongTextIsShortenedUnlessTheLabelSaysNot) {
  const wchar_t* text = L"A label far too long for its box";
  browser->SetLabelText(4, text);
  for (BYTE noEllipsis : {BYTE(0), BYTE(1)}) {
    SCOPED_TRACE(static_cast<int>(noEllipsis));
    Label().noEllipsis = noEllipsis;
    DrawIntoBackBuffer([&] { browser->DrawLabel(4); });
    Reference shortened;
    DrawReferenceText(shortened, text, kBox, -18, 1, L"Tahoma", kText, Label().format, true);
    Reference whole;
    DrawReferenceText(whole, text, kBox, -18, 1, L"Tahoma", kText, Label().format, false);
    if (noEllipsis) {
      EXPECT_EQ(Differences(whole, kBox), 0);
      EXPECT_GT(Differences(shortened, kBox), 0);
    } else {
      EXPECT_EQ(Differences(shortened, kBox), 0);
      EXPECT_GT(Differences(whole, kBox), 0);
    }
  }
}

TEST_F(LabelTest, EmptyTextStillErasesTheBoxAndAnEmptyFaceBecomesSystem) {
  Label().shadow = 1;
  Label().faceName[0] = L'\0';
  DrawIntoBackBuffer([&] { browser->DrawLabel(4); });
  EXPECT_TRUE(ShowsBackground(300, 200));
  EXPECT_TRUE(ShowsBackground(419, 229));
  EXPECT_EQ(BackBufferPixel(420, 200), kFill);
  EXPECT_EQ(CountColour(300, 200, 420, 231, kText), 0);
  EXPECT_EQ(CountColour(300, 200, 420, 231, kShadow), 0);
  EXPECT_STREQ(browser->Definition().labels[4].faceName, L"SYSTEM");
}

// ---- Position text -------------------------------------------------------

TEST_F(PaintTest, PositionTextFormatsPositionAndCountWithIntegersOnly) {
  LoadAndCreate();
  const RECT box = {600, 400, 760, 430};
  const struct {
    const char* name;
    int rows;
    int selectedRow;
    BYTE countFirst;
    const wchar_t* format;  // up to 10 characters: the last may fill the field
    const wchar_t* expected;
  } cases[] = {
      {"empty list", 0, 5, 0, L"%d/%d", L"0/0"},
      {"second of three", 3, 1, 0, L"%d/%d", L"2/3"},
      {"count first", 3, 1, 1, L"%d of %d", L"3 of 2"},
      {"selection past the rows", 3, 7, 0, L"%d/%d", L"8/3"},
      // The byte after a full field is countFirst: read past, it would be text.
      {"hostile format filling the field", 3, 1, 1, L"%s%n%d%d%d", L"%s%n32%d"},
      {"pointer conversion", 3, 0, 0, L"%p%d%d", L"%p13"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    browser->RemoveAllRows();
    for (int n = 0; n < c.rows; ++n) browser->AddRow(new RowItem);
    browser->selectedRow = c.selectedRow;
    CounterDef& counter = browser->definition.counter;
    counter = CounterDef{};
    counter.shown = 1;
    counter.x = box.left;
    counter.y = box.top;
    counter.width = box.right - box.left;
    counter.height = box.bottom - box.top;
    wmemcpy(counter.format, c.format, wcslen(c.format));  // no terminator when full
    counter.countFirst = c.countFirst;
    counter.color = kText;
    counter.fontHeight = -16;
    counter.bold = 1;
    counter.textFormat = DT_LEFT | DT_SINGLELINE;
    SetFace(counter.faceName, L"Tahoma");
    browser->definition.listEnabled = 1;
    browser->listActive = true;
    DrawIntoBackBuffer([&] { browser->DrawCounter(); });
    Reference reference;
    DrawReferenceText(reference, c.expected, box, -16, 1, L"Tahoma", kText, DT_LEFT | DT_SINGLELINE,
                      true);
    EXPECT_EQ(Differences(reference, box), 0);
    EXPECT_GT(CountColour(box.left, box.top, box.right, box.bottom, kText), 0);
  }
  // Not drawn while the list is off or inactive.
  for (int variant = 0; variant < 2; ++variant) {
    browser->definition.listEnabled = variant == 0 ? 0 : 1;
    browser->listActive = variant == 0;
    DrawIntoBackBuffer([&] { browser->DrawCounter(); });
    EXPECT_EQ(BackBufferPixel(box.left, box.top), kFill);
    EXPECT_TRUE(painter.Take().empty());
  }
}

// ---- Fonts ---------------------------------------------------------------

// A face-name field of n characters that ends where readable memory ends:
// any read past the field faults.
class GuardedField {
 public:
  explicit GuardedField(int n) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    m_page = info.dwPageSize;
    m_base = static_cast<BYTE*>(VirtualAlloc(nullptr, 2 * m_page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    VirtualProtect(m_base + m_page, m_page, PAGE_NOACCESS, &old);
    field = reinterpret_cast<WCHAR*>(m_base + m_page) - n;
  }
  ~GuardedField() { VirtualFree(m_base, 0, MEM_RELEASE); }
  WCHAR* field;

 private:
  BYTE* m_base;
  DWORD m_page;
};

TEST_F(PaintTest, FontsTakeTheFieldsAndNeverReadPastTheFaceName) {
  LoadAndCreate();
  const std::wstring face31 = L"Abcdefghijklmnopqrstuvwxyz01234";
  const std::wstring face40 = face31 + L"567890123";
  const struct {
    const char* name;
    std::wstring content;  // written without a terminator when it fills the field
    int capacity;
    BYTE bold;
    const wchar_t* face;       // reaching the font
    const wchar_t* fieldAfter;  // the field after the call
  } cases[] = {
      {"31 characters used whole", face31, 128, 1, face31.c_str(), face31.c_str()},
      {"40 characters filling the field are cut to 31", face40, 40, 0,
       face31.c_str(), nullptr},
      {"8 characters filling a small field", L"Courier8", 8, 2, L"Courier8", nullptr},
      {"empty face becomes the default", L"", 128, 0, L"SYSTEM", L"SYSTEM"},
      {"the default is cut to a small field", L"", 4, 0, L"SYS", L"SYS"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    GuardedField guarded(c.capacity);
    for (int n = 0; n < c.capacity; ++n) guarded.field[n] = L'\0';
    wmemcpy(guarded.field, c.content.c_str(), c.content.size());
    CFont font;
    browser->MakeFont(font, -23, c.bold, guarded.field, c.capacity);
    LOGFONTW lf = {};
    ASSERT_EQ(font.GetObject(sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_STREQ(lf.lfFaceName, c.face);
    EXPECT_EQ(lf.lfHeight, -23);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfWeight, c.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(lf.lfItalic | lf.lfUnderline | lf.lfStrikeOut, 0);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(lf.lfOutPrecision, OUT_DEFAULT_PRECIS);
    EXPECT_EQ(lf.lfClipPrecision, CLIP_STROKE_PRECIS);
    EXPECT_EQ(lf.lfQuality, DEFAULT_QUALITY);
    EXPECT_EQ(lf.lfPitchAndFamily, 0);
    if (c.fieldAfter != nullptr) {
      EXPECT_STREQ(guarded.field, c.fieldAfter);
    }
  }
}

// ---- Back buffer ---------------------------------------------------------

void BitmapSize(CDC& dc, LONG& width, LONG& height) {
  BITMAP bm = {};
  GetObjectW(GetCurrentObject(dc.m_hDC, OBJ_BITMAP), sizeof bm, &bm);
  width = bm.bmWidth;
  height = bm.bmHeight;
}

TEST_F(PaintTest, BackBufferKeepsItsFirstSize) {
  LoadAndCreate(300, 200);  // a smaller window still has the full buffer
  Load();                   // and so does a second load
  LONG w = 0, h = 0;
  BitmapSize(g_backBuffer, w, h);
  EXPECT_EQ(w, BACK_BUFFER_WIDTH);
  EXPECT_EQ(h, BACK_BUFFER_HEIGHT);
  EXPECT_FALSE(g_backBuffer.Create(&g_backBuffer, 10, 10));
  BitmapSize(g_backBuffer, w, h);
  EXPECT_EQ(w, BACK_BUFFER_WIDTH);

  const AfxGdiCounters before = AfxGetGdiCounters();
  {
    CBackBufferDC surface;
    EXPECT_FALSE(surface.created);
    EXPECT_TRUE(surface.Create(&g_backBuffer, 100, 50));
    EXPECT_FALSE(surface.Create(&g_backBuffer, 300, 300));
    BitmapSize(surface, w, h);
    EXPECT_EQ(w, 100);
    EXPECT_EQ(h, 50);
    EXPECT_EQ(GetCurrentObject(surface.m_hDC, OBJ_BITMAP), surface.bitmap.m_hObject);
  }
  const AfxGdiCounters after = AfxGetGdiCounters();
  EXPECT_EQ(after.objectsCreated - before.objectsCreated, 1);
  EXPECT_EQ(after.objectsDeleted - before.objectsDeleted, 1);
  EXPECT_EQ(after.dcsCreated - before.dcsCreated, 1);
  EXPECT_EQ(after.dcsDeleted - before.dcsDeleted, 1);
}

}  // namespace
