// ComponentFixture: a test fixture for the skinned screen component.
//
// Each test gets a visible, top-most CRecorderWnd (800 x 480 at the origin)
// that is both the component's parent and the application's main window, so
// that everything the component posts lands in the recorder; a recording
// painter that logs every drawing call and also draws; an all-zero screen
// definition whose painter is that recorder; and a small skin held in memory:
// bitmaps put straight into rows of the image table for the one test.
//
// Image 0 is always the fixture background, an 800 x 480 bitmap whose every
// pixel tells where it lies (FixtureBackgroundPixel), so a test can see
// whether an area was erased from the right place of the background. Other
// ids are free for a test: skin.Set(id, MakeSolidBitmap(...)).
//
// Typical use:
//   TEST_F(ComponentFixture, Something) {
//     def.buttons[0].shown = 1; ...        // fill the definition
//     LoadAndCreate();                     // LoadDefinition + child window 1001
//     PaintNow();                          // one full paint, synchronously
//     EXPECT_EQ(BackBufferPixel(5, 5), ...);
//     std::vector<DrawCall> log = painter.Take();
//     ok_sequence(recorder, expected, "context");
//   }
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "browser_wnd.h"
#include "image_entry.h"
#include "message_recorder.h"
#include "recording_painter.h"

// Fixture skin ids. The table's rows are 0-7.
#define FIXTURE_BACKGROUND_ID 0

// The colour of the fixture background at (x, y), 0 <= x < 800, 0 <= y < 480:
// red = x % 256, green = y % 256, blue = 0x80 + 16 * (x / 256) + y / 256, so
// every pixel differs and none equals a colour made by MakeSolidBitmap with
// a blue value below 0x80 or above 0xBF.
COLORREF FixtureBackgroundPixel(int x, int y);

// 32-bit DIB sections with known pixels; the caller owns the bitmap (or hands
// it to SkinOverride::Set).
HBITMAP MakeBitmap(int width, int height, const std::function<COLORREF(int x, int y)>& pixel);
HBITMAP MakeSolidBitmap(int width, int height, COLORREF color);

// Puts bitmaps into rows of the image table and, when restored or destroyed,
// gives every row back its earlier bitmap and deletes the ones it put there.
class SkinOverride {
 public:
  SkinOverride() = default;
  ~SkinOverride() { Restore(); }

  // Takes ownership of bitmap; a second Set for an id replaces the first.
  // An id that is not in the table deletes the bitmap and fails the test.
  void Set(int imageId, HBITMAP bitmap);
  void Restore();

 private:
  SkinOverride(const SkinOverride&) = delete;
  SkinOverride& operator=(const SkinOverride&) = delete;

  struct Saved {
    ImageEntry* entry;
    HBITMAP previous;
    HBITMAP mine;
  };
  std::vector<Saved> m_saved;
};

class ComponentFixture : public ::testing::Test {
 private:
  std::unique_ptr<ScreenDefinition> m_def;  // 51508 bytes: kept off the stack

 protected:
  ComponentFixture();
  ~ComponentFixture() override;

  // Creates the recorder (made the main window of TestThread()), the
  // component object and the background image; def is all zero except
  // painter = &painter.
  void SetUp() override;
  // Destroys the component's window and the recorder, restores the table.
  void TearDown() override;

  // browser->LoadDefinition(def) (the first load of the process makes the
  // 800 x 480 back buffer).
  void Load();
  // Load, then creates the component's window as child 1001 over the
  // recorder at (0, 0) with the given size. Handles pending messages, so
  // the paint the new window asks for has happened when this returns;
  // the painter's log and the recorder are then cleared.
  void LoadAndCreate(int width = 800, int height = 480);
  // Invalidates the component's window and paints it now (a WM_PAINT
  // handled before this returns).
  void PaintNow();

  // A pixel of the global back buffer.
  COLORREF BackBufferPixel(int x, int y) const;
  // A pixel of the component's window, read from a DC of the window (the
  // recorder is visible and top-most, so the window's pixels are kept).
  COLORREF WindowPixel(int x, int y) const;
  // Fills a rectangle of the back buffer (to see what a paint changes).
  void FillBackBuffer(COLORREF color, int x = 0, int y = 0, int width = BACK_BUFFER_WIDTH,
                      int height = BACK_BUFFER_HEIGHT);
  // Empties the painter's log and the recorder's messages.
  void ClearLogs();

  // The calls of the painter's log that have this operation name.
  static std::vector<DrawCall> CallsNamed(const std::vector<DrawCall>& calls, const char* op);

  ScreenDefinition& def;  // the owner's record, handed over by Load
  CRecorderWnd recorder;
  CRecordingPainter painter;
  std::unique_ptr<CBrowserWnd> browser;
  SkinOverride skin;  // last: gives the table back before the painter goes
};
