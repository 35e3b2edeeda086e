// The showcase program driven from outside: the device simulator starts
// showcase.exe, which feeds itself a fixed sequence of taps and keys
// (--demo, or a --script file); its log lines, captured from the debug
// output, must show every notification of the component in order, and a
// screenshot at the end must show the state those inputs left behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "devicesim_client.h"
#include "showcase_layout.h"

using namespace showcase;

namespace {

struct LogLine {
  std::string name;
  long long wParam;
  long long lParam;
  bool operator==(const LogLine& o) const {
    return name == o.name && wParam == o.wParam && lParam == o.lParam;
  }
};

std::ostream& operator<<(std::ostream& out, const LogLine& l) {
  return out << l.name << " " << l.wParam << " " << l.lParam;
}

// The showcase's own lines ("showcase: <name> <wParam> <lParam>\r\n"), in order.
std::vector<LogLine> ShowcaseLines(const SimRun& run) {
  std::vector<LogLine> out;
  for (const SimEvent& e : run.events) {
    if (e.event != "debug" || e.text.compare(0, 10, "showcase: ") != 0) continue;
    std::istringstream fields(e.text.substr(10));
    LogLine line{"", 0, 0};
    fields >> line.name >> line.wParam >> line.lParam;
    out.push_back(line);
  }
  return out;
}

// Leaves out the lines that full paints add at moments the window system
// chooses: the paint callback and the scroll position every list redraw posts.
std::vector<LogLine> WithoutPaints(const std::vector<LogLine>& lines) {
  std::vector<LogLine> out;
  for (const LogLine& l : lines) {
    if (l.name != "paint" && l.name != "scroll-position") out.push_back(l);
  }
  return out;
}

// The top rows the scroll-position lines report, repeats of one value merged.
std::vector<long long> TopRowsReported(const std::vector<LogLine>& lines) {
  std::vector<long long> out;
  for (const LogLine& l : lines) {
    if (l.name == "scroll-position" && (out.empty() || out.back() != l.wParam)) out.push_back(l.wParam);
  }
  return out;
}

std::string Dump(const std::vector<LogLine>& lines) {
  std::ostringstream out;
  for (size_t i = 0; i < lines.size(); ++i) out << "  [" << i << "] " << lines[i] << "\n";
  return out.str();
}

// Compares by index and reports the first difference with both neighbourhoods.
void ExpectLines(const std::vector<LogLine>& expected, const std::vector<LogLine>& actual) {
  size_t n = expected.size() < actual.size() ? expected.size() : actual.size();
  size_t first = n;
  for (size_t i = 0; i < n; ++i) {
    if (!(expected[i] == actual[i])) {
      first = i;
      break;
    }
  }
  if (first == n && expected.size() == actual.size()) return;
  ADD_FAILURE() << "log lines differ from index " << first << "\nexpected:\n"
                << Dump(expected) << "actual:\n" << Dump(actual);
}

std::wstring Showcase() { return TestExeFolder() + L"\\showcase.exe"; }

SimRun RunShowcase(const std::wstring& args, const std::vector<std::wstring>& extra) {
  std::vector<std::wstring> all = {L"--popup", Showcase(), L"--args", args, L"--timeout", L"40000",
                                   L"--bmp-shots"};
  all.insert(all.end(), extra.begin(), extra.end());
  SimRun run = RunDeviceSim(all, 60000);
  EXPECT_FALSE(run.killed) << run.stdoutText;
  return run;
}

void Tap(std::vector<LogLine>& out, POINT p, std::vector<LogLine> onPress,
         std::vector<LogLine> onRelease) {
  out.push_back({"script-down", p.x, p.y});
  out.insert(out.end(), onPress.begin(), onPress.end());
  out.push_back({"script-up", p.x, p.y});
  out.insert(out.end(), onRelease.begin(), onRelease.end());
}

// A tap that hits button i and no row: the button and the bare pointer
// messages, the focus moving to the button first when it was elsewhere.
void TapButton(std::vector<LogLine>& out, int i, bool focusMoves) {
  POINT p = ButtonCentre(i);
  std::vector<LogLine> press;
  if (focusMoves) press.push_back({"focus", 10 + i, 0});
  press.push_back({"button-down", i, 0});
  press.push_back({"pointer-down", p.x, p.y});
  Tap(out, p, press, {{"button-up", i, 0}, {"pointer-up", p.x, p.y}});
}

void Key(std::vector<LogLine>& out, int vk, std::vector<LogLine> effects = {}) {
  out.push_back({"script-key", vk, 0});
  out.insert(out.end(), effects.begin(), effects.end());
}

const int kDemoExitMs = 11000;
const int kDemoShotMs = 10000;

class ShowcaseDemo : public ::testing::Test {
 protected:
  // One run for the suite: it takes about as long as its --exit-after.
  static void SetUpTestSuite() {
    run_ = new SimRun(RunShowcase(L"--demo --exit-after " + std::to_wstring(kDemoExitMs),
                                  {L"--shot", L"end@" + std::to_wstring(kDemoShotMs)}));
  }
  static void TearDownTestSuite() {
    delete run_;
    run_ = nullptr;
  }
  static SimRun* run_;
};

SimRun* ShowcaseDemo::run_ = nullptr;

TEST_F(ShowcaseDemo, EveryNotificationOfTheScriptedInputIsLoggedInOrder) {
  const SimRun& run = *run_;
  ASSERT_EQ(run.exitCode, 0) << run.stdoutText;
  std::vector<LogLine> lines = ShowcaseLines(run);
  ASSERT_FALSE(lines.empty()) << run.stdoutText;
  // It comes up painted before anything else happens.
  EXPECT_EQ(lines.front(), (LogLine{"paint", 1, 0}));

  std::vector<LogLine> e;
  e.push_back({"script-start", 33, 0});
  e.push_back({"focus", 10, 0});  // the lowest focus rank: Push
  // Taps on a push, a toggle and a latching button.
  TapButton(e, kButtonPush, false);
  TapButton(e, kButtonToggle, true);
  TapButton(e, kButtonLatch, true);
  // Focus keys, then the activate key: the focused button reports a press.
  Key(e, VK_RIGHT, {{"focus", 10 + kButtonUnlatch, 0}});
  Key(e, VK_LEFT, {{"focus", 10 + kButtonLatch, 0}});
  Key(e, VK_LEFT, {{"focus", 10 + kButtonToggle, 0}});
  Key(e, VK_RETURN, {{"button-down", kButtonToggle, 0}});
  TapButton(e, kButtonNextIcon, true);
  // A row tap chooses the row (value 1000 + row) and takes no pointer message.
  Tap(e, RowCentre(2), {{"focus", 0, 0}, {"row-select", 2, 1002}}, {});
  Key(e, VK_DOWN);
  Key(e, VK_RETURN, {{"row-select", 3, 1003}});
  Key(e, VK_UP);
  Key(e, VK_UP);
  Key(e, VK_UP);
  Key(e, VK_UP, {{"list-limit", 3, 0}});  // the first row was reached
  // Page taps on the bar below the thumb; the fifth finds the list at its end.
  const POINT bar = kScrollBarLowPoint;
  for (int k = 0; k < 4; ++k) Tap(e, bar, {{"pointer-down", bar.x, bar.y}}, {{"pointer-up", bar.x, bar.y}});
  Tap(e, bar, {{"list-limit", 0, 0}, {"pointer-down", bar.x, bar.y}}, {{"pointer-up", bar.x, bar.y}});
  Tap(e, RowCentre(5), {{"row-select", 29, 1029}}, {});
  Key(e, VK_DOWN);
  e.push_back({"script-done", 33, 0});
  e.push_back({"list-limit", 2, 0});  // posted by the last key: the last row
  e.push_back({"closing", kDemoExitMs, 0});
  ExpectLines(e, WithoutPaints(lines));

  // Every whole-list redraw reports the top row; the page taps move it by
  // six rows up to the last first row, 24 of 30 rows with 6 visible.
  EXPECT_EQ(TopRowsReported(lines), (std::vector<long long>{0, 6, 12, 18, 24}));
  for (const LogLine& l : lines) {
    if (l.name == "scroll-position") {
      EXPECT_EQ(l.lParam, kRowCount - kVisibleRows) << l;
    }
  }
}

TEST_F(ShowcaseDemo, TheScreenShowsTheStateTheInputLeft) {
  const SimRun& run = *run_;
  const SimEvent* shot = nullptr;
  for (const SimEvent& e : run.events) {
    if (e.event == "shot" && e.file.find("end.png") != std::string::npos) shot = &e;
  }
  ASSERT_NE(shot, nullptr) << run.stdoutText;
  const SimEvent* done = FindDebug(run, "showcase: script-done");
  ASSERT_NE(done, nullptr) << run.stdoutText;
  ASSERT_LT(IndexOf(run, done), IndexOf(run, shot)) << "the demo was not over when the shot was taken";
  BmpImage image = ReadBmp(run.folder + L"\\end.bmp");
  ASSERT_TRUE(image.ok);

  struct Probe {
    const char* what;
    int x;
    int y;
    COLORREF colour;
  } const probes[] = {
      {"accent line under the title bar", 400, kTitleBarHeight, kAccentLine},
      {"empty panel area", 640, 440 - 4, kPanelFill},
      {"toggle, switched on: pressed border", kButtonPlaces[kButtonToggle].x + 56,
       kButtonPlaces[kButtonToggle].y, kPressedBorder},
      {"latch, held: pressed border", kButtonPlaces[kButtonLatch].x + 56, kButtonPlaces[kButtonLatch].y,
       kPressedBorder},
      {"push, released: normal border", kButtonPlaces[kButtonPush].x + 56, kButtonPlaces[kButtonPush].y,
       kButtonBorder},
      {"last row, selected in the focused list: marker", kListX + 4,
       kListY + 5 * kRowHeight + kRowHeight / 2, kThumb},
      {"thumb at the bottom of the bar", kScrollBarX + 6, kListY + kListHeight - kKnobHeight - 8, kThumb},
      {"track above the thumb", kScrollBarX + 6, kListY + 20, kTrack},
      // The slot shows frame 1 (the star) with its cut-out corners transparent.
      {"star in the image slot", kSlotX + 16, kSlotY + 17, RGB(0xFF, 0xC9, 0x4D)},
      {"slot frame corner shows the tile", kSlotX + 1, kSlotY + 1, kIconEdgeBase},
  };
  for (const Probe& p : probes) {
    COLORREF got = image.At(p.x, p.y);
    EXPECT_EQ(got, p.colour) << p.what << " at (" << p.x << ", " << p.y << "): got 0x" << std::hex << got;
  }
}

TEST(ShowcaseScript, AScriptFileDrivesTheScreenWithTheChosenOptions) {
  // Jump taps: a tap three quarters down the bar puts the list at
  // (maxTop + 1) * 216 / 288 = 18 (continuous motion, 30 rows, 6 visible).
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring path = std::wstring(temp) + L"showcase-test-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  FILE* file = _wfopen(path.c_str(), L"w");
  ASSERT_NE(file, nullptr);
  std::fprintf(file, "# a comment line\nkey right\nwait 50\ntap %d %d   # on the bar\nkey 37\n",
               static_cast<int>(kScrollBarX + 6), static_cast<int>(kListY + 216));
  std::fclose(file);

  SimRun run = RunShowcase(L"--jump --fixed-thumb --exit-after 6000 --script \"" + path + L"\"", {});
  DeleteFileW(path.c_str());
  ASSERT_EQ(run.exitCode, 0) << run.stdoutText;
  std::vector<LogLine> lines = ShowcaseLines(run);
  const int x = kScrollBarX + 6;
  const int y = kListY + 216;
  ExpectLines({{"script-start", 4, 0},
               {"focus", 10, 0},
               {"script-key", VK_RIGHT, 0},
               {"focus", 11, 0},
               {"script-down", x, y},
               {"pointer-down", x, y},
               {"script-up", x, y},
               {"pointer-up", x, y},
               {"script-key", VK_LEFT, 0},
               {"focus", 10, 0},
               {"script-done", 4, 0},
               {"closing", 6000, 0}},
              WithoutPaints(lines));
  EXPECT_EQ(TopRowsReported(lines), (std::vector<long long>{0, 18}));
}

}  // namespace
