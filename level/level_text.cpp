#include "level/level_text.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "engine/log.h"
#include "engine/text_scan.h"
#include "game/game_state.h"
#include "game/shooter.h"
#include "level/builtin_levels.h"
#include "level/field_geometry.h"
#include "level/pak_archive.h"

namespace {

constexpr size_t kMaxWord = 150;  // characters of one word

// Scans up to n numbers from the front of the text, one after another like
// sscanf: stops at the first that does not convert. Returns the count
// converted, or -1 when the text ended before the first.
template <typename... T>
int Scan(std::string_view text, T&... out) {
  TextCursor cur(text);
  int converted = 0;
  bool stop = false;
  auto one = [&](auto& value) {
    if (stop) return;
    ScanResult r;
    if constexpr (std::is_same_v<std::remove_reference_t<decltype(value)>, int>) {
      r = cur.Int(value);
    } else {
      r = cur.Float(value);
    }
    if (r == ScanResult::Ok) {
      ++converted;
    } else {
      if (r == ScanResult::End && converted == 0) converted = -1;
      stop = true;
    }
  };
  (one(out), ...);
  return converted;
}

void Consume_Words(std::string_view& text, int n) {
  for (int i = 0; i < n; ++i) Consume_Word(text);
}

// Walks the text: every word is consumed, and the handler sees each one with
// the text that follows it. Returns when the text is used up.
template <typename Handler>
void Walk(const std::string& whole, Handler handle) {
  std::string_view text = whole;
  // A file that begins with white space would otherwise hand the first
  // keyword itself to its own argument scan.
  text.remove_prefix(std::min(text.size(), text.find_first_not_of(' ')));
  std::string word;
  while (Read_Word(text, word)) {
    const size_t before = text.size();
    Consume_Word(text);
    // A text with no blank left cannot be consumed further; stop rather
    // than read the same word for ever.
    if (text.size() == before) text = {};
    handle(word, text);
  }
}

// Numbers that would put an object at infinity or nowhere are refused with
// the object; the log says which.
bool All_Plausible(const char* keyword, std::initializer_list<float> values) {
  for (const float v : values) {
    if (!field::Plausible(v)) {
      Log_Write(g_log_stream, 1, "Parse_Objects() :: %s with the number [%g] ignored", keyword, v);
      return false;
    }
  }
  return true;
}

void Tint_Shooter(GameState& g) {
  const Color c = g.Shooter.NextColor;
  g.ShooterBase.Set_Color(c);
  g.ShooterGun.Set_Color(c);
  g.Shooter.ShownColor = c;
  g.Shooter.PreviousColor = c;
}

}  // namespace

std::string Fold_Level_Text(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size() + 1);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    // Text-mode reading drops the carriage return of a CR LF pair.
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text += (c == '\n' || c == '\t') ? ' ' : c;
  }
  text += ' ';
  std::string folded;
  folded.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !folded.empty() && folded.back() == ' ') continue;
    folded += c;
  }
  return folded;
}

std::string Read_Level_Text(const std::string& folder, const std::string& name) {
  std::string bytes;
  const std::string path = folder.empty() ? name : folder + "/" + name;
  if (Read_File(path, bytes)) return Fold_Level_Text(bytes);
  return std::string(Builtin_Level_Text(name));
}

bool Read_Word(std::string_view text, std::string& word) {
  TextCursor cur(text);
  return cur.Word(word, kMaxWord) == ScanResult::Ok;
}

void Consume_Word(std::string_view& text) {
  const size_t blank = text.find(' ');
  if (blank != std::string_view::npos) text.remove_prefix(blank + 1);
}

Color Parse_Color(std::string_view& text) {
  std::string word;
  Color c = colors::kUnknown;
  if (Read_Word(text, word)) c = Color_From_Name(word);
  Consume_Word(text);
  return c;
}

void Parse_Objects_Text(GameState& g, std::string text) {
  g.Palette.fill(Color());
  g.Shooter.ColorIndex = 0;
  g.Goals.GoalText[0].clear();
  g.Goals.GoalText[1].clear();
  g.Goals.GoalForceField.fill(-1);

  Walk(text, [&g](const std::string& word, std::string_view& rest) {
    if (word == "ColorSet") {
      const int n = Scan(rest, g.Shooter.CycleColors, g.PaletteCount);
      Consume_Words(rest, 2);
      if (n < 0) return;
      for (int i = 0; i < g.PaletteCount && i < kPaletteSize; ++i) {
        g.Palette[static_cast<size_t>(i)] = Parse_Color(rest);
      }
    } else if (word == "Brick") {
      int hollow = 0;
      float x = 0, y = 0, angle = 0;
      const int n = Scan(rest, hollow, x, y, angle);
      Consume_Words(rest, 4);
      if (n >= 0 && All_Plausible("Brick", {x, y, angle})) Add_Brick(g, {x, y, 0.0f}, angle, hollow, 1);
    } else if (word == "Disc") {
      int ring = 0;
      float x = 0, y = 0, vx = 0, vy = 0;
      const int n = Scan(rest, ring, x, y, vx, vy);
      Consume_Words(rest, 5);
      if (n >= 0) {
        const Color c = Parse_Color(rest);
        if (All_Plausible("Disc", {x, y, vx, vy})) Add_Disc(g, {x, y, 0.0f}, {vx, vy, 0.0f}, c, -1, ring == 1 ? 1 : 0);
      }
    } else if (word == "ForceField") {
      float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      const int n = Scan(rest, x1, y1, x2, y2);
      Consume_Words(rest, 4);
      if (n >= 0) {
        const Color c = Parse_Color(rest);
        if (All_Plausible("ForceField", {x1, y1, x2, y2})) Add_Force_Field(g, {x1, y1, 0.0f}, {x2, y2, 0.0f}, c);
      }
    } else if (word == "GoalText") {
      for (std::string& line : g.Goals.GoalText) {
        std::string w;
        if (!Read_Word(rest, w)) w.clear();
        Consume_Word(rest);
        for (char& c : w) {
          if (c == '_') c = ' ';
        }
        line = (w == " ") ? "" : w;
      }
    }
  });

  Next_Color(g);
  Tint_Shooter(g);
}

void Parse_Goals_Text(GameState& g, std::string text) {
  LevelGoals& goals = g.Goals;
  goals.GoalBricks = goals.GoalDiscs = goals.GoalRings = -1;
  goals.GoalPoints = 0;
  goals.GoalTimeMode = 0;
  goals.CheckDiscMatchRing = goals.CheckDiscMatchForceField = 0;

  Walk(text, [&goals](const std::string& word, std::string_view& rest) {
    auto single = [&rest](int& field) {
      int value = 0;
      if (Scan(rest, value) == 1) field = value;
      Consume_Word(rest);
    };
    if (word == "CheckDiscMatch") {
      std::string what;
      Read_Word(rest, what);
      Consume_Word(rest);
      if (what == "FORCEFIELD") goals.CheckDiscMatchForceField = 1;
      if (what == "RING") goals.CheckDiscMatchRing = 1;
    } else if (word == "GoalBricks") {
      single(goals.GoalBricks);
    } else if (word == "GoalDiscs") {
      single(goals.GoalDiscs);
    } else if (word == "GoalRings") {
      single(goals.GoalRings);
    } else if (word == "GoalPoints") {
      single(goals.GoalPoints);
    } else if (word == "GoalForceField") {
      int index = 0, count = 0;
      const int n = Scan(rest, index, count);
      Consume_Words(rest, 2);
      // An index outside the table is ignored rather than written past it.
      if (n == 2 && index >= 0 && index < kMaxForceFields) {
        goals.GoalForceField[static_cast<size_t>(index)] = count;
      }
    } else if (word == "GoalTime") {
      float seconds = 0.0f;
      const bool read = Scan(rest, seconds) == 1;
      Consume_Word(rest);
      if (read && !field::Plausible(seconds)) {
        // Not a number of seconds: no time rule rather than one nobody can meet.
        Log_Write(g_log_stream, 1, "Parse_Goals() :: GoalTime [%g] ignored", seconds);
        return;
      }
      if (read) goals.GoalTime = seconds;
      if (goals.GoalTime > 0.0f) {
        goals.GoalTimeMode = 1;
      } else if (goals.GoalTime < 0.0f) {
        goals.GoalTimeMode = -1;
        goals.GoalTime = -goals.GoalTime;
      }
    }
  });
}

void Parse_Points_Text(GameState& g, std::string text) {
  g.PointsBrickRemove = g.PointsRingNew = g.PointsRingDifferentColor = 0;
  g.PointsRingSameColor = g.PointsRingSpecial = 0;
  Walk(text, [&g](const std::string& word, std::string_view& rest) {
    int* field = nullptr;
    if (word == "PointsBrickRemove") field = &g.PointsBrickRemove;
    if (word == "PointsRingNew") field = &g.PointsRingNew;
    if (word == "PointsRingDifferentColor") field = &g.PointsRingDifferentColor;
    if (word == "PointsRingSameColor") field = &g.PointsRingSameColor;
    if (word == "PointsRingSpecial") field = &g.PointsRingSpecial;
    if (field == nullptr) return;
    int value = 0;
    if (Scan(rest, value) == 1) *field = value;
    Consume_Word(rest);
  });
}

std::string Level_Text_For(const GameState& g, const std::string& name) {
  if (!g.UserLevelsFolder.empty()) {
    const size_t slash = name.find_last_of('/');
    std::string bytes;
    if (Read_File(g.UserLevelsFolder + "/" + name.substr(slash == std::string::npos ? 0 : slash + 1), bytes)) {
      return Fold_Level_Text(bytes);
    }
  }
  return Read_Level_Text(g.ProgramFolder, name);
}

void Parse_Objects(GameState& g, const std::string& name) { Parse_Objects_Text(g, Level_Text_For(g, name)); }
void Parse_Goals(GameState& g, const std::string& name) { Parse_Goals_Text(g, Level_Text_For(g, name)); }
void Parse_Points(GameState& g, const std::string& name) { Parse_Points_Text(g, Level_Text_For(g, name)); }
