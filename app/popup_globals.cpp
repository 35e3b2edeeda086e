#include "popup_globals.h"

CPopupMode g_popupMode AFX_STATIC_PROGRAM;
CPopupScreen g_popupScreen AFX_STATIC_PROGRAM;
CBrowserWnd g_browserWnd AFX_STATIC_PROGRAM;
CImagePainter g_imagePainter AFX_STATIC_PROGRAM;
CPopupApp theApp AFX_STATIC_PROGRAM;

HANDLE g_hSingleInstanceMutex = nullptr;
