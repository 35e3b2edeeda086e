// Resource balance over long runs: a showcase-like screen (captioned
// buttons, a 30-row list with icons and two texts per row, a proportional
// scroll bar with a cap, labels, image slots and the position text) is
// painted in full and its list redrawn, again and again (10,000 times each
// by default; QD_RESOURCE_RUNS sets another count). Every GDI
// object and memory DC made through the framework's wrappers must be given
// back (created - deleted does not grow), and neither the heaps' busy bytes
// nor the process's private memory may grow beyond allocator noise. The
// counts are taken after a warm-up, when the font engine's and the window
// system's caches are full.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "component_fixture.h"
#include "image_painter.h"

namespace {

// The real painter, outliving every test's skin (its store frees the table).
CImagePainter g_painter;

int g_paints = 0;

void CountPaint(HWND /*window*/) { ++g_paints; }

// 10,000 of each take about 140 s and 70 s under Wine on the 2-core
// machine, within each test's time limit; QD_RESOURCE_RUNS=400 is a quick run.
const int kDefaultRuns = 10000;
int Runs() {
  const char* text = std::getenv("QD_RESOURCE_RUNS");
  int n = text ? std::atoi(text) : 0;
  return n > 0 ? n : kDefaultRuns;
}
const SIZE_T kHeapSlack = 64 * 1024;      // busy heap bytes
const SIZE_T kPrivateSlack = 256 * 1024;  // commit charge, private pages

// The process's commit charge. Wine leaves PrivateUsage at 0 but keeps
// PagefileUsage (the same figure on Windows), which also sees what the
// graphics system allocates outside the process heaps (DCs, fonts).
SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

// Committed private pages of the address space: where bitmap sections live.
SIZE_T PrivatePages() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region;
  const char* at = nullptr;
  while (VirtualQuery(at, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

// The bytes of every busy block of every heap of the process.
SIZE_T HeapBusyBytes() {
  HANDLE heaps[64];
  DWORD count = GetProcessHeaps(64, heaps);
  SIZE_T busy = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return busy;
}

struct Usage {
  long gdiObjects;
  long dcs;
  SIZE_T heap;
  SIZE_T privateBytes;
  SIZE_T privatePages;
};

Usage Measure() {
  const AfxGdiCounters& c = AfxGetGdiCounters();
  return Usage{c.objectsCreated - c.objectsDeleted, c.dcsCreated - c.dcsDeleted, HeapBusyBytes(), PrivateBytes(),
               PrivatePages()};
}

long long Growth(SIZE_T before, SIZE_T after) {
  return static_cast<long long>(after) - static_cast<long long>(before);
}

class ResourceBalance : public ComponentFixture {
 protected:
  void SetUp() override {
    ComponentFixture::SetUp();
    skin.Set(1, MakeBitmap(128, 32, [](int x, int) { return RGB(60 * (x / 32), 180, 40); }));  // 4 icons
    skin.Set(2, MakeSolidBitmap(160, 48, RGB(40, 40, 160)));   // button, normal
    skin.Set(3, MakeSolidBitmap(160, 48, RGB(40, 160, 40)));   // button, pressed
    skin.Set(4, MakeSolidBitmap(160, 48, RGB(160, 40, 40)));   // button, focused
    skin.Set(5, MakeBitmap(480, 50, [](int x, int y) { return (x + y) % 9 ? RGB(20, 30, 40) : RGB(255, 0, 255); }));
    skin.Set(6, MakeSolidBitmap(12, 300, RGB(0, 90, 200)));    // thumb body
    skin.Set(7, MakeSolidBitmap(12, 8, RGB(0, 60, 150)));      // thumb cap
    BuildShowcase();
    LoadAndCreate();
    for (int i = 0; i < 30; ++i) {
      RowItem* row = new RowItem;
      wchar_t text[64];
      std::swprintf(text, 64, L"Destination %d, a long street name that needs shortening", i + 1);
      row->text = text;
      std::swprintf(text, 64, L"%d.%d km", i * 3, i % 10);
      row->subText = text;
      row->value = 1000 + i;
      row->icon = i % 4;
      if (i % 5 == 0) row->textColor = RGB(250, 200, 0);
      browser->AddRow(row);
    }
    browser->SetLabelText(0, L"Route overview");
    browser->SetLabelText(1, L"A label far too long for its box, so it is shortened with an ellipsis");
    browser->SetLabelText(2, L"12:45");
    browser->SetLabelText(3, L"Shadowed title");
    browser->SetSlotFrame(0, 2);
    browser->SetButtonVariant(3, 1);
  }

  void BuildShowcase() {
    def.backgroundImage = 0;
    def.paintCallback = CountPaint;
    def.painter = &g_painter;
    def.keyboardFocus = 1;
    def.keyPrevious = VK_LEFT;
    def.keyNext = VK_RIGHT;
    def.keyActivate = VK_RETURN;
    def.keyListUp = VK_UP;
    def.keyListDown = VK_DOWN;
    for (int i = 0; i < 8; ++i) {
      ButtonDef& b = def.buttons[i];
      b.shown = 1;
      b.x = 10 + (i % 4) * 170;
      b.y = i < 4 ? 10 : 420;
      b.width = 160;
      b.height = 48;
      for (int v = 0; v < kButtonVariants; ++v) {
        b.normalImages[v] = v == 1 ? -1 : 2;
        b.pressedImages[v] = 3;
        b.focusedImages[v] = 4;
      }
      b.hitX = b.x;
      b.hitY = b.y;
      b.hitWidth = b.width;
      b.hitHeight = b.height;
      b.focusRank = i;
      b.listAction = i == 6 ? 1 : (i == 7 ? 2 : 0);
      b.actionAmount = 1;
      b.transparent = i % 2;
      b.colorKey = RGB(255, 0, 255);
      ButtonTextDef& t = def.buttonTexts[i];
      t.hasText = 1;
      std::swprintf(t.text, 41, i == 5 ? L"Two\nlines" : L"Button %d", i);
      for (int s = 0; s < kButtonStates; ++s) {
        t.colors[s] = RGB(255, 255, 255 - 60 * s);
        t.fontHeights[s] = 18 + 2 * s;
        t.bold[s] = s == 1;
      }
      t.textX = 8;
      t.textY = 4;
      t.textWidth = 144;
      t.textHeight = 40;
      t.format = DT_CENTER | DT_WORDBREAK;
    }
    def.listEnabled = 1;
    def.listActive = 1;
    def.listImage = -1;
    def.listX = 10;
    def.listY = 70;
    def.listWidth = 700;
    def.listHeight = 300;
    def.visibleRows = 6;
    def.rowWidth = 480;
    def.rowHeight = 50;
    def.rowIconEnabled = 1;
    def.rowIconImage = 1;
    def.rowIconFrames = 4;
    def.rowIconX = 8;
    def.rowIconY = 9;
    def.text1Left = 48;
    def.text1Top = 4;
    def.text1Right = 360;
    def.text1Bottom = 30;
    def.text2Left = 8;
    def.text2Top = 20;
    def.text2Right = 470;
    def.text2Bottom = 46;
    def.text1Format = DT_LEFT | DT_SINGLELINE;
    def.text2Format = DT_RIGHT | DT_SINGLELINE;
    def.rowTransparent = 1;
    def.rowColorKey = RGB(255, 0, 255);
    for (int s = 0; s < 5; ++s) {
      RowStyleDef& st = def.rowStyles[s];
      st.image = s == 0 ? -1 : 5;
      st.text1Color = RGB(230, 230, 230);
      st.text2Color = RGB(180, 180, 180);
      st.text1FontHeight = 20;
      st.text2FontHeight = 14;
      st.text1Bold = s == 1 || s == 4;
      std::wcscpy(st.faceName, L"Tahoma");
    }
    def.scrollBarShown = 1;
    def.proportionalThumb = 1;
    def.thumbImage = 6;
    def.thumbHasCap = 1;
    def.thumbCapImage = 7;
    def.thumbWidth = 12;
    def.thumbLength = 280;
    def.thumbCapLength = 8;
    def.trackStartX = 760;
    def.trackStartY = 70;
    def.trackEndX = 760;
    def.trackEndY = 340;
    def.scrollTransparent = 1;
    def.scrollColorKey = RGB(255, 0, 255);
    def.scrollBarImage = -1;
    def.scrollBarX = 760;
    def.scrollBarY = 70;
    def.scrollBarWidth = 12;
    def.scrollBarHeight = 300;
    def.counter.shown = 1;
    def.counter.x = 600;
    def.counter.y = 380;
    def.counter.width = 100;
    def.counter.height = 24;
    std::wcscpy(def.counter.format, L"%d/%d");
    def.counter.color = RGB(255, 255, 255);
    def.counter.fontHeight = 18;
    def.counter.textFormat = DT_RIGHT | DT_SINGLELINE;
    for (int j = 0; j < 4; ++j) {
      LabelDef& l = def.labels[j];
      l.shown = 1;
      l.x = 10 + 150 * j;
      l.y = 380;
      l.width = 140;
      l.height = 30;
      l.format = DT_LEFT | DT_SINGLELINE | DT_VCENTER;
      l.color = RGB(255, 255, 200);
      l.fontHeight = 16 + j;
      l.bold = j == 3;
      l.shadow = j == 3 ? 1 : 0;
      l.shadowColor = RGB(0, 0, 0);
    }
    for (int k = 0; k < 2; ++k) {
      ImageSlotDef& s = def.imageSlots[k];
      s.shown = 1;
      s.image = 1;
      s.x = 720 + 40 * k;
      s.y = 10;
      s.frameCount = 4;
      s.transparent = k;
      s.colorKey = RGB(255, 0, 255);
    }
  }

  // Some list state, so that selected, pressed and focused looks are drawn too.
  void Vary(int i) {
    switch (i % 4) {
      case 0: SendMessageW(browser->m_hWnd, WM_KEYDOWN, VK_DOWN, 1); break;
      case 1: SendMessageW(browser->m_hWnd, WM_KEYDOWN, VK_RIGHT, 1); break;
      case 2: browser->ScrollRowsDown(1); break;
      default:
        if (i % 64 == 3) {
          browser->ScrollRowsUp(30);
          SendMessageW(browser->m_hWnd, WM_KEYDOWN, VK_UP, 1);
        }
        break;
    }
  }

  void Report(const char* what, int runs, const Usage& before, const Usage& after, DWORD ms) {
    std::printf("%d %s in %lu ms: GDI objects %+ld, DCs %+ld, heap %+lld bytes (of %lu), commit charge %+lld "
                "bytes (of %lu), private pages %+lld bytes (of %lu)\n",
                runs, what, static_cast<unsigned long>(ms), after.gdiObjects - before.gdiObjects, after.dcs - before.dcs,
                Growth(before.heap, after.heap), static_cast<unsigned long>(after.heap),
                Growth(before.privateBytes, after.privateBytes), static_cast<unsigned long>(after.privateBytes),
                Growth(before.privatePages, after.privatePages), static_cast<unsigned long>(after.privatePages));
    EXPECT_EQ(before.gdiObjects, after.gdiObjects) << what << ": GDI objects not given back";
    EXPECT_EQ(before.dcs, after.dcs) << what << ": memory DCs not given back";
    EXPECT_LT(Growth(before.heap, after.heap), static_cast<long long>(kHeapSlack)) << what << ": the heaps grew";
    EXPECT_LT(Growth(before.privateBytes, after.privateBytes), static_cast<long long>(kPrivateSlack))
        << what << ": the commit charge grew";
    EXPECT_LT(Growth(before.privatePages, after.privatePages), static_cast<long long>(kPrivateSlack))
        << what << ": private pages grew";
  }
};

TEST_F(ResourceBalance, RepeatedFullPaintsGiveBackEverything) {
  for (int i = 0; i < 100; ++i) {
    Vary(i);
    PaintNow();
  }
  ClearLogs();
  g_paints = 0;
  const int runs = Runs();
  const Usage before = Measure();
  const DWORD start = GetTickCount();
  for (int i = 0; i < runs; ++i) {
    if (i % 8 == 0) Vary(i);
    PaintNow();
  }
  const DWORD took = GetTickCount() - start;
  ClearLogs();
  EXPECT_EQ(runs, g_paints) << "every paint ran to its end";
  Report("full paints", runs, before, Measure(), took);
}

TEST_F(ResourceBalance, RepeatedListRedrawsGiveBackEverything) {
  for (int i = 0; i < 100; ++i) {
    Vary(i);
    browser->RedrawList();
  }
  ClearLogs();
  const int runs = Runs();
  const Usage before = Measure();
  const DWORD start = GetTickCount();
  for (int i = 0; i < runs; ++i) {
    if (i % 8 == 0) Vary(i);
    browser->RedrawList();
  }
  const DWORD took = GetTickCount() - start;
  ClearLogs();
  Report("list redraws", runs, before, Measure(), took);
}

}  // namespace
