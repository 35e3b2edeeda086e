// The list moves (scrolling, moving the selection, setting the first row,
// list actions) as one table: from a start state each case makes one move
// and checks the state, what was redrawn straight to the window, and the
// messages in order. A whole-list redraw shows as "list" and also posts
// (MSG_SCROLL_POS, topRow, maxTop); single rows show as "row r" (visible
// row r, drawn on the window).
#include "screen_input_helpers.h"

namespace {

enum Move { UP, DOWN, PREV, NEXT, SET_TOP, ACTION };

struct ListMoveCase {
  const char* name;
  int rows, visible;
  BYTE enabled, active;
  int top, selected;  // start
  Move move;
  int code;  // list action code for ACTION
  int n;     // rows moved, or the row for SET_TOP
  int wantTop, wantSelected;
  const char* redraws;
  ExpectedMsg msgs[2];
  size_t msgCount;
};

constexpr ExpectedMsg LIMIT(int code) { return {MSG_LIST_LIMIT, static_cast<WPARAM>(code), 0}; }
constexpr ExpectedMsg POS(int top, int maxTop) {
  return {MSG_SCROLL_POS, static_cast<WPARAM>(top), static_cast<LPARAM>(maxTop)};
}

// Ten rows, four visible (maxTop 6) unless a case says otherwise.
const ListMoveCase kCases[] = {
    // Scrolling up.
    {"up 1 at row 0: stopped, nothing redrawn", 10, 4, 1, 1, 0, 0, UP, 0, 1, 0, 0, "", {LIMIT(1)}, 1},
    {"up n from row n: to 0, not stopped", 10, 4, 1, 1, 3, 0, UP, 0, 3, 0, 0, "list, counter", {POS(0, 6)}, 1},
    {"up past row 0: redrawn, then stopped", 10, 4, 1, 1, 2, 0, UP, 0, 5, 0, 0, "list, counter", {POS(0, 6), LIMIT(1)}, 2},
    {"up leaves the selection", 10, 4, 1, 1, 5, 6, UP, 0, 2, 3, 6, "list, counter", {POS(3, 6)}, 1},
    // Scrolling down.
    {"down 3 from 5 of maxTop 6: redrawn, then stopped", 10, 4, 1, 1, 5, 0, DOWN, 0, 3, 6, 0, "list, counter", {POS(6, 6), LIMIT(0)}, 2},
    {"down to maxTop exactly: not stopped", 10, 4, 1, 1, 4, 0, DOWN, 0, 2, 6, 0, "list, counter", {POS(6, 6)}, 1},
    {"down at maxTop: stopped, nothing redrawn", 10, 4, 1, 1, 6, 0, DOWN, 0, 1, 6, 0, "", {LIMIT(0)}, 1},
    {"down with no more rows than visible: maxTop 0", 4, 4, 1, 1, 0, 0, DOWN, 0, 1, 0, 0, "", {LIMIT(0)}, 1},
    {"down on an empty list", 0, 4, 1, 1, 0, 0, DOWN, 0, 1, 0, 0, "", {LIMIT(0)}, 1},
    // Moving the selection down.
    {"next inside the visible rows: two rows, counter", 10, 4, 1, 1, 0, 1, NEXT, 0, 1, 0, 2, "row 1, row 2, counter", {}, 0},
    {"next from the last visible row: list scrolls one", 10, 4, 1, 1, 0, 3, NEXT, 0, 1, 1, 4, "list, counter", {POS(1, 6)}, 1},
    {"next past the last row: stopped at it", 10, 4, 1, 1, 6, 8, NEXT, 0, 5, 6, 9, "row 2, row 3, counter", {LIMIT(2)}, 1},
    {"next on the last row: stopped, nothing redrawn", 10, 4, 1, 1, 6, 9, NEXT, 0, 1, 6, 9, "", {LIMIT(2)}, 1},
    {"next with the selection above the view: scrolled back", 10, 4, 1, 1, 5, 0, NEXT, 0, 1, 1, 1, "list, counter", {POS(1, 6)}, 1},
    {"next far past the view: selection ends the view", 10, 4, 1, 1, 0, 1, NEXT, 0, 6, 4, 7, "list, counter", {POS(4, 6)}, 1},
    {"next on an empty list: stays at row 0, not stopped", 0, 4, 1, 1, 0, 0, NEXT, 0, 3, 0, 0, "", {}, 0},
    // Moving the selection up.
    {"previous 5 from row 2, list scrolled: to 0", 10, 4, 1, 1, 2, 2, PREV, 0, 5, 0, 0, "list, counter", {POS(0, 6), LIMIT(3)}, 2},
    {"previous 5 from row 2 in view: two rows", 10, 4, 1, 1, 0, 2, PREV, 0, 5, 0, 0, "row 2, row 0, counter", {LIMIT(3)}, 1},
    {"previous at row 0: stopped, nothing redrawn", 10, 4, 1, 1, 0, 0, PREV, 0, 1, 0, 0, "", {LIMIT(3)}, 1},
    {"previous with the selection below the view", 10, 4, 1, 1, 0, 9, PREV, 0, 1, 5, 8, "list, counter", {POS(5, 6)}, 1},
    // Setting the first row.
    {"set top row within range", 10, 4, 1, 1, 0, 0, SET_TOP, 0, 4, 4, 0, "list, counter", {POS(4, 6)}, 1},
    {"set top row to maxTop", 10, 4, 1, 1, 0, 0, SET_TOP, 0, 6, 6, 0, "list, counter", {POS(6, 6)}, 1},
    {"set top row beyond maxTop: nothing", 10, 4, 1, 1, 2, 0, SET_TOP, 0, 7, 2, 0, "", {}, 0},
    {"set top row to the current one: nothing", 10, 4, 1, 1, 2, 0, SET_TOP, 0, 2, 2, 0, "", {}, 0},
    {"set top row does not look at the list state", 10, 4, 1, 0, 0, 0, SET_TOP, 0, 3, 3, 0, "", {}, 0},
    // An unusable list.
    {"up with the list off", 10, 4, 0, 1, 3, 3, UP, 0, 5, 3, 3, "", {}, 0},
    {"down with the list inactive", 10, 4, 1, 0, 6, 3, DOWN, 0, 1, 6, 3, "", {}, 0},
    {"next with the list off", 10, 4, 0, 1, 0, 9, NEXT, 0, 1, 0, 9, "", {}, 0},
    {"previous with the list inactive", 10, 4, 1, 0, 0, 0, PREV, 0, 1, 0, 0, "", {}, 0},
    // List action codes.
    {"action 1 scrolls up", 10, 4, 1, 1, 3, 0, ACTION, 1, 2, 1, 0, "list, counter", {POS(1, 6)}, 1},
    {"action 2 scrolls down", 10, 4, 1, 1, 3, 0, ACTION, 2, 2, 5, 0, "list, counter", {POS(5, 6)}, 1},
    {"action 3 selects the previous row", 10, 4, 1, 1, 0, 3, ACTION, 3, 2, 0, 1, "row 3, row 1, counter", {}, 0},
    {"action 4 selects the next row", 10, 4, 1, 1, 0, 1, ACTION, 4, 2, 0, 3, "row 1, row 3, counter", {}, 0},
    {"action 7 does nothing", 10, 4, 1, 1, 3, 3, ACTION, 7, 2, 3, 3, "", {}, 0},
    {"action 0 does nothing", 10, 4, 1, 1, 3, 3, ACTION, 0, 2, 3, 3, "", {}, 0},
};

TEST_F(InputFixture, ListMovesClampRedrawAndReport) {
  SetUpList(4);
  LoadAndCreate();
  for (const ListMoveCase& c : kCases) {
    def.visibleRows = c.visible;
    def.listHeight = c.visible * ROW_H;
    def.listEnabled = c.enabled;
    def.listActive = c.active;
    Load();
    SetRows(c.rows);
    browser->topRow = c.top;
    browser->selectedRow = c.selected;
    ClearLogs();

    const UINT32 n = static_cast<UINT32>(c.n);
    switch (c.move) {
      case UP: browser->ScrollRowsUp(n); break;
      case DOWN: browser->ScrollRowsDown(n); break;
      case PREV: browser->SelectPreviousRow(n); break;
      case NEXT: browser->SelectNextRow(n); break;
      case SET_TOP: browser->SetTopRow(c.n); break;
      case ACTION: browser->RunListAction(c.code, n); break;
    }
    EXPECT_EQ(c.wantTop, browser->topRow) << c.name;
    EXPECT_EQ(c.wantSelected, browser->selectedRow) << c.name;
    EXPECT_REDRAWS(c.redraws, c.name);
    CheckSequence(recorder.Take(), c.msgs, c.msgCount, __FILE__, __LINE__, c.name);
  }
}

}  // namespace
