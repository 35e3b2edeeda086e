// The program's entry: the framework takes over from the runtime library.
// Kept in a file of its own so that test programs, which have their own
// main, do not link it.
#include "afx_win_app.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
