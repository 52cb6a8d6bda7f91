#include "level/wall_file.h"

#include <cstdio>
#include <string>

#include "engine/log.h"
#include "engine/text_scan.h"
#include "game/game_state.h"
#include "level/field_geometry.h"
#include "level/resource_file.h"

namespace {
constexpr size_t kMaxWord = 150;  // characters of the words between records
}

void Parse_Wall_Text(GameState& g, std::string_view text) {
  TextCursor cur(text);
  std::string word;
  if (cur.Word(word, kMaxWord) != ScanResult::Ok) return;
  while (g.WallCount < kMaxWalls) {
    int index = 0;
    float x = 0, y = 0, angle = 0;
    if (cur.Int(index) != ScanResult::Ok || cur.Float(x) != ScanResult::Ok ||
        cur.Float(y) != ScanResult::Ok || cur.Float(angle) != ScanResult::Ok) {
      break;  // the end of the file, or a word where a number belongs
    }
    if (!field::Plausible(x) || !field::Plausible(y) || !field::Plausible(angle)) {
      Log_Write(g_log_stream, 1, "Parse_Wall() :: piece [%i] at [%g, %g] turned [%g] ignored", index, x, y, angle);
      if (cur.Word(word, kMaxWord) != ScanResult::Ok) break;
      continue;
    }
    Wall& w = g.Walls[static_cast<size_t>(g.WallCount)];
    static_cast<CKorvidModel&>(w) = g.BrickTemplate;
    w.IsHollow = 0;
    w.position = Vec3();
    w.pivot = Vec3();
    w.Translate({x, y, 0.0f}, true);
    w.Rotate_Z(angle);
    w.position = w.previous_position = Vec3(x, y, 0.0f);
    w.velocity = Vec3();
    Lower_Base(w, kBrickLowerZ);
    ++g.WallCount;
    if (cur.Word(word, kMaxWord) != ScanResult::Ok) break;
  }
}

bool Parse_Wall(GameState& g, int number) {
  char name[32];
  std::snprintf(name, sizeof name, "wall_%.3i.dat", number);
  std::string text;
  if (!Load_Resource_Loose_First(g.ProgramFolder, "data/models.pak", name, text)) {
    Log_Write(g_log_stream, 1, "Parse_Wall() :: [%s] :: failed (could not find file)", name);
    return false;
  }
  Parse_Wall_Text(g, text);
  Log_Write(g_log_stream, 0, "Parse_Wall() :: [%s]", name);
  return true;
}
