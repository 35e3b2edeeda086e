// End-to-end tests of devicesim.exe against fake_popup.exe, whose behaviour
// is fixed: frame and BrowserWnd at 0,0 800x480 in known colours, reports
// 5024 (101,1) to Velmora_GUI and 1781 (0,0) to QD_MAINMENU from its first
// paint, "Popup Close -- \r\n" and its end `hold` ms later.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devicesim_client.h"

namespace {

const COLORREF kBrowserColour = RGB(32, 128, 192);  // as fake_popup.cpp paints
const COLORREF kMarkColour = RGB(240, 200, 16);     // at (10,20)-(110,70)

std::wstring FakePopup() { return TestExeFolder() + L"\\fake_popup.exe"; }

// devicesim against the fake, with a timeout that the tests never reach
// unless they set their own (a later --timeout wins).
SimRun RunFake(std::vector<std::wstring> args) {
  args.insert(args.begin(), {L"--popup", FakePopup(), L"--timeout", L"15000"});
  SimRun run = RunDeviceSim(args);
  EXPECT_FALSE(run.killed) << run.stdoutText;
  return run;
}

std::string Describe(const SimRun& run) { return "devicesim output:\n" + run.stdoutText; }

bool FileStartsWith(const std::wstring& path, const std::string& prefix) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  std::string head(prefix.size(), '\0');
  DWORD got = 0;
  ReadFile(file, &head[0], static_cast<DWORD>(head.size()), &got, nullptr);
  CloseHandle(file);
  return got == prefix.size() && head == prefix;
}

TEST(DeviceSim, RecordsAPlainRunInOrder) {
  SimRun run = RunFake({});
  ASSERT_EQ(run.exitCode, 0) << Describe(run);
  ASSERT_FALSE(run.events.empty()) << Describe(run);

  const SimEvent* window = FindFirst(run, "window");
  const SimEvent* paint = FindFirst(run, "paint");
  const SimEvent* gui = FindFirst(run, "message", "Velmora_GUI");
  const SimEvent* shot = FindFirst(run, "shot");
  const SimEvent* guiAnswered = FindDebug(run, "FakePopup Velmora_GUI answered 0\r\n");
  const SimEvent* menu = FindFirst(run, "message", "QD_MAINMENU");
  const SimEvent* close = FindDebug(run, "Popup Close -- \r\n");
  ASSERT_TRUE(window && paint && gui && shot && guiAnswered && menu && close) << Describe(run);

  EXPECT_EQ(window->title, "QD_POPUP");
  EXPECT_EQ(std::vector<int>(window->rect, window->rect + 4), (std::vector<int>{0, 0, 800, 480}));
  EXPECT_EQ(gui->msg, 5024u);
  EXPECT_EQ(gui->wParam, 101);
  EXPECT_EQ(gui->lParam, 1);
  EXPECT_EQ(menu->msg, 1781u);
  EXPECT_EQ(menu->wParam, 0);
  EXPECT_EQ(menu->lParam, 0);

  // first-report.png is written while the first report is being handled,
  // that is before the pop-up gets its answer.
  EXPECT_LT(IndexOf(run, window), IndexOf(run, paint));
  EXPECT_LT(IndexOf(run, paint), IndexOf(run, gui));
  EXPECT_LT(IndexOf(run, gui), IndexOf(run, shot));
  EXPECT_NE(shot->file.find("first-report.png"), std::string::npos) << shot->file;
  EXPECT_LT(IndexOf(run, shot), IndexOf(run, guiAnswered));
  EXPECT_LT(IndexOf(run, guiAnswered), IndexOf(run, menu));
  EXPECT_LT(IndexOf(run, menu), IndexOf(run, close));

  // The fake holds 1000 ms after its first paint before it closes.
  EXPECT_GE(close->t - gui->t, 900);
  EXPECT_EQ(FindFirst(run, "timeout"), nullptr);

  // Every line came out of the pop-up's OutputDebugString calls unchanged,
  // including quotes, a backslash and a tab.
  EXPECT_NE(FindDebug(run, "FakePopup start \"q\" \\ \t\r\n"), nullptr) << Describe(run);
  for (const SimEvent& debug : EventsOf(run, "debug")) EXPECT_TRUE(debug.from.empty()) << debug.line;

  // Times only go forward and the run ends with exit, after before-exit.png.
  for (size_t k = 1; k < run.events.size(); ++k) {
    EXPECT_LE(run.events[k - 1].t, run.events[k].t) << run.events[k].line;
  }
  const SimEvent& last = run.events.back();
  EXPECT_EQ(last.event, "exit");
  EXPECT_EQ(last.code, 0);
  const SimEvent& beforeExit = run.events[run.events.size() - 2];
  EXPECT_EQ(beforeExit.event, "shot");
  EXPECT_NE(beforeExit.file.find("before-exit.png"), std::string::npos) << beforeExit.file;

  EXPECT_NE(run.stdoutText.find(" ms  message  QD_MAINMENU <- 1781 (wParam 0, lParam 0)"), std::string::npos)
      << Describe(run);
}

TEST(DeviceSim, ScreenshotsShowWhatThePopupPainted) {
  SimRun run = RunFake({L"--bmp-shots"});
  ASSERT_EQ(run.exitCode, 0) << Describe(run);
  for (const wchar_t* name : {L"first-report", L"before-exit"}) {
    SCOPED_TRACE(ToUtf8(name));
    std::wstring base = run.folder + L"\\" + name;
    EXPECT_TRUE(FileStartsWith(base + L".png", "\x89PNG\r\n\x1a\n"));
    BmpImage image = ReadBmp(base + L".bmp");
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(image.width, 800);
    EXPECT_EQ(image.height, 480);
    // The mark in the top-left corner tells a flipped or mirrored image.
    EXPECT_EQ(image.At(50, 40), kMarkColour);
    EXPECT_EQ(image.At(5, 5), kBrowserColour);
    EXPECT_EQ(image.At(400, 300), kBrowserColour);
    EXPECT_EQ(image.At(799, 479), kBrowserColour);
  }
}

TEST(DeviceSim, ALeftOutHostReceivesNothing) {
  struct Case {
    const wchar_t* option;
    std::string absent;
    std::string present;
  };
  for (const Case& c : {Case{L"--no-mainmenu", "QD_MAINMENU", "Velmora_GUI"},
                        Case{L"--no-gui", "Velmora_GUI", "QD_MAINMENU"}}) {
    SCOPED_TRACE(c.absent);
    SimRun run = RunFake({c.option});
    EXPECT_EQ(run.exitCode, 0) << Describe(run);
    EXPECT_EQ(FindFirst(run, "message", c.absent), nullptr) << Describe(run);
    EXPECT_NE(FindFirst(run, "message", c.present), nullptr) << Describe(run);
    EXPECT_NE(FindDebug(run, "FakePopup no " + c.absent + "\r\n"), nullptr) << Describe(run);
  }
}

TEST(DeviceSim, SlowHostHoldsThePopupInsideTheMessage) {
  SimRun run = RunFake({L"--slow-host", L"600"});
  ASSERT_EQ(run.exitCode, 0) << Describe(run);
  const SimEvent* menu = FindFirst(run, "message", "QD_MAINMENU");
  const SimEvent* answered = FindDebug(run, "FakePopup QD_MAINMENU answered 0");
  ASSERT_TRUE(menu && answered) << Describe(run);
  EXPECT_GE(answered->t - menu->t, 550);
  // Only QD_MAINMENU is slow.
  const SimEvent* gui = FindFirst(run, "message", "Velmora_GUI");
  const SimEvent* guiAnswered = FindDebug(run, "FakePopup Velmora_GUI answered 0");
  ASSERT_TRUE(gui && guiAnswered) << Describe(run);
  EXPECT_LT(guiAnswered->t - gui->t, 300);
}

TEST(DeviceSim, PostAndSendReachTheFrameAtTheirTime) {
  SimRun run = RunFake({L"--post", L"300:1234:5:-6", L"--send", L"500:0x514:7:8"});
  ASSERT_EQ(run.exitCode, 0) << Describe(run);

  const SimEvent* post = FindFirst(run, "post");
  const SimEvent* posted = FindDebug(run, "FakePopup got 1234 5 -6\r\n");
  ASSERT_TRUE(post && posted) << Describe(run);
  EXPECT_EQ(post->to, "QD_POPUP");
  EXPECT_EQ(post->msg, 1234u);
  EXPECT_EQ(post->lParam, -6);
  EXPECT_GE(post->t, 300);
  EXPECT_LT(post->t, 400);
  EXPECT_LT(IndexOf(run, post), IndexOf(run, posted));

  const SimEvent* send = FindFirst(run, "send");
  const SimEvent* sent = FindDebug(run, "FakePopup got 1300 7 8\r\n");
  const SimEvent* answer = FindFirst(run, "answer");
  ASSERT_TRUE(send && sent && answer) << Describe(run);
  EXPECT_EQ(send->msg, 1300u);
  EXPECT_GE(send->t, 500);
  EXPECT_LT(send->t, 600);
  EXPECT_LT(IndexOf(run, send), IndexOf(run, answer));
  EXPECT_EQ(answer->result, 15);  // the fake answers wParam + lParam
}

TEST(DeviceSim, TimeoutClosesTheFrameAndTerminatesAStubbornPopup) {
  struct Case {
    std::wstring args;
    int exitCode;
    bool terminated;
  };
  for (const Case& c : {Case{L"hold=8000", 0, false}, Case{L"hold=8000 ignore-close", 9, true}}) {
    SCOPED_TRACE(ToUtf8(c.args));
    SimRun run = RunFake({L"--args", c.args, L"--timeout", L"1000"});
    EXPECT_EQ(run.exitCode, c.exitCode) << Describe(run);
    std::vector<SimEvent> timeouts = EventsOf(run, "timeout");
    ASSERT_EQ(timeouts.size(), c.terminated ? 2u : 1u) << Describe(run);
    EXPECT_EQ(timeouts[0].action, "close");
    EXPECT_GE(timeouts[0].t, 1000);
    if (c.terminated) {
      EXPECT_EQ(timeouts[1].action, "terminate");
      EXPECT_GE(timeouts[1].t, 4000);
    }
    ASSERT_FALSE(run.events.empty());
    EXPECT_EQ(run.events.back().event, "exit");
    EXPECT_EQ(run.events.back().code, c.exitCode);
    // Closing takes about 2 s more than it would on a desktop: Wine waits
    // for a window manager to withdraw the full-screen frame, in vain.
    EXPECT_LT(run.events.back().t, c.terminated ? 6000 : 4000);
    EXPECT_EQ(FindDebug(run, "Popup Close -- "), nullptr) << "the fake ended by itself";
  }
}

TEST(DeviceSim, SecondCopyEndsAtOnceWithoutAWindow) {
  SimRun run = RunFake({L"--second-at", L"300"});
  ASSERT_EQ(run.exitCode, 0) << Describe(run);
  const SimEvent* second = FindFirst(run, "second-exit");
  ASSERT_NE(second, nullptr) << Describe(run);
  EXPECT_EQ(second->code, 0);
  EXPECT_FALSE(second->window);
  EXPECT_TRUE(second->error.empty()) << second->error;
  const SimEvent* line = FindDebug(run, "FakePopup second copy\r\n");
  ASSERT_NE(line, nullptr) << Describe(run);
  EXPECT_EQ(line->from, "second");
  // It was over long before the first copy (which holds 1000 ms after paint).
  EXPECT_LT(IndexOf(run, second), IndexOf(run, FindDebug(run, "Popup Close -- ")));
}

TEST(DeviceSim, StartsThePopupOnTheDriveWithArgumentsAsGiven) {
  SimRun run = RunFake({L"--drive", L"C", L"--args", L"hold=200 exit=7  x\"y"});
  EXPECT_EQ(run.exitCode, 7) << Describe(run);
  ASSERT_FALSE(run.events.empty()) << Describe(run);
  EXPECT_EQ(run.events.back().code, 7);
  EXPECT_NE(FindDebug(run, "FakePopup cwd C:\\\r\n"), nullptr) << Describe(run);
  const SimEvent* commandLine = FindDebug(run, "FakePopup cmdline ");
  ASSERT_NE(commandLine, nullptr) << Describe(run);
  const std::string tail = "fake_popup.exe\" hold=200 exit=7  x\"y\r\n";
  ASSERT_GE(commandLine->text.size(), tail.size());
  EXPECT_EQ(commandLine->text.substr(commandLine->text.size() - tail.size()), tail);
}

// An overrun must not leave the pop-up behind: it would answer the next
// test's FindWindow calls.
TEST(DeviceSim, ClientKillsAnOverrunningRunWithItsPopup) {
  SimRun run = RunDeviceSim({L"--popup", FakePopup(), L"--args", L"hold=20000"}, 2000);
  EXPECT_TRUE(run.killed);
  EXPECT_EQ(run.exitCode, -1);
  // The header line names the pop-up's process: "..., pid N".
  size_t at = run.stdoutText.find(", pid ");
  ASSERT_NE(at, std::string::npos) << run.stdoutText;
  DWORD pid = static_cast<DWORD>(std::stoul(run.stdoutText.substr(at + 6)));
  HANDLE popup = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (popup) {
    EXPECT_EQ(WaitForSingleObject(popup, 3000), WAIT_OBJECT_0) << "pop-up still running";
    CloseHandle(popup);
  }
  EXPECT_NE(FindFirst(run, "window"), nullptr) << "the timeline up to the kill is kept";
}

TEST(DeviceSim, MissingPopupEndsWithCodeTwoAndSaysWhy) {
  SimRun run = RunDeviceSim({L"--popup", TestExeFolder() + L"\\no_such_popup.exe"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.events.empty()) << run.events.front().line;
  EXPECT_NE(run.stdoutText.find("cannot start"), std::string::npos) << run.stdoutText;
}

}  // namespace
