#include "game/colors.h"

namespace {

constexpr std::array<ColorInfo, 9> kTable{{
    {"BLACK", colors::kBlack, 0, 3},
    {"BLUE", colors::kBlue, 1, 5},
    {"GRAY", colors::kGray, 2, 3},
    {"GREEN", colors::kGreen, 3, 6},
    {"ORANGE", colors::kOrange, 4, 7},
    {"PURPLE", colors::kPurple, 5, 8},
    {"RED", colors::kRed, 6, 9},
    {"YELLOW", colors::kYellow, 7, 11},
    {"WHITE", colors::kWhite, 8, 10},
}};

constexpr int kPlainGroundSlot = 3;
constexpr int kOtherColorCode = 8;

const ColorInfo* Find(const Color& c) {
  for (const ColorInfo& info : kTable) {
    if (info.rgb == c) return &info;
  }
  return nullptr;
}

}  // namespace

const std::array<ColorInfo, 9>& Color_Table() { return kTable; }

Color Color_From_Name(std::string_view word) {
  for (const ColorInfo& info : kTable) {
    if (info.name == word) return info.rgb;
  }
  return colors::kUnknown;
}

std::string_view Color_Name(const Color& c) {
  const ColorInfo* info = Find(c);
  return info != nullptr ? info->name : "UNKNOWN";
}

int Color_Code(const Color& c) {
  const ColorInfo* info = Find(c);
  return info != nullptr ? info->code : kOtherColorCode;
}

Color Color_From_Code(int code) {
  if (code < 0 || code >= static_cast<int>(kTable.size())) return colors::kWhite;
  return kTable[static_cast<size_t>(code)].rgb;
}

int Force_Field_Texture_Slot(const Color& c) {
  const ColorInfo* info = Find(c);
  return info != nullptr ? info->field_slot : kPlainGroundSlot;
}

int Symbol_Texture_Slot(const Color& c) {
  const int slot = Force_Field_Texture_Slot(c);
  return slot == kPlainGroundSlot ? -1 : slot;
}

MixRules Standard_Mix_Table() {
  using namespace colors;
  return {{
      {kBlue, kBlue, kBlue},
      {kGreen, kGreen, kGreen},
      {kOrange, kOrange, kOrange},
      {kPurple, kPurple, kPurple},
      {kRed, kRed, kRed},
      {kWhite, kWhite, kWhite},
      {kYellow, kYellow, kYellow},
      {kBlue, kRed, kPurple},
      {kBlue, kYellow, kGreen},
      {kRed, kYellow, kOrange},
  }};
}

bool Mix_Colors(const MixRules& table, const Color& a, const Color& b, Color& result) {
  bool found = false;
  for (const MixRule& rule : table) {
    if ((a == rule.a && b == rule.b) || (a == rule.b && b == rule.a)) {
      result = rule.result;
      found = true;
    }
  }
  return found;
}
