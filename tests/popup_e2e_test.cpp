// The whole pop-up, end to end: the real program started by the device
// simulator on a device folder, with the two host windows, its debug output
// and screenshots. Timings are given generous tolerances (Wine on a shared
// machine); the order of events is asserted strictly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device_folder.h"
#include "devicesim_client.h"
#include "skin_colors.h"

namespace {

// The frame has a one-pixel border (WS_BORDER), so its client area, where
// the component's coordinates start, lies that far in from the display's
// corner.
POINT FrameClientOrigin(const SimEvent* window) {
  return POINT{window->rect[0] + GetSystemMetrics(SM_CXBORDER),
               window->rect[1] + GetSystemMetrics(SM_CYBORDER)};
}

const char kShell[] = "QD_MAINMENU";
const char kGuide[] = "Velmora_GUI";

class PopupEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device.ok());
    device.Clear();
    device.InstallSkins();
    device.WriteConfig({0, 0, 0, 0, 0, 0, 0, 0, 1, 0});
  }
  SimRun Run(const std::wstring& args, std::vector<std::wstring> extra = {}) {
    std::vector<std::wstring> all = {L"--drive", std::wstring(1, device.Drive()), L"--args", args,
                                     L"--timeout", L"15000"};
    all.insert(all.end(), extra.begin(), extra.end());
    SimRun run = RunDeviceSim(all, 40000);
    EXPECT_FALSE(run.killed) << run.stdoutText;
    return run;
  }
  DeviceFolder device;
};

TEST_F(PopupEndToEnd, TheLastArgumentChoosesTheModeAndEachArgumentIsLogged) {
  const std::string kBlackBox = "BlackBox -- \r\n";
  const std::string kGeneral = "NULL General Screen -- \r\n";
  const std::string kTimerOn = "BlackBox -- TimmerOn !!\r\n";
  const std::string kClose = "Popup Close -- \r\n";
  const struct {
    const wchar_t* args;
    bool blackBox;
    std::vector<std::string> parseLines;
  } cases[] = {
      {L"", false, {}},
      {L"BlackBox", true, {kBlackBox}},
      {L"blackbox", true, {kBlackBox}},
      {L"BLACKBOX", true, {kBlackBox}},
      {L"/BlackBox", true, {kBlackBox}},
      {L"-BlackBox", true, {kBlackBox}},
      {L"BlackBox Extra", false, {kBlackBox, kGeneral}},
      {L"Extra BlackBox", true, {kGeneral, kBlackBox}},
      {L"BlackBoxX", false, {kGeneral}},
      {L"Black Box", false, {kGeneral, kGeneral}},
      {L"\"Black Box\"", false, {kGeneral}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("command line: " + ToUtf8(c.args));
    SimRun run = Run(c.args);
    EXPECT_EQ(0, run.exitCode);
    std::vector<std::string> expected = c.parseLines;
    if (c.blackBox) expected.push_back(kTimerOn);
    expected.push_back(kClose);
    EXPECT_EQ(expected, DebugLines(run)) << "expected\n" << Join(expected) << "actual\n"
                                         << Join(DebugLines(run));
    std::vector<HostEvent> hostExpected =
        c.blackBox ? std::vector<HostEvent>{{kShell, 5525, 0, 0}}
                   : std::vector<HostEvent>{{kGuide, 5024, 101, 1}, {kShell, 1781, 1, 0}};
    EXPECT_EQ(hostExpected, HostMessages(run)) << "expected\n" << Describe(hostExpected)
                                               << "actual\n" << Describe(HostMessages(run));
  }
}

TEST_F(PopupEndToEnd, CautionReportsAfterItsPaintAndClosesThreeSecondsLater) {
  SimRun run = Run(L"", {L"--bmp-shots"});
  ASSERT_EQ(0, run.exitCode) << run.stdoutText;
  const SimEvent* window = FindFirst(run, "window");
  const SimEvent* paint = FindFirst(run, "paint");
  const SimEvent* shown = FindFirst(run, "message", kGuide);
  const SimEvent* flag = FindFirst(run, "message", kShell);
  const SimEvent* close = FindDebug(run, "Popup Close");
  const SimEvent* exit = FindFirst(run, "exit");
  ASSERT_TRUE(window && paint && shown && flag && close && exit) << run.stdoutText;
  EXPECT_EQ("QD_POPUP", window->title);
  EXPECT_EQ(0, window->rect[0]);
  EXPECT_EQ(0, window->rect[1]);
  EXPECT_EQ(800, window->rect[2]);
  EXPECT_EQ(480, window->rect[3]);
  // window, paint, 5024, 1781, close line, exit: strictly in this order.
  EXPECT_LT(IndexOf(run, window), IndexOf(run, paint));
  EXPECT_LT(IndexOf(run, paint), IndexOf(run, shown));
  EXPECT_LT(IndexOf(run, shown), IndexOf(run, flag));
  EXPECT_LT(IndexOf(run, flag), IndexOf(run, close));
  EXPECT_LT(IndexOf(run, close), IndexOf(run, exit));
  EXPECT_GE(close->t - flag->t, 2950) << run.stdoutText;
  EXPECT_LE(close->t - flag->t, 4500) << run.stdoutText;
  EXPECT_GE(exit->t - close->t, 190) << run.stdoutText;
  EXPECT_EQ(2u, EventsOf(run, "message").size());  // one report to each host

  // The first report is handled with the caution background on the display.
  BmpImage shot = ReadBmp(run.folder + L"\\first-report.bmp");
  ASSERT_TRUE(shot.ok) << run.stdoutText;
  BmpImage skin = ReadBmp(SkinFolder() + L"\\bg_caution.bmp");
  ASSERT_TRUE(skin.ok);
  POINT origin = FrameClientOrigin(window);
  int differing = 0;
  // Inside the border, the client area shows the image from its corner on.
  for (int y = 0; y + 2 * origin.y < 480; y += 7) {
    for (int x = 0; x + 2 * origin.x < 800; x += 7) {
      differing += shot.At(x + origin.x, y + origin.y) != skin.At(x, y);
    }
  }
  EXPECT_EQ(0, differing) << "pixels that differ from bg_caution.bmp on a 7-pixel grid";
}

TEST_F(PopupEndToEnd, BlackBoxShowsItsImageCentredAndTellsTheShellWhenItCloses) {
  SimRun run = Run(L"BlackBox", {L"--bmp-shots", L"--shot", L"shown@1500"});
  ASSERT_EQ(0, run.exitCode) << run.stdoutText;
  const SimEvent* timerOn = FindDebug(run, "TimmerOn");
  const SimEvent* closing = FindFirst(run, "message", kShell);
  const SimEvent* close = FindDebug(run, "Popup Close");
  const SimEvent* exit = FindFirst(run, "exit");
  ASSERT_TRUE(timerOn && closing && close && exit) << run.stdoutText;
  EXPECT_EQ(5525u, closing->msg);
  EXPECT_LT(IndexOf(run, FindDebug(run, "BlackBox -- \r\n")), IndexOf(run, timerOn));
  EXPECT_LT(IndexOf(run, timerOn), IndexOf(run, closing));
  EXPECT_LT(IndexOf(run, closing), IndexOf(run, close));
  EXPECT_GE(closing->t - timerOn->t, 1950) << run.stdoutText;
  EXPECT_LE(closing->t - timerOn->t, 3500) << run.stdoutText;
  EXPECT_GE(exit->t - close->t, 190);
  EXPECT_EQ(nullptr, FindFirst(run, "message", kGuide));

  const SimEvent* window = FindFirst(run, "window");
  ASSERT_NE(nullptr, window);
  BmpImage shot = ReadBmp(run.folder + L"\\shown.bmp");
  ASSERT_TRUE(shot.ok) << run.stdoutText;
  BmpImage skin = ReadBmp(SkinFolder() + L"\\BB_popup.bmp");
  ASSERT_TRUE(skin.ok);
  // The component's window: (230, 112) to (570, 367) in the frame.
  POINT origin = FrameClientOrigin(window);
  const int left = origin.x + 230, top = origin.y + 112;
  int differing = 0, outsideSkin = 0;
  for (int y = 0; y < 480; y += 3) {
    for (int x = 0; x < 800; x += 3) {
      bool inside = x >= left && x < left + 340 && y >= top && y < top + 255;
      if (inside) {
        differing += shot.At(x, y) != skin.At(x - left, y - top);
      } else {
        // Nothing of the image (its frame colour, its hidden magenta part)
        // shows outside the component's window.
        COLORREF p = shot.At(x, y);
        outsideSkin += p == skin::kBlackBoxFrame || p == skin::kBlackBoxOutside;
      }
    }
  }
  EXPECT_EQ(0, differing) << "pixels inside the window that differ from BB_popup.bmp";
  EXPECT_EQ(0, outsideSkin) << "pixels of the image outside the window";
  EXPECT_EQ(skin::kBlackBoxFrame, shot.At(left, top));
  EXPECT_EQ(skin::kBlackBoxFrame, shot.At(left + 339, top + 254));
}

TEST_F(PopupEndToEnd, ARepaintReportsAgainAndStartsTheCloseCountOver) {
  SimRun run = Run(L"", {L"--invalidate-at", L"2000"});
  EXPECT_EQ(0, run.exitCode);
  const std::vector<HostEvent> expected = {{kGuide, 5024, 101, 1}, {kShell, 1781, 1, 0},
                                           {kGuide, 5024, 101, 1}, {kShell, 1781, 1, 0}};
  ASSERT_EQ(expected, HostMessages(run)) << Describe(HostMessages(run));
  std::vector<SimEvent> reports = EventsOf(run, "message");
  const SimEvent* close = FindDebug(run, "Popup Close");
  ASSERT_NE(nullptr, close);
  EXPECT_GE(reports[2].t, 1950);
  // Closed three seconds after the last report, not after the first.
  EXPECT_GE(close->t - reports[3].t, 2950) << run.stdoutText;
  EXPECT_LE(close->t - reports[3].t, 4500) << run.stdoutText;
}

TEST_F(PopupEndToEnd, AMissingHostIsSkippedAndThePopupStillClosesOnTime) {
  const struct {
    const wchar_t* args;
    const wchar_t* leaveOut;
    std::vector<HostEvent> expected;
  } cases[] = {
      {L"", L"--no-gui", {{kShell, 1781, 1, 0}}},
      {L"", L"--no-mainmenu", {{kGuide, 5024, 101, 1}}},
      {L"BlackBox", L"--no-mainmenu", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.args) + " " + ToUtf8(c.leaveOut));
    SimRun run = Run(c.args, {c.leaveOut});
    EXPECT_EQ(0, run.exitCode);
    EXPECT_EQ(c.expected, HostMessages(run)) << Describe(HostMessages(run));
    EXPECT_EQ(nullptr, FindFirst(run, "timeout")) << "closed by the simulator, not by its timer";
    EXPECT_NE(nullptr, FindDebug(run, "Popup Close"));
  }
}

TEST_F(PopupEndToEnd, ButtonDownAtTheFrameTellsTheShellInEitherMode) {
  for (const wchar_t* args : {L"", L"BlackBox"}) {
    SCOPED_TRACE(ToUtf8(args));
    SimRun run = Run(args, {L"--send", L"700:1525:0:0", L"--send", L"800:1524:0:0"});
    EXPECT_EQ(0, run.exitCode);
    std::vector<HostEvent> shell;
    for (const HostEvent& e : HostMessages(run)) {
      if (e.to == kShell && (e.msg == 5124 || e.msg == 1524 || e.msg == 1525)) shell.push_back(e);
    }
    EXPECT_EQ(std::vector<HostEvent>{(HostEvent{kShell, 5124, 0, 0})}, shell) << Describe(shell);
  }
}

TEST_F(PopupEndToEnd, CloseRequestsEndThePopupAndOtherTimersDoNot) {
  // A timer of another id changes nothing: the pop-up closes on its own timer.
  SimRun other = Run(L"", {L"--post", L"600:275:31:0"});
  EXPECT_EQ(0, other.exitCode);
  const SimEvent* flag = FindFirst(other, "message", kShell);
  const SimEvent* close = FindDebug(other, "Popup Close");
  ASSERT_TRUE(flag && close) << other.stdoutText;
  EXPECT_GE(close->t - flag->t, 2950);

  // WM_CLOSE from another program closes it the same way, before its timer
  // (so no close report goes to the shell in black-box mode).
  SimRun closed = Run(L"BlackBox", {L"--post", L"700:16:0:0"});
  EXPECT_EQ(0, closed.exitCode);
  std::vector<std::string> lines = DebugLines(closed);
  EXPECT_EQ((std::vector<std::string>{"BlackBox -- \r\n", "BlackBox -- TimmerOn !!\r\n",
                                      "Popup Close -- \r\n"}),
            lines)
      << Join(lines);
  const SimEvent* closeLine = FindDebug(closed, "Popup Close");
  const SimEvent* exit = FindFirst(closed, "exit");
  ASSERT_TRUE(closeLine && exit);
  EXPECT_LT(closeLine->t, 1900) << "closed by the request, not by the timer";
  EXPECT_GE(exit->t - closeLine->t, 190);
  EXPECT_TRUE(HostMessages(closed).empty()) << Describe(HostMessages(closed));
}

TEST_F(PopupEndToEnd, ASecondCopyEndsAtOnceWhileTheFirstGoesOn) {
  for (const wchar_t* args : {L"", L"BlackBox"}) {
    SCOPED_TRACE(ToUtf8(args));
    SimRun run = Run(args, {L"--second-at", L"900"});
    EXPECT_EQ(0, run.exitCode);
    const SimEvent* second = FindFirst(run, "second-exit");
    ASSERT_NE(nullptr, second) << run.stdoutText;
    EXPECT_EQ(0, second->code);
    EXPECT_FALSE(second->window);
    EXPECT_LT(second->t - 900, 2500) << "the second copy took long to end";
    for (const SimEvent& e : run.events) {
      EXPECT_FALSE(e.event == "debug" && e.from == "second") << "the second copy wrote " << e.text;
    }
    // The first copy's reports are those of a run on its own.
    size_t expectedReports = std::wstring(args).empty() ? 2u : 1u;
    EXPECT_EQ(expectedReports, HostMessages(run).size()) << Describe(HostMessages(run));
  }
}

TEST_F(PopupEndToEnd, WithoutSkinsEveryImageIsReportedAndThePopupStillRuns) {
  device.Clear();
  SimRun run = Run(L"");
  EXPECT_EQ(0, run.exitCode);
  const char* names[] = {"bg_caution.bmp",      "BB_popup.bmp",        "btn_cau_yes_nor.bmp",
                         "btn_cau_yes_hot.bmp", "btn_cau_yes_dis.bmp", "btn_cau_no_nor.bmp",
                         "btn_cau_no_hot.bmp",  "btn_cau_no_dis.bmp"};
  std::vector<std::string> expected;
  for (const char* n : names) {
    expected.push_back(std::string("Image not found: \\ResidentFlash\\System\\Images\\MainMenu\\") + n +
                       "\r\n");
  }
  expected.push_back("Popup Close -- \r\n");
  EXPECT_EQ(expected, DebugLines(run)) << Join(DebugLines(run));
  EXPECT_EQ((std::vector<HostEvent>{{kGuide, 5024, 101, 1}, {kShell, 1781, 0, 0}}), HostMessages(run))
      << Describe(HostMessages(run));
}

}  // namespace
