// The messages the pop-up exchanges with its own component and with the two
// host programs, and the host windows' titles.
#pragma once

#include <windows.h>

// Posted to the frame by the component.
#define WM_POPUP_BUTTONDOWN (WM_USER + 501)  // 1525
#define WM_POPUP_BUTTONUP (WM_USER + 500)    // 1524

// Sent to the host programs.
#define WM_GUIDE_POPUPSHOWN (WM_USER + 4000)     // 5024 to the navigation program
#define WM_SHELL_CAUTIONSHOWN (WM_USER + 757)    // 1781 to the shell, with the flag
#define WM_SHELL_BLACKBOXCLOSE (WM_USER + 4501)  // 5525 to the shell
#define WM_SHELL_POPUPBUTTON (WM_USER + 4100)    // 5124 to the shell

#define SHELL_WINDOW_TITLE L"QD_MAINMENU"
#define GUIDE_WINDOW_TITLE L"Velmora_GUI"

// The frame's close timer and its periods.
#define TIMER_CLOSE 30
#define CLOSE_DELAY_CAUTION_MS 3000
#define CLOSE_DELAY_BLACKBOX_MS 2000

// Finds the host window by its title now (it may have come or gone since
// the last message) and sends it the message if it is there.
void SendToHost(LPCWSTR title, UINT message, WPARAM wParam, LPARAM lParam);
