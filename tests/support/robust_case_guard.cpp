#include "robust_case_guard.h"

#include <cstdio>
#include <cstring>

namespace {

// Written by the test thread, read by the filter and the watchdog: a fixed
// buffer, so that reporting needs no allocation in a broken process.
char g_description[512];
volatile LONG g_active = 0;
volatile DWORD g_startTick = 0;
volatile DWORD g_limitMs = 0;

void Report(const char* what) {
  if (g_description[0] == 0) {
    std::fprintf(stderr, "\n*** %s before the first case\n", what);
  } else {
    std::fprintf(stderr, "\n*** %s %s: %s\n", what, g_active ? "while running" : "after", g_description);
  }
  std::fflush(stderr);
}

LONG WINAPI LastChance(EXCEPTION_POINTERS* info) {
  char what[128];
  std::snprintf(what, sizeof what, "crash (exception 0x%08lX at %p)",
                static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                info->ExceptionRecord->ExceptionAddress);
  Report(what);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(LPVOID /*unused*/) {
  for (;;) {
    Sleep(100);
    if (!g_active) continue;
    DWORD ran = GetTickCount() - g_startTick;
    if (ran > g_limitMs) {
      char what[128];
      std::snprintf(what, sizeof what, "hang (no end after %lu ms)", static_cast<unsigned long>(ran));
      Report(what);
      TerminateProcess(GetCurrentProcess(), 4);
    }
  }
}

}  // namespace

namespace RobustCaseGuard {

void Install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  SetUnhandledExceptionFilter(LastChance);
  HANDLE thread = CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
  if (thread != nullptr) CloseHandle(thread);
}

void Enter(const std::string& description, DWORD limitMs) {
  InterlockedExchange(&g_active, 0);
  std::snprintf(g_description, sizeof g_description, "%s", description.c_str());
  g_limitMs = limitMs;
  g_startTick = GetTickCount();
  InterlockedExchange(&g_active, 1);
}

void Leave() { InterlockedExchange(&g_active, 0); }

}  // namespace RobustCaseGuard
