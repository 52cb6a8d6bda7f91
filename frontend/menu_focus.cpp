#include "frontend/menu_focus.h"

#include "engine/view_transform.h"
#include "frontend/game.h"
#include "frontend/menu_layout.h"
#include "frontend/options_panel.h"
#include "frontend/screen_menu.h"
#include "frontend/widgets.h"

namespace {

// The middle of row n (1-based) of a list whose top edge is kRowsTop under
// the anchor, starting dx to the right of it and width wide.
MenuSpot Row_Middle(const PanelAnchor& a, float dx, float width, int n) {
  return {a.x + dx + width / 2.0f, a.y - kRowsTop - kRowPitch * (static_cast<float>(n) - 0.5f)};
}

// The key is down and not yet acted on; consumed, so one press is one step.
bool Take(unsigned char* keys, int key) {
  if (keys[key] == 0) return false;
  keys[key] = 0;
  return true;
}

}  // namespace

std::vector<MenuSpot> Menu_Spots(const GameState& g) {
  std::vector<MenuSpot> spots;
  spots.push_back(Row_Middle(kLevelPanel, kLeftArrowX, kLeftArrowWidth, 1));
  spots.push_back(Row_Middle(kLevelPanel, kRightArrowX, kRightArrowWidth, 1));
  for (int n = 0; n < kScorePlaces; ++n) {
    if (g.Scores.entries[static_cast<size_t>(n)].time < kEmptyScoreTime) {
      spots.push_back(Row_Middle(kScorePanel, kPanelLeft, kRowWidth, n + 1));
    }
  }
  for (int r = 1; r <= kOptionRows; ++r) spots.push_back(Row_Middle(kOptionsPanel, kPanelLeft, kRowWidth, r));
  for (int i = 0; i < kMenuButtonCount; ++i) {
    if (i == BUTTON_CONTINUE && !Continue_Offered(g)) continue;
    const MenuButton b = Make_Button(kButtonLayout[i].anchor_x, kButtonLayout[i].anchor_y, kButtonLayout[i].width,
                                     kButtonLayout[i].height);
    spots.push_back({b.X + b.Width / 2.0f, b.Y + b.Height / 2.0f});
  }
  return spots;
}

void Menu_Keys(Game& game) {
  GameState& g = game.g;
  unsigned char* keys = g.Keys.data();
  int& focus = game.front.menu_focus;
  const std::vector<MenuSpot> spots = Menu_Spots(g);
  const int count = static_cast<int>(spots.size());
  // A moved mouse owns the pointer again; the highlight starts over.
  if (focus >= 0 && (g.InputController.x != game.front.focus_pointer_x ||
                     g.InputController.y != game.front.focus_pointer_y)) {
    focus = -1;
  }
  const bool back = Take(keys, VK_LEFT) | Take(keys, VK_UP);
  const bool forth = Take(keys, VK_RIGHT) | Take(keys, VK_DOWN);
  const bool select = Take(keys, VK_SPACE) | Take(keys, VK_RETURN);
  if (!back && !forth && !select) return;
  if (focus < 0 || focus >= count) {
    focus = back ? count - 1 : 0;  // the first press shows where the highlight is
  } else if (back) {
    focus = (focus + count - 1) % count;
  } else if (forth) {
    focus = (focus + 1) % count;
  }
  // The pointer goes onto the item, in the window's pixels, as if moved there.
  int px = 0, py = 0;
  Overlay_To_Pointer(game.window.width, game.window.height, spots[static_cast<size_t>(focus)].x,
                     spots[static_cast<size_t>(focus)].y, px, py);
  g.Pointer.x = px;
  g.Pointer.y = py;
  g.InputController.x = px;
  g.InputController.y = py;
  game.front.focus_pointer_x = px;
  game.front.focus_pointer_y = py;
  if (select && !back && !forth) g.InputController.signal[MOUSE_LEFT] = -1.0f;  // a click, released this frame
}
