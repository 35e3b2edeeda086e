// Scripted input for the showcase: presses, releases and keys that the frame
// sends to the component one by one from a timer, so that a test (or an
// engineer) sees a fixed sequence of taps and keys and its notifications.
#pragma once

#include <windows.h>

struct ScriptStep {
  enum Kind { kDown, kUp, kKey };
  Kind kind;
  int a;        // x, or the virtual-key code
  int b;        // y, or 0
  int delayMs;  // time since the step before (or since the script started)
};

class CShowcaseScript {
 public:
  static const int kMaxSteps = 256;

  // The built-in demo (--demo): it runs on the screen as first shown, with
  // the default options; its steps and their notifications are listed in
  // showcase_script.cpp.
  void LoadDemo();

  // A script file (--script): one step per line, '#' starts a comment.
  //   tap X Y     press and release at (X, Y)
  //   down X Y    press     up X Y    release
  //   key NAME    left, right, up, down, return, or a virtual-key number
  //   wait MS     extra pause before the next step
  // Steps follow each other 180 ms apart (a tap holds for 100 ms). Returns
  // false with the number of the first bad line, or of the line where the
  // steps ran out of room (0: the file could not be read).
  bool LoadFile(LPCWSTR path, int* badLine);

  int Count() const { return m_count; }
  const ScriptStep& At(int index) const { return m_steps[index]; }

 private:
  bool Add(ScriptStep::Kind kind, int a, int b, int delayMs);
  bool Tap(int x, int y);
  bool Key(int vk);

  ScriptStep m_steps[kMaxSteps] = {};
  int m_count = 0;
  int m_pendingWaitMs = 0;
};
