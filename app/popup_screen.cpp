#include "popup_screen.h"

#include <cstdio>
#include <cstring>

#include "afx_string.h"
#include "afx_thread.h"
#include "afx_wnd.h"
#include "device_services.h"
#include "popup_globals.h"
#include "popup_messages.h"

CPopupScreen::~CPopupScreen() = default;

void CPopupScreen::SetUpScreen(CWnd* frame) {
  g_imagePainter.LoadImages();
  CreateScreen(frame);
  BringToTop(&g_browserWnd);
}

namespace {

void SetCautionButtons(ScreenDefinition& def) {
  // The yes and no buttons are described but switched off (shown stays 0),
  // so the component neither draws nor hit-tests them.
  ButtonDef& yes = def.buttons[0];
  yes.x = 153;
  yes.y = 280;
  yes.normalImages[0] = 2;
  yes.normalImages[1] = 3;
  yes.pressedImages[0] = 3;
  yes.pressedImages[1] = 3;
  yes.focusedImages[0] = 4;
  yes.focusedImages[1] = 3;
  yes.hitX = 153;
  yes.hitY = 280;
  yes.hitWidth = 252;
  yes.hitHeight = 60;
  yes.focusRank = 0;

  ButtonDef& no = def.buttons[1];
  no.x = 407;
  no.y = 280;
  no.normalImages[0] = 5;
  no.pressedImages[0] = 6;
  no.focusedImages[0] = 7;
  no.hitX = 407;
  no.hitY = 280;
  no.hitWidth = 252;
  no.hitHeight = 60;
  no.focusRank = 1;
}

// Arms the frame's close timer.
void ArmCloseTimer(UINT delayMs) {
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->GetMainWnd() : nullptr;
  if (main != nullptr && main->m_hWnd != nullptr) main->SetTimer(TIMER_CLOSE, delayMs, nullptr);
}

}  // namespace

void CPopupScreen::CreateScreen(CWnd* parent) {
  // The only large object on the stack on the way from start-up to here.
  ScreenDefinition def;
  std::memset(&def, 0, sizeof def);
  def.painter = &g_imagePainter;
  def.buttonDownMessage = WM_POPUP_BUTTONDOWN;
  def.buttonUpMessage = WM_POPUP_BUTTONUP;
  def.paintCallback = OnPopupPainted;
  def.actOnRelease = 1;

  RECT rect;
  if (g_popupMode.m_bBlackBox) {
    def.backgroundImage = 1;
    rect = RECT{230, 112, 570, 367};  // 340 x 255, centred in the frame
  } else {
    def.backgroundImage = 0;
    SetCautionButtons(def);
    rect = RECT{0, 0, 800, 480};
  }

  g_browserWnd.LoadDefinition(def);
  if (!g_browserWnd.Create(parent, rect.left, rect.top, rect.right, rect.bottom,
                           BROWSER_WINDOW_ID)) {
    // Without its screen the pop-up would never paint, never arm its timer
    // and stay open for ever: it closes on the mode's usual timer instead,
    // without claiming to have been shown.
    NKDbgPrintfW(L"Screen not created -- \r\n");
    ArmCloseTimer(g_popupMode.m_bBlackBox ? CLOSE_DELAY_BLACKBOX_MS : CLOSE_DELAY_CAUTION_MS);
  }
}

bool CPopupScreen::ReadConfigurationFlag() {
  signed char byte = 0;
  bool read = false;
  FILE* file = std::fopen(CONFIG_FILE_PATH, "r");
  if (file != nullptr) {
    if (std::fseek(file, CONFIG_FLAG_OFFSET, SEEK_SET) == 0) {
      read = std::fread(&byte, 1, 1, file) == 1;
    }
    std::fclose(file);
  }
  if (!read) return false;
  // The flag is judged on the byte's text in hexadecimal, as the navigation
  // program writes it: only the value 1 reads "1" (0x31 reads "31", and
  // bytes from 0x80 up widen to eight digits).
  CString text;
  text.Format(L"%x", static_cast<int>(byte));
  return lstrcmpiW(text, L"1") == 0;
}

void CPopupScreen::ReportToHosts() {
  bool flag = ReadConfigurationFlag();
  SendToHost(GUIDE_WINDOW_TITLE, WM_GUIDE_POPUPSHOWN, 101, 1);
  SendToHost(SHELL_WINDOW_TITLE, WM_SHELL_CAUTIONSHOWN, flag ? 1 : 0, 0);
  ArmCloseTimer(CLOSE_DELAY_CAUTION_MS);
}

void OnPopupPainted(HWND /*window*/) {
  if (g_popupMode.m_bBlackBox) {
    NKDbgPrintfW(L"BlackBox -- TimmerOn !!\r\n");
    ArmCloseTimer(CLOSE_DELAY_BLACKBOX_MS);
    return;
  }
  g_popupScreen.ReportToHosts();
}
