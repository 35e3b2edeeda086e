// Helpers for the component's input tests: a screen with known message
// numbers and key codes, real window messages sent at the component, and a
// summary of the painter's log that names what was redrawn straight to the
// window ("list", "row 2", "counter", "b1:pressed", ...).
#pragma once

#include <string>
#include <vector>

#include "component_fixture.h"

// Message numbers of the test screen. The button pair is the one the
// application itself uses.
constexpr UINT MSG_BUTTON_DOWN = WM_USER + 501;
constexpr UINT MSG_BUTTON_UP = WM_USER + 500;
constexpr UINT MSG_ROW_SELECT = WM_USER + 600;
constexpr UINT MSG_LIST_LIMIT = WM_USER + 601;
constexpr UINT MSG_POINTER_DOWN = WM_USER + 602;
constexpr UINT MSG_POINTER_UP = WM_USER + 603;
constexpr UINT MSG_SCROLL_POS = WM_USER + 604;

constexpr ExpectedMsg SEP = {WM_TEST_SEPARATOR, 0, 0};

// Image ids: buttons draw 1/2/3 for normal/pressed/focused, the list's
// background is 5; the fixture background is 0.
constexpr int IMG_NORMAL = 1;
constexpr int IMG_PRESSED = 2;
constexpr int IMG_FOCUSED = 3;
constexpr int IMG_LIST = 5;

// The list: rows 200 x 20 from (100, 100); the position text at (600, 400).
constexpr int LIST_X = 100;
constexpr int LIST_Y = 100;
constexpr int ROW_W = 200;
constexpr int ROW_H = 20;
constexpr int COUNTER_X = 600;
constexpr int COUNTER_Y = 400;

// Signed coordinates as a message carries them.
inline WPARAM W(int v) { return static_cast<WPARAM>(v); }
inline LPARAM L(int v) { return static_cast<LPARAM>(v); }

class InputFixture : public ComponentFixture {
 protected:
  void SetUp() override {
    ComponentFixture::SetUp();
    def.buttonDownMessage = MSG_BUTTON_DOWN;
    def.buttonUpMessage = MSG_BUTTON_UP;
    def.rowSelectMessage = MSG_ROW_SELECT;
    def.listLimitMessage = MSG_LIST_LIMIT;
    def.pointerDownMessage = MSG_POINTER_DOWN;
    def.pointerUpMessage = MSG_POINTER_UP;
    def.keyPrevious = VK_LEFT;
    def.keyNext = VK_RIGHT;
    def.keyActivate = VK_RETURN;
    def.keyListUp = VK_UP;
    def.keyListDown = VK_DOWN;
  }

  // A shown button whose image and touch rectangle coincide.
  void AddButton(int i, int x, int y, int w, int h, int kind = 0, int listAction = 0,
                 int amount = 0, int focusRank = 0) {
    ButtonDef& b = def.buttons[i];
    b.shown = 1;
    b.x = b.hitX = x;
    b.y = b.hitY = y;
    b.width = b.hitWidth = w;
    b.height = b.hitHeight = h;
    for (int v = 0; v < kButtonVariants; ++v) {
      b.normalImages[v] = IMG_NORMAL;
      b.pressedImages[v] = IMG_PRESSED;
      b.focusedImages[v] = IMG_FOCUSED;
    }
    b.kind = kind;
    b.listAction = listAction;
    b.actionAmount = amount;
    b.focusRank = focusRank;
  }

  // An enabled, active list of `visible` rows with a position text and the
  // scroll-position message, so that each whole-list redraw shows in the
  // message sequence as (MSG_SCROLL_POS, topRow, maxTop).
  void SetUpList(int visible) {
    def.listEnabled = 1;
    def.listActive = 1;
    def.listImage = IMG_LIST;
    def.listX = LIST_X;
    def.listY = LIST_Y;
    def.rowWidth = ROW_W;
    def.rowHeight = ROW_H;
    def.visibleRows = visible;
    def.listWidth = ROW_W;
    def.listHeight = visible * ROW_H;
    for (RowStyleDef& s : def.rowStyles) s.image = -1;  // rows erase from the list image
    def.counter.shown = 1;
    def.counter.x = COUNTER_X;
    def.counter.y = COUNTER_Y;
    def.counter.width = 100;
    def.counter.height = 30;
    wcscpy(def.counter.format, L"%d/%d");
    def.scrollPositionMessage = MSG_SCROLL_POS;
  }

  // Replaces the component's rows by `count` rows whose values are 100 + index.
  void SetRows(int count) {
    browser->RemoveAllRows();
    for (int n = 0; n < count; ++n) {
      RowItem* row = new RowItem;
      row->value = 100 + n;
      browser->AddRow(row);
    }
  }

  // Real messages at the component's window; posted answers are handled
  // before these return.
  void Press(int x, int y) {
    SendMessageW(browser->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PumpMessages();
  }
  void Release(int x, int y) {
    SendMessageW(browser->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
  }
  void Key(UINT vk) {
    SendMessageW(browser->m_hWnd, WM_KEYDOWN, vk, 1);
    PumpMessages();
  }
  // Ends one step in the recorded sequence.
  void Step() {
    PumpMessages();
    recorder.Separator();
  }

  // What the painter drew since the last call, as names of elements. Calls
  // on list-sized surfaces other than the list background belong to a
  // whole-list redraw and are left out; anything not recognised is named
  // by its operation so that an unexpected redraw still shows.
  std::vector<std::string> Redraws() {
    std::vector<std::string> out;
    for (const DrawCall& c : painter.Take()) {
      if (c.op == "SetTransparency" || c.op == "OnScreenLoaded") continue;
      if (c.surface == SURFACE_OFFSCREEN) {
        if (c.op == "DrawImageAt" && c.imageId == def.listImage && c.x == 0 && c.y == 0) {
          out.push_back("list");
        }
        continue;
      }
      std::string name = Name(c);
      if (c.surface != SURFACE_WINDOW) name += c.surface == SURFACE_BACK_BUFFER ? "@backbuffer" : "@none";
      out.push_back(name);
    }
    return out;
  }

  static std::string Join(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += (s.empty() ? "" : ", ") + n;
    return s;
  }

 private:
  std::string Name(const DrawCall& c) const {
    if (c.op == "DrawImagePart" && c.imageId == def.listImage && def.rowHeight > 0) {
      return "row " + std::to_string((c.y - def.listY - def.rowOriginY) / def.rowHeight);
    }
    if (c.op == "DrawImagePart" && c.imageId == def.backgroundImage && c.x == def.counter.x &&
        c.y == def.counter.y && def.counter.shown) {
      return "counter";
    }
    if (c.op == "DrawImageAt" && c.imageId >= IMG_NORMAL && c.imageId <= IMG_FOCUSED) {
      static const char* kLook[] = {"normal", "pressed", "focused"};
      for (int i = 0; i < kMaxButtons; ++i) {
        const ButtonDef& b = def.buttons[i];
        if (b.shown && b.x == c.x && b.y == c.y) {
          return "b" + std::to_string(i) + ":" + kLook[c.imageId - IMG_NORMAL];
        }
      }
    }
    if (c.op == "DrawImageFrame") return "slot at " + std::to_string(c.x) + "," + std::to_string(c.y);
    if (c.op == "DrawImagePart" && c.imageId == def.backgroundImage) {
      return "erase at " + std::to_string(c.x) + "," + std::to_string(c.y);
    }
    return c.op + " id " + std::to_string(c.imageId);
  }
};

// Compares the summary of redraws with the expected names.
#define EXPECT_REDRAWS(expected, context)                                    \
  do {                                                                       \
    std::vector<std::string> actual_ = Redraws();                            \
    EXPECT_EQ(std::string(expected), Join(actual_)) << (context);            \
  } while (0)
