// The pop-up's long-lived objects: one static object each, constructed in
// this order before start-up and destroyed in reverse order at exit.
#pragma once

#include <windows.h>

#include "browser_wnd.h"
#include "image_painter.h"
#include "popup_app.h"
#include "popup_mode.h"
#include "popup_screen.h"

extern CPopupMode g_popupMode;
extern CPopupScreen g_popupScreen;
extern CBrowserWnd g_browserWnd;
extern CImagePainter g_imagePainter;
extern CPopupApp theApp;

// The single-instance mutex "QD_POPUP"; null until start-up creates it.
extern HANDLE g_hSingleInstanceMutex;
