#include "frontend/options_panel.h"

#include "frontend/game.h"
#include "frontend/text_style.h"
#include "frontend/menu_layout.h"
#include "frontend/widgets.h"

namespace {

struct OptionRow {
  const char* label;
  int Settings::*field;
  int match;               // the value that shows match_text; any other shows other_text
  const char* match_text;
  const char* other_text;
};

constexpr OptionRow kRows[kOptionRows] = {
    {"Sound", &Settings::Sound, 1, "On", "Off"},
    {"Camera View", &Settings::CameraView, 0, "Top", "Side"},
    {"Color Blind Symbols", &Settings::ColorBlindSymbols, 1, "On", "Off"},
    {"Upload High Scores", &Settings::UploadHighScores, 1, "On", "Off"},
};

constexpr float kLabelX = 3.0f;   // from the anchor
constexpr float kValueX = 26.7f;  // from the anchor
constexpr float kTextDrop = 8.0f;
constexpr float kTextSize = 2.0f;

bool Row_Hovered(const OverlayPointer& p, int r) {
  return Row_Hover(p, kOptionsPanel.x + kPanelLeft, kOptionsPanel.y - kRowsTop, r + 1, kRowPitch, kRowWidth);
}

}  // namespace

bool Options_Click(Game& game, const OverlayPointer& p) {
  for (int r = 0; r < kOptionRows; ++r) {
    if (!Row_Hovered(p, r)) continue;
    Play_Ui_Sound(game, SOUND_MENU_CHANGE);
    int& value = game.g.*(kRows[r].field);
    value = value == 0 ? 1 : 0;
    return true;
  }
  return false;
}

void Options_Draw(const GameState& g, const OverlayPointer& p, Canvas& c) {
  for (int r = 0; r < kOptionRows; ++r) {
    const OptionRow& row = kRows[r];
    const float shade = Row_Hovered(p, r) ? 1.0f : 0.0f;
    const float y = kOptionsPanel.y - kTextDrop - kRowPitch * static_cast<float>(r);
    const char* shown = g.*(row.field) == row.match ? row.match_text : row.other_text;
    Draw_Label(c.w, kOptionsPanel.x + kLabelX, y, Grey(shade, kTextSize), "%s", row.label);
    Draw_Label(c.w, kOptionsPanel.x + kValueX, y, Grey(shade, kTextSize), "%s", shown);
  }
}
