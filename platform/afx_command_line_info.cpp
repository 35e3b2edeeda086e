#include "afx_command_line_info.h"

CCommandLineInfo::CCommandLineInfo() : m_nShellCommand(FileNew) {}

CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL /*bLast*/) {
  // The first plain argument names a file to open.
  if (!bFlag && m_strFileName.IsEmpty()) {
    m_strFileName = pszParam;
    m_nShellCommand = FileOpen;
  }
}
