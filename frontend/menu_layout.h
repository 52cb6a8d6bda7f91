// Where the menu's items sit, in overlay units (x 0..100 left to right,
// y 0..100 bottom to top), and what they show.
#pragma once

#include "frontend/texture_slots.h"

enum MenuButtonId { BUTTON_NEW_GAME = 0, BUTTON_CONTINUE = 1, BUTTON_WEBSITE = 2, BUTTON_EXIT = 3 };
inline constexpr int kMenuButtonCount = 4;

struct ButtonLayout {
  float anchor_x, anchor_y;  // the picture's lower-left corner
  float width, height;       // the hit rectangle
  TextureSlot picture;
  float r, g, b;             // highlight colour
};

inline constexpr ButtonLayout kButtonLayout[kMenuButtonCount] = {
    {12.1f, 15.0f, 17.0f, 3.7f, TEX_TEXT_NEW_GAME, 0, 1, 0},
    {38.0f, 15.0f, 14.4f, 3.7f, TEX_TEXT_CONTINUE, 0, 1, 0},
    {61.5f, 15.0f, 13.2f, 3.7f, TEX_TEXT_WEBSITE, 0, 0, 1},
    {83.6f, 15.0f, 7.4f, 3.7f, TEX_TEXT_EXIT, 1, 0, 0},
};

struct PanelAnchor {
  float x, y;
};
inline constexpr PanelAnchor kLevelPanel{10.0f, 91.0f};
inline constexpr PanelAnchor kScorePanel{56.0f, 91.0f};
inline constexpr PanelAnchor kOptionsPanel{56.0f, 66.9f};

inline constexpr float kRowPitch = 3.4f;     // height of a list row
inline constexpr float kRowWidth = 30.0f;    // width of a score or option row
inline constexpr float kRowsTop = 6.0f;      // first row's top edge below the anchor
inline constexpr float kPanelLeft = 2.0f;    // panel background from anchor x + 2
inline constexpr float kPanelRight = 32.0f;  // .. to anchor x + 32

// The level panel's arrows: hit rectangles within its one row.
inline constexpr float kLeftArrowX = 2.0f, kLeftArrowWidth = 8.8f;
inline constexpr float kRightArrowX = 22.5f, kRightArrowWidth = 9.5f;
