// The text primitives of the component: shortening with "..." and the
// framing of device-context settings around every text output. Drawing is
// compared pixel for pixel with a plain DrawText of the string that should
// have been chosen, on identical surfaces with the same font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"
#include "text_drawing.h"

namespace {

const int kCanvasWidth = 320;
const int kCanvasHeight = 40;
// No clipping, so a text drawn whole shows beyond a box that is too small,
// and "..." shows even in a box of negative width.
const UINT kFlags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP;

// A white 32-bit surface with a known font selected.
class Canvas {
 public:
  Canvas() {
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kCanvasWidth;
    info.bmiHeader.biHeight = -kCanvasHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
    m_oldBitmap = dc.SelectObject(m_bitmap);
    font.CreateFont(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_STROKE_PRECIS, DEFAULT_QUALITY, 0, L"Tahoma");
    m_oldFont = dc.SelectObject(static_cast<HGDIOBJ>(font.m_hObject));
    dc.FillSolidRect(0, 0, kCanvasWidth, kCanvasHeight, RGB(255, 255, 255));
  }
  ~Canvas() {
    dc.SelectObject(m_oldFont);
    dc.SelectObject(m_oldBitmap);
    DeleteObject(m_bitmap);
  }

  int Width(const std::wstring& text) {
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc.m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  std::vector<DWORD> Pixels() {
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(m_bits);
    return std::vector<DWORD>(p, p + kCanvasWidth * kCanvasHeight);
  }
  bool Blank() {
    for (DWORD px : Pixels()) {
      if ((px & 0xFFFFFF) != 0xFFFFFF) return false;
    }
    return true;
  }

  CDC dc;
  CFont font;

 private:
  HBITMAP m_bitmap = nullptr;
  void* m_bits = nullptr;
  HGDIOBJ m_oldBitmap = nullptr;
  HGDIOBJ m_oldFont = nullptr;
};

const wchar_t kText[] = L"Navigation ready";

// Longest prefix of text that, with "..." after it, is narrower than width;
// "..." alone when none is.
std::wstring Shortened(Canvas& c, const std::wstring& text, int width) {
  for (size_t n = text.size() + 1; n-- > 0;) {
    std::wstring candidate = text.substr(0, n) + L"...";
    if (c.Width(candidate) < width) return candidate;
  }
  return L"...";
}

struct Drawn {
  std::vector<DWORD> pixels;
  int result;
};

Drawn WithEllipsis(const std::wstring& text, int left, int right) {
  Canvas c;
  int result = DrawTextEllipsis(&c.dc, CString(text.c_str()), left, 4, right, 36, kFlags);
  return Drawn{c.Pixels(), result};
}

Drawn Plain(const std::wstring& text, int left, int right) {
  Canvas c;
  RECT box = {left, 4, right, 36};
  int result = DrawTextW(c.dc.m_hDC, text.c_str(), static_cast<int>(text.size()), &box, kFlags);
  return Drawn{c.Pixels(), result};
}

TEST(DrawTextEllipsis, ChoosesWholeTextOrLongestShortenedPrefix) {
  Canvas probe;
  const std::wstring text = kText;
  const int full = probe.Width(text);
  const int dots = probe.Width(L"...");
  ASSERT_GT(full, 2 * dots) << "the test text must be clearly wider than \"...\"";
  // A shortened text as wide as the box does not fit: it must be narrower.
  const int fiveAndDots = probe.Width(text.substr(0, 5) + L"...");

  const struct {
    const char* name;
    int boxWidth;
    bool whole;  // drawn unshortened
  } cases[] = {
      {"exactly as wide as the box", full, true},
      {"box wider than the text", full + 40, true},
      {"one pixel too wide", full - 1, false},
      {"half the width", full / 2, false},
      {"box exactly as wide as a shortened text", fiveAndDots, false},
      {"box exactly as wide as \"...\"", dots, false},  // "..." is not narrower: "..." alone
      {"box narrower than \"...\"", dots / 2, false},
      {"box of width 0", 0, false},
      {"box of negative width", -7, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int left = 10;
    const std::wstring expected = c.whole ? text : Shortened(probe, text, c.boxWidth);
    if (!c.whole && c.boxWidth > dots) {
      // The prefix is the longest one: a character more would not fit.
      ASSERT_GT(expected.size(), 3u);
      std::wstring longer = text.substr(0, expected.size() - 3 + 1) + L"...";
      EXPECT_LT(probe.Width(expected), c.boxWidth);
      EXPECT_GE(probe.Width(longer), c.boxWidth);
    }
    if (c.boxWidth <= dots) {
      EXPECT_EQ(expected, L"...");
    }
    Drawn actual = WithEllipsis(text, left, left + c.boxWidth);
    Drawn wanted = Plain(expected, left, left + c.boxWidth);
    EXPECT_TRUE(actual.pixels == wanted.pixels) << "did not draw \"" << std::string(expected.begin(), expected.end()) << "\"";
    EXPECT_EQ(actual.result, wanted.result);
    if (!c.whole) {
      EXPECT_FALSE(actual.pixels == Plain(text, left, left + c.boxWidth).pixels)
          << "drawn unshortened";
    }
  }
}

TEST(DrawTextEllipsis, EmptyTextIsEmptyUnlessTheBoxIsNegative) {
  // Width 0 of an empty text fits a box of width 0 or more.
  for (int width : {0, 25}) {
    SCOPED_TRACE(width);
    Canvas c;
    DrawTextEllipsis(&c.dc, CString(L""), 10, 4, 10 + width, 36, kFlags);
    EXPECT_TRUE(c.Blank());
  }
  Drawn actual = WithEllipsis(L"", 40, 30);
  Drawn dots = Plain(L"...", 40, 30);
  EXPECT_TRUE(actual.pixels == dots.pixels) << "a negative box shows \"...\"";
  EXPECT_TRUE(actual.pixels != Plain(L"", 40, 30).pixels) << "nothing drawn";
}

TEST(DrawTextEllipsis, MeasuresWithTheFontSelectedInTheTarget) {
  // The same box and text: with a wider font selected, the text is shortened.
  Canvas c;
  const std::wstring text = kText;
  const int full = c.Width(text);
  CFont wide;
  wide.CreateFont(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_STROKE_PRECIS, DEFAULT_QUALITY, 0, L"Tahoma");
  HGDIOBJ old = c.dc.SelectObject(static_cast<HGDIOBJ>(wide.m_hObject));
  ASSERT_GT(c.Width(text), full);
  std::wstring expected = Shortened(c, text, full);
  DrawTextEllipsis(&c.dc, CString(text.c_str()), 10, 4, 10 + full, 36, kFlags);
  std::vector<DWORD> actual = c.Pixels();

  Canvas reference;
  reference.dc.SelectObject(static_cast<HGDIOBJ>(wide.m_hObject));
  RECT box = {10, 4, 10 + full, 36};
  DrawTextW(reference.dc.m_hDC, expected.c_str(), static_cast<int>(expected.size()), &box, kFlags);
  EXPECT_TRUE(actual == reference.Pixels());
  reference.dc.SelectObject(static_cast<HGDIOBJ>(reference.font.m_hObject));
  c.dc.SelectObject(old);
}

TEST(TextFraming, SetsModeColourAndFontAndRestoresThemAll) {
  Canvas c;
  SetBkMode(c.dc.m_hDC, OPAQUE);
  SetTextColor(c.dc.m_hDC, RGB(1, 2, 3));
  CFont font;
  font.CreateFont(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_STROKE_PRECIS, DEFAULT_QUALITY, 0, L"Tahoma");
  {
    CTextFraming framing(&c.dc, RGB(200, 100, 50), &font);
    EXPECT_EQ(GetBkMode(c.dc.m_hDC), TRANSPARENT);
    EXPECT_EQ(GetTextColor(c.dc.m_hDC), RGB(200, 100, 50));
    EXPECT_EQ(GetCurrentObject(c.dc.m_hDC, OBJ_FONT), font.m_hObject);
  }
  EXPECT_EQ(GetBkMode(c.dc.m_hDC), OPAQUE);
  EXPECT_EQ(GetTextColor(c.dc.m_hDC), RGB(1, 2, 3));
  EXPECT_EQ(GetCurrentObject(c.dc.m_hDC, OBJ_FONT), c.font.m_hObject);
}

}  // namespace
