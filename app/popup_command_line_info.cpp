#include "popup_command_line_info.h"

#include "device_services.h"
#include "popup_globals.h"

CPopupCommandLineInfo::~CPopupCommandLineInfo() = default;

void CPopupCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL /*bFlag*/, BOOL /*bLast*/) {
  // Every argument overwrites the mode, so the last one decides.
  bool blackBox = lstrcmpiW(pszParam, L"BlackBox") == 0;
  g_popupMode.m_bBlackBox = blackBox ? 1 : 0;
  NKDbgPrintfW(blackBox ? L"BlackBox -- \r\n" : L"NULL General Screen -- \r\n");
}
