// The smallest screens that show what the random-record tests found.
//
// Text-drawing flags come from the owner's record and reach DrawText as they
// are. Two of their effects must not reach the component: a flag that lets
// DrawText write the shortened text back into the string it was given (the
// component hands it strings it holds for the owner, and their buffers have
// no room for an added "..."), and flag mixes that the platform's DrawText
// cannot cope with.
//
// Row counts: a record's visibleRows is a signed number; a negative one must
// not turn an empty list into a division by its row count.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "component_fixture.h"

namespace {

class OwnerTextFlags : public ComponentFixture {};

TEST_F(OwnerTextFlags, DrawingLeavesTheTextsItIsGivenAsTheyWere) {
  const UINT kShortenInPlace = DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_SINGLELINE;
  // A caption in the record, wider than its box.
  def.buttons[0].shown = 1;
  def.buttons[0].normalImages[0] = -1;
  def.buttonTexts[0].hasText = 1;
  std::wcscpy(def.buttonTexts[0].text, L"WWWWWWWWWWWWWWWWWWWW");
  def.buttonTexts[0].textWidth = 30;
  def.buttonTexts[0].textHeight = 20;
  def.buttonTexts[0].colors[0] = RGB(1, 2, 3);
  def.buttonTexts[0].fontHeights[0] = 16;
  def.buttonTexts[0].format = kShortenInPlace;
  // A label drawn unchanged (no shortening of its own), wider than its box.
  def.labels[0].shown = 1;
  def.labels[0].x = 0;
  def.labels[0].y = 100;
  def.labels[0].width = 12;
  def.labels[0].height = 20;
  def.labels[0].fontHeight = 16;
  def.labels[0].noEllipsis = 1;
  def.labels[0].format = kShortenInPlace;
  // A list row whose first text fits as one line but not in two lines' room.
  def.listEnabled = 1;
  def.listActive = 1;
  def.listImage = -1;
  def.listX = 0;
  def.listY = 200;
  def.listWidth = 300;
  def.listHeight = 100;
  def.visibleRows = 1;
  def.rowWidth = 300;
  def.rowHeight = 30;
  def.rowStyles[1].image = -1;
  def.rowStyles[1].text1FontHeight = 16;
  def.text1Right = 280;
  def.text1Bottom = 10;
  def.text1Format = DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_WORDBREAK;
  LoadAndCreate();

  const std::wstring kLabel = L"WWWW";
  browser->SetLabelText(0, kLabel.c_str());
  const std::wstring kRow = L"WW\nWWWWWW";
  RowItem* row = new RowItem;
  row->text = kRow.c_str();
  browser->AddRow(row);
  PaintNow();

  EXPECT_STREQ(kLabel.c_str(), browser->labelTexts[0]) << "the label's text was overwritten";
  EXPECT_STREQ(kRow.c_str(), browser->RowAt(0)->text) << "the row's text was overwritten";
  // def is the owner's record the component copied.
  EXPECT_STREQ(def.buttonTexts[0].text, browser->Definition().buttonTexts[0].text)
      << "the caption in the component's record was overwritten";
  EXPECT_EQ(0, std::memcmp(def.buttonTexts[0].colors, browser->Definition().buttonTexts[0].colors,
                           sizeof def.buttonTexts[0].colors))
      << "the caption's colours, right after its text, were overwritten";
}

TEST_F(OwnerTextFlags, PathEllipsisTogetherWithAnotherEllipsisStillDraws) {
  // DrawText flags that the record may well hold together; the platform's
  // DrawText must come back from every one of them, with these texts.
  const UINT kMixes[] = {DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS | DT_SINGLELINE,
                         DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_SINGLELINE | DT_WORDBREAK,
                         DT_PATH_ELLIPSIS | DT_END_ELLIPSIS | DT_WORD_ELLIPSIS};
  const wchar_t* const kTexts[] = {L"  \\.  ", L".\\", L"a\\b.c d\\e"};
  for (int j = 0; j < 3; ++j) {
    def.labels[j].shown = 1;
    def.labels[j].y = 30 * j;
    def.labels[j].width = 4 + j;
    def.labels[j].height = 12;
    def.labels[j].noEllipsis = 1;
    def.labels[j].format = kMixes[j];
  }
  LoadAndCreate();
  for (const wchar_t* text : kTexts) {
    SCOPED_TRACE(::testing::PrintToString(std::wstring(text)));
    for (int j = 0; j < 3; ++j) browser->SetLabelText(j, text);
    PaintNow();
    for (int j = 0; j < 3; ++j) EXPECT_STREQ(text, browser->labelTexts[j]);
  }
}

int g_paints = 0;
void CountPaint(HWND /*window*/) { ++g_paints; }

TEST_F(ComponentFixture, ProportionalThumbOfAnEmptyListWithNegativeVisibleRowsDrawsNoThumb) {
  def.paintCallback = CountPaint;
  skin.Set(2, MakeSolidBitmap(10, 40, RGB(0, 0, 200)));
  def.listEnabled = 1;
  def.listActive = 1;
  def.listImage = -1;
  def.listWidth = 100;
  def.listHeight = 100;
  def.scrollBarShown = 1;
  def.proportionalThumb = 1;
  def.thumbImage = 2;
  def.thumbWidth = 10;
  def.thumbLength = 40;
  def.scrollBarX = 700;
  def.scrollBarWidth = 20;
  def.scrollBarHeight = 200;
  for (int visibleRows : {-1, -5, INT_MIN + 1}) {
    SCOPED_TRACE(visibleRows);
    def.visibleRows = visibleRows;
    if (browser->m_hWnd == nullptr) {
      LoadAndCreate();
    } else {
      Load();
    }
    g_paints = 0;
    PaintNow();  // no rows: nothing to divide the thumb's length by
    // The window system may swallow a fault inside WM_PAINT; a paint that
    // ran to its end has called back and is no longer painting.
    EXPECT_EQ(1, g_paints) << "the paint did not run to its end";
    EXPECT_FALSE(browser->painting);
    g_paints = 0;
    std::vector<DrawCall> thumbs = CallsNamed(painter.Take(), "DrawImageSized");
    EXPECT_TRUE(thumbs.empty()) << CRecordingPainter::Dump(thumbs);
  }
}

// Fonts far taller than any screen: the desktop's font engine corrupts its
// own heap drawing a combining mark without clipping at such sizes (and
// takes seconds per text in the tens of thousands), so a record's font
// height must not reach it unchanged. Afterwards the process allocates as
// usual, which is where a corrupted heap gives itself away.
TEST_F(ComponentFixture, FontsTallerThanAnyScreenDrawWithoutHarm) {
  const wchar_t kText[] = L"\x0007\x06D4\x000E\x005A\x05B7";
  const int kHeights[] = {100000, INT_MAX, -100000, INT_MIN + 1};
  for (int j = 0; j < 4; ++j) {
    LabelDef& l = def.labels[j];
    l.shown = 1;
    l.x = 10;
    l.y = 10 + 40 * j;
    l.width = 200;
    l.height = 30;
    l.fontHeight = kHeights[j];
    l.noEllipsis = 1;
    l.format = DT_NOCLIP | DT_SINGLELINE;
    std::wcscpy(l.faceName, j % 2 ? L"DejaVu Sans" : L"");
  }
  LoadAndCreate();
  for (int j = 0; j < 4; ++j) browser->SetLabelText(j, kText);
  PaintNow();
  for (int i = 0; i < 200; ++i) {
    CFont font;
    font.CreateFont(10 + i, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_STROKE_PRECIS, DEFAULT_QUALITY, 0, L"DejaVu Sans");
    CClientDC dc(browser.get());
    CGdiObject* old = dc.SelectObject(&font);
    dc.GetTextExtent(L"probe", 5);
    dc.SelectObject(old);
  }
  EXPECT_FALSE(browser->painting);
}

}  // namespace
