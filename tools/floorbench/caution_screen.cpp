#include "caution_screen.h"

#include <cstring>

namespace {

const int kCautionBackground = 0;

void DescribeSwitchedOffButton(ButtonDef& button, int x, int normal, int pressed, int focused,
                               int rank) {
  button.x = x;
  button.y = 280;
  button.normalImages[0] = normal;
  button.pressedImages[0] = pressed;
  button.focusedImages[0] = focused;
  button.hitX = x;
  button.hitY = 280;
  button.hitWidth = 252;
  button.hitHeight = 60;
  button.focusRank = rank;
  // shown stays 0: the component neither draws nor hit-tests it.
}

}  // namespace

void BuildCautionScreen(ScreenDefinition& def, CImagePainter* painter) {
  std::memset(&def, 0, sizeof def);
  def.painter = painter;
  def.backgroundImage = kCautionBackground;
  def.buttonDownMessage = WM_USER + 501;
  def.buttonUpMessage = WM_USER + 500;
  def.actOnRelease = 1;
  DescribeSwitchedOffButton(def.buttons[0], 153, 2, 3, 4, 0);
  DescribeSwitchedOffButton(def.buttons[1], 407, 5, 6, 7, 1);
}
