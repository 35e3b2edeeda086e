// Stack probe, linked into a variant of the pop-up. Before any other static
// object is built it paints the main thread's unused stack with a pattern;
// at the very end of the process it looks for the deepest word that no
// longer holds the pattern and writes that depth as a debug line:
//   "Stack probe: deepest N bytes of 65536 (at start S, painted P, reserve R)\r\n"
// N counts from the top of the stack, so it includes everything the thread
// had on it before the program's own code ran (S of it was in use when the
// probe started). When N reaches P the program went at least that deep.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

const DWORD kPattern = 0xA5C3E1D7u;
const UINT_PTR kPageSize = 4096;
// The designed stack of the program, which the probe variant links with too.
const UINT_PTR kDesignedStack = 65536;
// Words just below the stack pointer are left alone: the filling code's own
// frame lies above it, nothing of ours below.
const UINT_PTR kGapBelowStackPointer = 64;
// The last pages of the reservation are never touched: committing them
// would be a stack overflow on a 64 KiB stack.
const UINT_PTR kReserveMargin = 3 * kPageSize;
// Wine gives a main thread 1 MiB whatever the program asks for; four times
// the designed stack is painted, plenty to see it overrun.
const UINT_PTR kMostPainted = 4 * kDesignedStack;

struct PaintedStack {
  UINT_PTR base = 0;     // top of the stack (highest address, exclusive)
  UINT_PTR low = 0;      // lowest painted word
  UINT_PTR high = 0;     // one past the highest painted word
  UINT_PTR reserve = 0;  // size of the whole reservation
};

PaintedStack g_painted;

__attribute__((noinline)) UINT_PTR CurrentStackPointer() {
  UINT_PTR sp;
#if defined(__i386__)
  __asm__ volatile("movl %%esp, %0" : "=r"(sp));
#elif defined(__x86_64__)
  __asm__ volatile("movq %%rsp, %0" : "=r"(sp));
#else
#error "the stack probe knows only x86 stack pointers"
#endif
  // Read inside a call: the caller's stack pointer lies just above.
  return sp;
}

// The thread's information block, which holds the stack's limits. Read
// straight from the segment register: the header's NtCurrentTeb trips this
// compiler's array-bounds warning.
NT_TIB* CurrentTib() {
  NT_TIB* tib;
#if defined(__i386__)
  __asm__ volatile("movl %%fs:0x18, %0" : "=r"(tib));
#elif defined(__x86_64__)
  __asm__ volatile("movq %%gs:0x30, %0" : "=r"(tib));
#else
#error "the stack probe knows only x86 thread blocks"
#endif
  return tib;
}

__attribute__((noinline)) void PaintUnusedStack() {
  NT_TIB* tib = CurrentTib();
  const UINT_PTR base = reinterpret_cast<UINT_PTR>(tib->StackBase);
  MEMORY_BASIC_INFORMATION info = {};
  VirtualQuery(tib->StackLimit, &info, sizeof info);
  const UINT_PTR reserveEnd = reinterpret_cast<UINT_PTR>(info.AllocationBase);

  UINT_PTR low = reserveEnd + kReserveMargin;
  if (base - low > kMostPainted) low = base - kMostPainted;
  const UINT_PTR high = (CurrentStackPointer() - kGapBelowStackPointer) & ~static_cast<UINT_PTR>(3);

  // Downwards one word after the other, so the pages below the committed
  // part are touched in order and each guard page commits the next one.
  // Volatile, so that no library call (whose own frame would lie in the
  // area being painted) stands in for the loop.
  for (volatile DWORD* p = reinterpret_cast<volatile DWORD*>(high) - 1;
       reinterpret_cast<UINT_PTR>(p) >= low; --p) {
    *p = kPattern;
  }
  g_painted.base = base;
  g_painted.low = low;
  g_painted.high = high;
  g_painted.reserve = base - reserveEnd;
}

UINT_PTR DeepestUse() {
  const DWORD* p = reinterpret_cast<const DWORD*>(g_painted.low);
  const DWORD* end = reinterpret_cast<const DWORD*>(g_painted.high);
  while (p < end && *p == kPattern) ++p;
  return g_painted.base - reinterpret_cast<UINT_PTR>(p);
}

void ReportDeepestUse() {
  if (g_painted.base == 0) return;
  std::wstring line = L"Stack probe: deepest " + std::to_wstring(DeepestUse()) + L" bytes of " +
                      std::to_wstring(kDesignedStack) + L" (at start " +
                      std::to_wstring(g_painted.base - g_painted.high) + L", painted " +
                      std::to_wstring(g_painted.base - g_painted.low) + L", reserve " +
                      std::to_wstring(g_painted.reserve) + L")\r\n";
  OutputDebugStringW(line.c_str());
}

class CStackProbe {
 public:
  CStackProbe() {
    PaintUnusedStack();
    // Registered before every other static object exists, so it runs after
    // all of them have been destroyed: the last thing before the process ends.
    std::atexit(ReportDeepestUse);
  }
};

CStackProbe g_stackProbe __attribute__((init_priority(101)));

}  // namespace
