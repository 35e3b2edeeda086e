#include "showcase_script.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "showcase_layout.h"

using namespace showcase;

namespace {
const int kStepGapMs = 180;
const int kTapHoldMs = 100;

bool ParseKey(const char* name, int* vk) {
  static const struct {
    const char* name;
    int vk;
  } kKeys[] = {{"left", VK_LEFT}, {"right", VK_RIGHT}, {"up", VK_UP}, {"down", VK_DOWN},
               {"return", VK_RETURN}, {"enter", VK_RETURN}};
  for (const auto& k : kKeys) {
    if (std::strcmp(name, k.name) == 0) {
      *vk = k.vk;
      return true;
    }
  }
  char* end = nullptr;
  long value = std::strtol(name, &end, 0);
  if (end == name || *end != '\0' || value <= 0 || value > 255) return false;
  *vk = static_cast<int>(value);
  return true;
}
}  // namespace

bool CShowcaseScript::Add(ScriptStep::Kind kind, int a, int b, int delayMs) {
  if (m_count >= kMaxSteps) return false;
  m_steps[m_count++] = ScriptStep{kind, a, b, delayMs + m_pendingWaitMs};
  m_pendingWaitMs = 0;
  return true;
}

bool CShowcaseScript::Tap(int x, int y) {
  return Add(ScriptStep::kDown, x, y, kStepGapMs) && Add(ScriptStep::kUp, x, y, kTapHoldMs);
}

bool CShowcaseScript::Key(int vk) { return Add(ScriptStep::kKey, vk, 0, kStepGapMs); }

void CShowcaseScript::LoadDemo() {
  m_count = 0;
  m_pendingWaitMs = 0;
  // Notifications each step gives (besides the scroll position posted by
  // every whole-list redraw and every full paint):
  Tap(ButtonCentre(kButtonPush).x, ButtonCentre(kButtonPush).y);  // button-down 0, pointer-down, button-up 0, pointer-up
  Tap(ButtonCentre(kButtonToggle).x, ButtonCentre(kButtonToggle).y);  // the same for 1; the toggle is on
  Tap(ButtonCentre(kButtonLatch).x, ButtonCentre(kButtonLatch).y);    // the same for 2; the latch holds
  Key(VK_RIGHT);   // focus: Latch -> Unlatch
  Key(VK_LEFT);    // focus: -> Latch
  Key(VK_LEFT);    // focus: -> Toggle
  Key(VK_RETURN);  // button-down 1 (a key activates without switching)
  Tap(ButtonCentre(kButtonNextIcon).x, ButtonCentre(kButtonNextIcon).y);  // the slot shows frame 1
  Tap(RowCentre(2).x, RowCentre(2).y);  // row-select 2 1002; focus: -> the list
  Key(VK_DOWN);    // the selection moves to row 3
  Key(VK_RETURN);  // row-select 3 1003
  for (int k = 0; k < 4; ++k) Key(VK_UP);  // rows 2, 1, 0, then list-limit 3 (first row)
  // Pages down by taps on the bar below the thumb: top rows 6, 12, 18, 24,
  // then list-limit 0 (the last first row).
  for (int k = 0; k < 5; ++k) Tap(kScrollBarLowPoint.x, kScrollBarLowPoint.y);
  Tap(RowCentre(5).x, RowCentre(5).y);  // row-select 29 1029, the last row
  Key(VK_DOWN);  // list-limit 2 (last row)
}

bool CShowcaseScript::LoadFile(LPCWSTR path, int* badLine) {
  m_count = 0;
  m_pendingWaitMs = 0;
  *badLine = 0;
  FILE* file = _wfopen(path, L"r");
  if (file == nullptr) return false;
  char line[256];
  int number = 0;
  bool ok = true;
  while (ok && std::fgets(line, sizeof line, file) != nullptr) {
    ++number;
    if (char* comment = std::strchr(line, '#')) *comment = '\0';
    char word[16] = {0};
    char arg[32] = {0};
    int x = 0;
    int y = 0;
    int fields = std::sscanf(line, "%15s", word);
    if (fields != 1) continue;  // blank or comment only
    if (std::strcmp(word, "tap") == 0 || std::strcmp(word, "down") == 0 || std::strcmp(word, "up") == 0) {
      ok = std::sscanf(line, "%15s %d %d", word, &x, &y) == 3;
      if (ok && word[0] == 't') ok = Tap(x, y);
      else if (ok) ok = Add(word[0] == 'd' ? ScriptStep::kDown : ScriptStep::kUp, x, y, kStepGapMs);
    } else if (std::strcmp(word, "key") == 0) {
      int vk = 0;
      ok = std::sscanf(line, "%15s %31s", word, arg) == 2 && ParseKey(arg, &vk) && Key(vk);
    } else if (std::strcmp(word, "wait") == 0) {
      ok = std::sscanf(line, "%15s %d", word, &x) == 2 && x >= 0;
      if (ok) m_pendingWaitMs += x;
    } else {
      ok = false;
    }
  }
  std::fclose(file);
  if (!ok) *badLine = number;
  return ok;
}
