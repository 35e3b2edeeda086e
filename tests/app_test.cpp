// The pop-up's shell driven in-process: the configuration flag and the host
// reports, the paint callback of both modes, the screen definitions handed
// to the component, the fallback when the component's window cannot be
// made, and the frame's focus, title and button notification. The host
// programs are windows of this test carrying the two hosts' titles (the
// pop-up finds windows by title, in any process).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "device_folder.h"
#include "main_frame.h"
#include "message_recorder.h"
#include "popup_globals.h"
#include "popup_messages.h"
#include "resource.h"

namespace {

// What reached either host, in the order it arrived.
struct HostMsg {
  std::wstring host;
  RecordedMsg msg;
};
std::vector<HostMsg> g_hostLog;

class CHostWnd : public CRecorderWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message >= WM_USER) g_hostLog.push_back(HostMsg{title, RecordedMsg{message, wParam, lParam}});
    return CRecorderWnd::WindowProc(message, wParam, lParam);
  }
  std::wstring title;
};

std::vector<std::wstring> g_debugLines;
void CollectDebugLine(LPCWSTR line) { g_debugLines.push_back(line); }

class PopupShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device.ok());
    device.Clear();
    device.MakeCurrent();
    ASSERT_TRUE(mainWindow.CreateRecorder(L"test main window", 0, 0, 10, 10));
    theApp.m_pMainWnd = &mainWindow;
    g_popupMode.m_bBlackBox = 0;
    g_hostLog.clear();
    g_debugLines.clear();
    SetDebugLineSink(CollectDebugLine);
  }
  void TearDown() override {
    SetDebugLineSink(nullptr);
    theApp.m_pMainWnd = nullptr;
    for (auto& h : hosts) h->DestroyWindow();
    mainWindow.DestroyWindow();
    g_popupMode.m_bBlackBox = 0;
  }
  void AddHost(const wchar_t* title) {
    hosts.push_back(std::make_unique<CHostWnd>());
    hosts.back()->title = title;
    ASSERT_TRUE(hosts.back()->CreateRecorder(title, 0, 0, 1, 1));
    hosts.back()->ShowWindow(SW_HIDE);  // hidden windows are found by title too
  }
  // True when the close timer was running on the main window (and stops it).
  bool TakeCloseTimer() { return KillTimer(mainWindow.m_hWnd, TIMER_CLOSE) != FALSE; }

  DeviceFolder device;
  CRecorderWnd mainWindow;
  std::vector<std::unique_ptr<CHostWnd>> hosts;
};

std::string DumpHostLog() {
  std::string out;
  for (const HostMsg& m : g_hostLog) {
    out += "  " + std::string(m.host.begin(), m.host.end()) + " <- " + std::to_string(m.msg.message) +
           " (" + std::to_string(m.msg.wParam) + ", " + std::to_string(m.msg.lParam) + ")\n";
  }
  return out;
}

struct ConfigCase {
  const char* what;
  bool present;
  std::vector<unsigned char> bytes;
  WPARAM flag;
};

std::vector<unsigned char> Bytes(size_t count, int at8 = -1, unsigned char fill = 0) {
  std::vector<unsigned char> v(count, fill);
  if (at8 >= 0 && count > 8) v[8] = static_cast<unsigned char>(at8);
  return v;
}

TEST_F(PopupShellTest, ConfigurationByteDecidesTheFlagAndBothReportsGoOut) {
  const ConfigCase cases[] = {
      {"no file", false, {}, 0},
      {"empty file", true, {}, 0},
      {"eight bytes, the last one 1", true, Bytes(8, -1, 1), 0},
      {"byte 8 = 0x00", true, Bytes(9, 0x00), 0},
      {"byte 8 = 0x01", true, Bytes(9, 0x01), 1},
      {"byte 8 = 0x31 ('1')", true, Bytes(9, 0x31), 0},
      {"byte 8 = 0x10", true, Bytes(9, 0x10), 0},
      {"byte 8 = 0x11", true, Bytes(9, 0x11), 0},
      {"byte 8 = 0x81", true, Bytes(9, 0x81), 0},
      {"byte 8 = 0xFF", true, Bytes(9, 0xFF), 0},
      {"16 bytes, byte 8 = 0x01", true, Bytes(16, 0x01, 0x00), 1},
      {"16 bytes of 1 but byte 8 = 0", true, Bytes(16, 0x00, 0x01), 0},
  };
  AddHost(GUIDE_WINDOW_TITLE);
  AddHost(SHELL_WINDOW_TITLE);
  for (const ConfigCase& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.present) device.WriteConfig(c.bytes);
    else device.RemoveConfig();
    g_hostLog.clear();

    g_popupScreen.ReportToHosts();

    ASSERT_EQ(2u, g_hostLog.size()) << DumpHostLog();
    EXPECT_EQ(GUIDE_WINDOW_TITLE, g_hostLog[0].host);
    EXPECT_EQ(static_cast<UINT>(WM_GUIDE_POPUPSHOWN), g_hostLog[0].msg.message);
    EXPECT_EQ(101u, g_hostLog[0].msg.wParam);
    EXPECT_EQ(1, g_hostLog[0].msg.lParam);
    EXPECT_EQ(SHELL_WINDOW_TITLE, g_hostLog[1].host);
    EXPECT_EQ(static_cast<UINT>(WM_SHELL_CAUTIONSHOWN), g_hostLog[1].msg.message);
    EXPECT_EQ(c.flag, g_hostLog[1].msg.wParam);
    EXPECT_EQ(0, g_hostLog[1].msg.lParam);
    EXPECT_TRUE(TakeCloseTimer());

    // The file is only read.
    if (c.present) {
      HANDLE file = CreateFileW(device.ConfigPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
      ASSERT_NE(INVALID_HANDLE_VALUE, file);
      std::vector<unsigned char> now(64);
      DWORD got = 0;
      ReadFile(file, now.data(), 64, &got, nullptr);
      CloseHandle(file);
      now.resize(got);
      EXPECT_EQ(c.bytes, now);
    }
  }
}

TEST_F(PopupShellTest, AMissingHostIsSkippedAndTheRestStillHappens) {
  device.WriteConfig(Bytes(9, 0x01));
  const struct {
    bool guide, shell;
    size_t messages;
  } cases[] = {{true, false, 1}, {false, true, 1}, {false, false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("guide ") + (c.guide ? "present" : "absent") + ", shell " +
                 (c.shell ? "present" : "absent"));
    for (auto& h : hosts) h->DestroyWindow();
    hosts.clear();
    if (c.guide) AddHost(GUIDE_WINDOW_TITLE);
    if (c.shell) AddHost(SHELL_WINDOW_TITLE);
    g_hostLog.clear();

    g_popupScreen.ReportToHosts();

    ASSERT_EQ(c.messages, g_hostLog.size()) << DumpHostLog();
    if (c.guide) {
      EXPECT_EQ(static_cast<UINT>(WM_GUIDE_POPUPSHOWN), g_hostLog[0].msg.message);
    }
    if (c.shell) {
      EXPECT_EQ(static_cast<UINT>(WM_SHELL_CAUTIONSHOWN), g_hostLog.back().msg.message);
      EXPECT_EQ(1u, g_hostLog.back().msg.wParam);
    }
    EXPECT_TRUE(TakeCloseTimer());
  }
}

TEST_F(PopupShellTest, EveryPaintReportsAgainInCautionModeOnlyArmsTheTimerInBlackBoxMode) {
  AddHost(GUIDE_WINDOW_TITLE);
  AddHost(SHELL_WINDOW_TITLE);
  device.WriteConfig(Bytes(9, 0x00));
  OnPopupPainted(nullptr);
  device.WriteConfig(Bytes(9, 0x01));  // read anew for the second report
  OnPopupPainted(nullptr);
  ASSERT_EQ(4u, g_hostLog.size()) << DumpHostLog();
  EXPECT_EQ(0u, g_hostLog[1].msg.wParam);
  EXPECT_EQ(1u, g_hostLog[3].msg.wParam);
  EXPECT_TRUE(TakeCloseTimer());
  EXPECT_TRUE(g_debugLines.empty());

  g_hostLog.clear();
  g_popupMode.m_bBlackBox = 1;
  OnPopupPainted(nullptr);
  OnPopupPainted(nullptr);
  EXPECT_TRUE(g_hostLog.empty()) << DumpHostLog();
  ASSERT_EQ(2u, g_debugLines.size());
  EXPECT_EQ(L"BlackBox -- TimmerOn !!\r\n", g_debugLines[0]);
  EXPECT_EQ(L"BlackBox -- TimmerOn !!\r\n", g_debugLines[1]);
  EXPECT_TRUE(TakeCloseTimer());
}

// The definition each mode hands to the component, field by field; every
// field not set here must be 0.
std::unique_ptr<ScreenDefinition> ExpectedDefinition(bool blackBox) {
  auto def = std::make_unique<ScreenDefinition>();
  std::memset(def.get(), 0, sizeof(ScreenDefinition));
  def->painter = &g_imagePainter;
  def->buttonDownMessage = 1525;
  def->buttonUpMessage = 1524;
  def->paintCallback = OnPopupPainted;
  def->actOnRelease = 1;
  def->backgroundImage = blackBox ? 1 : 0;
  if (!blackBox) {
    const struct {
      int x, normal0, normal1, pressed0, pressed1, focused0, focused1, rank;
    } b[2] = {{153, 2, 3, 3, 3, 4, 3, 0}, {407, 5, 0, 6, 0, 7, 0, 1}};
    for (int i = 0; i < 2; ++i) {
      ButtonDef& d = def->buttons[i];
      d.x = d.hitX = b[i].x;
      d.y = d.hitY = 280;
      d.normalImages[0] = b[i].normal0;
      d.normalImages[1] = b[i].normal1;
      d.pressedImages[0] = b[i].pressed0;
      d.pressedImages[1] = b[i].pressed1;
      d.focusedImages[0] = b[i].focused0;
      d.focusedImages[1] = b[i].focused1;
      d.hitWidth = 252;
      d.hitHeight = 60;
      d.focusRank = b[i].rank;
    }
  }
  return def;
}

TEST_F(PopupShellTest, EachModeBuildsItsScreenAndPlacesTheComponent) {
  const struct {
    BYTE blackBox;
    RECT rect;
  } cases[] = {{0, {0, 0, 800, 480}}, {1, {230, 112, 570, 367}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.blackBox ? "black-box" : "caution");
    g_popupMode.m_bBlackBox = c.blackBox;
    g_popupScreen.CreateScreen(&mainWindow);
    ASSERT_NE(nullptr, g_browserWnd.m_hWnd);

    auto expected = ExpectedDefinition(c.blackBox != 0);
    EXPECT_EQ(0, std::memcmp(expected.get(), &g_browserWnd.Definition(), sizeof(ScreenDefinition)));

    RECT r;
    GetWindowRect(g_browserWnd.m_hWnd, &r);
    MapWindowPoints(nullptr, mainWindow.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(c.rect.left, r.left);
    EXPECT_EQ(c.rect.top, r.top);
    EXPECT_EQ(c.rect.right, r.right);
    EXPECT_EQ(c.rect.bottom, r.bottom);
    EXPECT_EQ(BROWSER_WINDOW_ID, GetDlgCtrlID(g_browserWnd.m_hWnd));
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE),
              GetWindowLongW(g_browserWnd.m_hWnd, GWL_STYLE) & ~(WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    EXPECT_EQ(std::wstring(L"BrowserWnd"), std::wstring(g_browserWnd.GetWindowText()));
    EXPECT_FALSE(TakeCloseTimer());  // nothing is armed before a paint
    g_browserWnd.DestroyWindow();
  }
}

TEST_F(PopupShellTest, WithoutItsComponentWindowThePopupStillClosesOnItsTimer) {
  // A child window without a parent cannot be created.
  g_popupScreen.CreateScreen(nullptr);
  EXPECT_EQ(nullptr, g_browserWnd.m_hWnd);
  EXPECT_TRUE(TakeCloseTimer());
  ASSERT_EQ(1u, g_debugLines.size());
  EXPECT_EQ(L"Screen not created -- \r\n", g_debugLines[0]);
}

TEST_F(PopupShellTest, TheFrameTitlesItselfGivesTheFocusAwayAndReportsButtonPresses) {
  AddHost(SHELL_WINDOW_TITLE);
  AddHost(GUIDE_WINDOW_TITLE);
  device.InstallSkins();
  // Never destroyed: the frame ends the process from its destroy handler.
  CMainFrame* frame = new CMainFrame;
  theApp.m_pMainWnd = frame;
  ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME, WS_BORDER, nullptr, nullptr));
  PumpMessages();

  EXPECT_EQ(std::wstring(L"QD_POPUP"), std::wstring(frame->GetWindowText()));
  RECT r;
  frame->GetWindowRect(&r);
  EXPECT_EQ(0, r.left);
  EXPECT_EQ(0, r.top);
  EXPECT_EQ(800, r.right);
  EXPECT_EQ(480, r.bottom);
  LONG style = GetWindowLongW(frame->m_hWnd, GWL_STYLE);
  EXPECT_EQ(0, style & (WS_DLGFRAME | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(nullptr, GetMenu(frame->m_hWnd));
  EXPECT_EQ(GetParent(g_browserWnd.m_hWnd), frame->m_hWnd);
  EXPECT_EQ(g_browserWnd.m_hWnd, GetWindow(frame->m_hWnd, GW_CHILD));  // on top of its siblings
  EXPECT_STREQ("CMainFrame", frame->GetRuntimeClass()->m_lpszClassName);

  SetFocus(frame->m_hWnd);
  EXPECT_EQ(nullptr, GetFocus());

  // 1525 tells the shell, 1524 and a timer of another id do nothing.
  g_hostLog.clear();
  SendMessageW(frame->m_hWnd, WM_POPUP_BUTTONDOWN, 0, 0);
  SendMessageW(frame->m_hWnd, WM_POPUP_BUTTONUP, 0, 0);
  SendMessageW(frame->m_hWnd, WM_TIMER, TIMER_CLOSE + 1, 0);
  PumpMessages();
  ASSERT_EQ(1u, g_hostLog.size()) << DumpHostLog();
  EXPECT_EQ(SHELL_WINDOW_TITLE, g_hostLog[0].host);
  EXPECT_EQ(static_cast<UINT>(WM_SHELL_POPUPBUTTON), g_hostLog[0].msg.message);
  EXPECT_EQ(0u, g_hostLog[0].msg.wParam);
  EXPECT_EQ(0, g_hostLog[0].msg.lParam);
  EXPECT_TRUE(IsWindow(frame->m_hWnd));

  // The frame is hidden and forgotten; the process ends without its destroy.
  frame->ShowWindow(SW_HIDE);
  theApp.m_pMainWnd = &mainWindow;
}

}  // namespace
