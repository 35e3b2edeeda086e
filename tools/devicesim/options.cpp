#include "options.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>

namespace {

// Accepts decimal, 0x-hex and a leading minus (lParam may be negative).
bool ParseInteger(const std::wstring& text, long long* value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  long long parsed = std::wcstoll(text.c_str(), &end, 0);
  if (errno != 0 || end == text.c_str() || *end != L'\0') {
    // Values above LLONG_MAX (a WPARAM written as 0xFFFF...) still fit unsigned.
    errno = 0;
    unsigned long long big = std::wcstoull(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != L'\0') return false;
    parsed = static_cast<long long>(big);
  }
  *value = parsed;
  return true;
}

// Up to about 11 days, so that a time plus a grace period still fits an int.
bool ParseTime(const std::wstring& text, int* ms) {
  long long value = 0;
  if (!ParseInteger(text, &value) || value < 0 || value > 1000000000) return false;
  *ms = static_cast<int>(value);
  return true;
}

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (;;) {
    size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::wstring::npos ? std::wstring::npos : at - start));
    if (at == std::wstring::npos) return parts;
    start = at + 1;
  }
}

// "MS:REST" with REST free to hold further colons (titles, drive paths).
bool SplitTimePrefix(const std::wstring& text, int* ms, std::wstring* rest, bool restRequired) {
  size_t colon = text.find(L':');
  if (colon == std::wstring::npos) {
    if (restRequired) return false;
    rest->clear();
    return ParseTime(text, ms);
  }
  *rest = text.substr(colon + 1);
  if (restRequired && rest->empty()) return false;
  return ParseTime(text.substr(0, colon), ms);
}

bool ParseMessageAction(const std::wstring& text, bool post, MessageAction* action) {
  std::vector<std::wstring> parts = Split(text, L':');
  if (parts.size() != 4) return false;
  long long msg = 0, wParam = 0, lParam = 0;
  if (!ParseTime(parts[0], &action->atMs) || !ParseInteger(parts[1], &msg) ||
      !ParseInteger(parts[2], &wParam) || !ParseInteger(parts[3], &lParam)) {
    return false;
  }
  if (msg < 0 || msg > 0xFFFF) return false;
  action->post = post;
  action->msg = static_cast<UINT>(msg);
  action->wParam = static_cast<WPARAM>(wParam);
  action->lParam = static_cast<LPARAM>(lParam);
  return true;
}

bool ParseShot(const std::wstring& text, ShotAction* shot) {
  size_t at = text.rfind(L'@');
  if (at == std::wstring::npos || at == 0) return false;
  shot->name = text.substr(0, at);
  return ParseTime(text.substr(at + 1), &shot->atMs);
}

}  // namespace

bool ParseOptions(int argc, wchar_t** argv, Options* options, std::wstring* error) {
  for (int i = 1; i < argc; ++i) {
    std::wstring name = argv[i];
    std::wstring value;
    bool hasInlineValue = false;
    size_t equals = name.find(L'=');
    if (name.compare(0, 2, L"--") == 0 && equals != std::wstring::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
      hasInlineValue = true;
    }
    // Fetches the option's value, either "--name=value" or the next argument.
    auto takeValue = [&](std::wstring* out) {
      if (hasInlineValue) {
        *out = value;
        return true;
      }
      if (i + 1 >= argc) {
        *error = L"option " + name + L" needs a value";
        return false;
      }
      *out = argv[++i];
      return true;
    };
    auto bad = [&](const std::wstring& text) {
      *error = L"bad value for " + name + L": \"" + text + L"\"";
      return false;
    };
    std::wstring text;

    if (name == L"--help" || name == L"-h" || name == L"/?") {
      options->help = true;
    } else if (name == L"--no-mainmenu") {
      options->mainMenu = false;
    } else if (name == L"--no-gui") {
      options->gui = false;
    } else if (name == L"--all-messages") {
      options->allMessages = true;
    } else if (name == L"--bmp-shots") {
      options->bmpShots = true;
    } else if (name == L"--slow-host") {
      int ms = 0;
      if (!takeValue(&text)) return false;
      if (!ParseTime(text, &ms)) return bad(text);
      options->slowHostMs = static_cast<DWORD>(ms);
    } else if (name == L"--host-gone-at" || name == L"--host-appear-at") {
      HostAction action;
      action.appear = name == L"--host-appear-at";
      if (!takeValue(&text)) return false;
      if (!SplitTimePrefix(text, &action.atMs, &action.title, true)) return bad(text);
      options->hostActions.push_back(action);
    } else if (name == L"--host-gone-during") {
      HostGoneDuring gone;
      if (!takeValue(&text)) return false;
      size_t colon = text.find(L':');
      long long msg = 0;
      if (colon == std::wstring::npos || colon + 1 == text.size() ||
          !ParseInteger(text.substr(0, colon), &msg) || msg <= 0 || msg > 0xFFFF) {
        return bad(text);
      }
      gone.msg = static_cast<UINT>(msg);
      gone.title = text.substr(colon + 1);
      options->hostGoneDuring.push_back(gone);
    } else if (name == L"--popup") {
      if (!takeValue(&options->popupPath)) return false;
      if (options->popupPath.empty()) return bad(options->popupPath);
    } else if (name == L"--frame-title") {
      if (!takeValue(&options->frameTitle)) return false;
      if (options->frameTitle.empty()) return bad(options->frameTitle);
    } else if (name == L"--args") {
      if (!takeValue(&options->args)) return false;
    } else if (name == L"--drive") {
      if (!takeValue(&text)) return false;
      // "X", "X:" and "X:\" all mean the root of drive X.
      bool letter = !text.empty() && ((text[0] >= L'A' && text[0] <= L'Z') ||
                                      (text[0] >= L'a' && text[0] <= L'z'));
      if (!letter || !(text.size() == 1 || text == std::wstring(1, text[0]) + L":" ||
                       text == std::wstring(1, text[0]) + L":\\")) {
        return bad(text);
      }
      options->drive = static_cast<wchar_t>(std::towupper(text[0]));
    } else if (name == L"--send" || name == L"--post") {
      MessageAction action;
      if (!takeValue(&text)) return false;
      if (!ParseMessageAction(text, name == L"--post", &action)) return bad(text);
      options->messages.push_back(action);
    } else if (name == L"--invalidate-at") {
      int ms = 0;
      if (!takeValue(&text)) return false;
      if (!ParseTime(text, &ms)) return bad(text);
      options->invalidateAtMs.push_back(ms);
    } else if (name == L"--second-at") {
      SecondCopyAction action;
      if (!takeValue(&text)) return false;
      if (!SplitTimePrefix(text, &action.atMs, &action.args, false)) return bad(text);
      action.ownArgs = text.find(L':') != std::wstring::npos;
      options->secondCopies.push_back(action);
    } else if (name == L"--shot-dir") {
      if (!takeValue(&options->shotDir)) return false;
    } else if (name == L"--jsonl") {
      if (!takeValue(&options->jsonlPath)) return false;
    } else if (name == L"--shot") {
      ShotAction shot;
      if (!takeValue(&text)) return false;
      if (!ParseShot(text, &shot)) return bad(text);
      options->shots.push_back(shot);
    } else if (name == L"--timeout") {
      if (!takeValue(&text)) return false;
      if (!ParseTime(text, &options->timeoutMs)) return bad(text);
    } else {
      *error = L"unknown option " + name + L" (see --help)";
      return false;
    }
  }
  return true;
}

std::wstring HelpText() {
  return LR"(devicesim: runs the pop-up on a simulated device desktop and records a timeline.
Times (MS) count from the moment the pop-up is started.

Host windows (hidden, titled QD_MAINMENU and Velmora_GUI; each returns 0):
  --no-mainmenu             do not create QD_MAINMENU
  --no-gui                  do not create Velmora_GUI
  --all-messages            record every message a host receives (default: >= WM_USER)
  --slow-host MS            QD_MAINMENU sleeps MS in each recorded message
  --host-gone-at MS:TITLE   destroy host window TITLE at MS
  --host-appear-at MS:TITLE create host window TITLE at MS (absent until then)
  --host-gone-during MSG:TITLE  host window TITLE destroys itself the first time it
                            handles message MSG (after --slow-host's sleep), before
                            it answers: the sender is still inside its send

The pop-up:
  --popup PATH              pop-up program (default: qd_popup.exe beside devicesim.exe)
  --args "ARGS"             command line after the program name, exactly as given
  --drive X                 start it in X:\ (default: devicesim's current directory)
  --send MS:MSG:WPARAM:LPARAM  SendMessage to its QD_POPUP frame at MS (repeatable)
  --post MS:MSG:WPARAM:LPARAM  PostMessage to its QD_POPUP frame at MS (repeatable)
  --frame-title TITLE       title of the started program's frame (default QD_POPUP)
  --invalidate-at MS        at MS invalidate the pop-up's BrowserWnd window, which
                            makes it paint again (as an uncovering window would)
  --second-at MS[:ARGS]     start a second copy at MS (default: the same ARGS)
  --timeout MS              after MS post WM_CLOSE, 3000 ms later terminate (default 20000)

Output:
  --shot-dir DIR            folder for screenshots (default: the current directory)
  --shot NAME@MS            extra screenshot NAME(.png) at MS (repeatable)
  --bmp-shots               also write each screenshot as a 24-bit .bmp
  --jsonl PATH              JSON lines timeline (default: timeline.jsonl in the shot folder)
  --help                    this text

Screenshots always taken: first-report.png (while the first report, a host message
>= WM_USER, is handled) and before-exit.png (the last screen while the pop-up's
frame was visible, captured every 100 ms).
Numbers may be decimal or 0x-hex. devicesim exits with the pop-up's exit code,
2 if it could not start it or an option is wrong.
)";
}
