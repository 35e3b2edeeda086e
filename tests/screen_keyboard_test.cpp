// Keys at the component: focus moves through the focus order, activation of
// the focused entry, and the list keys. Keys are real WM_KEYDOWN messages.
#include "screen_input_helpers.h"

namespace {

class KeyboardTest : public InputFixture {
 protected:
  void SetUp() override {
    InputFixture::SetUp();
    def.keyboardFocus = 1;
  }
  // Presses a key and checks where the focus went and what was redrawn.
  void KeyStep(UINT vk, int focusedId, const char* redraws, const char* what) {
    Key(vk);
    EXPECT_EQ(focusedId, browser->GetFocusedId()) << what;
    EXPECT_REDRAWS(redraws, what);
  }
};

// Order by sort key: button 2 (key 0), button 1 (key 1), button 0 (key 2).
TEST_F(KeyboardTest, FocusMovesWrapAroundBothEnds) {
  AddButton(0, 10, 10, 50, 40, 0, 0, 0, /*focusRank*/ 2);
  AddButton(1, 100, 10, 50, 40, 0, 0, 0, /*focusRank*/ 1);
  AddButton(2, 200, 10, 50, 40, 0, 0, 0, /*focusRank*/ 0);
  LoadAndCreate();
  ASSERT_EQ(12, browser->GetFocusedId());

  KeyStep(VK_RIGHT, 11, "b2:normal, b1:focused", "next");
  KeyStep(VK_RIGHT, 10, "b1:normal, b0:focused", "next to the last entry");
  KeyStep(VK_RIGHT, 12, "b0:normal, b2:focused", "next wraps to the first");
  KeyStep(VK_LEFT, 10, "b2:normal, b0:focused", "previous wraps to the last");
  KeyStep(VK_LEFT, 11, "b0:normal, b1:focused", "previous");
  KeyStep(VK_F1, 11, "", "a key that is none of the five");
  // The keys above: moving the focus posts nothing.
  ok_no_messages(recorder, "focus moves");
}

TEST_F(KeyboardTest, AKeyThatIsBothNextAndPreviousMovesBackwards) {
  def.keyNext = def.keyPrevious = VK_TAB;
  AddButton(0, 10, 10, 50, 40);
  AddButton(1, 100, 10, 50, 40);
  AddButton(2, 200, 10, 50, 40);
  LoadAndCreate();
  KeyStep(VK_TAB, 12, "b0:normal, b2:focused", "shared key from the first entry");
}

TEST_F(KeyboardTest, OneEntryOrderNeverMovesNorRedraws) {
  AddButton(0, 10, 10, 50, 40);
  LoadAndCreate();
  KeyStep(VK_RIGHT, 10, "", "next on the only entry");
  KeyStep(VK_LEFT, 10, "", "previous on the only entry");
  EXPECT_EQ(0, browser->focusIndex);
}

// Order: button 0, the list, button 1 (with a list action), button 2. While
// the list is inactive focus moves pass over the list and button 1.
TEST_F(KeyboardTest, InactiveListAndItsButtonsArePassedOver) {
  SetUpList(4);
  def.scrollPositionMessage = 0;
  def.listActive = 0;
  def.listFocusRank = 1;
  AddButton(0, 400, 10, 50, 40, 0, 0, 0, /*focusRank*/ 0);
  AddButton(1, 500, 10, 50, 40, 0, /*listAction*/ 4, 1, /*focusRank*/ 2);
  AddButton(2, 600, 10, 50, 40, 0, 0, 0, /*focusRank*/ 3);
  LoadAndCreate();
  SetRows(6);
  ASSERT_EQ(10, browser->GetFocusedId());

  KeyStep(VK_RIGHT, 12, "b0:normal, b2:focused", "next from button 0 skips the list and button 1");
  KeyStep(VK_RIGHT, 10, "b2:normal, b0:focused", "next wraps to button 0");
  KeyStep(VK_LEFT, 12, "b0:normal, b2:focused", "previous wraps to button 2");
  KeyStep(VK_LEFT, 10, "b2:normal, b0:focused", "previous skips button 1 and the list");

  // The same order with the list active: every entry takes the focus.
  def.listActive = 1;
  Load();
  Redraws();
  KeyStep(VK_RIGHT, 0, "b0:normal, list", "next to the active list");
  KeyStep(VK_RIGHT, 11, "list, b1:focused", "next to the list-action button");
  ok_no_messages(recorder, "focus moves");
}

TEST_F(KeyboardTest, NoFocusWhenEveryEntryIsPassedOver) {
  SetUpList(4);
  def.listActive = 0;
  AddButton(0, 400, 10, 50, 40, 0, /*listAction*/ 1, 1);
  AddButton(1, 500, 10, 50, 40, 0, /*listAction*/ 2, 1);
  LoadAndCreate();
  SetRows(6);
  EXPECT_EQ(-1, browser->focusIndex);

  KeyStep(VK_RIGHT, -1, "", "next without focus");
  KeyStep(VK_LEFT, -1, "", "previous without focus");
  KeyStep(VK_RETURN, -1, "", "activate without focus");
  // The three keys above.
  ok_no_messages(recorder, "keys without focus");
}

TEST_F(KeyboardTest, EmptyFocusOrder) {
  LoadAndCreate();
  KeyStep(VK_RETURN, -1, "", "activate on an empty order");
  KeyStep(VK_RIGHT, -1, "", "next on an empty order");
  KeyStep(VK_LEFT, -1, "", "previous on an empty order");
  EXPECT_EQ(-1, browser->focusIndex) << "previous on an empty order leaves no focus";
  ok_no_messages(recorder, "keys on an empty order");
}

// Order: the list, button 0 (plain), button 1 (scrolls 3 rows down).
TEST_F(KeyboardTest, ActivateTheListAPlainButtonAndAListActionButton) {
  SetUpList(5);
  def.listFocusRank = 0;
  AddButton(0, 400, 10, 50, 40, 0, 0, 0, /*focusRank*/ 1);
  AddButton(1, 500, 10, 50, 40, 0, /*listAction*/ 2, /*amount*/ 3, /*focusRank*/ 2);
  LoadAndCreate();
  SetRows(12);  // maxTop 7
  browser->selectedRow = 2;
  ASSERT_EQ(0, browser->GetFocusedId());

  Key(VK_RETURN);  // the list
  Step();
  Key(VK_RIGHT);
  Step();
  Redraws();
  Key(VK_RETURN);  // button 0, both button messages defined
  EXPECT_REDRAWS("", "activating a button does not redraw it");
  EXPECT_EQ(0, browser->buttonPressed[0]);
  EXPECT_EQ(-1, browser->pressedButton);
  Step();
  Key(VK_RIGHT);
  Step();
  Key(VK_RETURN);  // button 1: three rows down
  EXPECT_EQ(3, browser->topRow);
  Step();
  def.buttonDownMessage = 0;
  Load();
  Key(VK_LEFT);
  Step();
  Key(VK_RETURN);  // button 0, only the up message defined
  Step();
  def.buttonUpMessage = 0;
  Load();
  Key(VK_RETURN);  // button 0, neither defined
  Step();
  def.buttonDownMessage = MSG_BUTTON_DOWN;
  def.keyboardFocus = 0;
  Load();
  Key(VK_RETURN);  // keyboard focus off
  Step();

  // Activate on the list / next (the list loses the focus: redrawn whole) /
  // activate button 0 / next / activate button 1 / previous / activate
  // button 0 with only the up message / with neither / with keyboard focus off.
  static const ExpectedMsg expected[] = {
      {MSG_ROW_SELECT, 2, 102}, SEP,
      {MSG_SCROLL_POS, 0, 7}, SEP,
      {MSG_BUTTON_DOWN, 0, 0}, SEP,
      SEP,
      {MSG_SCROLL_POS, 3, 7}, SEP,
      SEP,
      {MSG_BUTTON_UP, 0, 0}, SEP,
      SEP,
      SEP,
  };
  ok_sequence(recorder, expected, "activate");
}

// Order: the list, button 0. The list keys move the selection only while
// the list has the focus.
TEST_F(KeyboardTest, ListKeysMoveTheSelectionOnlyWhileTheListIsFocused) {
  SetUpList(4);
  def.scrollPositionMessage = 0;
  AddButton(0, 400, 10, 50, 40, 0, 0, 0, /*focusRank*/ 1);
  LoadAndCreate();
  SetRows(6);
  ASSERT_EQ(0, browser->GetFocusedId());

  Key(VK_DOWN);
  EXPECT_EQ(1, browser->selectedRow);
  EXPECT_REDRAWS("row 0, row 1, counter", "down inside the visible rows");
  Step();
  Key(VK_RIGHT);
  Redraws();
  Key(VK_DOWN);
  Key(VK_UP);
  EXPECT_EQ(1, browser->selectedRow) << "list keys while a button has the focus";
  EXPECT_REDRAWS("", "list keys while a button has the focus");
  Step();
  Key(VK_LEFT);
  browser->topRow = 2;
  browser->selectedRow = 5;
  Redraws();
  Key(VK_DOWN);  // on the last row
  EXPECT_REDRAWS("", "down on the last row");
  Step();
  Key(VK_UP);
  EXPECT_EQ(4, browser->selectedRow);
  EXPECT_REDRAWS("row 3, row 2, counter", "up");
  Step();
  browser->SetSuspended(true, 0);
  Key(VK_UP);
  EXPECT_EQ(4, browser->selectedRow) << "keys are ignored while suspended";
  Step();

  // Down on the list / down and up on button 0 / down on the last row / up
  // / up while suspended.
  static const ExpectedMsg expected[] = {
      SEP,
      SEP,
      {MSG_LIST_LIMIT, 2, 0}, SEP,
      SEP,
      SEP,
  };
  ok_sequence(recorder, expected, "list keys");
}

// Without rows the selection stays at 0, so activating the list afterwards
// reports row 0 rather than an index that names no row.
TEST_F(KeyboardTest, ListDownOnAnEmptyListKeepsRowZero) {
  SetUpList(4);
  LoadAndCreate();
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(0, browser->selectedRow);
  EXPECT_EQ(0, browser->topRow);
  EXPECT_REDRAWS("", "nothing changed");
  Step();
  Key(VK_RETURN);
  Step();
  // Two downs on the empty list / activate.
  static const ExpectedMsg expected[] = {
      SEP,
      {MSG_ROW_SELECT, 0, 0}, SEP,
  };
  ok_sequence(recorder, expected, "empty list");
}

}  // namespace
