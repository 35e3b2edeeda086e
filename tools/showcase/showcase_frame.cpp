#include "showcase_frame.h"

#include "image_painter.h"
#include "showcase_layout.h"
#include "showcase_skins.h"
#include "wide_format.h"

using namespace showcase;

IMPLEMENT_DYNAMIC(CShowcaseFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CShowcaseFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_SETFOCUS()
  ON_WM_TIMER()
  ON_MESSAGE(WM_SHOWCASE_BUTTONDOWN, OnButtonDown)
  ON_MESSAGE(WM_SHOWCASE_BUTTONUP, OnButtonUp)
  ON_MESSAGE(WM_SHOWCASE_ROWSELECT, OnRowSelect)
  ON_MESSAGE(WM_SHOWCASE_LISTLIMIT, OnListLimit)
  ON_MESSAGE(WM_SHOWCASE_POINTERDOWN, OnPointerDown)
  ON_MESSAGE(WM_SHOWCASE_POINTERUP, OnPointerUp)
  ON_MESSAGE(WM_SHOWCASE_SCROLLPOSITION, OnScrollPosition)
END_MESSAGE_MAP()

namespace {

const UINT_PTR kTimerExit = 1;
const UINT_PTR kTimerScript = 2;
const UINT_PTR kTimerFocus = 3;
const UINT kFocusPollMs = 100;
// The script starts this long after the first paint, so that the first
// screen can be seen (and photographed) as it comes up.
const UINT kScriptStartMs = 1000;

// The screen record lives here, not on the stack: it is 51508 bytes and the
// program runs with the device's 64 KiB stack.
ScreenDefinition g_definition;
// Draws the showcase's images; its store frees them at exit.
CImagePainter g_painter;
CShowcaseFrame* g_frame = nullptr;

void OnPainted(HWND /*window*/) {
  if (g_frame != nullptr) g_frame->OnComponentPainted();
}

const wchar_t kHint[] =
    L"Keys: Left and Right move the focus, Return activates it, Up and Down move the "
    L"selection while the list has the focus. Every button, row and the scroll bar also "
    L"take taps; this line is long on purpose, so that it ends in an ellipsis.";

}  // namespace

void ShowcaseWrite(LPCWSTR line) {
  OutputDebugStringW(line);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  // The lines are ASCII (anything else becomes '?'), with a bare line feed.
  char narrow[256];
  int length = 0;
  for (const wchar_t* c = line; *c != L'\0' && length < static_cast<int>(sizeof narrow) - 1; ++c) {
    if (*c != L'\r') narrow[length++] = static_cast<char>(*c < 0x80 ? *c : L'?');
  }
  DWORD written = 0;
  WriteFile(out, narrow, static_cast<DWORD>(length), &written, nullptr);
}

void ShowcaseLog(LPCWSTR name, long long wParam, long long lParam) {
  wchar_t line[160];
  WideFormat(line, sizeof line / sizeof line[0], L"showcase: %s %lld %lld\r\n", name, wParam, lParam);
  ShowcaseWrite(line);
}

CShowcaseFrame::CShowcaseFrame(const ShowcaseOptions& options) : m_options(options) {
  g_frame = this;
}

CShowcaseFrame::~CShowcaseFrame() {
  if (g_frame == this) g_frame = nullptr;
}

BOOL CShowcaseFrame::PreCreateWindow(CREATESTRUCT& cs) {
  // No background brush: the component covers the whole client area.
  cs.lpszClass = AfxRegisterWndClass(0, LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
  return cs.lpszClass != nullptr;
}

BOOL CShowcaseFrame::CreateAndShow() {
  if (!CreateEx(0, nullptr, L"QD_SHOWCASE", WS_POPUP, 0, 0, kScreenWidth, kScreenHeight, nullptr,
                nullptr)) {
    return FALSE;
  }
  SetWindowPos(&CWnd::wndTop, 0, 0, kScreenWidth, kScreenHeight, SWP_SHOWWINDOW);
  SetForegroundWindow(m_hWnd);
  UpdateWindow();
  if (m_component.m_hWnd != nullptr) m_component.SetFocus();
  return TRUE;
}

int CShowcaseFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (!MakeShowcaseSkins()) ShowcaseLog(L"skin-incomplete", 0, 0);

  FillShowcaseDefinition(g_definition, &g_painter, OnPainted, m_options.screen);
  m_component.LoadDefinition(g_definition);
  AddShowcaseRows(m_component);

  wchar_t options[128];
  DescribeOptions(m_options.screen, options, 128);
  m_component.SetLabelText(kLabelTitle, L"Screen component showcase");
  m_component.SetLabelText(kLabelOptions, options);
  m_component.SetLabelText(kLabelListHeading, L"Destinations");
  m_component.SetLabelText(kLabelControlsHeading, L"Buttons");
  m_component.SetLabelText(kLabelPush, L"Push: not pressed yet");
  m_component.SetLabelText(kLabelToggle, L"Toggle: off");
  m_component.SetLabelText(kLabelLatch, L"Latch: released");
  m_component.SetLabelText(kLabelChosen, L"Chosen: none yet");
  m_component.SetLabelText(kLabelScroll, L"Scroll: top row 1");
  m_component.SetLabelText(kLabelEdge, L"Edge: not reached");
  m_component.SetLabelText(kLabelHint, kHint);
  m_component.SetLabelText(kLabelLastEvent, L"waiting for input");
  ShowSlotFrame();
  ShowFocus();

  if (!m_component.Create(this, 0, 0, kScreenWidth, kScreenHeight, kComponentId)) {
    ShowcaseLog(L"no-component", 0, 0);
  }
  if (!m_options.scriptPath.IsEmpty()) {
    int badLine = 0;
    m_scriptLoaded = m_script.LoadFile(m_options.scriptPath, &badLine);
    if (!m_scriptLoaded) ShowcaseLog(L"script-error", badLine, 0);
  } else if (m_options.demo) {
    m_script.LoadDemo();
    m_scriptLoaded = true;
  }
  if (m_options.exitAfterMs > 0) SetTimer(kTimerExit, static_cast<UINT>(m_options.exitAfterMs), nullptr);
  return 0;
}

void CShowcaseFrame::OnSetFocus(CWnd* /*pOldWnd*/) {
  // Keys belong to the component.
  if (m_component.m_hWnd != nullptr) m_component.SetFocus();
}

void CShowcaseFrame::OnComponentPainted() {
  ++m_paints;
  ShowcaseLog(L"paint", m_paints, 0);
  if (m_paints == 1) {
    SetTimer(kTimerFocus, kFocusPollMs, nullptr);
    if (m_scriptLoaded && m_script.Count() > 0) StartScript();
  }
}

void CShowcaseFrame::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kTimerExit) {
    KillTimer(kTimerExit);
    ShowcaseLog(L"closing", m_options.exitAfterMs, 0);
    PostMessage(WM_CLOSE, 0, 0);
  } else if (nIDEvent == kTimerScript) {
    KillTimer(kTimerScript);
    RunScriptStep();
  } else if (nIDEvent == kTimerFocus) {
    // The component tells nobody where its focus went; the label follows it.
    ShowFocus();
  }
  CFrameWnd::OnTimer(nIDEvent);
}

void CShowcaseFrame::StartScript() {
  ShowcaseLog(L"script-start", m_script.Count(), 0);
  // Where the focus starts, so that every later focus line is a move.
  m_loggedFocus = m_component.GetFocusedId();
  ShowcaseLog(L"focus", m_loggedFocus, 0);
  SetTimer(kTimerScript, kScriptStartMs + static_cast<UINT>(m_script.At(0).delayMs), nullptr);
}

void CShowcaseFrame::RunScriptStep() {
  if (m_nextStep >= m_script.Count() || m_component.m_hWnd == nullptr) return;
  const ScriptStep& step = m_script.At(m_nextStep++);
  // Sent, not posted: the component has handled the input when the send
  // returns, so the focus it moved to can be logged right after the step,
  // before the notifications it posted.
  switch (step.kind) {
    case ScriptStep::kDown:
      ShowcaseLog(L"script-down", step.a, step.b);
      m_component.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(step.a, step.b));
      break;
    case ScriptStep::kUp:
      ShowcaseLog(L"script-up", step.a, step.b);
      m_component.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(step.a, step.b));
      break;
    case ScriptStep::kKey:
      ShowcaseLog(L"script-key", step.a, 0);
      m_component.SendMessage(WM_KEYDOWN, static_cast<WPARAM>(step.a), 1);
      break;
  }
  int focus = m_component.GetFocusedId();
  if (focus != m_loggedFocus) {
    m_loggedFocus = focus;
    ShowcaseLog(L"focus", focus, 0);
  }
  ShowFocus();
  if (m_nextStep < m_script.Count()) {
    UINT delay = static_cast<UINT>(m_script.At(m_nextStep).delayMs);
    SetTimer(kTimerScript, delay > 0 ? delay : 1, nullptr);
  } else {
    ShowcaseLog(L"script-done", m_script.Count(), 0);
  }
}

// ---- notifications ----------------------------------------------------------

void CShowcaseFrame::Notified(LPCWSTR name, WPARAM wParam, LPARAM lParam) {
  ShowcaseLog(name, static_cast<long long>(wParam), lParam);
  wchar_t text[96];
  WideFormat(text, 96, L"%s %u %d", name, static_cast<unsigned>(wParam), static_cast<int>(lParam));
  ShowLabel(kLabelLastEvent, text);
}

void CShowcaseFrame::ShowLabel(int label, LPCWSTR text) {
  m_component.SetLabelText(label, text);
  m_component.DrawLabel(label);
}

void CShowcaseFrame::ShowToggle() {
  ShowLabel(kLabelToggle, m_component.buttonPressed[kButtonToggle] ? L"Toggle: ON" : L"Toggle: off");
}

void CShowcaseFrame::ShowLatch() {
  ShowLabel(kLabelLatch, m_component.buttonPressed[kButtonLatch] ? L"Latch: engaged (Unlatch frees it)"
                                                                 : L"Latch: released");
}

void CShowcaseFrame::ShowSlotFrame() {
  wchar_t text[32];
  WideFormat(text, 32, L"Frame %d/%d", m_slotFrame + 1, kIconFrames);
  m_component.SetLabelText(kLabelSlotFrame, text);
  m_component.DrawLabel(kLabelSlotFrame);
}

void CShowcaseFrame::ShowFocus() {
  int id = m_component.GetFocusedId();
  if (id == m_shownFocus) return;
  m_shownFocus = id;
  wchar_t text[64];
  WideFormat(text, 64, L"Focus: %s", FocusEntryName(id));
  ShowLabel(kLabelFocus, text);
}

LRESULT CShowcaseFrame::OnButtonDown(WPARAM wParam, LPARAM lParam) {
  Notified(L"button-down", wParam, lParam);
  switch (static_cast<int>(wParam)) {
    case kButtonPush:
      ShowLabel(kLabelPush, L"Push: held down");
      break;
    case kButtonToggle:
      ShowToggle();
      break;
    case kButtonLatch:
      ShowLatch();
      break;
    case kButtonUnlatch:
      // Nothing in the component releases a latching button: its owner does.
      if (m_component.buttonPressed[kButtonLatch]) {
        m_component.buttonPressed[kButtonLatch] = 0;
        m_component.DrawButton(kButtonLatch);
      }
      ShowLatch();
      break;
    case kButtonNextIcon: {
      m_slotFrame = (m_slotFrame + 1) % kIconFrames;
      m_component.SetSlotFrame(0, m_slotFrame);
      ShowSlotFrame();
      // A slot is drawn over what is there, and its frame has cut-out
      // corners: the component repaints the slot's area from scratch.
      if (m_component.m_hWnd != nullptr) {
        RECT slot = {kSlotX, kSlotY, kSlotX + kIconSize, kSlotY + kIconSize};
        m_component.InvalidateRect(&slot, FALSE);
      }
      break;
    }
    default:
      break;
  }
  return 0;
}

LRESULT CShowcaseFrame::OnButtonUp(WPARAM wParam, LPARAM lParam) {
  Notified(L"button-up", wParam, lParam);
  if (static_cast<int>(wParam) == kButtonPush) {
    ++m_pushTaps;
    wchar_t text[48];
    WideFormat(text, 48, L"Push: released, %d tap%s", m_pushTaps, m_pushTaps == 1 ? L"" : L"s");
    ShowLabel(kLabelPush, text);
  }
  return 0;
}

LRESULT CShowcaseFrame::OnRowSelect(WPARAM wParam, LPARAM lParam) {
  Notified(L"row-select", wParam, lParam);
  const RowItem* row = m_component.RowAt(static_cast<int>(wParam));
  wchar_t text[128];
  WideFormat(text, 128, L"Chosen: %s (%d)", row != nullptr ? static_cast<LPCWSTR>(row->text) : L"?",
             static_cast<int>(lParam));
  ShowLabel(kLabelChosen, text);
  // A tap on a row redraws the rows only; the position text follows here.
  m_component.DrawCounter();
  return 0;
}

LRESULT CShowcaseFrame::OnListLimit(WPARAM wParam, LPARAM lParam) {
  Notified(L"list-limit", wParam, lParam);
  static const wchar_t* const kEdges[] = {L"Edge: cannot scroll further down",
                                          L"Edge: cannot scroll further up",
                                          L"Edge: already on the last row",
                                          L"Edge: already on the first row"};
  ShowLabel(kLabelEdge, wParam < 4 ? kEdges[wParam] : L"Edge: ?");
  return 0;
}

LRESULT CShowcaseFrame::OnPointerDown(WPARAM wParam, LPARAM lParam) {
  Notified(L"pointer-down", wParam, lParam);
  return 0;
}

LRESULT CShowcaseFrame::OnPointerUp(WPARAM wParam, LPARAM lParam) {
  Notified(L"pointer-up", wParam, lParam);
  return 0;
}

LRESULT CShowcaseFrame::OnScrollPosition(WPARAM wParam, LPARAM lParam) {
  // Logged but not shown as the last event: every list redraw posts it.
  ShowcaseLog(L"scroll-position", static_cast<long long>(wParam), lParam);
  wchar_t text[64];
  WideFormat(text, 64, L"Scroll: top row %u of %d", static_cast<unsigned>(wParam) + 1,
             static_cast<int>(lParam) + 1);
  ShowLabel(kLabelScroll, text);
  return 0;
}
