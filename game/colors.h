// The colours of the play-field and the rules by which discs mix.
//
// There is no colour index in memory: a colour is an RGB triple and two
// colours are the same only when all three components are exactly equal.
// Every colour in play comes from the table below, so exact comparison is
// reliable. Codes (for replay files) and force-field texture slots are
// derived from the triple.
#pragma once

#include <array>
#include <string_view>

#include "game/vec3.h"

using Color = Vec3;

namespace colors {
inline constexpr Color kBlack{0.2f, 0.2f, 0.2f};
inline constexpr Color kBlue{0.0f, 0.5f, 1.0f};
inline constexpr Color kGray{0.5f, 0.5f, 0.5f};
inline constexpr Color kGreen{0.0f, 1.0f, 0.0f};
inline constexpr Color kOrange{1.0f, 0.5f, 0.0f};
inline constexpr Color kPurple{0.8f, 0.4f, 0.7f};
inline constexpr Color kRed{1.0f, 0.0f, 0.0f};
inline constexpr Color kYellow{1.0f, 1.0f, 0.0f};
inline constexpr Color kWhite{1.0f, 1.0f, 1.0f};
// What an unknown colour word gives; it equals no table colour.
inline constexpr Color kUnknown{0.0f, 0.0f, 0.0f};
// Every vertex of a hollow brick carries this tint.
inline constexpr Color kHollowBrick{0.894f, 0.694f, 0.847f};
}  // namespace colors

struct ColorInfo {
  std::string_view name;  // the level-text word
  Color rgb;
  int code;          // replay colour code
  int field_slot;    // texture slot of a force field of this colour
};

// The nine named colours in code order (BLACK 0 ... WHITE 8).
const std::array<ColorInfo, 9>& Color_Table();

// The RGB of a level-text colour word; (0, 0, 0) for an unknown word.
Color Color_From_Name(std::string_view word);
// The level-text word of a table colour, or "UNKNOWN".
std::string_view Color_Name(const Color& c);
// Replay code: 0..7 for the first eight table colours, 8 for anything else.
int Color_Code(const Color& c);
// The table colour of a replay code; WHITE for a code outside 0..8.
Color Color_From_Code(int code);
// Texture slot of a force field: the colour symbol, or slot 3 (plain ground).
int Force_Field_Texture_Slot(const Color& c);
// Texture slot of a colour's symbol; -1 for colours without one (black,
// gray and anything not in the table).
int Symbol_Texture_Slot(const Color& c);

struct MixRule {
  Color a;
  Color b;
  Color result;
};

inline constexpr int kMixRuleCount = 10;
using MixRules = std::array<MixRule, kMixRuleCount>;

// The ten rules in their fixed order: the seven colours that mix with
// themselves, then BLUE+RED, BLUE+YELLOW, RED+YELLOW.
MixRules Standard_Mix_Table();

// Looks the pair up in either order; a later matching rule replaces an
// earlier one. False when no rule mixes the two.
bool Mix_Colors(const MixRules& table, const Color& a, const Color& b, Color& result);
