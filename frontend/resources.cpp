#include "frontend/resources.h"

#include "frontend/game.h"
#include "frontend/texture_slots.h"
#include "level/load_level.h"

namespace {

constexpr const char* kSounds[] = {"menu_change.ogg", "menu_select.ogg", "game_disc_brick.ogg",
                                   "game_disc_disc.ogg", "game_disc_disc_combine.ogg"};

constexpr const char* kTextures[] = {
    "font_old.png",           "font_new.png",
    "brick.png",              "ground.png",
    "ground_test.png",        "symbol_blue.png",
    "symbol_green.png",       "symbol_orange.png",
    "symbol_purple.png",      "symbol_red.png",
    "symbol_white.png",       "symbol_yellow.png",
    "menu_footer.png",        "menu_intro.png",
    "menu_medals.png",        "menu_text_continue.png",
    "menu_text_current_level.png", "menu_text_exit.png",
    "menu_text_high_scores.png",   "menu_text_new_game.png",
    "menu_text_options.png",  "menu_text_website.png",
};

static_assert(std::size(kTextures) == kFixedTextureCount, "one file for every fixed texture slot");

std::string Failure(const char* group) { return std::string("Could not initialize game resources [") + group + "]."; }

}  // namespace

std::string Init_Resources(Game& game) {
  GameState& g = game.g;
  g.MixTable = Standard_Mix_Table();
  if (game.audio.Available()) {
    for (int channel = 0; channel < 5; ++channel) {
      if (!game.audio.Load(channel, kSounds[channel], false)) return Failure("audio");
    }
  }
  CKorvidWindow& w = game.window;
  if (!w.Font_List_Load("font_list.txt") ||
      w.Texture_Load(kTextures[TEX_FONT_FIXED], TEX_FONT_FIXED) != TEX_FONT_FIXED ||
      w.Texture_Load(kTextures[TEX_FONT], TEX_FONT) != TEX_FONT) {
    return Failure("fonts");
  }
  for (int i = TEX_BRICK; i < kFixedTextureCount; ++i) {
    if (w.Texture_Load(kTextures[i], i) != i) return Failure("textures");
  }
  if (!Load_Play_Field_Templates(g)) return Failure("models");
  return "";
}
