// CPopupScreen: builds the pop-up's one screen in the component and makes
// the reports to the host programs after each full paint of it.
#pragma once

#include <windows.h>

class CWnd;

// Where the configuration flag lives: one byte of the navigation program's
// configuration file, read anew for every report.
#define CONFIG_FILE_PATH "\\SDMMC DISK\\Velmora\\Config.dat"
#define CONFIG_FLAG_OFFSET 8

#define BROWSER_WINDOW_ID 1001

class CPopupScreen {
 public:
  virtual ~CPopupScreen();

  // The screen set-up of the frame's creation: loads the skins, builds the
  // screen for the launch mode and puts the component on top.
  void SetUpScreen(CWnd* frame);

  // Fills the mode's screen definition, hands it to the component and
  // creates the component's window in parent.
  void CreateScreen(CWnd* parent);

  // The caution report: the flag, 5024 to the navigation program, 1781 to
  // the shell, then the close timer.
  void ReportToHosts();

  // Reads the flag byte; set exactly when the byte is 1.
  static bool ReadConfigurationFlag();
};

// The component's paint callback: reports (caution) or arms the close timer
// (black-box).
void OnPopupPainted(HWND window);
