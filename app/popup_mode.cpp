#include "popup_mode.h"

#include "popup_messages.h"

CPopupMode::~CPopupMode() = default;

void CPopupMode::NotifyMainMenu() { SendToHost(SHELL_WINDOW_TITLE, WM_SHELL_POPUPBUTTON, 0, 0); }
