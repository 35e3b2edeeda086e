// The framework and device services the program stands on: formatting with
// the device's %s, the safe two-integer formatter, the shared string, the
// row list, and typed dispatch through message maps.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "message_recorder.h"
#include "wide_format.h"

namespace {

struct FormatCase {
  const wchar_t* format;
  const wchar_t* expected;
};

TEST(WideFormat, DeviceMeaningsOfConversions) {
  wchar_t out[128];
  // %s and %c take wide text, %S and %hs narrow text, as on the device.
  WideFormat(out, 128, L"%s|%S|%hs|%ls|%c", L"wide", "narrow", "short", L"long", L'W');
  EXPECT_STREQ(L"wide|narrow|short|long|W", out);
  WideFormat(out, 128, L"Image not found: %s\r\n", L"\\ResidentFlash\\x.bmp");
  EXPECT_STREQ(L"Image not found: \\ResidentFlash\\x.bmp\r\n", out);

  const struct {
    const wchar_t* format;
    int value;
    const wchar_t* expected;
  } cases[] = {
      {L"%x", 1, L"1"},
      {L"%x", 0x31, L"31"},
      {L"%x", static_cast<signed char>(0x81), L"ffffff81"},
      {L"%X", -1, L"FFFFFFFF"},
      {L"%d", -42, L"-42"},
      {L"%u", -1, L"4294967295"},
      {L"[%5d]", 42, L"[   42]"},
      {L"[%-5d]", 42, L"[42   ]"},
      {L"[%05d]", -42, L"[-0042]"},
      {L"[%.3d]", 7, L"[007]"},
      {L"%#x", 255, L"0xff"},
      {L"100%%", 0, L"100%"},
  };
  for (const auto& c : cases) {
    WideFormat(out, 128, c.format, c.value);
    EXPECT_STREQ(c.expected, out) << "format " << testing::PrintToString(std::wstring(c.format));
  }
}

TEST(WideFormat, CutsAtCapacityAndReportsFullLength) {
  wchar_t out[6];
  EXPECT_EQ(11, WideFormat(out, 6, L"%s", L"hello world"));
  EXPECT_STREQ(L"hello", out);
}

TEST(FormatTwoIntegers, UsesOnlyTwoIntegerConversions) {
  const FormatCase cases[] = {
      {L"%d/%d", L"3/12"},
      {L"%02d of %2d", L"03 of 12"},
      {L"%x-%X", L"3-C"},
      {L"%d", L"3"},
      {L"no numbers", L"no numbers"},
      // Anything that would read something other than the two integers is
      // written out as text.
      {L"%s%n%d%d%d", L"%s%n312%d"},
      {L"%p %d", L"%p 3"},
      {L"%*d|%d", L"%*d|3"},
      {L"%.*d", L"%.*d"},
      {L"%f %c %d", L"%f %c 3"},
      {L"%", L"%"},
      {L"%%d %d", L"%d 3"},
  };
  for (const FormatCase& c : cases) {
    wchar_t out[64];
    FormatTwoIntegers(out, 64, c.format, 3, 12);
    EXPECT_STREQ(c.expected, out) << testing::PrintToString(std::wstring(c.format));
  }
}

TEST(CStringTest, CopiesShareUntilOneChanges) {
  CString a(L"first");
  CString b = a;
  EXPECT_EQ(static_cast<LPCWSTR>(a), static_cast<LPCWSTR>(b));
  b += L" and more";
  EXPECT_STREQ(L"first", a);
  EXPECT_STREQ(L"first and more", b);
  a = a;  // self-assignment keeps the text
  EXPECT_STREQ(L"first", a);
  CString empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_STREQ(L"", empty);
}

TEST(CStringTest, FormatsTextLongerThanItsFirstBuffer) {
  std::wstring longText(1000, L'x');
  CString s;
  s.Format(L"[%s]", longText.c_str());
  EXPECT_EQ(1002, s.GetLength());
  EXPECT_EQ(L'[', s.GetAt(0));
  EXPECT_EQ(L']', s.GetAt(1001));
}

TEST(CPtrListTest, KeepsOrderAcrossNodeBlocks) {
  CPtrList list(10);
  int values[25];
  for (int i = 0; i < 25; ++i) list.AddTail(&values[i]);
  EXPECT_EQ(25, list.GetCount());
  EXPECT_EQ(&values[13], list.GetAt(list.FindIndex(13)));
  EXPECT_EQ(nullptr, list.FindIndex(25));
  EXPECT_EQ(nullptr, list.FindIndex(-1));
  for (int i = 0; i < 25; ++i) EXPECT_EQ(&values[i], list.RemoveHead());
  EXPECT_TRUE(list.IsEmpty());
  list.AddTail(&values[0]);  // reuses the freed nodes
  EXPECT_EQ(&values[0], list.GetHead());
}

// A window whose handlers keep what dispatch unpacked for them.
class CProbeWnd : public CRecorderWnd {
 public:
  CPoint down;
  UINT keyCode = 0, repeat = 0;
  UINT_PTR timerId = 0;

 protected:
  afx_msg void OnLButtonDown(UINT /*nFlags*/, CPoint point) { down = point; }
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT /*nFlags*/) {
    keyCode = nChar;
    repeat = nRepCnt;
  }
  afx_msg void OnTimer(UINT_PTR nIDEvent) { timerId = nIDEvent; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CRecorderWnd)
  ON_WM_LBUTTONDOWN()
  ON_WM_KEYDOWN()
  ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(MessageMap, UnpacksTypedArgumentsIncludingNegativeCoordinates) {
  CProbeWnd wnd;
  ASSERT_TRUE(wnd.CreateRecorder(L"probe", 0, 0, 100, 100));
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
  SendMessageW(wnd.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(-5, -7));
  EXPECT_EQ(-5, wnd.down.x);
  EXPECT_EQ(-7, wnd.down.y);
  SendMessageW(wnd.m_hWnd, WM_KEYDOWN, VK_DOWN, MAKELPARAM(3, 0x50));
  EXPECT_EQ(static_cast<UINT>(VK_DOWN), wnd.keyCode);
  EXPECT_EQ(3u, wnd.repeat);
  SendMessageW(wnd.m_hWnd, WM_TIMER, 30, 0);
  EXPECT_EQ(30u, wnd.timerId);
  EXPECT_STREQ("CWnd", wnd.GetRuntimeClass()->m_lpszClassName);
  wnd.DestroyWindow();
  EXPECT_EQ(nullptr, wnd.m_hWnd);
}

}  // namespace
