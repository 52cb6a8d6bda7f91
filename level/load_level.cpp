#include "level/load_level.h"

#include "game/game_state.h"
#include "level/builtin_levels.h"
#include "level/field_geometry.h"
#include "level/level_text.h"
#include "level/wall_file.h"

namespace {
constexpr float kShooterMass = 50.0f;
constexpr float kBrickMass = 50.0f;
constexpr float kDiscMass = 10.0f;
constexpr float kGroundTransparency = 0.15f;
}  // namespace

bool Load_Play_Field_Templates(GameState& g) {
  g.MixTable = Standard_Mix_Table();
  const std::string& dir = g.ProgramFolder;
  TextureTable* tex = g.Textures;
  if (!g.GroundModel.File_Load("ground.dat", dir, tex) ||
      !g.BrickTemplate.File_Load("brick_normal.dat", dir, tex) ||
      !g.HollowBrickTemplate.File_Load("brick_special.dat", dir, tex) ||
      !g.DiscTemplate.File_Load("disc_normal.dat", dir, tex) ||
      !g.RingTemplate.File_Load("disc_special.dat", dir, tex)) {
    return false;
  }
  g.GroundModel.Set_Transparency(kGroundTransparency, -1);
  g.BrickTemplate.Set_Mass(kBrickMass);
  g.HollowBrickTemplate.Set_Mass(kBrickMass);
  g.DiscTemplate.Set_Mass(kDiscMass);
  g.RingTemplate.Set_Mass(kDiscMass);
  return true;
}

void Load_Level(GameState& g, int level) {
  for (int i = 0; i < g.BrickCount; ++i) g.Bricks[static_cast<size_t>(i)].Release();
  for (int i = 0; i < g.WallCount; ++i) g.Walls[static_cast<size_t>(i)].Release();
  for (int i = 0; i < g.DiscCount; ++i) g.Discs[static_cast<size_t>(i)].Release();
  for (int i = 0; i < g.ForceFieldCount; ++i) g.ForceFields[static_cast<size_t>(i)].Release();

  // The shooter meshes are replaced whole, so their frames start afresh
  // instead of adding the placing offset again at every load.
  g.ShooterBase = CKorvidModel();
  g.ShooterGun = CKorvidModel();
  if (g.ShooterBase.File_Load("shooter_base.dat", g.ProgramFolder, g.Textures)) {
    g.ShooterBase.Translate({field::kShooterPivotX, field::kShooterBaseY, 0.0f}, true);
    g.ShooterBase.Set_Mass(kShooterMass);
  }
  if (g.ShooterGun.File_Load("shooter_gun.dat", g.ProgramFolder, g.Textures)) {
    g.ShooterGun.Translate({field::kShooterPivotX, field::kShooterPivotY, 0.0f}, true);
    g.ShooterGun.Set_Mass(kShooterMass);
  }

  g.Shooter.Angle = 90.0f;
  g.BrickCount = 0;
  g.WallCount = 0;
  g.Shooter.ShotClock = 1.0f;
  g.DiscCount = 0;
  g.LevelTime = 0.0f;
  g.ForceFieldCount = 0;
  g.Shooter.Score = 0;
  g.Shooter.ColorIndex = 0;
  g.LevelStatus = LEVEL_WAITING;
  g.Paused = true;

  const std::string name = Level_File_Name(level);
  Parse_Objects(g, name);
  Parse_Goals(g, name);
  Parse_Points(g, name);

  Parse_Wall(g, 1);
  g.CollisionModel.File_Load("game_collision.dat", g.ProgramFolder, g.Textures);

  if (g.TutorialActive) {
    g.LevelStatus = LEVEL_PLAYING;
    g.Paused = false;
  }
}
