// The texture table's fixed slots: the pictures loaded at start-up, in the
// order of the list in resources.cpp, so that slot i is the i-th texture
// the GL context makes (GL name i + 1).
#pragma once

enum TextureSlot {
  TEX_NONE = -1,  // untextured
  TEX_FONT_FIXED = 0,
  TEX_FONT = 1,
  TEX_BRICK = 2,
  TEX_GROUND = 3,
  TEX_DISC = 4,
  TEX_SYMBOL_BLUE = 5,
  TEX_SYMBOL_GREEN = 6,
  TEX_SYMBOL_ORANGE = 7,
  TEX_SYMBOL_PURPLE = 8,
  TEX_SYMBOL_RED = 9,
  TEX_SYMBOL_WHITE = 10,
  TEX_SYMBOL_YELLOW = 11,
  TEX_MENU_FOOTER = 12,
  TEX_MENU_INTRO = 13,
  TEX_MENU_MEDALS = 14,
  TEX_TEXT_CONTINUE = 15,
  TEX_TEXT_CURRENT_LEVEL = 16,
  TEX_TEXT_EXIT = 17,
  TEX_TEXT_HIGH_SCORES = 18,
  TEX_TEXT_NEW_GAME = 19,
  TEX_TEXT_OPTIONS = 20,
  TEX_TEXT_WEBSITE = 21,
  kFixedTextureCount = 22,
};
