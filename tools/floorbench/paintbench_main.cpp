// paintbench: times the component's paints in-process against the raw block
// transfers they are built on. Run with the skins on a drive:
//   paintbench --drive V [--rounds 5] [--iterations 200]
// Writes "sample NAME ROUND MICROSECONDS" lines (the median of one round's
// block of runs), "check NAME ok|failed" lines that tell whether the paints
// drew what they should, and "error ..." when it cannot run.
//   floor_caution / caution_paint     the caution screen's full paint
//   empty_paint                       a WM_PAINT that draws nothing (the window
//                                     system's share of a paint)
//   floor_showcase / showcase_paint   the showcase screen's full paint
//   select_row                        SelectNextRow(1) inside the visible rows
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>

#include "bench_host.h"
#include "browser_wnd.h"
#include "caution_screen.h"
#include "device_services.h"
#include "empty_paint_window.h"
#include "figure_runner.h"
#include "image_painter.h"
#include "raw_blit_floor.h"
#include "showcase_screen.h"
#include "showcase_skin.h"
#include "skin_colors.h"

namespace {

const UINT kBrowserId = 1001;
const int kWarmups = 5;
const wchar_t kCautionSkin[] = L"\\ResidentFlash\\System\\Images\\MainMenu\\bg_caution.bmp";
// Inside the selected row's image, right of its texts.
const POINT kSelectedRowProbe = {495, 61};
const COLORREF kSelectedRowFill = RGB(50, 90, 60);

struct Options {
  wchar_t drive = 0;
  int rounds = 5;
  int iterations = 200;
};

bool ParseOptions(int argc, wchar_t** argv, Options* options) {
  if (argc % 2 != 1) return false;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const wchar_t* value = argv[i + 1];
    if (name == L"--drive") {
      options->drive = value[0];
    } else if (name == L"--rounds") {
      options->rounds = _wtoi(value);
    } else if (name == L"--iterations") {
      options->iterations = _wtoi(value);
    } else {
      return false;
    }
  }
  return options->rounds > 0 && options->iterations > 0;
}

void PrintCheck(const char* name, bool ok) {
  std::printf("check %s %s\n", name, ok ? "ok" : "failed");
  std::fflush(stdout);
}

// A WM_PAINT of the whole window, handled before this returns.
void FullPaint(CWnd& window) {
  ::InvalidateRect(window.m_hWnd, nullptr, FALSE);
  ::UpdateWindow(window.m_hWnd);
}

// Whether a full paint composes this colour at this point of the back buffer.
bool PaintShows(CWnd& window, POINT at, COLORREF expected) {
  g_backBuffer.FillSolidRect(0, 0, BACK_BUFFER_WIDTH, BACK_BUFFER_HEIGHT, RGB(1, 2, 3));
  FullPaint(window);
  return g_backBuffer.GetPixel(at.x, at.y) == expected;
}

bool CreateComponent(CBrowserWnd& browser, const ScreenDefinition& def, CBenchHost& host) {
  browser.LoadDefinition(def);
  if (!browser.Create(&host, 0, 0, 800, 480, kBrowserId)) return false;
  PumpMessages();
  return true;
}

// The caution screen's full paint against the two raw transfers.
bool MeasureCaution(const Options& options, CImagePainter& painter, CBenchHost& host,
                    ScreenDefinition& def) {
  BuildCautionScreen(def, &painter);
  CBrowserWnd caution;
  if (!CreateComponent(caution, def, host)) return false;
  bool ok = false;
  {
    CRawBlitFloor floor;
    // Under the component, so that it paints no pixel of the screen.
    CEmptyPaintWindow empty;
    if (floor.Create(SHLoadDIBitmap(kCautionSkin), caution.m_hWnd) &&
        empty.Create(host.m_hWnd, 800, 480)) {
      BringToTop(&caution);
      std::vector<TimedFigure> figures(3);
      figures[0].name = "floor_caution";
      figures[0].run = [&floor] { floor.Run(); };
      figures[1].name = "caution_paint";
      figures[1].run = [&caution] { FullPaint(caution); };
      figures[2].name = "empty_paint";
      figures[2].run = [&empty] { empty.Paint(); };
      RunRounds(figures, options.rounds, options.iterations, kWarmups);
      PrintSamples(figures);
      PrintCheck("caution_paint",
                 PaintShows(caution, skin::kCautionBackgroundProbe, skin::kCautionBackground));
      ok = true;
    }
  }
  caution.DestroyWindow();
  return ok;
}

// Moves the selection one row down; at the last visible row it is put back
// to the first one (untimed, with a repaint), so no move ever scrolls.
void KeepSelectionMovable(CBrowserWnd& browser) {
  if (browser.selectedRow < browser.topRow + kShowcaseVisibleRows - 1) return;
  browser.selectedRow = browser.topRow;
  FullPaint(browser);
}

// The showcase screen's full paint against the same floor, and a one-row
// selection change against that full paint.
bool MeasureShowcase(const Options& options, CImagePainter& painter, CBenchHost& host,
                     ScreenDefinition& def) {
  if (!InstallShowcaseSkin()) return false;
  BuildShowcaseScreen(def, &painter);
  CBrowserWnd showcase;
  if (!CreateComponent(showcase, def, host)) return false;
  FillShowcaseState(showcase);
  FullPaint(showcase);
  bool ok = false;
  {
    CRawBlitFloor floor;
    if (floor.Create(SHLoadDIBitmap(kCautionSkin), showcase.m_hWnd)) {
      std::vector<TimedFigure> figures(3);
      figures[0].name = "floor_showcase";
      figures[0].run = [&floor] { floor.Run(); };
      figures[1].name = "showcase_paint";
      figures[1].run = [&showcase] { FullPaint(showcase); };
      figures[2].name = "select_row";
      figures[2].prepare = [&showcase] { KeepSelectionMovable(showcase); };
      figures[2].run = [&showcase] { showcase.SelectNextRow(1); };
      RunRounds(figures, options.rounds, options.iterations, kWarmups);
      PrintSamples(figures);
      showcase.selectedRow = 0;
      PrintCheck("showcase_paint", PaintShows(showcase, kSelectedRowProbe, kSelectedRowFill));
      PrintCheck("select_row_no_scroll", showcase.topRow == 0);
      ok = true;
    }
  }
  showcase.DestroyWindow();
  return ok;
}

int Fail(const char* what) {
  std::printf("error %s\n", what);
  std::fflush(stdout);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    return Fail("usage: paintbench [--drive X] [--rounds N] [--iterations N]");
  }
  if (options.drive != 0) {
    const wchar_t root[] = {options.drive, L':', L'\\', L'\0'};
    if (!SetCurrentDirectoryW(root)) return Fail("cannot change to the skin drive");
  }
  CImagePainter painter;
  painter.LoadImages();
  if (CImageStore::Find(0) == nullptr || CImageStore::Find(0)->bitmap == nullptr) {
    return Fail("the caution skin did not load");
  }
  CBenchHost host;
  if (!host.CreateHost()) return Fail("cannot create the host window");
  // 51508 bytes: kept off the stack.
  std::unique_ptr<ScreenDefinition> def(new ScreenDefinition);

  int code = 0;
  if (!MeasureCaution(options, painter, host, *def)) code = Fail("caution screen not measured");
  if (!MeasureShowcase(options, painter, host, *def)) code = Fail("showcase screen not measured");
  host.DestroyWindow();
  PumpMessages();
  return code;
}
