// devicesim: runs the pop-up on a simulated device desktop (host windows,
// debug output monitor, screen), acts on it at given times and writes what
// happened as a timeline. Everything runs on one thread with a bounded
// message pump, except the debug reader.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "debug_capture.h"
#include "host_windows.h"
#include "options.h"
#include "popup_process.h"
#include "screenshot.h"
#include "timeline.h"

namespace {

const int kExitCannotStart = 2;
const UINT kTerminatedExitCode = 9;
const int kCloseGraceMs = 3000;       // after WM_CLOSE, before TerminateProcess
const int kSecondCopyGraceMs = 3000;  // for second copies still running at the end
const int kCaptureEveryMs = 100;
const DWORD kSettleMs = 30;      // first-report: captures this far apart must agree
const DWORD kSettleMaxMs = 300;
const DWORD kPumpWaitMs = 5;
const UINT kSendTimeoutMs = 10000;
const DWORD kDrainMs = 500;  // at most, for the debug reader to catch up
const wchar_t kMainMenu[] = L"QD_MAINMENU";
const wchar_t kGui[] = L"Velmora_GUI";

void WriteError(const std::wstring& text) { WriteStderr(L"devicesim: " + text + L"\n"); }

std::wstring FullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  size = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
  full.resize(size);
  return full;
}

std::wstring ExeFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  size_t slash = folder.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

std::wstring CurrentFolder() {
  wchar_t path[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, path);
  return path;
}

// Creates the folder and any missing parents.
bool MakeFolders(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  size_t slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos && slash > 2) MakeFolders(path.substr(0, slash));
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring MessageText(UINT msg, WPARAM wParam, LPARAM lParam) {
  return std::to_wstring(msg) + L" (wParam " + std::to_wstring(static_cast<unsigned long long>(wParam)) +
         L", lParam " + std::to_wstring(static_cast<long long>(lParam)) + L")";
}

struct ScheduledAction {
  int atMs;
  std::function<void()> run;
};

struct SecondCopy {
  std::unique_ptr<PopupProcess> process;
  int startedMs = 0;
  bool windowShown = false;
  bool done = false;
};

class Simulator {
 public:
  explicit Simulator(const Options& options)
      : options_(options),
        hosts_(options.allMessages, [this](const HostMessage& m) { return OnHostMessage(m); }) {}
  ~Simulator();

  int Run();

 private:
  bool Prepare(std::wstring* error);
  void Schedule();
  bool OnHostMessage(const HostMessage& message);
  void OnDebugText(DWORD pid, const std::wstring& text);

  void WatchFrame(int now);
  void EmitPaint(bool inferred);
  void WatchSecondCopies(int now);
  void FinishSecondCopies();
  void WaitAndPump(DWORD ms);

  void SendOrPost(const MessageAction& action);
  void StartSecondCopy(const SecondCopyAction& action);
  void ChangeHost(const HostAction& action);
  void InvalidateBrowser();
  void TimeoutClose();
  void TimeoutTerminate();
  void SaveShot(const std::wstring& name, const Screenshot& shot);
  void TakeShot(const std::wstring& name, bool settle = false);

  const Options& options_;
  Timeline timeline_;
  DebugCapture capture_;
  HostWindows hosts_;
  PopupProcess popup_;
  std::wstring popupPath_;
  std::wstring currentDir_;
  std::wstring shotDir_;
  HANDLE runMutex_ = nullptr;

  std::vector<ScheduledAction> actions_;
  size_t nextAction_ = 0;
  std::vector<SecondCopy> seconds_;

  bool launched_ = false;
  HWND frame_ = nullptr;
  bool windowEmitted_ = false;
  bool paintEmitted_ = false;
  bool firstReportTaken_ = false;
  Screenshot lastVisible_;
  int lastCaptureMs_ = -kCaptureEveryMs;
};

Simulator::~Simulator() {
  capture_.Stop();
  if (runMutex_) {
    ReleaseMutex(runMutex_);
    CloseHandle(runMutex_);
  }
}

bool Simulator::Prepare(std::wstring* error) {
  // Host titles and the DBWIN objects are machine-wide: two runs at once
  // would see each other's reports, so runs take turns.
  runMutex_ = CreateMutexW(nullptr, FALSE, L"QD_DEVICESIM_RUN");
  if (runMutex_ && WaitForSingleObject(runMutex_, 0) == WAIT_TIMEOUT) {
    timeline_.Note(L"devicesim: waiting for another devicesim run to end");
    if (WaitForSingleObject(runMutex_, 120000) == WAIT_TIMEOUT) {
      CloseHandle(runMutex_);
      runMutex_ = nullptr;
      *error = L"another devicesim run did not end within 120 s";
      return false;
    }
  }

  shotDir_ = FullPath(options_.shotDir.empty() ? CurrentFolder() : options_.shotDir);
  if (!MakeFolders(shotDir_)) {
    *error = L"cannot create the shot folder " + shotDir_;
    return false;
  }
  std::wstring jsonl =
      options_.jsonlPath.empty() ? shotDir_ + L"\\timeline.jsonl" : FullPath(options_.jsonlPath);
  if (!timeline_.Open(jsonl, error)) return false;

  popupPath_ = options_.popupPath.empty() ? ExeFolder() + L"\\qd_popup.exe" : FullPath(options_.popupPath);
  if (options_.drive) currentDir_ = std::wstring(1, options_.drive) + L":\\";

  bool otherMonitor = false;
  if (!capture_.Start([this](DWORD pid, const std::wstring& text) { OnDebugText(pid, text); },
                      &otherMonitor, error)) {
    return false;
  }
  if (otherMonitor) WriteError(L"another debug monitor is running; debug lines may be lost");

  // A host that appears later is absent until then.
  auto appearsLater = [this](const wchar_t* title) {
    for (const HostAction& action : options_.hostActions) {
      if (action.appear && action.title == title) return true;
    }
    return false;
  };
  if (options_.mainMenu && !appearsLater(kMainMenu) &&
      !hosts_.Create(kMainMenu, options_.slowHostMs, error)) {
    return false;
  }
  if (options_.gui && !appearsLater(kGui) && !hosts_.Create(kGui, 0, error)) return false;
  for (const HostGoneDuring& gone : options_.hostGoneDuring) {
    hosts_.GoneDuring(gone.title, gone.msg, [this](const std::wstring& title, UINT msg) {
      timeline_.Emit(TimelineEvent("host-gone").Text("title", title).Unsigned("msg", msg),
                     title + L" destroyed while handling " + std::to_wstring(msg));
    });
  }
  return true;
}

void Simulator::Schedule() {
  for (const MessageAction& action : options_.messages) {
    actions_.push_back({action.atMs, [this, action] { SendOrPost(action); }});
  }
  for (const SecondCopyAction& action : options_.secondCopies) {
    actions_.push_back({action.atMs, [this, action] { StartSecondCopy(action); }});
  }
  for (const HostAction& action : options_.hostActions) {
    actions_.push_back({action.atMs, [this, action] { ChangeHost(action); }});
  }
  for (int atMs : options_.invalidateAtMs) {
    actions_.push_back({atMs, [this] { InvalidateBrowser(); }});
  }
  for (const ShotAction& shot : options_.shots) {
    actions_.push_back({shot.atMs, [this, shot] { TakeShot(shot.name); }});
  }
  actions_.push_back({options_.timeoutMs, [this] { TimeoutClose(); }});
  actions_.push_back({options_.timeoutMs + kCloseGraceMs, [this] { TimeoutTerminate(); }});
  // Same time: in the order given on the command line.
  std::stable_sort(actions_.begin(), actions_.end(),
                   [](const ScheduledAction& a, const ScheduledAction& b) { return a.atMs < b.atMs; });
}

int Simulator::Run() {
  std::wstring error;
  if (!Prepare(&error)) {
    WriteError(error);
    return kExitCannotStart;
  }
  Schedule();

  if (!popup_.Create(popupPath_, options_.args, currentDir_, &error)) {
    WriteError(error);
    return kExitCannotStart;
  }
  timeline_.Note(L"devicesim: " + popupPath_ + (options_.args.empty() ? L"" : L" " + options_.args) +
                 L" in " + (currentDir_.empty() ? CurrentFolder() : currentDir_) + L", pid " +
                 std::to_wstring(popup_.Pid()));
  capture_.AddProcess(popup_.Pid());
  timeline_.StartClock();
  launched_ = true;
  popup_.Resume();

  while (popup_.Running()) {
    int now = timeline_.Now();
    while (nextAction_ < actions_.size() && actions_[nextAction_].atMs <= now) {
      actions_[nextAction_++].run();
    }
    WatchFrame(timeline_.Now());
    WatchSecondCopies(timeline_.Now());

    DWORD wait = kPumpWaitMs;
    if (nextAction_ < actions_.size()) {
      int until = actions_[nextAction_].atMs - timeline_.Now();
      wait = static_cast<DWORD>(std::max(0, std::min(until, static_cast<int>(kPumpWaitMs))));
    }
    WaitAndPump(wait);
  }

  WaitAndPump(0);      // reports posted just before the end
  capture_.Drain(kDrainMs);  // text written just before the end
  FinishSecondCopies();
  launched_ = false;  // what the hosts get from now on is our own tear-down
  if (!lastVisible_.Empty()) SaveShot(L"before-exit", lastVisible_);

  DWORD code = popup_.ExitCode();
  timeline_.Emit(TimelineEvent("exit").Number("code", static_cast<long long>(code)),
                 L"pop-up ended with code " + std::to_wstring(code));
  return static_cast<int>(code);
}

void Simulator::WaitAndPump(DWORD ms) {
  // Wakes early when the pop-up ends; once it has, only messages or ms do.
  HANDLE process = popup_.Handle();
  DWORD count = popup_.Running() ? 1 : 0;
  MsgWaitForMultipleObjectsEx(count, count ? &process : nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool Simulator::OnHostMessage(const HostMessage& message) {
  if (!launched_) return false;  // our own window creation
  bool report = message.msg >= WM_USER;
  // What the sender wrote before sending comes first in the timeline.
  capture_.Drain(kDrainMs);
  int now = timeline_.Now();
  // The pop-up reports from its paint, so a report means it has painted,
  // even if the poll has not seen it yet.
  if (report && !paintEmitted_) {
    WatchFrame(now);
    if (!paintEmitted_) EmitPaint(true);
  }
  timeline_.Emit(TimelineEvent("message")
                     .Text("to", message.title)
                     .Unsigned("msg", message.msg)
                     .Unsigned("wParam", static_cast<unsigned long long>(message.wParam))
                     .Number("lParam", static_cast<long long>(message.lParam)),
                 message.title + L" <- " + MessageText(message.msg, message.wParam, message.lParam));
  // Taken before answering: the pop-up waits in SendMessage meanwhile, so the
  // screen is what it showed when it reported, once its last drawing has
  // reached the display (hence the settling). Wine puts a window's drawing on
  // the screen at EndPaint at the earliest: a report sent from between
  // BeginPaint and EndPaint finds the screen not yet updated.
  if (report && !firstReportTaken_) {
    firstReportTaken_ = true;
    TakeShot(L"first-report", true);
  }
  return true;
}

void Simulator::OnDebugText(DWORD pid, const std::wstring& text) {
  TimelineEvent event("debug");
  event.Text("text", text);
  bool second = pid != popup_.Pid();
  if (second) event.Text("from", L"second");
  timeline_.Emit(event, (second ? L"[second] " : L"") + Visible(text));
}

void Simulator::WatchFrame(int now) {
  if (!frame_ || !IsWindow(frame_)) frame_ = FindFrame(popup_.Pid(), options_.frameTitle);
  if (!frame_ || !IsWindowVisible(frame_)) return;

  if (!windowEmitted_) {
    windowEmitted_ = true;
    RECT rect = {};
    GetWindowRect(frame_, &rect);
    timeline_.Emit(TimelineEvent("window").Text("title", options_.frameTitle).Rect("rect", rect),
                   options_.frameTitle + L" visible at [" + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) +
                       L"," + std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom) + L"]");
  }
  if (!paintEmitted_) {
    HWND browser = FindBrowser(frame_);
    if (browser && IsWindowVisible(browser) && !GetUpdateRect(browser, nullptr, FALSE)) {
      EmitPaint(false);
    }
  }
  if (now - lastCaptureMs_ >= kCaptureEveryMs) {
    Screenshot shot;
    if (CaptureScreen(&shot)) lastVisible_ = std::move(shot);
    lastCaptureMs_ = now;
  }
}

void Simulator::EmitPaint(bool inferred) {
  paintEmitted_ = true;
  TimelineEvent event("paint");
  if (inferred) event.Flag("inferred", true);
  timeline_.Emit(event, inferred ? L"BrowserWnd painted (a report arrived before the poll saw it)"
                                 : L"BrowserWnd painted");
}

void Simulator::WatchSecondCopies(int now) {
  for (SecondCopy& copy : seconds_) {
    if (copy.done) continue;
    if (!copy.windowShown && HasVisibleWindow(copy.process->Pid())) copy.windowShown = true;
    if (copy.process->Running()) continue;
    copy.done = true;
    capture_.Drain(kDrainMs);
    DWORD code = copy.process->ExitCode();
    timeline_.Emit(TimelineEvent("second-exit")
                       .Number("code", static_cast<long long>(code))
                       .Flag("window", copy.windowShown)
                       .Number("started", copy.startedMs),
                   L"second copy (started at " + std::to_wstring(copy.startedMs) + L" ms) ended after " +
                       std::to_wstring(now - copy.startedMs) + L" ms with code " + std::to_wstring(code) +
                       (copy.windowShown ? L", showed a window" : L", never showed a window"));
  }
}

void Simulator::FinishSecondCopies() {
  DWORD start = GetTickCount();
  auto anyRunning = [this] {
    return std::any_of(seconds_.begin(), seconds_.end(), [](const SecondCopy& c) { return !c.done; });
  };
  while (anyRunning() && GetTickCount() - start < static_cast<DWORD>(kSecondCopyGraceMs)) {
    WatchSecondCopies(timeline_.Now());
    WaitAndPump(kPumpWaitMs);
  }
  for (SecondCopy& copy : seconds_) {
    if (copy.done) continue;
    copy.process->Terminate(kTerminatedExitCode);
    timeline_.Note(L"devicesim: second copy still running after the pop-up ended: terminated");
  }
  WatchSecondCopies(timeline_.Now());
  capture_.Drain(kDrainMs);
}

void Simulator::SendOrPost(const MessageAction& action) {
  const char* kind = action.post ? "post" : "send";
  if (!frame_ || !IsWindow(frame_)) frame_ = FindFrame(popup_.Pid(), options_.frameTitle);
  TimelineEvent event(kind);
  event.Text("to", options_.frameTitle)
      .Unsigned("msg", action.msg)
      .Unsigned("wParam", static_cast<unsigned long long>(action.wParam))
      .Number("lParam", static_cast<long long>(action.lParam));
  std::wstring readable = options_.frameTitle + L" <- " + MessageText(action.msg, action.wParam, action.lParam);
  if (!frame_) {
    event.Text("error", L"no frame");
    timeline_.Emit(event, readable + L": no " + options_.frameTitle + L" window yet");
    return;
  }
  // Logged before acting, so that it precedes whatever the message causes.
  timeline_.Emit(event, readable);
  if (action.post) {
    if (!PostMessageW(frame_, action.msg, action.wParam, action.lParam)) {
      timeline_.Note(L"devicesim: PostMessage failed: " + SystemErrorText(GetLastError()));
    }
    return;
  }
  DWORD_PTR result = 0;
  LRESULT answered = SendMessageTimeoutW(frame_, action.msg, action.wParam, action.lParam,
                                         SMTO_NORMAL, kSendTimeoutMs, &result);
  capture_.Drain(kDrainMs);  // what the pop-up wrote while handling it
  TimelineEvent answer("answer");
  answer.Text("to", options_.frameTitle).Unsigned("msg", action.msg);
  if (answered) {
    answer.Number("result", static_cast<long long>(static_cast<LRESULT>(result)));
    timeline_.Emit(answer, options_.frameTitle + L" answered " + std::to_wstring(action.msg) + L" with " +
                               std::to_wstring(static_cast<long long>(static_cast<LRESULT>(result))));
  } else {
    answer.Text("error", L"no answer");
    timeline_.Emit(answer, options_.frameTitle + L" did not answer " + std::to_wstring(action.msg) + L" within " +
                               std::to_wstring(kSendTimeoutMs) + L" ms");
  }
}

void Simulator::StartSecondCopy(const SecondCopyAction& action) {
  SecondCopy copy;
  copy.process.reset(new PopupProcess);
  copy.startedMs = timeline_.Now();
  std::wstring error;
  const std::wstring& args = action.ownArgs ? action.args : options_.args;
  if (!copy.process->Create(popupPath_, args, currentDir_, &error)) {
    timeline_.Emit(TimelineEvent("second-exit")
                       .Number("code", -1)
                       .Flag("window", false)
                       .Number("started", copy.startedMs)
                       .Text("error", error),
                   error);
    return;
  }
  capture_.AddProcess(copy.process->Pid());
  copy.process->Resume();
  seconds_.push_back(std::move(copy));
}

void Simulator::InvalidateBrowser() {
  WatchFrame(timeline_.Now());
  HWND browser = frame_ ? FindBrowser(frame_) : nullptr;
  TimelineEvent event("invalidate");
  if (browser == nullptr) event.Text("error", L"no BrowserWnd window");
  timeline_.Emit(event, browser ? L"BrowserWnd invalidated" : L"BrowserWnd invalidate: no window");
  // Not erased: the component paints every pixel itself.
  if (browser != nullptr) InvalidateRect(browser, nullptr, FALSE);
}

void Simulator::ChangeHost(const HostAction& action) {
  std::wstring error;
  if (action.appear) {
    bool ok = hosts_.Create(action.title, action.title == kMainMenu ? options_.slowHostMs : 0, &error);
    TimelineEvent event("host-appear");
    event.Text("title", action.title);
    if (!ok) event.Text("error", error);
    timeline_.Emit(event, action.title + (ok ? L" created" : L": " + error));
  } else {
    bool ok = hosts_.Destroy(action.title);
    TimelineEvent event("host-gone");
    event.Text("title", action.title);
    if (!ok) event.Text("error", L"no such host");
    timeline_.Emit(event, action.title + (ok ? L" destroyed" : L": no such host window"));
  }
}

void Simulator::TimeoutClose() {
  if (!frame_ || !IsWindow(frame_)) frame_ = FindFrame(popup_.Pid(), options_.frameTitle);
  bool posted = frame_ && PostMessageW(frame_, WM_CLOSE, 0, 0);
  timeline_.Emit(TimelineEvent("timeout").Text("action", L"close").Flag("posted", posted),
                 L"no end after " + std::to_wstring(options_.timeoutMs) + L" ms: " +
                     (posted ? L"WM_CLOSE posted to " + options_.frameTitle : L"no " + options_.frameTitle + L" window to close"));
}

void Simulator::TimeoutTerminate() {
  if (!popup_.Running()) return;
  popup_.Terminate(kTerminatedExitCode);
  timeline_.Emit(TimelineEvent("timeout").Text("action", L"terminate"),
                 L"still running " + std::to_wstring(kCloseGraceMs) +
                     L" ms after WM_CLOSE: terminated with code " + std::to_wstring(kTerminatedExitCode));
}

void Simulator::SaveShot(const std::wstring& name, const Screenshot& shot) {
  std::wstring path = ShotPath(shotDir_, name);
  std::wstring error;
  TimelineEvent event("shot");
  event.Text("file", path);
  if (!SaveScreenshot(shot, path, options_.bmpShots, &error)) {
    event.Text("error", error);
    timeline_.Emit(event, error);
    return;
  }
  timeline_.Emit(event, path);
}

void Simulator::TakeShot(const std::wstring& name, bool settle) {
  Screenshot shot;
  if (!(settle ? CaptureSettledScreen(&shot, kSettleMs, kSettleMaxMs) : CaptureScreen(&shot))) {
    timeline_.Emit(TimelineEvent("shot")
                       .Text("file", ShotPath(shotDir_, name))
                       .Text("error", L"cannot read the screen"),
                   ShotPath(shotDir_, name) + L": cannot read the screen");
    return;
  }
  SaveShot(name, shot);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  std::wstring error;
  if (!ParseOptions(argc, argv, &options, &error)) {
    WriteError(error);
    return kExitCannotStart;
  }
  if (options.help) {
    WriteStdout(HelpText());
    return 0;
  }
  Simulator simulator(options);
  return simulator.Run();
}
