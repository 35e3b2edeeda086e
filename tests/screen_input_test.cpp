// Presses, releases and SetSuspended, driven by real window messages at the
// component; what reaches the main window is compared in order.
#include "screen_input_helpers.h"

namespace {

// Press and release at each point, one step each.
struct Tap {
  int x, y;
};

// Touch rectangles: 0 (10,10)-(60,50) and 1 (40,30)-(90,70) overlap in
// (40,30)-(60,50); 2 lies at negative coordinates; 3 is not shown.
TEST_F(InputFixture, PressHitsTheLowestButtonWithLeftAndTopEdgesInside) {
  AddButton(0, 10, 10, 50, 40);
  AddButton(1, 40, 30, 50, 40);
  AddButton(2, -20, -20, 15, 15);
  AddButton(3, 200, 200, 50, 50);
  def.buttons[3].shown = 0;
  LoadAndCreate();

  const Tap taps[] = {
      {10, 10},   // left/top edge of 0
      {59, 49},   // last pixel inside 0, also inside 1
      {45, 35},   // overlap
      {60, 20},   // right edge of 0, above 1: nothing
      {20, 50},   // bottom edge of 0: nothing
      {89, 69},   // last pixel of 1
      {90, 69},   // right edge of 1: nothing
      {-20, -20}, // left/top edge of 2
      {-6, -6},   // last pixel of 2
      {-5, -5},   // right/bottom edge of 2: nothing
      {220, 220}, // button 3 is not shown
  };
  for (const Tap& t : taps) {
    Press(t.x, t.y);
    Release(t.x, t.y);
    Step();
  }

  // Press + release at each of the points above, in order.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 10, 10}, {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 10, 10}, SEP,
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 59, 49}, {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 59, 49}, SEP,
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 45, 35}, {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 45, 35}, SEP,
      {MSG_POINTER_DOWN, 60, 20}, {MSG_POINTER_UP, 60, 20}, SEP,
      {MSG_POINTER_DOWN, 20, 50}, {MSG_POINTER_UP, 20, 50}, SEP,
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 89, 69}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 89, 69}, SEP,
      {MSG_POINTER_DOWN, 90, 69}, {MSG_POINTER_UP, 90, 69}, SEP,
      {MSG_BUTTON_DOWN, 2, 0}, {MSG_POINTER_DOWN, W(-20), L(-20)}, {MSG_BUTTON_UP, 2, 0}, {MSG_POINTER_UP, W(-20), L(-20)}, SEP,
      {MSG_BUTTON_DOWN, 2, 0}, {MSG_POINTER_DOWN, W(-6), L(-6)}, {MSG_BUTTON_UP, 2, 0}, {MSG_POINTER_UP, W(-6), L(-6)}, SEP,
      {MSG_POINTER_DOWN, W(-5), L(-5)}, {MSG_POINTER_UP, W(-5), L(-5)}, SEP,
      {MSG_POINTER_DOWN, 220, 220}, {MSG_POINTER_UP, 220, 220}, SEP,
  };
  ok_sequence(recorder, expected, "hit tests");
  EXPECT_EQ(0, browser->buttonPressed[1]) << "the overlapped button was never pressed in the overlap";
}

// Button 0 scrolls the list and lies over plain button 1: while the list is
// off or inactive, the press falls through to button 1.
TEST_F(InputFixture, ListActionButtonIsAbsentWhileTheListIsOffOrInactive) {
  AddButton(0, 500, 10, 50, 40, 0, /*listAction*/ 2, 1);
  AddButton(1, 500, 10, 50, 40);
  SetUpList(4);
  def.scrollPositionMessage = 0;
  LoadAndCreate();
  SetRows(10);

  struct Case {
    BYTE listEnabled, listActive;
    WPARAM button;
  };
  const Case cases[] = {{0, 1, 1}, {1, 0, 1}, {0, 0, 1}, {1, 1, 0}};
  for (const Case& c : cases) {
    def.listEnabled = c.listEnabled;
    def.listActive = c.listActive;
    Load();
    Press(520, 20);
    Release(520, 20);
    Step();
  }
  // Press + release on the shared rectangle for: list off, inactive, both, neither.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 520, 20}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 520, 20}, SEP,
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 520, 20}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 520, 20}, SEP,
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 520, 20}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 520, 20}, SEP,
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 520, 20}, {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 520, 20}, SEP,
  };
  ok_sequence(recorder, expected, "list-action button with the list off/inactive/on");
  EXPECT_EQ(1, browser->topRow) << "only the usable list was scrolled, once";
}

// Toggle (0), latching (1) and push (2) buttons through presses and releases.
TEST_F(InputFixture, ButtonKindsKeepOrClearTheirPressedState) {
  AddButton(0, 10, 10, 50, 40, /*kind*/ 1);
  AddButton(1, 100, 10, 50, 40, /*kind*/ 2);
  AddButton(2, 200, 10, 50, 40, /*kind*/ 0);
  LoadAndCreate();

  struct StepCase {
    bool press;
    int x, y;
    INT32 pressed0, pressed1, pressed2;
    const char* redraws;
  };
  const StepCase steps[] = {
      {true, 20, 20, 1, 0, 0, "b0:pressed"},   // toggle on
      {false, 20, 20, 1, 0, 0, ""},            // a release leaves a toggle
      {true, 20, 20, 0, 0, 0, "b0:normal"},    // toggle off
      {false, 20, 20, 0, 0, 0, ""},
      {true, 110, 20, 0, 1, 0, "b1:pressed"},  // latching
      {false, 110, 20, 0, 1, 0, ""},           // stays pressed
      {true, 110, 20, 0, 1, 0, "b1:pressed"},  // pressing again changes nothing
      {false, 110, 20, 0, 1, 0, ""},
      {true, 210, 20, 0, 1, 1, "b2:pressed"},  // push
      {false, 700, 300, 0, 1, 0, "b2:normal"}, // released elsewhere
  };
  for (const StepCase& s : steps) {
    if (s.press) Press(s.x, s.y);
    else Release(s.x, s.y);
    Step();
    const std::string where = std::string(s.press ? "press" : "release") + " at " +
                              std::to_string(s.x) + "," + std::to_string(s.y);
    EXPECT_EQ(s.pressed0, browser->buttonPressed[0]) << where;
    EXPECT_EQ(s.pressed1, browser->buttonPressed[1]) << where;
    EXPECT_EQ(s.pressed2, browser->buttonPressed[2]) << where;
    EXPECT_REDRAWS(s.redraws, where);
  }
  // The ten steps above: each press posts down + pointer, each release up + pointer.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 20, 20}, SEP,
      {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 20, 20}, SEP,
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 20, 20}, SEP,
      {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 20, 20}, SEP,
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 110, 20}, SEP,
      {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 110, 20}, SEP,
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 110, 20}, SEP,
      {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 110, 20}, SEP,
      {MSG_BUTTON_DOWN, 2, 0}, {MSG_POINTER_DOWN, 210, 20}, SEP,
      {MSG_BUTTON_UP, 2, 0}, {MSG_POINTER_UP, 700, 300}, SEP,
  };
  ok_sequence(recorder, expected, "toggle, latching and push buttons");
  EXPECT_EQ(-1, browser->pressedButton);
}

// Two presses without a release between them: the release lets go of every
// held push button but reports only the one pressed last.
TEST_F(InputFixture, ReleaseAfterTwoPressesReportsTheLastButton) {
  AddButton(0, 10, 10, 50, 40);
  AddButton(1, 100, 10, 50, 40);
  LoadAndCreate();

  Press(20, 20);
  Press(110, 20);
  EXPECT_REDRAWS("b0:pressed, b1:pressed", "two presses");
  Release(400, 400);
  EXPECT_REDRAWS("b0:normal, b1:normal", "one release");
  Step();
  Release(400, 400);  // nothing outstanding any more
  Step();

  // Press 0, press 1, release; then a second release.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 20, 20},
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 110, 20},
      {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 400, 400}, SEP,
      {MSG_POINTER_UP, 400, 400}, SEP,
  };
  ok_sequence(recorder, expected, "two presses, two releases");
}

// Button 0 lies over row 1 of the list; button 1 lies beside the list.
TEST_F(InputFixture, PressOnButtonAndRowPostsNoPointerMessage) {
  SetUpList(4);
  def.scrollPositionMessage = 0;
  AddButton(0, LIST_X, LIST_Y + ROW_H, 40, ROW_H);
  AddButton(1, 400, 10, 50, 40);
  LoadAndCreate();
  SetRows(10);

  Press(LIST_X + 5, LIST_Y + ROW_H + 5);
  EXPECT_REDRAWS("b0:pressed, row 0, row 1", "button and row");
  Release(LIST_X + 5, LIST_Y + ROW_H + 5);
  EXPECT_REDRAWS("b0:normal, row 1", "button and row released");
  Step();
  Press(410, 20);
  Release(410, 20);
  Step();

  // Press/release on button 0 over row 1; then press/release on button 1 alone.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_ROW_SELECT, 1, 101}, {MSG_BUTTON_UP, 0, 0}, SEP,
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 410, 20}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 410, 20}, SEP,
  };
  ok_sequence(recorder, expected, "button over a row");
  EXPECT_EQ(1, browser->selectedRow);
  EXPECT_FALSE(browser->rowPressed);
}

// Row presses: a new row redraws old and new row, the same row only itself,
// a press below the last existing row is not a row press.
TEST_F(InputFixture, RowPressRedrawsOnlyTheRowsThatChangeLook) {
  SetUpList(4);
  def.scrollPositionMessage = 0;
  LoadAndCreate();
  SetRows(6);
  browser->topRow = 2;  // rows 2..5 visible
  browser->selectedRow = 3;

  Press(LIST_X, LIST_Y + 2 * ROW_H);  // row 4 (visible 2), its top-left corner
  EXPECT_REDRAWS("row 1, row 2", "row moved");
  EXPECT_TRUE(browser->rowPressed);
  Release(LIST_X, LIST_Y + 2 * ROW_H);
  EXPECT_REDRAWS("row 2", "released");
  Step();
  Press(LIST_X + ROW_W - 1, LIST_Y + 3 * ROW_H - 1);  // same row, far corner
  EXPECT_REDRAWS("row 2", "same row");
  Release(0, 0);
  Step();
  browser->topRow = 3;  // rows 3..5: visible row 3 does not exist
  Press(LIST_X + 5, LIST_Y + 3 * ROW_H + 5);
  Release(LIST_X + 5, LIST_Y + 3 * ROW_H + 5);
  Step();
  Press(LIST_X + ROW_W, LIST_Y + 5);  // right edge of the rows
  Release(LIST_X + ROW_W, LIST_Y + 5);
  Step();

  // Row 4 pressed and released; again, released at (0,0); below the last
  // row; on the rows' right edge.
  static const ExpectedMsg expected[] = {
      {MSG_ROW_SELECT, 4, 104}, SEP,
      {MSG_ROW_SELECT, 4, 104}, SEP,
      {MSG_POINTER_DOWN, LIST_X + 5, LIST_Y + 3 * ROW_H + 5}, {MSG_POINTER_UP, LIST_X + 5, LIST_Y + 3 * ROW_H + 5}, SEP,
      {MSG_POINTER_DOWN, LIST_X + ROW_W, LIST_Y + 5}, {MSG_POINTER_UP, LIST_X + ROW_W, LIST_Y + 5}, SEP,
  };
  ok_sequence(recorder, expected, "row presses");
  EXPECT_EQ(4, browser->selectedRow);
}

// With keyboard focus on, a tap moves the focus to what it hit: the entry
// that had it is redrawn first, then the tapped one.
TEST_F(InputFixture, TapsMoveTheKeyboardFocus) {
  SetUpList(4);
  def.scrollPositionMessage = 0;
  def.keyboardFocus = 1;
  def.listFocusRank = 1;
  AddButton(0, 400, 10, 50, 40, 0, 0, 0, /*focusRank*/ 0);
  AddButton(1, 500, 10, 50, 40, 0, 0, 0, /*focusRank*/ 2);
  LoadAndCreate();
  SetRows(6);
  ASSERT_EQ(10, browser->GetFocusedId());

  Press(510, 20);
  EXPECT_EQ(11, browser->GetFocusedId());
  EXPECT_REDRAWS("b0:normal, b1:pressed", "tap on button 1");
  Release(510, 20);
  EXPECT_REDRAWS("b1:focused", "release of button 1");
  Press(510, 20);
  // The entry that had the focus is redrawn after the press changed its
  // state, so the tapped, focused button is drawn pressed twice.
  EXPECT_REDRAWS("b1:pressed, b1:pressed", "tap on the focused button");
  Release(510, 20);
  Redraws();
  Press(LIST_X + 5, LIST_Y + ROW_H + 5);
  EXPECT_EQ(0, browser->GetFocusedId());
  EXPECT_REDRAWS("b1:normal, list", "tap on a row");
  Release(LIST_X + 5, LIST_Y + ROW_H + 5);
  EXPECT_REDRAWS("row 1", "release of the row");
  Press(LIST_X + 5, LIST_Y + 5);
  EXPECT_REDRAWS("row 1, row 0", "row moved inside the focused list");
  Release(LIST_X + 5, LIST_Y + 5);
  Redraws();
  Press(410, 20);
  EXPECT_REDRAWS("list, b0:pressed", "tap on button 0 takes the focus from the list");
  Release(410, 20);
  Step();
  // The taps above: 1, 1, row 1, row 0, button 0.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 510, 20}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 510, 20},
      {MSG_BUTTON_DOWN, 1, 0}, {MSG_POINTER_DOWN, 510, 20}, {MSG_BUTTON_UP, 1, 0}, {MSG_POINTER_UP, 510, 20},
      {MSG_ROW_SELECT, 1, 101}, {MSG_ROW_SELECT, 0, 100},
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 410, 20}, {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 410, 20}, SEP,
  };
  ok_sequence(recorder, expected, "taps moving the focus");
}

// A button that scrolls the list ten rows down (stopping at the end), a row
// and the scroll bar, with list actions on press and on release.
class ActOnReleaseTest : public InputFixture {
 protected:
  void Build(bool actOnRelease) {
    SetUpList(5);
    def.actOnRelease = actOnRelease ? 1 : 0;
    AddButton(0, 400, 10, 50, 40, 0, /*listAction*/ 2, /*amount*/ 10);
    def.scrollTapEnabled = 1;
    def.scrollTapMode = 0;  // page
    def.scrollTapX = 320;
    def.scrollTapY = 100;
    def.scrollTapWidth = 20;
    def.scrollTapHeight = 100;
    def.trackStartX = def.trackEndX = 320;
    def.trackStartY = 100;
    def.trackEndY = 180;
    def.thumbLength = 20;
    LoadAndCreate();
    SetRows(12);  // maxTop 7
  }
};

TEST_F(ActOnReleaseTest, OffEverythingHappensOnThePress) {
  Build(false);
  Press(410, 20);
  Step();
  Release(410, 20);
  Step();
  browser->topRow = 0;
  Press(LIST_X + 5, LIST_Y + 2 * ROW_H + 5);
  Step();
  Release(LIST_X + 5, LIST_Y + 2 * ROW_H + 5);
  Step();
  Press(330, 195);  // below the thumb's middle (110): a page down
  Step();
  Release(330, 101);
  Step();

  // Press on the list-action button / its release / press on row 2 / its
  // release / press on the scroll bar / release above the thumb.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_SCROLL_POS, 7, 7}, {MSG_LIST_LIMIT, 0, 0}, {MSG_POINTER_DOWN, 410, 20}, SEP,
      {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 410, 20}, SEP,
      {MSG_ROW_SELECT, 2, 102}, SEP,
      SEP,
      {MSG_SCROLL_POS, 5, 7}, {MSG_POINTER_DOWN, 330, 195}, SEP,
      {MSG_POINTER_UP, 330, 101}, SEP,
  };
  ok_sequence(recorder, expected, "actOnRelease off");
  EXPECT_EQ(5, browser->topRow);
}

TEST_F(ActOnReleaseTest, OnListActionsRowChoiceAndScrollTapsWaitForTheRelease) {
  Build(true);
  Press(410, 20);
  Step();
  Release(410, 20);
  Step();
  browser->topRow = 0;
  Press(LIST_X + 5, LIST_Y + 2 * ROW_H + 5);
  EXPECT_EQ(2, browser->selectedRow) << "the press selects the row";
  EXPECT_TRUE(browser->rowPressed) << "and holds it";
  Step();
  Release(LIST_X + 5, LIST_Y + 2 * ROW_H + 5);
  Step();
  Press(330, 101);  // above the thumb's middle: ignored on the press
  Step();
  Release(330, 195);  // the release point decides: a page down
  Step();

  // Press on the list-action button / its release / press on row 2 / its
  // release / press on the scroll bar / release below the thumb.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 410, 20}, SEP,
      {MSG_BUTTON_UP, 0, 0}, {MSG_SCROLL_POS, 7, 7}, {MSG_LIST_LIMIT, 0, 0}, {MSG_POINTER_UP, 410, 20}, SEP,
      SEP,
      {MSG_ROW_SELECT, 2, 102}, SEP,
      {MSG_POINTER_DOWN, 330, 101}, SEP,
      {MSG_SCROLL_POS, 5, 7}, {MSG_POINTER_UP, 330, 195}, SEP,
  };
  ok_sequence(recorder, expected, "actOnRelease on");
  EXPECT_EQ(5, browser->topRow);
}

// Page taps on a 20-row list, 5 visible (maxTop 15), track 100..180,
// thumb 20 long: the thumb's middle is at its y + 10.
TEST_F(InputFixture, PageTapsScrollBySideOfTheThumbsMiddle) {
  SetUpList(5);
  def.pointerDownMessage = 0;
  def.pointerUpMessage = 0;
  def.scrollTapEnabled = 1;
  def.scrollTapMode = 0;
  def.scrollTapX = 320;
  def.scrollTapY = 100;
  def.scrollTapWidth = 20;
  def.scrollTapHeight = 100;
  def.trackStartX = def.trackEndX = 320;
  def.trackStartY = 100;
  def.trackEndY = 180;
  def.thumbLength = 21;  // halved, rounded down: 10
  LoadAndCreate();
  SetRows(20);

  struct PageTap {
    int startTop;  // -1: keep
    int y;
    int top;  // afterwards
  };
  const PageTap taps[] = {
      {0, 105, 0},   // thumb 100, middle 110: above at row 0
      {-1, 110, 0},  // on the middle: nothing
      {-1, 111, 5},  // below
      {-1, 190, 10}, // thumb 126, middle 136
      {-1, 199, 15}, // thumb 153, middle 163: down to maxTop exactly
      {-1, 199, 15}, // thumb 180, middle 190: stopped at maxTop
      {3, 101, 0},   // topRow below visibleRows: to 0, stopped
      {0, 200, 0},   // bottom edge of the tap rectangle: not a tap
  };
  for (const PageTap& t : taps) {
    if (t.startTop >= 0) browser->topRow = t.startTop;
    Press(330, t.y);
    Release(330, t.y);
    Step();
    EXPECT_EQ(t.top, browser->topRow) << "tap at y " << t.y;
  }
  // The taps above, in order.
  static const ExpectedMsg expected[] = {
      {MSG_LIST_LIMIT, 1, 0}, SEP,
      SEP,
      {MSG_SCROLL_POS, 5, 15}, SEP,
      {MSG_SCROLL_POS, 10, 15}, SEP,
      {MSG_SCROLL_POS, 15, 15}, SEP,
      {MSG_LIST_LIMIT, 0, 0}, SEP,
      {MSG_SCROLL_POS, 0, 15}, {MSG_LIST_LIMIT, 1, 0}, SEP,
      SEP,
  };
  ok_sequence(recorder, expected, "page taps");
}

// Jump taps: the tap's offset into a 100-pixel touch rectangle picks the
// first visible row, continuously or in thumb steps.
TEST_F(InputFixture, JumpTapsPickTheFirstRow) {
  SetUpList(5);
  def.pointerDownMessage = 0;
  def.pointerUpMessage = 0;
  def.scrollTapEnabled = 1;
  def.scrollTapMode = 1;
  def.scrollTapX = 320;
  def.scrollTapY = 100;
  def.scrollTapWidth = 20;
  def.scrollTapHeight = 100;
  LoadAndCreate();

  struct JumpCase {
    const char* name;
    int tapMode, motion, steps, rows, offset;
    int top;  // afterwards, from 0
  };
  const JumpCase cases[] = {
      {"continuous, (26 * 50) / 100", 1, 0, 0, 30, 50, 13},
      {"continuous, last pixel", 1, 0, 0, 30, 99, 25},
      {"continuous, one row too few to scroll", 1, 0, 0, 5, 99, 0},
      {"stepped 5: step (5 * 50) / 100 = 2, row 2 * 25 / 4", 1, 1, 5, 30, 50, 12},
      {"stepped 5: last step", 1, 1, 5, 30, 99, 25},
      {"stepped 5: step 1", 1, 1, 5, 30, 20, 6},
      {"stepped, 1 step: taken as continuous", 1, 1, 1, 30, 50, 13},
      {"stepped, 0 steps: taken as continuous", 1, 1, 0, 30, 50, 13},
      {"stepped, negative steps: taken as continuous", 1, 1, -4, 30, 50, 13},
      {"other thumb motion: nothing", 1, 2, 5, 30, 50, 0},
      {"other tap mode: nothing", 2, 0, 0, 30, 50, 0},
  };
  for (const JumpCase& c : cases) {
    def.scrollTapMode = c.tapMode;
    def.thumbMotion = c.motion;
    def.thumbSteps = c.steps;
    Load();
    SetRows(c.rows);
    ClearLogs();
    Press(330, 100 + c.offset);
    Release(330, 100 + c.offset);
    EXPECT_EQ(c.top, browser->topRow) << c.name;
    std::vector<RecordedMsg> got = recorder.Take();
    const int maxTop = c.rows > 5 ? c.rows - 5 : 0;
    if (c.top != 0) {
      // SetTopRow redraws the list (posting its position) and posts nothing else.
      const ExpectedMsg moved[] = {{MSG_SCROLL_POS, W(c.top), L(maxTop)}};
      CheckSequence(got, moved, 1, __FILE__, __LINE__, c.name);
    } else {
      CheckSequence(got, nullptr, 0, __FILE__, __LINE__, c.name);
    }
  }
}

// While suspended a press does nothing at all; a release still lets go of a
// push button pressed before and reports it, without drawing.
TEST_F(InputFixture, SuspendedPressIsIgnoredButReleaseStillReports) {
  AddButton(0, 10, 10, 50, 40);
  AddButton(1, 100, 10, 50, 40, /*kind*/ 1);
  LoadAndCreate();

  Press(20, 20);
  Step();
  browser->SetSuspended(true, 0);
  Redraws();
  Press(110, 20);
  EXPECT_EQ(0, browser->buttonPressed[1]) << "a suspended press changes nothing";
  EXPECT_EQ(0, browser->pressedButton);
  Step();
  Release(300, 300);
  EXPECT_EQ(0, browser->buttonPressed[0]) << "a suspended release still lets go";
  EXPECT_EQ(-1, browser->pressedButton);
  EXPECT_REDRAWS("", "nothing is drawn while suspended");
  Step();

  // Press on 0 / suspended press on 1 / suspended release.
  static const ExpectedMsg expected[] = {
      {MSG_BUTTON_DOWN, 0, 0}, {MSG_POINTER_DOWN, 20, 20}, SEP,
      SEP,
      {MSG_BUTTON_UP, 0, 0}, {MSG_POINTER_UP, 300, 300}, SEP,
  };
  ok_sequence(recorder, expected, "suspended press and release");
}

// SetSuspended -------------------------------------------------------------

int g_callbackCount = 0;
HWND g_callbackWindow = nullptr;
void CountingCallback(HWND window) {
  ++g_callbackCount;
  g_callbackWindow = window;
}

class SuspendTest : public InputFixture {
 protected:
  void SetUp() override {
    InputFixture::SetUp();
    SetUpList(2);
    AddButton(0, 400, 10, 50, 40);
    def.imageSlots[0].shown = 1;
    def.imageSlots[0].image = 4;
    def.imageSlots[0].x = 500;
    def.imageSlots[0].y = 300;
    def.imageSlots[0].frameCount = 1;
    def.labels[0].shown = 1;
    def.labels[0].x = 10;
    def.labels[0].y = 440;
    def.labels[0].width = 100;
    def.labels[0].height = 20;
    def.paintCallback = CountingCallback;
    LoadAndCreate();
    SetRows(3);
    g_callbackCount = 0;
    g_callbackWindow = nullptr;
  }
  bool HasUpdateRegion() { return GetUpdateRect(browser->m_hWnd, nullptr, FALSE) != FALSE; }
};

TEST_F(SuspendTest, SuspendingIgnoresTheRefreshBits) {
  browser->SetSuspended(true, 0x3F);
  EXPECT_TRUE(browser->suspended);
  EXPECT_REDRAWS("", "suspend with every refresh bit");
  EXPECT_EQ(0, g_callbackCount);
  EXPECT_FALSE(HasUpdateRegion());
  // SetSuspended(true, 0x3F)
  ok_no_messages(recorder, "suspend");
}

TEST_F(SuspendTest, ResumeWithInvalidateOnlyInvalidates) {
  browser->SetSuspended(true, 0);
  browser->SetSuspended(false, 0x41);
  EXPECT_FALSE(browser->suspended);
  EXPECT_REDRAWS("", "nothing drawn directly, not even the list");
  EXPECT_EQ(0, g_callbackCount);
  EXPECT_TRUE(HasUpdateRegion());
  browser->UpdateWindow();
  EXPECT_EQ(1, g_callbackCount) << "the full paint calls back";
  std::vector<DrawCall> paint = painter.Take();
  ASSERT_FALSE(paint.empty());
  EXPECT_EQ(SURFACE_BACK_BUFFER, paint[0].surface) << CRecordingPainter::Dump(paint);
  // The full paint that follows: its list redraw.
  static const ExpectedMsg expected[] = {{MSG_SCROLL_POS, 0, 1}};
  ok_sequence(recorder, expected, "the paint after resume 0x41");
}

TEST_F(SuspendTest, ResumeWithCallbackOnlyCallsBack) {
  browser->SetSuspended(false, 0x20);
  EXPECT_EQ(1, g_callbackCount);
  EXPECT_EQ(browser->m_hWnd, g_callbackWindow);
  EXPECT_REDRAWS("", "no painting");
  EXPECT_FALSE(HasUpdateRegion());
  // SetSuspended(false, 0x20)
  ok_no_messages(recorder, "resume 0x20");
}

TEST_F(SuspendTest, ResumeRefreshesInAFixedOrderStraightToTheWindow) {
  browser->SetSuspended(false, 0x3F);
  EXPECT_REDRAWS("list, b0:normal, slot at 500,300, erase at 10,440, counter", "resume 0x3F");
  EXPECT_EQ(1, g_callbackCount);
  // SetSuspended(false, 0x3F): the list's redraw.
  static const ExpectedMsg expected[] = {{MSG_SCROLL_POS, 0, 1}};
  ok_sequence(recorder, expected, "resume 0x3F");

  def.listEnabled = 0;
  Load();
  browser->SetSuspended(false, 0x01);
  EXPECT_REDRAWS("", "no list to refresh");
  // SetSuspended(false, 0x01) without a list
  ok_no_messages(recorder, "resume 0x01 without a list");
}

}  // namespace
