// The showcase: a second program built from the screen component and the
// framework, showing one screen that uses every feature of the component.
//
//   showcase.exe [--fixed-thumb] [--jump] [--on-release] [--demo]
//                [--script FILE] [--exit-after MS]
//
// Every notification the component posts is logged as a debug line
// "showcase: <name> <wParam> <lParam>" (and on stdout when there is one).
#include <cstdlib>
#include <cwchar>
#include <new>

#include "afx_command_line_info.h"
#include "afx_win_app.h"
#include "showcase_frame.h"
#include "wide_format.h"

namespace {

// Options may be written --name, -name or /name; values follow as the next
// argument or after '='.
class CShowcaseCommandLineInfo : public CCommandLineInfo {
 public:
  explicit CShowcaseCommandLineInfo(ShowcaseOptions* options) : m_options(options) {}

  void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL /*bLast*/) override {
    if (m_pending != kNone && !bFlag) {
      TakeValue(m_pending, pszParam);
      m_pending = kNone;
      return;
    }
    m_pending = kNone;
    const wchar_t* name = pszParam;
    while (*name == L'-') ++name;
    const wchar_t* equals = std::wcschr(name, L'=');
    size_t length = equals != nullptr ? static_cast<size_t>(equals - name) : std::wcslen(name);
    auto is = [&](const wchar_t* option) {
      return std::wcslen(option) == length && std::wcsncmp(name, option, length) == 0;
    };
    Value value = kNone;
    if (!bFlag) {
      Unknown(pszParam);
    } else if (is(L"fixed-thumb")) {
      m_options->screen.fixedThumb = true;
    } else if (is(L"jump")) {
      m_options->screen.jumpTaps = true;
    } else if (is(L"on-release")) {
      m_options->screen.onRelease = true;
    } else if (is(L"demo")) {
      m_options->demo = true;
    } else if (is(L"exit-after")) {
      value = kExitAfter;
    } else if (is(L"script")) {
      value = kScript;
    } else {
      Unknown(pszParam);
    }
    if (value == kNone) return;
    if (equals != nullptr) TakeValue(value, equals + 1);
    else m_pending = value;
  }

 private:
  enum Value { kNone, kExitAfter, kScript };

  void TakeValue(Value value, const wchar_t* text) {
    if (value == kScript) {
      m_options->scriptPath = text;
      return;
    }
    wchar_t* end = nullptr;
    long ms = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0' || ms <= 0) {
      Unknown(text);
      return;
    }
    m_options->exitAfterMs = static_cast<int>(ms);
  }

  void Unknown(const wchar_t* text) {
    wchar_t line[200];
    WideFormat(line, sizeof line / sizeof line[0], L"showcase: unknown option or value: %s\r\n", text);
    ShowcaseWrite(line);
  }

  ShowcaseOptions* m_options;
  Value m_pending = kNone;
};

class CShowcaseApp : public CWinApp {
 public:
  CShowcaseApp() : CWinApp(L"showcase") {}

  BOOL InitInstance() override {
    ShowcaseOptions options;
    CShowcaseCommandLineInfo info(&options);
    ParseCommandLine(info);

    m_frame = new (std::nothrow) CShowcaseFrame(options);
    if (m_frame == nullptr) return FALSE;
    m_pMainWnd = m_frame;
    if (!m_frame->CreateAndShow()) {
      m_pMainWnd = nullptr;
      return FALSE;
    }
    return TRUE;
  }

  int ExitInstance() override {
    // The window is gone by now; the object (and the component's rows) go too.
    delete m_frame;
    m_frame = nullptr;
    return CWinApp::ExitInstance();
  }

 private:
  CShowcaseFrame* m_frame = nullptr;
};

CShowcaseApp theApp;

}  // namespace
