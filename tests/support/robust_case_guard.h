// RobustCaseGuard: names the case a robustness test is running, so that a
// crash or a hang still tells which one (with its seed) before the program
// dies. A crash is reported by the process's last-chance exception filter;
// a hang by a watchdog thread that ends the process once a case has run
// longer than its limit, well before the test runner's own timeout.
#pragma once

#include <windows.h>

#include <string>

namespace RobustCaseGuard {

// Installs the exception filter and starts the watchdog (once per process).
void Install();
// From now on a crash or a hang names this case; limitMs bounds it.
void Enter(const std::string& description, DWORD limitMs);
// The case ended normally.
void Leave();

}  // namespace RobustCaseGuard
